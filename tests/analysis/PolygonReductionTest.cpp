// Height fields reduced to triangulated irregular networks.
#include "TinChecks.h"

#include "analysis/polyred/PolyredMessages.h"
#include "model/Errors.h"
#include "model/MapFactory.h"
#include "model/MapHeader.h"
#include "model/Net.h"
#include "model/Progress.h"
#include "model/TerrainSlots.h"

#include <gtest/gtest.h>

#include <random>

namespace tarn {
namespace {

using test::MakeField;
using test::MeasuredLargestError;
using test::TinFaults;

TTin Reduce(const THeightField& field, int polygons, double tolerance)
{
    NullProgress quiet;
    auto tin = ReduceHeightField(field, {polygons, tolerance}, quiet);
    EXPECT_TRUE(tin.has_value());
    return tin.value_or(TTin{});
}

// How far the test's own measurement of the surface may round.
constexpr double kRounding = 1e-9;

std::string Faults(const TTin& tin, const THeightField& field)
{
    std::string joined;
    for (const auto& fault : TinFaults(tin, field))
        joined += fault + "; ";
    return joined;
}

TEST(PolygonReduction, APlaneIsTwoTriangles)
{
    for (const auto& field : {MakeField(40, 30, [](int, int) { return 120; }),
                              MakeField(40, 30, [](int column, int row) { return 3 * column - 2 * row + 100; })}) {
        const TTin tin = Reduce(field, 1000, 0);
        EXPECT_EQ(tin.triangles.size(), 2u);
        EXPECT_EQ(tin.vertices.size(), 4u);
        EXPECT_EQ(tin.largestError, 0);
        EXPECT_EQ(Faults(tin, field), "");
    }
}

TEST(PolygonReduction, NeverMoreTrianglesThanTheBudgetAndUsesItWhenTheHeightsNeedIt)
{
    const auto field = MakeField(33, 27, test::RoughHeight);
    for (const int budget : {2, 3, 4, 5, 17, 100, 501, 1000}) {
        const TTin tin = Reduce(field, budget, 0);
        EXPECT_LE(static_cast<int>(tin.triangles.size()), budget) << budget;
        // An insertion adds two triangles, so at most one is left unused.
        EXPECT_GE(static_cast<int>(tin.triangles.size()), budget - 1) << budget;
        EXPECT_EQ(Faults(tin, field), "") << budget;
        EXPECT_NEAR(tin.largestError, MeasuredLargestError(tin, field), kRounding) << budget;
    }
}

TEST(PolygonReduction, StopsWithinTheToleranceWhenTheBudgetAllows)
{
    const auto field = MakeField(120, 90, test::HillHeight);
    for (const double tolerance : {0.0, 0.5, 2.0, 10.0, 50.0}) {
        const TTin tin = Reduce(field, 100000, tolerance);
        EXPECT_LE(tin.largestError, tolerance) << tolerance;
        EXPECT_LE(MeasuredLargestError(tin, field), tolerance + kRounding) << tolerance;
        EXPECT_EQ(Faults(tin, field), "") << tolerance;
    }
    // A looser tolerance needs fewer triangles.
    EXPECT_LT(Reduce(field, 100000, 10).triangles.size(), Reduce(field, 100000, 2).triangles.size());
}

TEST(PolygonReduction, ARoughFieldReproducedExactlyWithoutDegenerateTriangles)
{
    // Nearly every node is needed: points on the border, on triangle edges
    // and four on one circle all occur. A node left out lies on the surface.
    const auto field = MakeField(21, 17, test::RoughHeight);
    const TTin tin = Reduce(field, 100000, 0);
    EXPECT_GE(tin.vertices.size(), 21u * 17u - 5u);
    EXPECT_EQ(tin.largestError, 0);
    EXPECT_LE(MeasuredLargestError(tin, field), kRounding);
    EXPECT_EQ(Faults(tin, field), "");
}

TEST(PolygonReduction, HoldsForFieldsOfManyShapesBudgetsAndTolerances)
{
    std::mt19937 random(7);
    NullProgress quiet;
    for (int round = 0; round < 200; ++round) {
        const int columns = 2 + static_cast<int>(random() % 40);
        const int rows = 2 + static_cast<int>(random() % 40);
        const unsigned kind = random() % 4;
        const int shift = static_cast<int>(random() % 1000);
        // Terraces of three levels, noise, noise with a fifth of the nodes
        // null, and hills.
        const auto field = MakeField(columns, rows, [&](int column, int row) {
            const int noise = test::RoughHeight(column + shift, row);
            switch (kind) {
            case 0: return noise % 3;
            case 1: return noise;
            case 2: return noise % 5 == 0 ? int{kNullHeight} : noise % 50;
            default: return test::HillHeight(3 * column + shift, 3 * row);
            }
        });
        if (std::all_of(field.heights.begin(), field.heights.end(), THeightField::IsNull))
            continue;
        const int budget = 2 + static_cast<int>(random() % 3000);
        const double tolerance = static_cast<double>(random() % 4) * 0.7;
        const TTin tin = *ReduceHeightField(field, {budget, tolerance}, quiet);
        const auto shape = std::to_string(columns) + " x " + std::to_string(rows) + ", budget " +
                           std::to_string(budget) + ", tolerance " + std::to_string(tolerance);
        ASSERT_EQ(Faults(tin, field), "") << shape;
        ASSERT_LE(static_cast<int>(tin.triangles.size()), budget) << shape;
        ASSERT_NEAR(tin.largestError, MeasuredLargestError(tin, field), kRounding) << shape;
        if (static_cast<int>(tin.triangles.size()) + 2 <= budget) {
            ASSERT_LE(tin.largestError, tolerance) << shape;
        }
    }
}

TEST(PolygonReduction, TheSmallestGridsAndThinStrips)
{
    for (const auto& [columns, rows] : {std::pair{2, 2}, std::pair{2, 50}, std::pair{61, 2}, std::pair{3, 3}}) {
        const auto field = MakeField(columns, rows, test::RoughHeight);
        const TTin tin = Reduce(field, 100000, 0);
        EXPECT_EQ(tin.largestError, 0) << columns << " x " << rows;
        EXPECT_EQ(Faults(tin, field), "") << columns << " x " << rows;
    }
}

TEST(PolygonReduction, NullNodesAreNeitherVerticesNorErrors)
{
    // A field of hills with a null lake in the middle and a null north-west
    // corner: a null node counted as -1001 would be the largest error.
    auto field = MakeField(60, 50, [](int column, int row) {
        const bool lake = column > 20 && column < 40 && row > 15 && row < 35;
        const bool corner = column < 3 && row < 3;
        return lake || corner ? int{kNullHeight} : test::HillHeight(column, row);
    });
    const TTin tin = Reduce(field, 100000, 1);
    EXPECT_EQ(Faults(tin, field), "");
    EXPECT_LE(tin.largestError, 1);
    EXPECT_LE(MeasuredLargestError(tin, field), 1 + kRounding);
    // The null corner takes the height of its nearest node with one, (3, 0).
    const auto corner = std::find_if(tin.vertices.begin(), tin.vertices.end(),
                                     [](const TTinVertex& v) { return v.column == 0 && v.row == 0; });
    ASSERT_NE(corner, tin.vertices.end());
    EXPECT_EQ(corner->height, field.At(3, 0));
}

TEST(PolygonReduction, AMapsGridIsTheHeightFieldNodeForNode)
{
    TNet net;
    CreateMap(net, {MapUnits::Metric, 30, 20, 25}, DefaultTerrainPalette());
    net.GetPoint(2)->Height = 40;    // second node of the northern row
    net.GetPoint(31)->Height = 50;   // first node of the second row
    const THeightField field = HeightFieldOf(net);
    EXPECT_EQ(field.columns, 30);
    EXPECT_EQ(field.rows, 20);
    EXPECT_EQ(field.spacing, 25);
    ASSERT_EQ(field.heights.size(), 600u);
    EXPECT_EQ(field.At(1, 0), 40);
    EXPECT_EQ(field.At(0, 1), 50);
    EXPECT_TRUE(THeightField::IsNull(field.At(0, 0)));
}

TEST(PolygonReduction, RefusesWhatItCannotReduce)
{
    NullProgress quiet;
    const auto expectRefusal = [&](const THeightField& field, int polygons, const std::string& message) {
        try {
            (void)ReduceHeightField(field, {polygons, 1}, quiet);
            ADD_FAILURE() << "accepted; expected " << message;
        } catch (const EInvalidData& error) {
            EXPECT_EQ(std::string(error.what()).substr(0, message.size()), message);
        }
    };
    const auto hills = MakeField(10, 10, test::HillHeight);
    expectRefusal(hills, 1, msg::TooFewPolygons);
    expectRefusal(MakeField(1, 10, test::HillHeight), 100, msg::HeightFieldNotReducible);
    expectRefusal(MakeField(10, 1, test::HillHeight), 100, msg::HeightFieldNotReducible);
    expectRefusal(MakeField(10, 10, [](int, int) { return int{kNullHeight}; }), 100, msg::HeightFieldNotReducible);
    auto shortOfHeights = hills;
    shortOfHeights.heights.pop_back();
    expectRefusal(shortOfHeights, 100, msg::HeightFieldNotReducible);
    expectRefusal({20000, 2, 1, std::vector<std::int16_t>(40000, 5)}, 100, msg::HeightFieldNotReducible);
}

// Records what a reduction tells the status bar, and can ask it to stop.
class RecordingProgress final : public IProgress {
public:
    void setCaptions(std::string_view operation, std::string_view step) override
    {
        captions.emplace_back(std::string(operation) + "|" + std::string(step));
    }
    void setPercent(int percent) override { percents.push_back(percent); }
    void hideProgress() override { ++hidden; }
    bool pump() override { return ++pumps < cancelAtPump; }

