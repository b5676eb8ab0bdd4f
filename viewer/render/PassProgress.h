#pragma once

#include "model/Progress.h"

#include <chrono>

namespace tarn {

// The progress of one square walk: the percentage shown at the start of
// each row when it changes, and the user interface pumped at most every
// 40 ms (so an abort is answered well within a tenth of a second without
// paying for a pump per square).
class TPassProgress {
public:
    TPassProgress(IProgress* progress, long long total) : progress_(progress), total_(total) {}

    void ShowDrawProgress()
    {
        if (!progress_ || total_ <= 0)
            return;
        const int percent = static_cast<int>(counter_ * 100 / total_);
        if (percent != lastPercent_) {
            lastPercent_ = percent;
            progress_->setPercent(percent);
        }
    }
    void Advance(long long squares) { counter_ += squares; }
    // False when the user asked to stop.
    bool Pump()
    {
        if (!progress_)
            return true;
        const auto now = std::chrono::steady_clock::now();
        if (now < nextPump_)
            return true;
        nextPump_ = now + kPumpInterval;
        return progress_->pump();
    }

private:
    static constexpr std::chrono::milliseconds kPumpInterval{40};
    IProgress* progress_;
    long long total_;
    // The walk's counter starts at 1, as the progress bar has always shown.
    long long counter_ = 1;
    int lastPercent_ = -1;
    std::chrono::steady_clock::time_point nextPump_{};
};

}  // namespace tarn
