#pragma once

#include <chrono>
#include <string_view>

namespace tarn {

// What a long operation tells the user interface: the captions of status
// panels 1 (the operation) and 2 (its step), a percentage, and a chance for
// the interface to breathe. pump() returns false when the user asked to stop.
class IProgress {
public:
    virtual ~IProgress() = default;
    virtual void setCaptions(std::string_view operation, std::string_view step) = 0;
    virtual void setPercent(int percent) = 0;
    virtual void hideProgress() = 0;
    virtual bool pump() = 0;
};

// A progress sink that shows nothing and never cancels.
class NullProgress final : public IProgress {
public:
    void setCaptions(std::string_view, std::string_view) override {}
    void setPercent(int) override {}
    void hideProgress() override {}
    bool pump() override { return true; }
};

// Passes a loop's position on to an IProgress: the percentage only when it
// changes, and pump() at most once per interval of time. Loops over the grid
// tick once per block of cells rather than per cell, so they stay cheap while
// the interface stays responsive.
class ProgressTicker {
public:
    explicit ProgressTicker(IProgress& progress,
                            std::chrono::milliseconds interval = std::chrono::milliseconds(20));

    // Reports position of total; returns false when pump() asked to stop.
    bool tick(long long position, long long total);
    // Pumps now, whatever the interval; returns false when asked to stop.
    bool pumpNow();
    // Pumps when the interval has passed, leaving the percentage alone;
    // returns false when asked to stop.
    bool pumpWhenDue();

private:
    IProgress& progress_;
    std::chrono::steady_clock::duration interval_;
    std::chrono::steady_clock::time_point lastPump_;
    int lastPercent_ = -1;
    long long total_ = -1;
    long long nextPercentAt_ = 0;
};

}  // namespace tarn
