// Interpolating a map's area: through the library's working files as the
// editor does, and straight from the engine as tarntool does.
#include "tests/common/TempPath.h"
#include "SurfaceFixtures.h"

#include "analysis/gridding/AreaInterpolation.h"
#include "analysis/gridding/GriddingMessages.h"
#include "model/MapFactory.h"
#include "model/TerrainSlots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace tarn::gridding {
namespace {

using test::CancellingProgress;

constexpr int kColumns = 25;
constexpr int kRows = 20;

std::int16_t& Height(TNet& net, int column, int row)
{
    return net.Points()[static_cast<std::size_t>(row * kColumns + column)].Height;
}

// Every node different, so a node read back one place off shows.
std::int16_t Plane(int column, int row)
{
    return static_cast<std::int16_t>(100 + 5 * column + 11 * row);
}

// A map of Null nodes with every third node of the area known on the plane.
void MakePlaneMap(TNet& net, const InterpolationArea& area)
{
    CreateMap(net, {MapUnits::Metric, kColumns, kRows, 10}, DefaultTerrainPalette());
    for (int row = area.top; row <= area.bottom; ++row)
        for (int column = area.left; column <= area.right; ++column)
            if ((row * kColumns + column) % 3 == 0)
                Height(net, column, row) = Plane(column, row);
}

SplineRun PlaneRun()
{
    SplineRun run;
    run.options.taughtness1 = 0;
    run.options.taughtness2 = 0;
    run.options.extrapolate = true;
    run.options.optimiseForSpeed = false;
    return run;
}

// Points the system's temporary folder at an empty folder of the test's own
// while it lives.
class ScratchTempDir {
public:
    // A short name: the working files' paths must fit the library's fields.
    ScratchTempDir() : path_(tarn::test::UniqueTempPath("g"))
    {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        if (const char* old = std::getenv("TMPDIR"))
            old_ = old;
        setenv("TMPDIR", path_.c_str(), 1);
    }
    ~ScratchTempDir()
    {
        if (old_.empty())
            unsetenv("TMPDIR");
        else
            setenv("TMPDIR", old_.c_str(), 1);
        std::filesystem::remove_all(path_);
    }
    bool empty() const { return std::filesystem::is_empty(path_); }

private:
    std::filesystem::path path_;
    std::string old_;
};

using Runner = InterpolationResult (*)(TNet&, const InterpolationArea&, const SplineRun&, IProgress&);

class BothRunners : public ::testing::TestWithParam<Runner> {};

TEST_P(BothRunners, FillAnAreaOnTheTopRowAndRightColumnAtItsOwnCoordinates)
{
    const InterpolationArea area{14, 0, kColumns - 1, 8};
    TNet net;
    MakePlaneMap(net, area);
    int lowest = 1 << 20;
    int highest = -lowest;
    for (int row = area.top; row <= area.bottom; ++row)
        for (int column = area.left; column <= area.right; ++column)
            if (Height(net, column, row) == kNullHeight) {
                lowest = std::min<int>(lowest, Plane(column, row));
                highest = std::max<int>(highest, Plane(column, row));
            }
    NullProgress progress;
    const InterpolationResult result = GetParam()(net, area, PlaneRun(), progress);
    EXPECT_FALSE(result.cancelled);
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const bool inArea = column >= area.left && row <= area.bottom;
            EXPECT_EQ(Height(net, column, row), inArea ? Plane(column, row) : kNullHeight)
                << "column " << column << " row " << row;
        }
    ASSERT_TRUE(result.written.has_value());
    EXPECT_EQ(result.written->lowest, lowest);
    EXPECT_EQ(result.written->highest, highest);
}

