// The fractal overlay: lighting, painting, roughening and the whole picture.
#include "analysis/fractal/BlockPainting.h"
#include "analysis/fractal/FractalMessages.h"
#include "analysis/fractal/FractalOverlay.h"
#include "analysis/fractal/SquareLighting.h"
#include "model/Errors.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/Progress.h"
#include "model/TerrainSlots.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace tarn::fractal {
namespace {

// A Metric map with spacing 10 whose node heights come from `height`
// (column, row from the north-west corner), its height range and squares
// brought up to date.
TNet MakeMap(int columns, int rows, const std::function<int(int, int)>& height)
{
    TNet net;
    CreateMap(net, {MapUnits::Metric, columns, rows, 10}, DefaultTerrainPalette());
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            net.GetPoint(row * columns + column + 1)->Height = static_cast<std::int16_t>(height(column, row));
    net.UpdateSquares();
    net.MapHeader.MinHeight = 0;
    net.MapHeader.MaxHeight = 200;
    return net;
}

TNet FlatMap(int columns, int rows) { return MakeMap(columns, rows, [](int, int) { return 100; }); }

// A hill in the middle of the map, so that squares face every way.
TNet HillMap(int columns, int rows)
{
    return MakeMap(columns, rows, [columns, rows](int column, int row) {
        const int dx = column - columns / 2;
        const int dy = row - rows / 2;
        return std::max(0, 180 - 2 * (dx * dx + dy * dy));
    });
}

int Level(double channel) { return static_cast<int>(std::trunc(channel * 255)); }

TColorRef Levels(const ColourRGBA& c) { return RGB(Level(c.red), Level(c.green), Level(c.blue)); }

TOverlayPicture Generate(TNet& net, const TFractalParameters& parameters)
{
    NullProgress quiet;
    auto picture = GenerateFractalOverlay(net, parameters, quiet);
    if (!picture)
        throw std::runtime_error("the generation stopped");
    return *picture;
}

// Captions and percentages as the status bar would show them.
class RecordingProgress : public IProgress {
public:
    void setCaptions(std::string_view operation, std::string_view step) override
    {
        captions.push_back(std::string(operation) + " / " + std::string(step));
    }
    void setPercent(int percent) override
    {
        percents.push_back(percent);
        if (onPercent)
            onPercent(percent);
    }
    void hideProgress() override {}
    bool pump() override
    {
        ++pumps;
        return keepGoing;
    }

