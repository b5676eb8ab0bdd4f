// TMSBitmap::Fractalize: roughening an area of the picture by random block
// subdivision.
#include "exchange/MSBitmap.h"

#include "model/Progress.h"

#include <algorithm>
#include <cmath>

namespace tarn {

namespace {

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

// Reports percentages to the observer only as they change.
class TPercentReport {
public:
    TPercentReport(IProgress* progress, long long total) : progress_(progress), total_(total) {}
    void Report(long long done)
    {
        if (!progress_)
            return;
        const int percent = total_ > 0 ? RoundHalfEven(std::min(100.0, 100.0 * done / total_)) : 100;
        if (percent != last_)
            progress_->setPercent(last_ = percent);
    }

private:
    IProgress* progress_;
    long long total_;
    int last_ = -1;
};

}  // namespace

void TMSBitmap::Fractalize(const TArea& area, const TFractalizeOptions& options, IRandomSource& random,
                           IProgress* progress)
{
    const int w = area.right - area.left;
    const int h = area.bottom - area.top;
    const int minimum = std::max(options.minimumBlock, 1);
    const int start = std::max(options.startBlock, 1);
    const long long total =
        2LL * Width() * Height() / (static_cast<long long>(minimum) * minimum) - 1;
    TPercentReport report(progress, total);
    long long blocks = 0;

    int xStep = start;
    int yStep = start;
    double divisor = 1;
    for (int k = 1;; ++k) {
        const int amp = RoundHalfEven(options.amplitude / static_cast<double>(k));
        const int half = RoundHalfEven(options.amplitude / (2.0 * k));
        const bool lastRound = xStep <= minimum && yStep <= minimum;
        for (long long y0 = 0; y0 < h; y0 += yStep) {
            for (long long x0 = 0; x0 < w; x0 += xStep) {
                // The corners sampled for the block's colour.
                const int xa = static_cast<int>(std::max<long long>(x0, 1)) + area.left;
                const int xb = static_cast<int>(x0 + xStep >= w ? w - 1 : x0 + xStep) + area.left;
                const int ya = static_cast<int>(std::max<long long>(y0, 1)) + area.top;
                const int yb = static_cast<int>(y0 + yStep >= h ? h - 1 : y0 + yStep) + area.top;
                // The block itself; neighbours share their border row and column.
                const int left = static_cast<int>(x0) + area.left;
                const int right = static_cast<int>(std::min<long long>(x0 + xStep, w)) + area.left;
                const int top = static_cast<int>(y0) + area.top;
                const int bottom = static_cast<int>(std::min<long long>(y0 + yStep, h)) + area.top;

                const int sum = random.Below(amp) + random.Below(amp) + random.Below(amp) + random.Below(amp);
                const int delta = static_cast<int>(std::trunc(sum / 4.0 - half));
                if (options.brighten) {
                    Brighten(delta, left, bottom, right, top);
                } else {
                    TColorRef base;
                    if (options.cornerMode == 1) {
                        const int corner = random.Below(4);
                        base = GetPixel(corner < 2 ? xb : xa, corner % 2 == 0 ? yb : ya);
                    } else {
                        const TColorRef c[4] = {GetPixel(xa, ya), GetPixel(xb, ya), GetPixel(xa, yb), GetPixel(xb, yb)};
                        base = RGB((RedOf(c[0]) + RedOf(c[1]) + RedOf(c[2]) + RedOf(c[3])) / 4,
                                   (GreenOf(c[0]) + GreenOf(c[1]) + GreenOf(c[2]) + GreenOf(c[3])) / 4,
                                   (BlueOf(c[0]) + BlueOf(c[1]) + BlueOf(c[2]) + BlueOf(c[3])) / 4);
                    }
                    const auto shift = [delta](int channel) { return std::clamp(channel + std::clamp(delta, -255, 255), 0, 255); };
                    FillRect(RGB(shift(RedOf(base)), shift(GreenOf(base)), shift(BlueOf(base))), left, bottom, right,
                             top);
                }
                ++blocks;
            }
            report.Report(blocks);
        }
        if (lastRound)
            break;
        divisor *= 2;
        xStep = yStep = std::max(1, RoundHalfEven(start / divisor));
    }
    report.Report(std::max(blocks, total));
}

}  // namespace tarn
