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

    // Reports position of total; false when the user asked to stop.
    bool Tick(long long position, long long total) { return ticker_.tick(position, total); }

private:
    IProgress& progress_;
    ProgressTicker ticker_;
};

inline constexpr std::string_view kImporting = "Importing";
inline constexpr std::string_view kExporting = "Exporting";

}  // namespace tarn