    std::vector<std::string> captions;
    std::vector<int> percents;
    int hidden = 0;
    int pumps = 0;
    int cancelAtPump = 1 << 30;
};

TEST(PolygonReduction, ReportsTheShareOfTheBudgetUsed)
{
    RecordingProgress progress;
    const auto tin = ReduceHeightField(MakeField(80, 80, test::RoughHeight), {1000, 0}, progress);
    ASSERT_TRUE(tin.has_value());
    EXPECT_EQ(progress.captions.front(), "Reducing polygons|Inserting points");
    EXPECT_EQ(progress.captions.back(), "Polygons reduced|");
    EXPECT_GE(progress.pumps, 1);
    EXPECT_EQ(progress.hidden, 1);
    ASSERT_FALSE(progress.percents.empty());
    EXPECT_TRUE(std::is_sorted(progress.percents.begin(), progress.percents.end()));
    EXPECT_GE(progress.percents.size(), 50u) << "one step per percent of the budget";
    EXPECT_EQ(progress.percents.back(), 100);
}

TEST(PolygonReduction, CancelStopsWithoutANetwork)
{
    RecordingProgress progress;
    progress.cancelAtPump = 1;  // the first pump follows the first measurement
    EXPECT_FALSE(ReduceHeightField(MakeField(80, 80, test::RoughHeight), {1000, 0}, progress).has_value());
    EXPECT_EQ(progress.captions.back(), "Reduction aborted|");
    EXPECT_EQ(progress.hidden, 1);
}

}  // namespace
}  // namespace tarn
