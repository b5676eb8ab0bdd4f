#include "analysis/polyred/PolygonReduction.h"

#include "analysis/polyred/ErrorQueue.h"
#include "analysis/polyred/ErrorScan.h"
#include "analysis/polyred/PolyredMessages.h"
#include "analysis/polyred/Triangulation.h"
#include "model/Errors.h"
#include "model/Progress.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace tarn {

namespace {

using namespace polyred;

void Refuse(const std::string& reason)
{
    throw EInvalidData(std::string(msg::HeightFieldNotReducible) + ": " + reason);
}

void CheckInput(const THeightField& field, const TReductionOptions& options)
{
    if (options.polygons < 2)
        throw EInvalidData(msg::TooFewPolygons);
    if (field.columns < 2 || field.rows < 2)
        Refuse("the grid has fewer than 2 columns or rows");
    if (field.columns > TTriangulation::kMaxSide || field.rows > TTriangulation::kMaxSide)
        Refuse("the grid is more than " + std::to_string(TTriangulation::kMaxSide) + " nodes wide or tall");
    if (field.heights.size() != static_cast<std::size_t>(field.columns) * static_cast<std::size_t>(field.rows))
        Refuse("the heights do not fill the grid");
    if (std::all_of(field.heights.begin(), field.heights.end(), THeightField::IsNull))
        Refuse("no node has a height");
}

TSampleGrid SamplesOf(const THeightField& field)
{
    TSampleGrid samples{field.columns, field.rows, {}};
    samples.values.reserve(field.heights.size());
    for (const auto height : field.heights)
        samples.values.push_back(THeightField::IsNull(height) ? std::numeric_limits<float>::quiet_NaN() : height);
    return samples;
}

// The height of the node nearest to (column, row) that has one.
int NearestHeight(const THeightField& field, int column, int row)
{
    long long nearest = std::numeric_limits<long long>::max();
    int height = 0;
    for (int y = 0; y < field.rows; ++y)
        for (int x = 0; x < field.columns; ++x) {
            const std::int16_t here = field.At(x, y);
            const long long distance = 1LL * (x - column) * (x - column) + 1LL * (y - row) * (y - row);
            if (!THeightField::IsNull(here) && distance < nearest) {
                nearest = distance;
                height = here;
            }
        }
    return height;
}

// The refinement: the triangulation, each triangle's farthest node, and the
// queue of triangles still too far from the heights.
class TGreedyInsertion {
public:
    TGreedyInsertion(const THeightField& field, double tolerance)
        : field_(field), samples_(SamplesOf(field)), mesh_(field.columns, field.rows), tolerance_(tolerance)
    {
        for (int vertex = 0; vertex < mesh_.PointCount(); ++vertex) {
            const TGridXY at = mesh_.Point(vertex);
            const std::int16_t height = field.At(at.x, at.y);
            heights_.push_back(THeightField::IsNull(height) ? NearestHeight(field, at.x, at.y) : height);
        }
        MakeRoomForTriangles();
        for (int triangle = 0; triangle < mesh_.TriangleCount(); ++triangle)
            Measure(triangle);
    }

    // Inserts points until the budget or the tolerance is met; false when
    // progress asked to stop.
    bool Refine(int polygons, IProgress& progress)
    {
        ProgressTicker ticker(progress);
        // The first measurement of the whole grid is done: a chance to stop
        // before refining.
        if (!ticker.pumpNow())
            return false;
        // An insertion adds two triangles, or one on the grid's border.
        while (!queue_.Empty() && mesh_.TriangleCount() + 2 <= polygons) {
            const int triangle = queue_.Top();
            const TGridXY at = candidates_[static_cast<std::size_t>(triangle)].at;
            changed_.clear();
            mesh_.Insert(at, triangle, changed_);
            heights_.push_back(field_.At(at.x, at.y));
            MakeRoomForTriangles();
            ++round_;
            for (const int touched : changed_)
                if (measuredIn_[static_cast<std::size_t>(touched)] != round_)
                    Measure(touched);
            if (!ticker.tick(mesh_.TriangleCount(), polygons))
                return false;
        }
        progress.setPercent(100);
        return true;
    }

    TTin Result() const
    {
        TTin tin{field_.columns, field_.rows, field_.spacing, {}, {}, 0};
        tin.vertices.reserve(static_cast<std::size_t>(mesh_.PointCount()));
        for (int vertex = 0; vertex < mesh_.PointCount(); ++vertex) {
            const TGridXY at = mesh_.Point(vertex);
            tin.vertices.push_back({at.x, at.y, heights_[static_cast<std::size_t>(vertex)]});
        }
        // The triangulation turns its corners the other way round: its rows
        // run from north to south.
        tin.triangles.reserve(static_cast<std::size_t>(mesh_.TriangleCount()));
        for (int triangle = 0; triangle < mesh_.TriangleCount(); ++triangle) {
            const auto [a, b, c] = mesh_.Corners(triangle);
            tin.triangles.push_back({a, c, b});
        }
        for (const auto& candidate : candidates_)
            tin.largestError = std::max(tin.largestError, candidate.error);
        return tin;
    }

private:
    TSurfacePoint Surface(int vertex) const
    {
        return {mesh_.Point(vertex), static_cast<double>(heights_[static_cast<std::size_t>(vertex)])};
    }

    void MakeRoomForTriangles()
    {
        candidates_.resize(static_cast<std::size_t>(mesh_.TriangleCount()));
        measuredIn_.resize(static_cast<std::size_t>(mesh_.TriangleCount()), -1);
    }

    void Measure(int triangle)
    {
        const auto index = static_cast<std::size_t>(triangle);
        const auto [a, b, c] = mesh_.Corners(triangle);
        candidates_[index] = LargestError(samples_, Surface(a), Surface(b), Surface(c));
        measuredIn_[index] = round_;
        if (candidates_[index].error > tolerance_)
            queue_.Set(triangle, candidates_[index].error);
        else
            queue_.Remove(triangle);
    }

    const THeightField& field_;
    TSampleGrid samples_;
    TTriangulation mesh_;
    double tolerance_;
    std::vector<int> heights_;  // by vertex
    std::vector<TCandidate> candidates_;  // by triangle
    std::vector<int> measuredIn_;  // by triangle: the insertion round it was last measured in
    int round_ = 0;
    TErrorQueue queue_;
    std::vector<int> changed_;
};

}  // namespace

std::optional<TTin> ReduceHeightField(const THeightField& field, const TReductionOptions& options,
                                      IProgress& progress)
{
    CheckInput(field, options);
    progress.setCaptions("Reducing polygons", "Inserting points");
    TGreedyInsertion insertion(field, options.tolerance);
    const bool finished = insertion.Refine(options.polygons, progress);
    progress.hideProgress();
    if (!finished) {
        progress.setCaptions("Reduction aborted", "");
        return std::nullopt;
    }
    progress.setCaptions("Polygons reduced", "");
    return insertion.Result();
}

}  // namespace tarn
