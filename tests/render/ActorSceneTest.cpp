// Actors standing on the map: which squares carry them and how they show.
#include "RenderFixture.h"
#include "tests/common/TempPath.h"

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
        folder_ = UniqueTempPath("render-actor-test");
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

// Placement decisions at density 60 over a 100 x 100 square map whose
// squares all carry the ball terrain.
class ActorSpread : public ActorScene {
protected:
    static constexpr int kSide = 100;
    static constexpr double kDensity = 0.6;

    void SetUp() override
    {
        ActorScene::SetUp();
        MakeFlatMap(net_, kSide + 1);
        auto& h = net_.MapHeader;
        h.DrawingScheme = kSchemeGradients;
        h.DrawAllActors = 1;
        h.ActorFiles[kBallTerrain].setText("ball.pov");
        auto& record = h.TerrainActors[kBallTerrain];
        record.DrawActor = 1;
        record.ActorDensity = static_cast<std::uint8_t>(kDensity * 100);
        record.NotCentred = 1;
        for (auto& square : net_.Squares())
            square.Terrain = kBallTerrain;
        ASSERT_TRUE(net_.LoadActors().empty());
        placed_.assign(kSide, std::vector<bool>(kSide));
        for (int row = 0; row < kSide; ++row)
            for (int column = 0; column < kSide; ++column) {
                double x = 0, y = 0;
                placed_[row][column] = net_.ActorPlacement(row * kSide + column + 1, x, y);
            }
    }
    std::vector<std::vector<bool>> placed_;
};

TEST_F(ActorSpread, EveryBandOfRowsAndColumnsCarriesItsShare)
{
    // Ten bands of ten rows (and of ten columns) hold 1000 squares each:
    // the share placed stays within five standard deviations of 60 %.
    constexpr int kBand = 10;
    for (int band = 0; band < kSide / kBand; ++band) {
        int inRows = 0, inColumns = 0;
        for (int k = band * kBand; k < (band + 1) * kBand; ++k)
            for (int other = 0; other < kSide; ++other) {
                inRows += placed_[k][other] ? 1 : 0;
                inColumns += placed_[other][k] ? 1 : 0;
            }
        EXPECT_NEAR(inRows / 1000.0, kDensity, 0.08) << "rows of band " << band;
        EXPECT_NEAR(inColumns / 1000.0, kDensity, 0.08) << "columns of band " << band;
    }
}

TEST_F(ActorSpread, NeighbouringSquaresDecideIndependently)
{
    // Stripes show as neighbours that agree far more (or less) often than
    // independent decisions would: both placed with 36 % chance.
    constexpr int kSteps[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
    for (const auto& [dr, dc] : kSteps) {
        int pairs = 0, both = 0;
        for (int row = 0; row + dr < kSide; ++row)
            for (int column = std::max(0, -dc); column < kSide && column + dc < kSide; ++column) {
                ++pairs;
                both += placed_[row][column] && placed_[row + dr][column + dc] ? 1 : 0;
            }
        EXPECT_NEAR(static_cast<double>(both) / pairs, kDensity * kDensity, 0.04) << "step " << dr << "," << dc;
    }
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

TEST_F(ActorScene, SlotsWithoutAReadablePovFileWarnNamingTheFileAndStayUnready)
{
    auto& h = net_.MapHeader;
    h.ActorFiles[3].setText("missing.pov");
    h.ActorFiles[4].setText("tree.bmp");
    h.ActorFiles[5].setText("tree.txt");
    // A folder with an actor's name is no actor file.
    std::filesystem::create_directory(folder_ / "hedge.pov");
    h.ActorFiles[6].setText("hedge.pov");
    const auto warnings = net_.LoadActors();
    const std::string e0024 = "E0024 Read error for Actor file.  Actor will not be plotted";
    ASSERT_EQ(warnings.size(), 3u);
    for (const auto& [warning, name] : {std::pair{warnings[0], "missing.pov"}, {warnings[1], "tree.txt"},
                                        {warnings[2], "hedge.pov"}}) {
        EXPECT_NE(warning.find(e0024), std::string::npos) << warning;
        EXPECT_NE(warning.find((folder_ / name).string()), std::string::npos) << warning;
    }
    EXPECT_EQ(h.TerrainActors[kBallTerrain].ActorGroundFlag, 1);
    EXPECT_EQ(h.TerrainActors[3].ActorGroundFlag, 0);
    EXPECT_EQ(h.TerrainActors[4].ActorGroundFlag, 1) << "a bitmap name marks the slot ready";
    EXPECT_EQ(h.TerrainActors[5].ActorGroundFlag, 0);
    EXPECT_EQ(h.TerrainActors[6].ActorGroundFlag, 0);
    EXPECT_EQ(net_.UnreadableActorSlots(), (std::vector<int>{3, 5, 6}));
    EXPECT_EQ(net_.Actor(23), nullptr);
    h.ActorFiles[23].setText("ball.pov");
    net_.LoadActors();
    ASSERT_NE(net_.Actor(23), nullptr) << "slot 23 gets an actor when one is loaded for it";
    EXPECT_EQ(net_.Actor(23)->Primitives().size(), 1u);
}

TEST_F(ActorScene, AFolderWithALongPathIsReadAsItIs)
{
    auto deep = folder_;
    while (deep.string().size() <= 120)
        deep /= "a-rather-long-folder-name";
    std::filesystem::create_directories(deep);
    std::filesystem::copy_file(folder_ / "ball.pov", deep / "ball.pov");
    net_.ActorDirectory = deep.string();
    EXPECT_TRUE(net_.LoadActors().empty());
    EXPECT_EQ(net_.MapHeader.TerrainActors[kBallTerrain].ActorGroundFlag, 1);
    EXPECT_TRUE(net_.UnreadableActorSlots().empty());
    EXPECT_GT(CountPixels(Render(net_), IsBallRed), 300);
}

TEST_F(ActorScene, TheMessagesOfAnActorFileAreShownNamingTheFile)
{
    std::ofstream(folder_ / "crate.pov") << "box { <0,0,0>, <1,2,3> pigment { color Wall } }\n";
    net_.MapHeader.ActorFiles[3].setText("crate.pov");
    const auto messages = net_.LoadActors();
    ASSERT_EQ(messages.size(), 3u) << "the box lacks its trailing point";
    for (const auto& message : messages) {
        EXPECT_NE(message.find("E0005 Error parsing string"), std::string::npos) << message;
        EXPECT_NE(message.find((folder_ / "crate.pov").string()), std::string::npos) << message;
    }
    EXPECT_EQ(net_.MapHeader.TerrainActors[3].ActorGroundFlag, 1) << "the box is still read";
}

}  // namespace
}  // namespace tarn::test
