// Whole passes of DrawScene through OSMesa, checked against colours worked
// out here from the lighting and colour rules.
#include "RenderFixture.h"
#include "tests/common/TempPath.h"

#include "model/SettingsStore.h"
#include "exchange/BmpCodec.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <functional>
#include <numbers>

namespace tarn::test {
namespace {

using Vec = std::array<double, 3>;

Vec Sub(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
double Dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
Vec Cross(const Vec& a, const Vec& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vec Normalised(const Vec& v)
{
    const double length = std::sqrt(Dot(v, v));
    return {v[0] / length, v[1] / length, v[2] / length};
}
double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

// The fixed-function colour of a lit vertex with colour material: global
// ambient 0.2, the light's ambient and diffuse parts, no specular.
Rgb LitColour(TColorRef base, double ambient, double diffuse, double nDotL)
{
    const auto channel = [&](int value) {
        const double lit = value / 255.0 * (0.2 + ambient + diffuse * std::max(0.0, nDotL));
        return static_cast<std::uint8_t>(std::lround(std::min(1.0, lit) * 255));
    };
    return {channel(RedOf(base)), channel(GreenOf(base)), channel(BlueOf(base))};
}

TEST(SceneRender, ClearColourIsTheSkyColour)
{
    TViewNet net;
    MakeFlatMap(net);
    net.MapHeader.TargetPos = {0, 0, 3000};  // looking up, away from the ground
    const TDibPicture picture = Render(net);
    EXPECT_EQ(picture.PixelAt(0, 0), ToRgb(net.MapHeader.SkyColour));
    EXPECT_EQ(picture.PixelAt(159, 119), ToRgb(net.MapHeader.SkyColour));
}

TEST(SceneRender, FlatMapSeenFromAboveShowsTheLitGradientColourInTheCentre)
{
    TViewNet net;
    MakeFlatMap(net);
    auto& h = net.MapHeader;
    h.CameraPos = {0, -10, 800};
    h.TargetPos = {0, 0, 0};
    const TDibPicture picture = Render(net, 161, 121);

    // Height 0 in -900..900 is 9/18 of the way: gradient entry 9 exactly.
    const TColorRef expectedBase = h.GradientColours[9];
    // Eye space of gluLookAt: the target straight ahead, the ground's
    // normal (0, 1, 0) turned into the camera's frame.
    const Vec eye{0, 8, 0.1};
    const Vec centre{0, 0, 0};
    const Vec forward = Normalised(Sub(centre, eye));
    const Vec side = Normalised(Cross(forward, {0, 1, 0}));
    const Vec up = Cross(side, forward);
    const Vec normal{Dot(side, {0, 1, 0}), Dot(up, {0, 1, 0}), -Dot(forward, {0, 1, 0})};
    const Vec vertex{0, 0, -std::sqrt(Dot(Sub(centre, eye), Sub(centre, eye)))};
    // The light sits at a fixed place relative to the camera.
    const Vec light{std::sin(Radians(h.LightAz)) * 100, std::cos(Radians(h.LightAz + 180.0)) * 100,
                    std::sin(Radians(90.0 - h.LightAlt)) * 100};
    const double nDotL = Dot(normal, Normalised(Sub(light, vertex)));
    const Rgb expected = LitColour(expectedBase, h.ShadingDensity * 0.01, h.ShadingContrast * 0.01, nDotL);

    EXPECT_LE(Difference(picture.PixelAt(80, 60), expected), 3)
        << "got " << int(picture.PixelAt(80, 60).red) << "," << int(picture.PixelAt(80, 60).green) << ","
        << int(picture.PixelAt(80, 60).blue);
}

TEST(SceneRender, MistPullsDistantPixelsTowardTheMistColour)
{
    TViewNet net;
    MakeFlatMap(net, 41);
    auto& h = net.MapHeader;
    h.CameraPos = {0, -900, 60};
    h.TargetPos = {0, 0, 0};
    const TDibPicture clear = Render(net);
    h.MistLevel = 2500;
    const TDibPicture misty = Render(net);

    const Rgb mist = ToRgb(h.MistColour);
    // The first ground row under the horizon lies far away, the bottom row near.
    int far = 0;
    while (far < 120 && clear.PixelAt(80, far) == ToRgb(h.SkyColour))
        ++far;
    ASSERT_LT(far + 2, 119) << "no ground in the picture";
    const int nearRow = 119;
    const int farRow = far + 2;
    EXPECT_LT(Difference(misty.PixelAt(80, farRow), mist), Difference(clear.PixelAt(80, farRow), mist));
    // Mist thickens with distance.
    EXPECT_LT(Difference(misty.PixelAt(80, farRow), mist), Difference(misty.PixelAt(80, nearRow), mist));
}

TEST(SceneRender, GridLinesAppearInTheGridColourOnlyWhenGridModeDrawsThem)
{
    TViewNet net;
    MakeFlatMap(net);
    auto& h = net.MapHeader;
    h.DrawingScheme = kSchemePlain;  // plain green ground: no red in it
    const auto isGridRed = [](Rgb p) { return p.red > 120 && p.green < 40 && p.blue < 40; };

    h.GridMode = 0;
    EXPECT_GT(CountPixels(Render(net), isGridRed), 200);
    h.GridMode = 2;
    EXPECT_EQ(CountPixels(Render(net), isGridRed), 0);
    // Any value but 2 draws them.
    h.GridMode = 7;
    EXPECT_GT(CountPixels(Render(net), isGridRed), 200);
    // Scheme 0 draws the outlines alone, whatever the grid mode.
    h.DrawingScheme = 0;
    h.GridMode = 2;
    const TDibPicture outlines = Render(net);
    EXPECT_GT(CountPixels(outlines, isGridRed), 200);
    EXPECT_EQ(CountPixels(outlines, [](Rgb p) { return p.green > 100; }), 0) << "no surface";
}

TEST(SceneRender, OverlaySchemeShowsTheOverlayPictureColours)
{
    // West half red, east half blue.
    TDibPicture overlay = TDibPicture::Blank(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            overlay.SetPixel(x, y, x < 32 ? Rgb{255, 0, 0} : Rgb{0, 0, 255});
    const auto file = UniqueTempPath("render-test-overlay", ".bmp");
    WriteBmpFile(file, overlay);

    TViewNet net;
    MakeFlatMap(net);
    auto& h = net.MapHeader;
    h.DrawingScheme = kSchemeOverlay;
    h.OverlayFile.setText(file.string());
    h.ShadingDensity = 100;  // lit white at least: the texture shows as it is
    const TDibPicture picture = Render(net);
    std::filesystem::remove(file);

    EXPECT_EQ(picture.PixelAt(60, 100), (Rgb{255, 0, 0}));
    EXPECT_EQ(picture.PixelAt(100, 100), (Rgb{0, 0, 255}));
    EXPECT_FALSE(net.OverlayReload) << "the texture is built once";
}

TEST(SceneRender, TheOverlayPictureLiesNorthUpWestLeft)
{
    // One colour per quarter of the picture, its top row the map's north.
    constexpr Rgb kNorthWest{255, 0, 0}, kNorthEast{0, 0, 255}, kSouthWest{0, 255, 0}, kSouthEast{255, 255, 0};
    TDibPicture overlay = TDibPicture::Blank(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            overlay.SetPixel(x, y, y < 32 ? (x < 32 ? kNorthWest : kNorthEast) : (x < 32 ? kSouthWest : kSouthEast));
    const auto file = UniqueTempPath("render-test-quadrants", ".bmp");
    WriteBmpFile(file, overlay);

    TViewNet net;
    MakeFlatMap(net);
    auto& h = net.MapHeader;
    h.DrawingScheme = kSchemeOverlay;
    h.OverlayFile.setText(file.string());
    h.ShadingDensity = 100;
    // From high above, north at the top of the picture.
    h.CameraPos = {0, -10, 800};
    const TDibPicture picture = Render(net);
    std::filesystem::remove(file);

    EXPECT_EQ(picture.PixelAt(50, 35), kNorthWest);
    EXPECT_EQ(picture.PixelAt(110, 35), kNorthEast);
    EXPECT_EQ(picture.PixelAt(50, 85), kSouthWest);
    EXPECT_EQ(picture.PixelAt(110, 85), kSouthEast);
}

// Pictures of one colour for the overlay and the sky, removed again when
// the test ends.
class TexturePictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteBmpFile(overlay_, Filled({255, 0, 0}));
        WriteBmpFile(sky_, Filled({0, 255, 0}));
        settings_.WriteText(kViewerSettingsKey, "Drawing", "SkyFile", sky_.string());
    }
    void TearDown() override
    {
        std::filesystem::remove(overlay_);
        std::filesystem::remove(sky_);
    }
    static TDibPicture Filled(Rgb colour)
    {
        TDibPicture picture = TDibPicture::Blank(32, 32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                picture.SetPixel(x, y, colour);
        return picture;
    }
    // An overlay map under a textured sky, the horizon in view.
    void MakeTexturedMap(TViewNet& net)
    {
        MakeFlatMap(net);
        auto& h = net.MapHeader;
        h.DrawingScheme = kSchemeOverlay;
        h.OverlayFile.setText(overlay_.string());
        h.BackgroundType = 146;
        h.ShadingDensity = 100;
        // Level with the camera and a wide angle: ground and sky strip show.
        h.TargetPos = {0, 2000, 300};
        h.ViewAngle = 90;
        net.Settings = &settings_;
    }

    std::filesystem::path overlay_ = UniqueTempPath("render-test-overlay2", ".bmp");
    std::filesystem::path sky_ = UniqueTempPath("render-test-sky", ".bmp");
    MemorySettingsStore settings_;
};

TEST_F(TexturePictures, LaterAnimationFramesKeepTheOverlayUnderATexturedSky)
{
    TViewNet net;
    MakeTexturedMap(net);
    net.MapHeader.TargetPos = {0, 0, 0};

    TOffscreenContext context(64, 48);
    net.InitContext();
    net.SetViewSize(64, 48);
    net.SetFrameInfo(0, 2);
    net.DrawScene(0, 0, nullptr);
    const TDibPicture first = ReadPicture(64, 48);
    net.SetFrameInfo(1, 2);
    net.DrawScene(0, 0, nullptr);
    const TDibPicture second = ReadPicture(64, 48);

    EXPECT_FALSE(net.SkyReload);
    EXPECT_EQ(first.PixelAt(32, 40), (Rgb{255, 0, 0}));
    EXPECT_EQ(second.PixelAt(32, 40), (Rgb{255, 0, 0})) << "not the sky's picture";
}

TEST_F(TexturePictures, AFrameDrawnAloneEqualsTheSameFrameDrawnInItsSequence)
{
    TViewNet sequence;
    MakeTexturedMap(sequence);
    TOffscreenContext context(64, 48);
    sequence.InitContext();
    sequence.SetViewSize(64, 48);
    for (int frame = 0; frame <= 5; ++frame) {
        sequence.SetFrameInfo(frame, 10);
        sequence.DrawScene(0, 0, nullptr);
    }
    const TDibPicture inSequence = ReadPicture(64, 48);

    TViewNet alone;
    MakeTexturedMap(alone);
    alone.SetFrameInfo(5, 10);
    const TDibPicture byItself = Render(alone, 64, 48);
    EXPECT_EQ(byItself.PixelAt(32, 47), (Rgb{255, 0, 0})) << "the overlay";
    EXPECT_EQ(byItself.bits, inSequence.bits);

    // A new context (the viewer's panel after a resize) has no textures:
    // they are built again although no reload was asked for.
    sequence.SetFrameInfo(6, 10);
    EXPECT_EQ(Render(sequence, 64, 48).bits, inSequence.bits);
}

TEST_F(TexturePictures, ATexturedSkyWithoutAPictureIsDrawnAsThePlainSky)
{
    TViewNet net;
    MakeTexturedMap(net);
    net.MapHeader.DrawingScheme = kSchemeGradients;
    net.MapHeader.BackgroundType = 142;
    const auto plain = Checksum(Render(net));
    EXPECT_FALSE(net.MissingSkyPicture());

    net.MapHeader.BackgroundType = 146;
    const TDibPicture textured = Render(net);
    EXPECT_NE(Checksum(textured), plain) << "the sky picture shows";
    EXPECT_FALSE(net.MissingSkyPicture());

    for (const std::string& skyFile : std::vector<std::string>{"", "/nonexistent/sky.bmp", overlay_.parent_path().string()}) {
        MemorySettingsStore settings;
        settings.WriteText(kViewerSettingsKey, "Drawing", "SkyFile", skyFile);
        net.Settings = &settings;
        EXPECT_EQ(Checksum(Render(net)), plain) << skyFile;
        EXPECT_TRUE(net.MissingSkyPicture()) << skyFile;
    }
    net.Settings = nullptr;
    EXPECT_EQ(Checksum(Render(net)), plain);
    EXPECT_TRUE(net.MissingSkyPicture());
}

TEST(SceneRender, AFlatMapTakesTheGradientColourOfItsHeight)
{
    TViewNet net;
    MakeFlatMap(net, 21, 250);
    auto& h = net.MapHeader;
    h.MinHeight = h.MaxHeight = 250;
    h.DrawingScheme = kSchemeGradients;
    h.CameraPos = {0, -10, 800};
    EXPECT_EQ(net.BuildColourRecord(50).squareColour, ToRGBA(h.GradientColours[0]));
    const TDibPicture picture = Render(net);
    EXPECT_EQ(CountPixels(picture, [](Rgb p) { return p == Rgb{0, 0, 0}; }), 0);
}

TEST(SceneRender, TheSameSceneDrawsTheSamePictureAndTheKeptSurfaceMatchesTheSquareWalk)
{
    TViewNet net;
    MakeFlatMap(net, 31);
    for (std::size_t i = 0; i < net.Points().size(); ++i)
        net.Points()[i].Height = static_cast<std::int16_t>(300 * std::sin(i * 0.37) + 100 * std::cos(i * 0.011));
    net.UpdateSquares();
    for (std::size_t i = 0; i < net.Squares().size(); i += 7)
        net.Squares()[i].Terrain = static_cast<std::int16_t>(i % 8);
    auto& h = net.MapHeader;
    h.DrawTerrains = 1;
    for (const int grid : {2, 0}) {
        h.GridMode = static_cast<std::int16_t>(grid);
        net.UseSceneCache = true;
        const auto first = Checksum(Render(net));
        const auto second = Checksum(Render(net));
        EXPECT_EQ(first, second) << "grid mode " << grid;
        net.UseSceneCache = false;
        EXPECT_EQ(Checksum(Render(net)), first) << "grid mode " << grid;
    }
    // Animation frames and still redraws replay the kept surface, from the
    // second pass on with row lists ready.
    h.GridMode = 2;
    net.UseSceneCache = false;
    const auto walked = Checksum(Render(net));
    for (const int frameCount : {5, 0}) {
        net.UseSceneCache = true;
        net.SetFrameInfo(frameCount == 0 ? 0 : 1, frameCount);
        TOffscreenContext context(160, 120);
        net.InitContext();
        net.SetViewSize(160, 120);
        std::vector<std::uint64_t> frames;
        for (int frame = 0; frame < 3; ++frame) {
            net.DrawScene(0, 0, nullptr);
            frames.push_back(Checksum(ReadPicture(160, 120)));
        }
        EXPECT_EQ(frames, std::vector<std::uint64_t>(3, walked)) << "frame count " << frameCount;
    }
    net.SetFrameInfo(0, 0);

    // New colours (scheme, gradient, terrain colours) repaint the kept
    // surface; its shape stays.
    for (const auto& change : std::vector<std::function<void()>>{
             [&] { h.GradientColours[9] = RGB(250, 20, 20); }, [&] { h.TerrainColours[3] = RGB(0, 0, 0); },
             [&] { h.DrawingScheme = kSchemeVista; }, [&] { h.GridColour = RGB(0, 255, 0), h.GridMode = 0; }}) {
        net.UseSceneCache = true;
        const auto before = Checksum(Render(net));
        change();
        const auto repainted = Checksum(Render(net));
        net.UseSceneCache = false;
        EXPECT_NE(repainted, before);
        EXPECT_EQ(repainted, Checksum(Render(net)));
    }
    h.DrawingScheme = kSchemeGradients;

    // A changed height is noticed by the kept surface.
    net.UseSceneCache = true;
    const auto before = Checksum(Render(net));
    net.Points()[15 * 31 + 15].Height = 2000;
    net.UpdateSquares();
    const auto cached = Checksum(Render(net));
    net.UseSceneCache = false;
    EXPECT_NE(cached, before);
    EXPECT_EQ(Checksum(Render(net)), cached);
}

TEST(SceneRender, ZeroVerticalScaleIsDrawnAsHundredPercent)
{
    TViewNet net;
    MakeFlatMap(net);
    for (std::size_t i = 0; i < net.Points().size(); ++i)
        net.Points()[i].Height = static_cast<std::int16_t>(i % 13 * 40);
    net.UpdateSquares();
    net.MapHeader.VerticalScale = 1;
    const double divisor = net.HeightDivisor();
    const auto hundredPercent = Checksum(Render(net));
    net.MapHeader.VerticalScale = 0;
    EXPECT_DOUBLE_EQ(net.HeightDivisor(), divisor);
    EXPECT_TRUE(std::isfinite(net.HeightDivisor()));
    EXPECT_EQ(Checksum(Render(net)), hundredPercent);
}

TEST(SceneRender, HeightDivisorFollowsUnitsAndScales)
{
    TViewNet net;
    MakeFlatMap(net);
    auto& h = net.MapHeader;
    const double horizontal = h.WorldWidth / (h.Columns * static_cast<double>(h.Spacing));
    h.VerticalScale = 2;
    EXPECT_DOUBLE_EQ(net.HeightDivisor(), 100 / (horizontal * 2));
    h.MapUnits = static_cast<std::int16_t>(MapUnits::MicroMetric);
    EXPECT_DOUBLE_EQ(net.HeightDivisor(), 100 * 100 / (horizontal * 2));
    // A header without spacing has no horizontal scale: heights are taken
    // as world units rather than flattened to nothing.
    h.Spacing = 0;
    EXPECT_DOUBLE_EQ(net.HeightDivisor(), 100 * 100 / 2.0);
}

TEST(SceneRender, LightAndMistAreSetFromTheHeader)
{
    TViewNet net;
    MakeFlatMap(net);
    auto& h = net.MapHeader;
    h.LightAz = 90;
    h.LightAlt = 45;
    h.MistLevel = 10;
    TOffscreenContext context(32, 32);
    net.SetViewSize(32, 32);
    net.DrawScene(0, 0, nullptr);
    float position[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);
    EXPECT_NEAR(position[0], 100, 1e-3);
    EXPECT_NEAR(position[1], 0, 1e-3);
    EXPECT_NEAR(position[2], 70.7107, 1e-3);
    EXPECT_EQ(position[3], 1);
    EXPECT_TRUE(glIsEnabled(GL_FOG));
    GLint mode = 0;
    glGetIntegerv(GL_FOG_MODE, &mode);
    EXPECT_EQ(mode, GL_EXP2);
    float density = 0;
    glGetFloatv(GL_FOG_DENSITY, &density);
    EXPECT_NEAR(density, 0.1996, 1e-6);

    h.MistLevel = 5000;
    net.DrawScene(0, 0, nullptr);
    EXPECT_FALSE(glIsEnabled(GL_FOG));
}

class RecordingProgress final : public IProgress {
public:
    explicit RecordingProgress(bool cancel) : cancel_(cancel) {}
    void setCaptions(std::string_view operation, std::string_view step) override
    {
        operation_ = operation;
        steps.emplace_back(step);
    }
    void setPercent(int percent) override { lastPercent = percent; }
    void hideProgress() override {}
    bool pump() override { return !cancel_; }

    std::vector<std::string> steps;
    std::string operation_;
    int lastPercent = -1;

private:
    bool cancel_;
};

TEST(SceneRender, ProgressShowsTheStepsAndACancelStopsThePass)
{
    TViewNet net;
    MakeFlatMap(net);
    net.MapHeader.BackgroundType = 142;
    RecordingProgress progress(false);
    bool completed = false;
    Render(net, 32, 32, 0, &progress, &completed);
    EXPECT_TRUE(completed);
    EXPECT_EQ(progress.operation_, "Drawing Landscape View");
    EXPECT_EQ(progress.steps, (std::vector<std::string>{"Initialization", "Drawing sky", "Drawing ground",
                                                        "Drawing Surface", "Completed"}));
    // Shown at the start of each row: the 20th row of 20 starts at square
    // 381 of 400 (the counter starts at 1).
    EXPECT_EQ(progress.lastPercent, 95);

    net.SetFrameInfo(1, 24);
    RecordingProgress cancelling(true);
    Render(net, 32, 32, 0, &cancelling, &completed);
    EXPECT_FALSE(completed);
    EXPECT_EQ(cancelling.operation_, "Creating Animation (25 Frames)");
}

class CountingProgress final : public IProgress {
public:
    void setCaptions(std::string_view, std::string_view) override {}
    void setPercent(int) override {}
    void hideProgress() override {}
    bool pump() override
    {
        ++pumps;
        return pumps < stopAfter;
    }
    int pumps = 0;
    int stopAfter = 1 << 30;
};

TEST(SceneRender, ALongPassPumpsByTimeNotPerSquareAndAStopEndsTheWalk)
{
    TViewNet net;
    MakeFlatMap(net, 81);
    net.MapHeader.FractValues[0] = 50;
    net.MapHeader.CameraPos = {0, -300, 200};
    CountingProgress progress;
    bool completed = false;
    Render(net, 320, 240, 5, &progress, &completed);
    ASSERT_TRUE(completed);
    EXPECT_GE(progress.pumps, 3) << "the interface breathes during the walk";
    EXPECT_LT(progress.pumps, 80 * 80 / 4) << "but not after every square";

    // A stop asked for during the walk ends it after the row being drawn.
    // Pumps: the first step caption, the first in the walk, one 40 ms later
    // (answered "stop"), then the closing caption, which still runs.
    CountingProgress stopping;
    stopping.stopAfter = 3;
    Render(net, 320, 240, 5, &stopping, &completed);
    EXPECT_FALSE(completed);
    EXPECT_EQ(stopping.pumps, 4);
}

// Answers "stop" at the first pump of the surface's walk.
class StopOnSurface final : public IProgress {
public:
    void setCaptions(std::string_view, std::string_view step) override { onSurface_ = step == "Drawing Surface"; }
    void setPercent(int) override {}
    void hideProgress() override {}
    bool pump() override { return !onSurface_; }

private:
    bool onSurface_ = false;
};

// The kept surface draws only the triangles that can reach the picture;
// from far, near, above, across and partly out of view the picture is the
// square walk's, pass after pass.
TEST(SceneRender, TheKeptSurfaceLeavesOutOnlyTrianglesThatDrawNothing)
{
    TViewNet net;
    MakeFlatMap(net, 151);
    for (int row = 0; row < 151; ++row)
        for (int column = 0; column < 151; ++column)
            net.Points()[static_cast<std::size_t>(row * 151 + column)].Height = static_cast<std::int16_t>(
                300 * std::sin(row * 0.07) * std::cos(column * 0.05) + 60 * std::sin((row + column) * 0.3));
    net.UpdateSquares();
    for (std::size_t i = 0; i < net.Squares().size(); i += 7)
        net.Squares()[i].Terrain = static_cast<std::int16_t>(i % 8);
    auto& h = net.MapHeader;
    h.DrawTerrains = 1;
    h.MinHeight = -400;
    h.MaxHeight = 400;
    using Point = std::array<double, 3>;
    const std::vector<std::pair<Point, Point>> views{
        {{0, -9000, 5000}, {0, 0, 0}},       // the whole map, far away
        {{-3000, -3000, 600}, {3000, 3000, 0}},  // low across it, squares under the camera
        {{200, 150, 2500}, {0, 0, 0}},       // steeply from above
        {{-5000, 0, 400}, {0, 3000, 0}},     // turned so that part of it is out of the picture
        {{0, 6000, 1500}, {0, 0, 0}},        // from the north
    };
    for (const auto& [camera, target] : views) {
        h.CameraPos = camera;
        h.TargetPos = target;
        net.UseSceneCache = false;
        const auto walked = Checksum(Render(net, 320, 240));
        net.UseSceneCache = true;
        net.ReleaseSceneCache();
        TOffscreenContext context(320, 240);
        net.InitContext();
        net.SetViewSize(320, 240);
        for (const char* pass : {"built", "lists compiled", "kept"}) {
            net.DrawScene(0, 0, nullptr);
            EXPECT_EQ(Checksum(ReadPicture(320, 240)), walked) << pass << " from " << camera[0] << ", " << camera[1];
        }
    }
}

TEST(SceneRender, TheKeptSurfaceIsRightFromEitherSideAndAfterAStoppedPass)
{
    TViewNet net;
    MakeFlatMap(net, 31);
    for (std::size_t i = 0; i < net.Points().size(); ++i)
        net.Points()[i].Height = static_cast<std::int16_t>(250 * std::sin(i * 0.29) + 120 * std::cos(i * 0.017));
    net.UpdateSquares();
    for (std::size_t i = 0; i < net.Squares().size(); i += 5)
        net.Squares()[i].Terrain = static_cast<std::int16_t>(i % 8);
    auto& h = net.MapHeader;
    h.DrawTerrains = 1;
    const std::array<double, 3> fromSouth = h.CameraPos;
    const std::array<double, 3> fromNorth = {0, 400, 300};
    const auto walked = [&](const std::array<double, 3>& camera) {
        h.CameraPos = camera;
        net.UseSceneCache = false;
        const auto checksum = Checksum(Render(net));
        net.UseSceneCache = true;
        return checksum;
    };
    const auto kept = [&](const std::array<double, 3>& camera) {
        h.CameraPos = camera;
        return Checksum(Render(net));
    };
    const auto south = walked(fromSouth);
    const auto north = walked(fromNorth);
    ASSERT_NE(south, north);

    // Recorded walking the rows south to north, then drawn from both sides.
    EXPECT_EQ(kept(fromNorth), north);
    EXPECT_EQ(kept(fromSouth), south);
    EXPECT_EQ(kept(fromNorth), north);
    // Painted in new colours walking the other way round.
    h.TerrainColours[4] = RGB(10, 200, 10);
    EXPECT_EQ(kept(fromSouth), walked(fromSouth));
    EXPECT_EQ(kept(fromNorth), walked(fromNorth));

    // A pass stopped after its first row leaves no half-built or half-painted
    // surface behind for the next one.
    for (const auto& change : std::vector<std::function<void()>>{
             [&] { net.ReleaseSceneCache(); }, [&] { h.TerrainColours[4] = RGB(200, 10, 200); }}) {
        change();
        StopOnSurface stop;
        bool completed = true;
        h.CameraPos = fromSouth;
        Render(net, 160, 120, 0, &stop, &completed);
        EXPECT_FALSE(completed);
        const auto expected = walked(fromSouth);
        EXPECT_EQ(kept(fromSouth), expected);
        EXPECT_EQ(kept(fromSouth), expected) << "from the row lists";
    }
}

TEST(SceneRender, TheSkyKeepsItsShadeFromFrameToFrame)
{
    TViewNet net;
    MakeFlatMap(net);
    auto& h = net.MapHeader;
    h.BackgroundType = 142;
    h.TargetPos = {0, 2000, 300};
    h.LightAlt = 30;
    net.UseSceneCache = false;  // the square walk leaves its last normal current
    TOffscreenContext context(64, 48);
    net.InitContext();
    net.SetViewSize(64, 48);
    net.DrawScene(0, 0, nullptr);
    const auto first = Checksum(ReadPicture(64, 48));
    net.DrawScene(0, 0, nullptr);
    EXPECT_EQ(Checksum(ReadPicture(64, 48)), first);
}

TEST(SceneRender, ATwoByTwoGridDrawsItsOneSquareAndShowsFullProgress)
{
    TViewNet net;
    auto& h = net.MapHeader;
    ApplyNewMapValues(h);
    h.Columns = h.Rows = 2;
    h.WorldWidth = h.WorldHeight = 100;
    h.Spacing = 100;
    h.VerticalScale = 1;
    h.SkyColour = RGB(0, 0, 0);
    h.CameraPos = {0, -100, 100};
    net.BuildSquares(2, 2);
    net.BuildPoints(2, 2, -50, 50, -50, 50);
    for (auto& point : net.Points())
        point.Height = 0;
    net.UpdateSquares();
    ASSERT_EQ(net.SquareCount(), 1);
    RecordingProgress progress(false);
    const TDibPicture picture = Render(net, 32, 32, 0, &progress);
    EXPECT_EQ(progress.lastPercent, 100);
    EXPECT_GT(CountPixels(picture, [](Rgb p) { return p != Rgb{0, 0, 0}; }), 20);
}

TEST(SceneRender, AGraduatedBackgroundShadesFromSkyToMist)
{
    TViewNet net;
    MakeFlatMap(net);
    auto& h = net.MapHeader;
    h.BackgroundType = 142;
    h.TargetPos = {0, 2000, 300};  // level with the camera, looking north
    h.MistColour = RGB(250, 250, 250);
    const TDibPicture picture = Render(net);
    // The top of the picture looks at the sky cone near its apex, the rows
    // just above the horizon at its misty rim.
    const Rgb top = picture.PixelAt(80, 0);
    const Rgb horizon = picture.PixelAt(80, 58);
    EXPECT_GT(horizon.red, top.red + 40);
    EXPECT_GT(horizon.green, top.green + 40);
}

int BuiltTextureSide(TViewNet& net, int width, int height, bool large)
{
    const auto file = UniqueTempPath("render-test-texture", ".bmp");
    WriteBmpFile(file, TDibPicture::Blank(width, height));
    GLuint texture = 0;
    glGenTextures(1, &texture);
    const bool built = net.LoadTexture(file, texture, large, false, !large);
    std::filesystem::remove(file);
    if (!built)
        return 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint side = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &side);
    return side;
}

TEST(SceneRender, TexturesTakeTheSquareSideNearestTheirPictureSize)
{
    TViewNet net;
    MakeFlatMap(net);
    TOffscreenContext context(16, 16);
    EXPECT_EQ(BuiltTextureSide(net, 600, 501, true), 1024);   // m = 551
    EXPECT_EQ(BuiltTextureSide(net, 1200, 901, true), 2048);  // m = 1051
    EXPECT_EQ(BuiltTextureSide(net, 600, 424, true), 512);    // m = round(512.5) = 512
    EXPECT_EQ(BuiltTextureSide(net, 1200, 901, false), 512);  // the sky's size
    EXPECT_FALSE(net.LoadTexture("/nonexistent/overlay.bmp", 1, true, false, false));
}

TEST(SceneRender, ASquareWithANullCornerIsGreyAllOver)
{
    TViewNet net;
    MakeFlatMap(net);
    net.GetPoint(1)->Height = kNullHeight;
    net.UpdateSquares();
    const TColourRecord record = net.BuildColourRecord(1);
    const ColourRGBA grey{0.7f, 0.7f, 0.7f, 1};
    EXPECT_EQ(record.squareColour, grey);
    for (const auto& colour : record.nodeColour)
        EXPECT_EQ(colour, grey);
    // Its neighbour counts it grey at their shared nodes only.
    const TColourRecord east = net.BuildColourRecord(2);
    EXPECT_NE(east.nodeColour[0], grey);
    EXPECT_NE(east.nodeColour[1], east.nodeColour[0]);
}

TEST(SceneRender, TheViewSizeComesFromTheViewerSettingsWithDefaults)
{
    TViewNet net;
    MemorySettingsStore settings;
    net.LoadViewSize(settings);
    EXPECT_EQ(net.ViewWidth(), 640);
    EXPECT_EQ(net.ViewHeight(), 480);
    settings.WriteInteger(kViewerSettingsKey, "General", "ViewWidth", 800);
    settings.WriteInteger(kViewerSettingsKey, "General", "ViewHeight", 600);
    net.LoadViewSize(settings);
    EXPECT_EQ(net.ViewWidth(), 800);
    EXPECT_EQ(net.ViewHeight(), 600);
}

TEST(SceneRender, AMapWithoutSquaresDrawsOnlyTheSky)
{
    TViewNet net;
    net.MapHeader.SkyColour = RGB(10, 200, 30);
    net.MapHeader.ViewAngle = 30;
    bool completed = false;
    const TDibPicture picture = Render(net, 16, 16, 0, nullptr, &completed);
    EXPECT_TRUE(completed);
    EXPECT_EQ(CountPixels(picture, [](Rgb p) { return p == Rgb{10, 200, 30}; }), 16 * 16);
}

}  // namespace
}  // namespace tarn::test
