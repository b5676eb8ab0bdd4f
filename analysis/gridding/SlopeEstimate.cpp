#include "analysis/gridding/SlopeEstimate.h"

#include "analysis/gridding/LineSlope.h"
#include "analysis/gridding/SharedParts.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

namespace tarn::gridding {

namespace {

// Side of the buckets that sort the known nodes by place.
constexpr int kBucket = 8;
// The neighbourhood starts at this radius and doubles up to the largest.
constexpr int kFirstRadius = 4;
constexpr int kLargestRadius = 64;
// A fit needs this many neighbours, one at least of another height.
constexpr int kNeighbours = 6;
// From this many known nodes on, two threads share the looks.
constexpr std::size_t kSplitKnownNodes = 1024;

class NodeBuckets {
public:
    NodeBuckets(int columns, int rows, std::span<const KnownNode> known)
        : columns_((columns + kBucket - 1) / kBucket), rows_((rows + kBucket - 1) / kBucket),
          start_(static_cast<std::size_t>(columns_ * rows_) + 1, 0), known_(known)
    {
        for (const KnownNode& node : known)
            ++start_[bucketOf(node) + 1];
        for (std::size_t b = 1; b < start_.size(); ++b)
            start_[b] += start_[b - 1];
        order_.resize(known.size());
        std::vector<std::size_t> next(start_.begin(), start_.end() - 1);
        for (std::size_t k = 0; k < known.size(); ++k)
            order_[next[bucketOf(known[k])]++] = k;
    }

    // Calls visit(node) for every known node within the square of the given
    // radius around (column, row).
    template <typename Visit>
    void forEachNear(int column, int row, int radius, Visit visit) const
    {
        const int firstColumn = std::max(0, (column - radius) / kBucket);
        const int lastColumn = std::min(columns_ - 1, (column + radius) / kBucket);
        const int firstRow = std::max(0, (row - radius) / kBucket);
        const int lastRow = std::min(rows_ - 1, (row + radius) / kBucket);
        for (int r = firstRow; r <= lastRow; ++r)
            for (int c = firstColumn; c <= lastColumn; ++c) {
                const auto b = static_cast<std::size_t>(r * columns_ + c);
                for (std::size_t k = start_[b]; k < start_[b + 1]; ++k) {
                    const KnownNode& node = known_[order_[k]];
                    if (std::abs(node.column - column) <= radius && std::abs(node.row - row) <= radius)
                        visit(node);
                }
            }
    }

private:
    std::size_t bucketOf(const KnownNode& node) const
    {
        return static_cast<std::size_t>((node.row / kBucket) * columns_ + node.column / kBucket);
    }

    int columns_;
    int rows_;
    std::vector<std::size_t> start_;
    std::vector<std::size_t> order_;
    std::span<const KnownNode> known_;
};

// Weighted least-squares plane through `centre`: minimises
// sum w (dz - east dx - south dy)^2 with w = 1 / distance^2.
NodeSlope FitPlane(const NodeBuckets& buckets, const KnownNode& centre)
{
    for (int radius = kFirstRadius; radius <= kLargestRadius; radius *= 2) {
        double sxx = 0, sxy = 0, syy = 0, sxz = 0, syz = 0;
        int neighbours = 0;
        bool otherHeight = false;
        buckets.forEachNear(centre.column, centre.row, radius, [&](const KnownNode& node) {
            const double dx = node.column - centre.column;
            const double dy = node.row - centre.row;
            const double squared = dx * dx + dy * dy;
            if (squared == 0)
                return;
            const double weight = 1 / squared;
            const double dz = node.height - centre.height;
            sxx += weight * dx * dx;
            sxy += weight * dx * dy;
            syy += weight * dy * dy;
            sxz += weight * dx * dz;
            syz += weight * dy * dz;
            ++neighbours;
            otherHeight = otherHeight || dz != 0;
        });
        if (neighbours < kNeighbours || !otherHeight)
            continue;
        const double determinant = sxx * syy - sxy * sxy;
        if (determinant <= 1e-9 * (sxx + syy) * (sxx + syy))
            continue;
        return {(syy * sxz - sxy * syz) / determinant, (sxx * syz - sxy * sxz) / determinant, true};
    }
    return {};
}

}  // namespace

std::optional<std::vector<NodeSlope>> EstimateSlopes(int columns, int rows, std::span<const KnownNode> known,
                                                     ProgressTicker& ticker)
{
    if (!ticker.pumpNow())
        return std::nullopt;
    const NodeBuckets buckets(columns, rows, known);
    const KnownPlaces places(columns, rows, known);
    std::vector<NodeSlope> slopes(known.size());
    // Each node's look is its own, so two threads share the nodes; only the
    // calling thread ticks, and the other stops when it has been told to.
    const std::thread::id caller = std::this_thread::get_id();
    std::atomic<bool> stopped = false;
    const std::size_t parts = known.size() >= kSplitKnownNodes ? kRowParts : 1;
    ShareParts(nullptr, parts, [&](std::size_t part) {
        const bool ticking = std::this_thread::get_id() == caller;
        const std::size_t end = PartStart(known.size(), parts, part + 1);
        for (std::size_t k = PartStart(known.size(), parts, part); k < end && !stopped; ++k) {
            if (ticking && k % 256 == 0 &&
                !ticker.tick(static_cast<long long>(k), static_cast<long long>(known.size()))) {
                stopped = true;
                return;
            }
            slopes[k] = places.onTracedLine(known[k]) ? SlopeAcrossLine(places, known[k]) : FitPlane(buckets, known[k]);
        }
    });
    if (stopped)
        return std::nullopt;
    // Nodes whose look told nothing borrow along their line, in rounds, so
    // that a slope spreads from the nodes that saw one whatever the order of
    // the nodes.
    std::vector<std::size_t> waiting;
    for (std::size_t k = 0; k < known.size(); ++k)
        if (!slopes[k].known && places.onTracedLine(known[k]))
            waiting.push_back(k);
    for (bool spreading = true; spreading;) {
        const std::vector<NodeSlope> seen = slopes;
        spreading = false;
        std::erase_if(waiting, [&](std::size_t k) {
            slopes[k] = SlopeFromAlongLine(places, known[k], seen);
            spreading = spreading || slopes[k].known;
            return slopes[k].known;
        });
    }
    return slopes;
}

}  // namespace tarn::gridding