    std::vector<std::string> captions;
    std::vector<int> percents;
    std::function<void(int)> onPercent;
    int pumps = 0;
    bool keepGoing = true;
};

TEST(FractalCellSize, ScreenWidthOverTheLongerSideRoundedHalfToEven)
{
    EXPECT_EQ(CellSize(51, 51, 1024), 20);
    EXPECT_EQ(CellSize(21, 51, 1024), 20);  // the rows are the longer side
    EXPECT_EQ(CellSize(51, 21, 1024), 20);
    EXPECT_EQ(CellSize(5, 5, 10), 2);  // 2.5
    EXPECT_EQ(CellSize(5, 5, 14), 4);  // 3.5
    EXPECT_EQ(CellSize(500, 500, 1024), 2);
    EXPECT_EQ(CellSize(1, 1, 1024), 0);
}

TEST(FractalOverlay, FiftyOneSquareMapOnA1024PixelScreenIsAThousandPixelsSquare)
{
    TNet net = HillMap(51, 51);
    const TOverlayPicture picture = Generate(net, {});
    EXPECT_EQ(picture.Width(), 1000);
    EXPECT_EQ(picture.Height(), 1000);
}

TEST(FractalOverlay, AMapOfOtherProportionsKeepsThem)
{
    TNet net = HillMap(41, 21);
    const TOverlayPicture picture = Generate(net, {.screenWidth = 800});
    EXPECT_EQ(picture.Width(), 800);
    EXPECT_EQ(picture.Height(), 400);
}

TEST(FractalOverlay, APictureTooLargeForABitmapIsRefusedWithE0033)
{
    TNet net = HillMap(21, 21);
    // 20 squares of 3.3 million pixels each way.
    try {
        Generate(net, {.screenWidth = 66'000'000});
        FAIL() << "no error";
    } catch (const ETarnError& error) {
        EXPECT_STREQ(error.what(), msg::FractalBitmapCreateFailed);
    }
    TNet empty;
    EXPECT_THROW(Generate(empty, {}), ETarnError);
}

TEST(SquareAspect, FacesEveryQuarterOfTheCompass)
{
    EXPECT_EQ(SquareAspect(0, 0), 0);
    EXPECT_EQ(SquareAspect(0, 5), 0);
    EXPECT_EQ(SquareAspect(5, 0), 90);
    EXPECT_EQ(SquareAspect(0, -5), 180);
    EXPECT_EQ(SquareAspect(-5, 0), 270);
    EXPECT_EQ(SquareAspect(3, 3), 45);
    EXPECT_EQ(SquareAspect(3, -3), 135);
    EXPECT_EQ(SquareAspect(-3, -3), 225);
    EXPECT_EQ(SquareAspect(-3, 3), 315);
    // arctan(1/2) is 26.57 degrees, taken whole.
    EXPECT_EQ(SquareAspect(2, 1), 64);
    EXPECT_EQ(SquareAspect(2, -1), 116);
}

TEST(SquareSlope, RiseAcrossTheSpacingInWholeDegrees)
{
    EXPECT_EQ(SquareSlope({0, 0, 0, 0}, 10), 0);
    EXPECT_EQ(SquareSlope({5, -5, 0, 0}, 10), 45);
    EXPECT_EQ(SquareSlope({1, -1, 0, 0}, 10), 11);  // 11.3 degrees
    EXPECT_EQ(SquareSlope({1, -1, 0, 0}, 0), 90);
    EXPECT_EQ(SquareSlope({0, 0, 0, 0}, 0), 0);
}

TEST(SquareShade, FullLightGivesNoShadeAndTheLightsOwnDegreeIsSlightlyShort)
{
    EXPECT_EQ(SquareShade(0, 0, {0, 225}), 0);
    EXPECT_EQ(SquareShade(0, 0, {45, 225}), 30);  // 100 - 70.7
    EXPECT_EQ(SquareShade(90, 0, {0, 225}), 100);
    // Opposite the light: the degree used for the shade is a little under
    // pi / 180, so the cosine stays just above -1.
    EXPECT_EQ(SquareShade(0, 0, {0, 45}), 199);
}

TEST(ShadedColour, BrightensByTheShadeAndStopsAtOne)
{
    const ColourRGBA grey{0.5f, 0.25f, 1, 1};
    const ColourRGBA dim = ShadedColour(grey, 0);
    EXPECT_FLOAT_EQ(dim.red, 0.1f);
    EXPECT_FLOAT_EQ(dim.green, 0.05f);
    EXPECT_FLOAT_EQ(dim.blue, 0.2f);
    const ColourRGBA bright = ShadedColour(grey, 255);
    EXPECT_FLOAT_EQ(bright.red, 0.6f);
    EXPECT_FLOAT_EQ(bright.blue, 1);
}

TEST(LitSquareColour, AFlatMapLitFromTheHorizonAtTwoTwentyFiveIsAFifthOfTheGradient)
{
    TNet net = FlatMap(21, 21);
    net.MapHeader.LightAlt = 0;
    net.MapHeader.LightAz = 225;
    for (int square = 1; square <= net.SquareCount(); ++square) {
        const ColourRGBA gradient = net.SquareColour(*net.GetSquare(square), kSchemeGradients);
        const ColourRGBA lit = LitSquareColour(net, square, {0, 225});
        ASSERT_GT(gradient.red + gradient.green + gradient.blue, 0.1f);
        EXPECT_FLOAT_EQ(lit.red, gradient.red * 0.2f) << square;
        EXPECT_FLOAT_EQ(lit.green, gradient.green * 0.2f) << square;
        EXPECT_FLOAT_EQ(lit.blue, gradient.blue * 0.2f) << square;
    }
    // In the picture each square's centre pixel shows that colour.
    const TOverlayPicture picture = Generate(net, {.screenWidth = 400});
    const TColorRef expected = Levels(LitSquareColour(net, 1, {0, 225}));
    for (int y = 10; y < 400; y += 20)
        for (int x = 10; x < 400; x += 20)
            ASSERT_EQ(picture.Pixel(x, y), expected) << x << "," << y;
}

TEST(LitSquareColour, ASlopeFacingTheLightIsDarkerThanOneFacingAway)
{
    // Heights rise to the east: the squares face west.
    TNet net = MakeMap(21, 21, [](int column, int) { return column * 5; });
    const ColourRGBA fromWest = LitSquareColour(net, 1, {30, 270});
    const ColourRGBA fromEast = LitSquareColour(net, 1, {30, 90});
    EXPECT_LT(fromWest.red + fromWest.green + fromWest.blue, fromEast.red + fromEast.green + fromEast.blue);
}

// A 21-pixel block, its quadrants meeting at pixel (10, 10).
constexpr TBlock kBlock{0, 0, 20, 20};
constexpr ColourRGBA kBlackColour{0, 0, 0, 1};
constexpr ColourRGBA kRedColour{1, 0, 0, 1};

TNeighbourhood AllBlack()
{
    return {kBlackColour, kBlackColour, kBlackColour, kBlackColour, kBlackColour, kBlackColour, kBlackColour, kBlackColour, kBlackColour};
}

TEST(PaintBlock, TheCentreColourSitsWhereTheQuadrantsMeetAndFadesHalfwayToTheEdges)
{
    TOverlayPicture picture(21, 21);
    TNeighbourhood colours = AllBlack();
    colours.centre = kRedColour;
    PaintBlock(picture, kBlock, colours);
    EXPECT_EQ(RedOf(picture.Pixel(10, 10)), 255);
    EXPECT_EQ(RedOf(picture.Pixel(0, 0)), 127);   // (C + cNW) / 2 with cNW black
    EXPECT_EQ(RedOf(picture.Pixel(10, 0)), 127);  // (C + N) / 2
    EXPECT_EQ(RedOf(picture.Pixel(20, 20)), 127);
    // Inside a quadrant each corner's share is truncated on its own:
    // 127 / 4 + 127 / 4 + 255 / 4 + 127 / 4.
    EXPECT_EQ(RedOf(picture.Pixel(5, 5)), 31 + 31 + 63 + 31);
    EXPECT_EQ(GreenOf(picture.Pixel(5, 5)), 0);
}

TEST(PaintBlock, EachQuadrantTakesItsOwnNeighbours)
{
    TOverlayPicture picture(21, 21);
    TNeighbourhood colours = AllBlack();
    colours.north = kRedColour;
    PaintBlock(picture, kBlock, colours);
    // The north-west corner mixes west, north and twice north-west: 1/4.
    EXPECT_EQ(RedOf(picture.Pixel(0, 0)), 31);
    EXPECT_EQ(RedOf(picture.Pixel(10, 0)), 127);
    EXPECT_EQ(RedOf(picture.Pixel(11, 0)), 127);
    EXPECT_EQ(RedOf(picture.Pixel(20, 0)), 31);
    EXPECT_EQ(RedOf(picture.Pixel(0, 10)), 0);
    EXPECT_EQ(RedOf(picture.Pixel(10, 20)), 0);
    EXPECT_EQ(RedOf(picture.Pixel(20, 20)), 0);
}

TEST(PaintBlock, PixelsBeyondThePictureAreLeftOut)
{
    TOverlayPicture picture(15, 15);
    const TOverlayPicture untouched = picture;
    PaintBlock(picture, {10, 10, 30, 30}, AllBlack());
    EXPECT_EQ(picture.Pixel(14, 14), RGB(0, 0, 0));
    EXPECT_EQ(picture.Pixel(9, 9), untouched.Pixel(9, 9));
}

TEST(FractalOverlay, BorderSquaresUseTheirOwnColourForMissingNeighbours)
{
    TNet net = HillMap(21, 21);
    net.MapHeader.LightAlt = 30;
    net.MapHeader.LightAz = 120;
    const TOverlayPicture picture = Generate(net, {.screenWidth = 400});
    const TLight light{30, 120};
    const auto lit = [&](int column, int row) { return LitSquareColour(net, row * 20 + column + 1, light); };
    // Blocks are 20 pixels wide; where a quadrant's corner lies on the
    // map's edge it shows the square's own colour.
    EXPECT_EQ(picture.Pixel(0, 0), Levels(lit(0, 0)));
    EXPECT_EQ(picture.Pixel(0, 10), Levels(lit(0, 0)));
    EXPECT_EQ(picture.Pixel(10, 0), Levels(lit(0, 0)));
    EXPECT_EQ(picture.Pixel(390, 0), Levels(lit(19, 0)));
    EXPECT_EQ(picture.Pixel(0, 390), Levels(lit(0, 19)));
    // On the northern edge between two squares, the corner mixes the west
    // square once with the east square (standing in for its missing north
    // and north-west neighbours) three times, then halves it towards the
    // east square.
    const ColourRGBA west = lit(4, 0);
    const ColourRGBA east = lit(5, 0);
    const auto edge = [](double c, double w) { return Level((c + (w + c + c * 2) * 0.25) * 0.5); };
    EXPECT_EQ(picture.Pixel(100, 0), RGB(edge(east.red, west.red), edge(east.green, west.green),
                                         edge(east.blue, west.blue)));
    // Halfway down the border between them it is the mean of the two.
    const auto mean = [](double c, double w) { return Level((c + w) * 0.5); };
    EXPECT_EQ(picture.Pixel(100, 10), RGB(mean(east.red, west.red), mean(east.green, west.green),
                                          mean(east.blue, west.blue)));
}

TEST(RougheningBlockSizes, HalveFromTheStartSizeDownToTheCode)
{
    using V = std::vector<int>;
    EXPECT_EQ(RougheningBlockSizes(2, TRoughness::High), (V{2, 1}));
    EXPECT_EQ(RougheningBlockSizes(2, TRoughness::Medium), (V{2}));
    EXPECT_EQ(RougheningBlockSizes(2, TRoughness::Low), (V{2}));
    EXPECT_EQ(RougheningBlockSizes(4, TRoughness::High), (V{4, 2, 1}));
    EXPECT_EQ(RougheningBlockSizes(4, TRoughness::Medium), (V{4, 2}));
    EXPECT_EQ(RougheningBlockSizes(4, TRoughness::Low), (V{4, 2}));
    EXPECT_EQ(RougheningBlockSizes(4, TRoughness::None), (V{4}));
}

TEST(Roughen, BrighteningShiftsStayWithinTheAmplitude)
{
    NullProgress quiet;
    std::mt19937 random(7);
    TOverlayPicture picture(64, 48);
    const TColorRef grey = RGB(128, 128, 128);
    picture.Fill(grey, 0, 0, 63, 47);
    // One level of blocks of 4: a pixel inside a block moves once, by -16
    // to +15; one on a shared border once for each block that covers it.
    Roughen(picture, TRougheningPass::Brightness, 4, TRoughness::None, random, quiet);
    bool changed = false;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            const int red = RedOf(picture.Pixel(x, y));
            const int blocks = (x % 4 == 0 && x > 0 ? 2 : 1) * (y % 4 == 0 && y > 0 ? 2 : 1);
            ASSERT_GE(red, 128 - 16 * blocks) << x << "," << y;
            ASSERT_LE(red, 128 + 15 * blocks) << x << "," << y;
            ASSERT_EQ(GreenOf(picture.Pixel(x, y)), red);
            ASSERT_EQ(BlueOf(picture.Pixel(x, y)), red);
            changed = changed || red != 128;
        }
    }
    EXPECT_TRUE(changed);
}

