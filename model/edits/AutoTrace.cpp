#include "model/edits/AutoTrace.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <unordered_set>

namespace tarn {

namespace {

bool WithinTolerance(std::uint32_t colour, std::uint32_t seed, int tolerance)
{
    for (int shift : {16, 8, 0}) {
        const int a = static_cast<int>((colour >> shift) & 0xFF);
        const int b = static_cast<int>((seed >> shift) & 0xFF);
        if (std::abs(a - b) > tolerance)
            return false;
    }
    return true;
}

// The neighbours in the order the walk tries them.
constexpr std::array<TPixel, 8> kNeighbourSteps{{
    {-1, 0}, {-1, -1}, {1, 0}, {1, -1}, {0, -1}, {1, 1}, {-1, 1}, {0, 1},
}};

class TContourFollower {
public:
    TContourFollower(const TStretchedPicture& picture, TPixel start, int tolerance, const TNodeLookup& nodeAt)
        : picture_(picture), seed_(picture.At(start.x, start.y)), tolerance_(std::clamp(tolerance, 0, 255)),
          nodeAt_(nodeAt)
    {
        const std::uint32_t inverse = ~seed_ & kWhiteRgb;
        result_.markColour = inverse == kWhiteRgb ? kRedRgb : inverse;
    }

    TAutoTraceResult Run(TPixel start)
    {
        if (seed_ == kWhiteRgb)
            return {};
        branches_.push_back(start);
        TPixel current = start;
        bool going = true;
        while (going && result_.nodes.size() < kTraceEntryLimit && branches_.size() < kTraceEntryLimit) {
            Visit(current);
            const Step step = NextStep(current);
            going = step.matches > 0;
            if (step.matches > 1)
                branches_.push_back(current);
            if (going) {
                current = step.next;
            } else if (!branches_.empty()) {
                current = branches_.back();
                branches_.pop_back();
                going = true;
            }
        }
        result_.stoppedAtLimit =
            result_.nodes.size() >= kTraceEntryLimit || branches_.size() >= kTraceEntryLimit;
        return std::move(result_);
    }

private:
    struct Step {
        int matches = 0;
        TPixel next;
    };

    static std::uint64_t Key(TPixel pixel)
    {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(pixel.y)) << 32) |
               static_cast<std::uint32_t>(pixel.x);
    }

    bool Visited(TPixel pixel) const { return visited_.contains(Key(pixel)); }

    void Visit(TPixel pixel)
    {
        if (!Visited(pixel) && picture_.At(pixel.x, pixel.y) != kWhiteRgb) {
            const std::optional<TGridNode> node = nodeAt_(pixel);
            if (node && node != lastNode_)
                result_.nodes.push_back(*node);
            lastNode_ = node;
        }
        visited_.insert(Key(pixel));
        result_.visited.push_back(pixel);
    }

    Step NextStep(TPixel pixel) const
    {
        Step step;
        for (const TPixel offset : kNeighbourSteps) {
            const TPixel neighbour{pixel.x + offset.x, pixel.y + offset.y};
            // A visited pixel never matches again: were it read as white, a
            // line close to white would walk to and fro between two pixels.
            if (!picture_.Contains(neighbour.x, neighbour.y) || Visited(neighbour) ||
                !WithinTolerance(picture_.At(neighbour.x, neighbour.y), seed_, tolerance_))
                continue;
            if (step.matches++ == 0)
                step.next = neighbour;
        }
        return step;
    }

    const TStretchedPicture& picture_;
    std::uint32_t seed_;
    int tolerance_;
    const TNodeLookup& nodeAt_;
    std::unordered_set<std::uint64_t> visited_;
    std::vector<TPixel> branches_;
    std::optional<TGridNode> lastNode_;
    TAutoTraceResult result_;
};

}  // namespace

TAutoTraceResult FollowContour(const TStretchedPicture& picture, TPixel start, int tolerance,
                               const TNodeLookup& nodeAt)
{
    if (!picture.Contains(start.x, start.y))
        return {};
    return TContourFollower(picture, start, tolerance, nodeAt).Run(start);
}

}  // namespace tarn
