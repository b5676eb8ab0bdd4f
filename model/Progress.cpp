#include "model/Progress.h"

#include <limits>

namespace tarn {

ProgressTicker::ProgressTicker(IProgress& progress, std::chrono::milliseconds interval)
    : progress_(progress), interval_(interval), lastPump_(std::chrono::steady_clock::now())
{
}

bool ProgressTicker::tick(long long position, long long total)
{
    if (total != total_) {
        total_ = total;
        nextPercentAt_ = 0;
    }
    // The percentage is worked out only when the position reaches the next
    // whole percent.
    if (position >= nextPercentAt_) {
        const int percent = total > 0 ? static_cast<int>(position * 100 / total) : 100;
        if (percent != lastPercent_) {
            lastPercent_ = percent;
            progress_.setPercent(percent);
        }
        nextPercentAt_ = total > 0 ? ((percent + 1) * total + 99) / 100 : std::numeric_limits<long long>::max();
    }
    return pumpWhenDue();
}

bool ProgressTicker::pumpWhenDue()
{
    const auto now = std::chrono::steady_clock::now();
    if (now - lastPump_ < interval_)
        return true;
    lastPump_ = now;
    return progress_.pump();
}

bool ProgressTicker::pumpNow()
{
    lastPump_ = std::chrono::steady_clock::now();
    return progress_.pump();
}

}  // namespace tarn