TEST(Roughen, ReportsTheShareOfBlockRowsDone)
{
    RecordingProgress progress;
    std::mt19937 random(1);
    TOverlayPicture picture(10, 10);
    Roughen(picture, TRougheningPass::Brightness, 4, TRoughness::High, random, progress);
    ASSERT_FALSE(progress.percents.empty());
    EXPECT_EQ(progress.percents.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.percents.begin(), progress.percents.end()));
}

TEST(FractalOverlay, LevelNoneRoughensNothingWhateverTheDensity)
{
    TNet net = HillMap(21, 21);
    const TOverlayPicture smooth = Generate(net, {.screenWidth = 200});
    EXPECT_EQ(Generate(net, {.screenWidth = 200, .density = TRoughness::High, .seed = 5}), smooth);
    EXPECT_NE(Generate(net, {.screenWidth = 200, .level = TRoughness::Low, .seed = 5}), smooth);
}

TEST(FractalOverlay, TheSameSeedGivesTheSamePictureAndAnotherSeedAnother)
{
    TNet net = HillMap(21, 21);
    const TFractalParameters rough{.screenWidth = 200, .level = TRoughness::High, .density = TRoughness::High, .seed = 9};
    const TOverlayPicture first = Generate(net, rough);
    EXPECT_EQ(Generate(net, rough), first);
    TFractalParameters other = rough;
    other.seed = 10;
    EXPECT_NE(Generate(net, other), first);
}