TEST_P(BothRunners, AcceptTwoNodesAndRefuseOne)
{
    TNet net;
    MakePlaneMap(net, {0, 0, 0, 0});
    NullProgress progress;
    const InterpolationResult result = GetParam()(net, {0, 0, 1, 0}, PlaneRun(), progress);
    EXPECT_EQ(Height(net, 1, 0), Plane(0, 0));
    EXPECT_FALSE(result.cancelled);
    try {
        GetParam()(net, {3, 4, 3, 4}, PlaneRun(), progress);
        FAIL() << "a single node was accepted";
    } catch (const ETarnError& error) {
        EXPECT_STREQ(error.what(), "E0016 Interpolation area too small");
    }
}

INSTANTIATE_TEST_SUITE_P(Gridding, BothRunners,
                         ::testing::Values(&InterpolateThroughLibrary, &InterpolateArea));

TEST(ThroughLibrary, ShowsEachStepAndLeavesNoWorkingFile)
{
    const ScratchTempDir scratch;
    const InterpolationArea area{2, 3, 12, 9};
    TNet net;
    MakePlaneMap(net, area);
    CancellingProgress progress(0);
    InterpolateThroughLibrary(net, area, SplineRun{}, progress);
    EXPECT_EQ(progress.captions,
              (std::vector<std::string>{"Interpolation|Generating parameters", "Interpolation|Initializing",
                                        "Interpolation|Calculating gradients", "Interpolation|Creating grid",
                                        "Interpolation|Applying results"}));
    EXPECT_TRUE(scratch.empty());
}

TEST(ThroughLibrary, CancelChangesNoHeightAndLeavesNoWorkingFile)
{
    const ScratchTempDir scratch;
    const InterpolationArea area{2, 3, 12, 9};
    for (const int cancelAt : {1, 2, 3}) {
        TNet net;
        MakePlaneMap(net, area);
        const auto before = net.Points();
        CancellingProgress progress(cancelAt);
        const InterpolationResult result = InterpolateThroughLibrary(net, area, SplineRun{}, progress);
        EXPECT_TRUE(result.cancelled) << "cancel at pump " << cancelAt;
        EXPECT_EQ(net.Points(), before);
        EXPECT_TRUE(scratch.empty());
    }
}

TEST(ThroughLibrary, ALibraryFailureChangesNothingAndLeavesNoWorkingFile)
{
    const ScratchTempDir scratch;
    TNet net;
    MakePlaneMap(net, {0, 0, 0, 0});
    Height(net, 0, 0) = kNullHeight;
    const auto before = net.Points();
    NullProgress progress;
    try {
        InterpolateThroughLibrary(net, {0, 0, 10, 10}, SplineRun{}, progress);
        FAIL() << "an area without known nodes was gridded";
    } catch (const EAbortInterpolation& error) {
        EXPECT_STREQ(error.what(), msg::NoKnownHeights);
    }
    EXPECT_EQ(net.Points(), before);
    EXPECT_TRUE(scratch.empty());
}

TEST(ApplyToNullNodes, RoundsRaisesToTheMinimumAndKeepsNullAndKnownNodes)
{
    TNet net;
    CreateMap(net, {MapUnits::Metric, kColumns, kRows, 10}, DefaultTerrainPalette());
    Height(net, 1, 0) = 77;
    const InterpolationArea area{0, 0, 2, 1};
    const std::optional<WrittenRange> range =
        ApplyToNullNodes(net, area, {-12.0, 500.0, 2.5, -1001.0, 3.5}, 0);
    EXPECT_EQ(Height(net, 0, 0), 0) << "-12 raised to the minimum height";
    EXPECT_EQ(Height(net, 1, 0), 77) << "a known node keeps its height";
    EXPECT_EQ(Height(net, 2, 0), 2) << "halves round to even";
    EXPECT_EQ(Height(net, 0, 1), kNullHeight) << "Null from the library stays Null";
    EXPECT_EQ(Height(net, 1, 1), 4);
    EXPECT_EQ(Height(net, 2, 1), kNullHeight) << "the values ran out";
    ASSERT_TRUE(range.has_value());
    EXPECT_EQ(range->lowest, -12) << "the range is taken before the minimum height";
    EXPECT_EQ(range->highest, 4);
}

}  // namespace
}  // namespace tarn::gridding
