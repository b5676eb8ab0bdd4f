// tarntool interpolate on maps with holes.
#include "model/LemFileIO.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"
#include "tools/Tarntool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tarn::tool {
namespace {

constexpr int kSide = 30;

std::int16_t& Height(TNet& net, int column, int row)
{
    return net.Points()[static_cast<std::size_t>(row * kSide + column)].Height;
}

class InterpolateCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("tarntool-interpolate-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        // A tilted plane with a hole of Null nodes.
        TNet net;
        CreateMap(net, {MapUnits::Metric, kSide, kSide, 10}, DefaultTerrainPalette());
        for (int row = 0; row < kSide; ++row)
            for (int column = 0; column < kSide; ++column)
                Height(net, column, row) = static_cast<std::int16_t>(100 + 3 * column + 2 * row);
        for (int row = 10; row <= 20; ++row)
            for (int column = 5; column <= 25; ++column)
                Height(net, column, row) = kNullHeight;
        net.UpdateSquares();
        SaveLemFile(path("in.lem"), net);
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    TNet load(const std::string& name) const
    {
        TNet net;
        NullProgress progress;
        EXPECT_TRUE(LoadLemFile(path(name), net, progress));
        return net;
    }

    fs::path folder_;
};

TEST_F(InterpolateCommand, FillsTheHoleOfAnAreaOnThePlane)
{
    ASSERT_EQ(RunTarntool({"interpolate", path("in.lem"), "--area", "0,5,29,25", "--tension1", "0", "--tension2",
                           "0", "--no-fast", "-o", path("out.lem")}),
              0);
    TNet net = load("out.lem");
    for (int row = 0; row < kSide; ++row)
        for (int column = 0; column < kSide; ++column)
            EXPECT_EQ(Height(net, column, row), 100 + 3 * column + 2 * row) << column << "," << row;
}

TEST_F(InterpolateCommand, LeavesNodesOutsideTheAreaNull)
{
    ASSERT_EQ(RunTarntool({"interpolate", path("in.lem"), "--area", "0,9,15,21", "-o", path("out.lem")}), 0);
    TNet net = load("out.lem");
    EXPECT_NE(Height(net, 15, 15), kNullHeight);
    EXPECT_EQ(Height(net, 16, 15), kNullHeight);
}

TEST_F(InterpolateCommand, TrendAndSmoothingFillTheWholeMap)
{
    ASSERT_EQ(RunTarntool({"interpolate", path("in.lem"), "--method", "trend", "--smooth", "-o", path("out.lem")}), 0);
    TNet net = load("out.lem");
    for (const TGridPoint& point : net.Points())
        ASSERT_NE(point.Height, kNullHeight);
}

TEST_F(InterpolateCommand, RefusesOneNodeAndMismatchedOptions)
{
    EXPECT_EQ(RunTarntool({"interpolate", path("in.lem"), "--area", "3,3,3,3", "-o", path("out.lem")}), 1);
    EXPECT_EQ(RunTarntool({"interpolate", path("in.lem"), "--area", "0,0,30,5", "-o", path("out.lem")}), 1)
        << "an area past the map";
    EXPECT_EQ(RunTarntool({"interpolate", path("in.lem"), "--area", "5,10,25,20", "-o", path("out.lem")}), 1)
        << "an area without known nodes";
    EXPECT_FALSE(fs::exists(path("out.lem")));
    EXPECT_EQ(RunTarntool({"interpolate", path("in.lem"), "--smooth", "-o", path("out.lem")}), 2);
    EXPECT_EQ(RunTarntool({"interpolate", path("in.lem"), "--area", "1,2,3", "-o", path("out.lem")}), 2);
    EXPECT_EQ(RunTarntool({"interpolate", path("in.lem"), "--method", "nearest", "-o", path("out.lem")}), 2);
}

}  // namespace
}  // namespace tarn::tool
