#pragma once

#include "model/Progress.h"

#include <string_view>

namespace tarn {

// Shows one import or export on the status bar for as long as it runs:
// "Importing" or "Exporting" and the format's title as captions, the
// percentage as the work goes on, and the bar hidden again at the end,
// however the work ends.
class TExchangeProgress {
public:
    TExchangeProgress(IProgress& progress, std::string_view operation, std::string_view title)
        : progress_(progress), ticker_(progress)
    {
        progress_.setCaptions(operation, title);
    }
    ~TExchangeProgress() { progress_.hideProgress(); }
    TExchangeProgress(const TExchangeProgress&) = delete;
    TExchangeProgress& operator=(const TExchangeProgress&) = delete;

    // Reports position of total; false when the user asked to stop. Loops
    // over lines or values call it every time; it looks at the clock only
    // every so many calls.
    bool Tick(long long position, long long total)
    {
        if (++calls_ % kCallsPerLook != 0 && position != total)
            return true;
        return ticker_.tick(position, total);
    }

private:
    static constexpr unsigned kCallsPerLook = 64;

    IProgress& progress_;
    ProgressTicker ticker_;
    unsigned calls_ = 0;
};

inline constexpr std::string_view kImporting = "Importing";
inline constexpr std::string_view kExporting = "Exporting";

}  // namespace tarn