TEST(FractalOverlay, ShowsItsStepsAndProgressOnTheStatusBar)
{
    TNet net = HillMap(21, 21);
    RecordingProgress progress;
    ASSERT_TRUE(GenerateFractalOverlay(net, {.screenWidth = 200, .level = TRoughness::Low}, progress));
    EXPECT_EQ(progress.captions, (std::vector<std::string>{"Generate Fractal / Creating file",
                                                          "Generate Fractal / Fractalizing file - First Pass",
                                                          "Generate Fractal / Fractalizing file - Second Pass"}));
    EXPECT_NE(std::find(progress.percents.begin(), progress.percents.end(), 50), progress.percents.end());
}

TEST(FractalOverlay, AbortLoadSetWhileItPaintsStopsItWithoutAPicture)
{
    TNet net = HillMap(21, 21);
    net.AbortLoad = true;  // left over from an earlier stop: a new run starts afresh
    RecordingProgress progress;
    progress.onPercent = [&net](int percent) {
        if (percent == 30)
            net.AbortLoad = true;
    };
    EXPECT_FALSE(GenerateFractalOverlay(net, {.screenWidth = 200}, progress));
    EXPECT_EQ(progress.percents.back(), 30);
    EXPECT_TRUE(net.AbortLoad);
}

TEST(FractalOverlay, APumpThatAsksToStopSetsAbortLoad)
{
    TNet net = HillMap(21, 21);
    RecordingProgress progress;
    progress.keepGoing = false;
    // Pumps come at most every few milliseconds: wait long enough once.
    progress.onPercent = [](int percent) {
        if (percent == 10)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    };
    EXPECT_FALSE(GenerateFractalOverlay(net, {.screenWidth = 200}, progress));
    EXPECT_GT(progress.pumps, 0);
    EXPECT_TRUE(net.AbortLoad);
    EXPECT_LT(progress.percents.back(), 100);
}

TEST(OverlayPicture, RectanglesAreClippedAndBrighteningIsLimited)
{
    TOverlayPicture picture(4, 3);
    EXPECT_EQ(picture.Pixel(0, 0), RGB(63, 127, 255));
    picture.Fill(RGB(200, 50, 0), -5, -5, 1, 10);
    EXPECT_EQ(picture.Pixel(1, 2), RGB(200, 50, 0));
    EXPECT_EQ(picture.Pixel(2, 2), RGB(63, 127, 255));
    picture.Brighten(100, 0, 0, 0, 0);
    EXPECT_EQ(picture.Pixel(0, 0), RGB(255, 150, 100));
    picture.Brighten(-1000, 0, 0, 100, 100);
    EXPECT_EQ(picture.Pixel(3, 2), RGB(0, 0, 0));
    EXPECT_EQ(picture.Pixel(4, 0), RGB(0, 0, 0));  // outside
    EXPECT_THROW(TOverlayPicture(0, 5), ETarnError);
    EXPECT_THROW(TOverlayPicture(70000, 70000), ETarnError);
}

}  // namespace
}  // namespace tarn::fractal
