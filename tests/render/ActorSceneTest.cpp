// Actors standing on the map: which squares carry them and how they show.
#include "RenderFixture.h"

#include "viewer/render/Actor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tarn::test {
namespace {

constexpr int kBallTerrain = 2;

class ActorScene : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() / "render-actor-test";
        std::filesystem::create_directories(folder_);
        std::ofstream(folder_ / "ball.pov") << "#declare Ball = color red 1 green 0 blue 0\n"
                                               "#declare size = <-1,0,-1>, <1,2,1>\n"
                                               "sphere { <0,1,0>,1 pigment { color Ball } }\n";
        MakeFlatMap(net_);
        auto& h = net_.MapHeader;
        h.DrawingScheme = kSchemeGradients;
        h.DrawAllActors = 1;
        h.ActorFiles[kBallTerrain].setText("ball.pov");
        auto& record = h.TerrainActors[kBallTerrain];
        record.DrawActor = 1;
        record.ActorHeight = 70;
        record.ActorDensity = 100;
        // The west half of the map carries the ball terrain.
        const int squareColumns = h.Columns - 1;
        for (int index = 1; index <= net_.SquareCount(); ++index)
            if ((index - 1) % squareColumns < squareColumns / 2)
                net_.GetSquare(index)->Terrain = kBallTerrain;
        net_.ActorDirectory = folder_.string();
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    static bool IsBallRed(Rgb p) { return p.red > 80 && p.green < 30 && p.blue < 30; }

    std::filesystem::path folder_;
    TViewNet net_;
};

TEST_F(ActorScene, ASphereOfTheDeclaredColourStandsOnSquaresOfItsTerrainOnly)
{
    EXPECT_TRUE(net_.LoadActors().empty());
    EXPECT_EQ(net_.MapHeader.TerrainActors[kBallTerrain].ActorGroundFlag, 1);
    const TDibPicture picture = Render(net_);
    int west = 0, east = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (IsBallRed(picture.PixelAt(x, y)))
                ++(x < picture.width / 2 - 8 ? west : east);
    EXPECT_GT(west, 300);
    EXPECT_EQ(east, 0);
}

TEST_F(ActorScene, NothingStandsOnTheGroundWithoutTheSwitchesOrInThePlainScheme)
{
    net_.LoadActors();
    net_.MapHeader.DrawingScheme = kSchemePlain;
    EXPECT_EQ(CountPixels(Render(net_), IsBallRed), 0);
    net_.MapHeader.DrawingScheme = kSchemeGradients;
    net_.MapHeader.DrawAllActors = 0;
    EXPECT_EQ(CountPixels(Render(net_), IsBallRed), 0);
}

TEST_F(ActorScene, HalfDensityPlacesTheSameActorsOnEveryRunWhateverTheOrder)
{
    net_.LoadActors();
    auto& record = net_.MapHeader.TerrainActors[kBallTerrain];
    record.ActorDensity = 50;
    record.NotCentred = 1;
    record.RandomOrientation = 1;
    record.HeightVariation = 30;

    struct Spot {
        bool placed;
        double x, y;
    };
    const auto spots = [&](bool reverse) {
        std::vector<Spot> result(static_cast<std::size_t>(net_.SquareCount()));
        for (int k = 0; k < net_.SquareCount(); ++k) {
            const int index = reverse ? net_.SquareCount() - k : k + 1;
            Spot spot{};
            spot.placed = net_.ActorPlacement(index, spot.x, spot.y);
            result[static_cast<std::size_t>(index - 1)] = spot;
        }
        return result;
    };
    const auto forward = spots(false);
    const auto backward = spots(true);
    int placed = 0;
    int ballSquares = 0;
    for (std::size_t i = 0; i < forward.size(); ++i) {
        EXPECT_EQ(forward[i].placed, backward[i].placed) << "square " << i + 1;
        if (forward[i].placed) {
            EXPECT_EQ(forward[i].x, backward[i].x);
            EXPECT_EQ(forward[i].y, backward[i].y);
            EXPECT_GE(forward[i].x, 0);
            EXPECT_LT(forward[i].x, 1);
        }
        placed += forward[i].placed ? 1 : 0;
        ballSquares += net_.GetSquare(static_cast<int>(i) + 1)->Terrain == kBallTerrain ? 1 : 0;
    }
    // About half of the ball squares carry a ball.
    EXPECT_GT(placed, ballSquares * 3 / 10);
    EXPECT_LT(placed, ballSquares * 7 / 10);

    // The pictures agree too, whichever way the rows are walked.
    const auto first = Checksum(Render(net_));
    EXPECT_EQ(Checksum(Render(net_)), first);
    EXPECT_GT(CountPixels(Render(net_), IsBallRed), 50);
}

TEST_F(ActorScene, RandomTurnsAndSizesStayPutFromOneFrameToTheNext)
{
    // A box shows its turn; centred at full density the placement itself
    // draws no random numbers, yet the turn and size must not drift.
    std::ofstream(folder_ / "crate.pov") << "#declare Crate = color red 1 green 0 blue 0\n"
                                            "box { <-2,0,-0.5>, <2,1,0.5> pigment { color Crate } } <0,0,0>\n";
    auto& h = net_.MapHeader;
    h.ActorFiles[kBallTerrain].setText("crate.pov");
    auto& record = h.TerrainActors[kBallTerrain];
    record.RandomOrientation = 1;
    record.HeightVariation = 40;
    net_.LoadActors();
    TOffscreenContext context(160, 120);
    net_.InitContext();
    net_.SetViewSize(160, 120);
    net_.DrawScene(0, 0, nullptr);
    const auto first = Checksum(ReadPicture(160, 120));
    net_.DrawScene(0, 0, nullptr);
    EXPECT_EQ(Checksum(ReadPicture(160, 120)), first);
}

TEST_F(ActorScene, SlotsWithoutAReadablePovFileWarnAndStayUnready)
{
    auto& h = net_.MapHeader;
    h.ActorFiles[3].setText("missing.pov");
    h.ActorFiles[4].setText("tree.bmp");
    h.ActorFiles[5].setText("tree.txt");
    const auto warnings = net_.LoadActors();
    EXPECT_EQ(warnings, std::vector<std::string>(2, "E0024 Read error for Actor file.  Actor will not be plotted"));
    EXPECT_EQ(h.TerrainActors[kBallTerrain].ActorGroundFlag, 1);
    EXPECT_EQ(h.TerrainActors[3].ActorGroundFlag, 0);
    EXPECT_EQ(h.TerrainActors[4].ActorGroundFlag, 1) << "a bitmap name marks the slot ready";
    EXPECT_EQ(h.TerrainActors[5].ActorGroundFlag, 0);
    EXPECT_EQ(net_.Actor(23), nullptr);
    h.ActorFiles[23].setText("ball.pov");
    net_.LoadActors();
    ASSERT_NE(net_.Actor(23), nullptr) << "slot 23 gets an actor when one is loaded for it";
    EXPECT_EQ(net_.Actor(23)->Primitives().size(), 1u);
}

}  // namespace
}  // namespace tarn::test
