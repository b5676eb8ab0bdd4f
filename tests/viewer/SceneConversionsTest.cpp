// The conversions between the scene-parameter dialog's controls and the
// header fields, without any widget.
#include "viewer/ui/SceneConversions.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tarn;

namespace {

// A 260-pixel box over a 200-pixel image of a map 1000 world units wide.
constexpr TPositioningGeometry kSquareMap{260, 260, 200, 200, 1000, 1000};

}  // namespace

TEST(MarkerPixels, CentreOfTheBoxIsTheMapCentreAndPixelYGrowsSouth)
{
    EXPECT_EQ(MarkerPixel(0, 0, kSquareMap, kCameraFallback), (TPixel{130, 130}));
    // 5 world units a pixel: the north-east corner of the map.
    EXPECT_EQ(MarkerPixel(500, 500, kSquareMap, kCameraFallback), (TPixel{230, 30}));
    EXPECT_EQ(MarkerPixel(-450, -600, kSquareMap, kCameraFallback), (TPixel{40, 250}));
    // Halves go to the even neighbour: 12.5 pixels east of the centre.
    EXPECT_EQ(MarkerPixel(62.5, 0, kSquareMap, kCameraFallback).x, 142);
    EXPECT_EQ(MarkerPixel(67.5, 0, kSquareMap, kCameraFallback).x, 144);
}

TEST(MarkerPixels, ACoordinateThatCannotBeWorkedOutTakesTheFallback)
{
    TPositioningGeometry noWidth = kSquareMap;
    noWidth.worldWidth = 0;
    EXPECT_EQ(MarkerPixel(100, 100, noWidth, kCameraFallback), (TPixel{20, 110}));
    TPositioningGeometry noImage = kSquareMap;
    noImage.imageHeight = 0;
    EXPECT_EQ(MarkerPixel(100, 100, noImage, kTargetFallback), (TPixel{150, 40}));
    EXPECT_EQ(MarkerPixel(1e300, 0, kSquareMap, kTargetFallback).x, 40);
}

TEST(MarkerPixels, EveryPixelOfTheBoxComesBackFromItsWorldPoint)
{
    const TPositioningGeometry oblong{260, 260, 200, 117, 985, 577};
    for (int x = 0; x <= 260; x += 3)
        for (int y = 0; y <= 260; y += 7) {
            const auto world = WorldPointOf({x, y}, oblong);
            ASSERT_TRUE(world);
            EXPECT_EQ(world->x, std::nearbyint(world->x));
            EXPECT_EQ(MarkerPixel(world->x, world->y, oblong, kCameraFallback), (TPixel{x, y}));
        }
    TPositioningGeometry noImage = oblong;
    noImage.imageWidth = 0;
    EXPECT_FALSE(WorldPointOf({10, 10}, noImage));
}

TEST(HeightSpins, GoThroughTheHeightFactor)
{
    EXPECT_DOUBLE_EQ(HeightFactor(1.5, 6), 0.25);
    // A scale never set counts as 100 %, a short side of 0 as 1.
    EXPECT_DOUBLE_EQ(HeightFactor(0, 4), 0.25);
    EXPECT_DOUBLE_EQ(HeightFactor(2, 0), 2);

    EXPECT_EQ(HeightSpinValue(330, 1.0 / 6, 1029), 1980);
    EXPECT_EQ(HeightSpinValue(-1, 1.0 / 6, 1029), 1029);
    EXPECT_EQ(HeightSpinValue(5, 2, 0), 2);  // 2.5 goes to the even neighbour
    EXPECT_EQ(HeightSpinValue(7, 2, 0), 4);
    EXPECT_DOUBLE_EQ(WorldHeightOf(1980, 1.0 / 6), 330);
    EXPECT_DOUBLE_EQ(WorldHeightOf(7, 0.15), 1);  // 1.05 truncated
    EXPECT_DOUBLE_EQ(WorldHeightOf(1001, 1.0 / 3), 333);
}

TEST(HeightSpins, AWholeHeightIsNotLostToTheRoundingOfTheFactor)
{
    // 5 * (1.2 / 3) is 1.9999999999999998 in floating point.
    EXPECT_DOUBLE_EQ(WorldHeightOf(5, HeightFactor(VerticalScaleOf(120), 3)), 2);
    for (int percent = 1; percent <= 250; ++percent)
        for (int shortSide = 1; shortSide <= 12; ++shortSide) {
            const double factor = HeightFactor(VerticalScaleOf(percent), shortSide);
            for (int spin = 0; spin <= 2000; ++spin) {
                if (spin * percent % (100 * shortSide) == 0) {
                    ASSERT_EQ(WorldHeightOf(spin, factor), spin * percent / (100 * shortSide))
                        << spin << " at " << percent << "% / " << shortSide;
                }
            }
        }
}

TEST(ScaleSpin, IsThePercentOfTheVerticalScale)
{
    EXPECT_EQ(ScalePercentOf(1), 100);
    EXPECT_EQ(ScalePercentOf(0.375), 38);
    EXPECT_EQ(ScalePercentOf(0.125), 12);
    // A scale never set is drawn at 100 %, and the dialog must not turn it
    // into its lowest 1 % when closed with OK.
    EXPECT_EQ(ScalePercentOf(0), 100);
    EXPECT_EQ(ScalePercentOf(-2), 100);
    EXPECT_DOUBLE_EQ(VerticalScaleOf(250), 2.5);
    EXPECT_DOUBLE_EQ(VerticalScaleOf(1), 0.01);
}

TEST(SchemeNames, OpenAndCloseAsTheirCodes)
{
    EXPECT_EQ(SchemeNameOf(kSchemeOverlay), "Overlay");
    EXPECT_EQ(SchemeNameOf(kSchemeGradients), "Gradients");
    EXPECT_EQ(SchemeNameOf(kSchemeVista), "Vista");
    // The plain scheme and unknown codes open as Overlay.
    EXPECT_EQ(SchemeNameOf(kSchemePlain), "Overlay");
    EXPECT_EQ(SchemeNameOf(0), "Overlay");
    EXPECT_EQ(DrawingSchemeOf("Gradients"), kSchemeGradients);
    EXPECT_EQ(DrawingSchemeOf("Overlay"), kSchemeOverlay);
    EXPECT_EQ(DrawingSchemeOf("Vista"), kSchemeVista);
    EXPECT_EQ(DrawingSchemeOf(""), kSchemeVista);
}

TEST(BackgroundTypes, OpenAsRadioButtonsAndCloseAsTheirCodes)
{
    EXPECT_EQ(BackgroundChoiceOf(kGraduatedBackground), TBackgroundChoice::Graduated);
    EXPECT_EQ(BackgroundChoiceOf(kTexturedBackgroundOld), TBackgroundChoice::Textured);
    EXPECT_EQ(BackgroundChoiceOf(kTexturedBackground), TBackgroundChoice::Textured);
    EXPECT_EQ(BackgroundChoiceOf(kSolidBackground), TBackgroundChoice::Solid);
    EXPECT_EQ(BackgroundChoiceOf(0), TBackgroundChoice::Solid);
    // The old textured code is written back as the new one.
    EXPECT_EQ(BackgroundTypeOf(BackgroundChoiceOf(kTexturedBackgroundOld)), kTexturedBackground);
    EXPECT_EQ(BackgroundTypeOf(TBackgroundChoice::Graduated), kGraduatedBackground);
    EXPECT_EQ(BackgroundTypeOf(TBackgroundChoice::Solid), kSolidBackground);
}

TEST(ShadingAndMistBars, ShowTheirTexts)
{
    EXPECT_EQ(MistBarPosition(5), 5000);  // below the bar: the thinnest mist
    EXPECT_EQ(MistBarPosition(10), 10);
    EXPECT_EQ(MistBarPosition(2500), 2500);
    EXPECT_EQ(MistBarPosition(9000), 5000);
    EXPECT_EQ(MistDensityText(10), "4990");
    EXPECT_EQ(MistDensityText(5000), "0");
    EXPECT_EQ(ShadingContrastText(0), "-100%");
    EXPECT_EQ(ShadingContrastText(50), "0%");
    EXPECT_EQ(ShadingContrastText(100), "100%");
    EXPECT_EQ(PercentText(40), "40%");
}

TEST(ViewMarker, OpensTheAngleOfViewAheadOfTheCamera)
{
    const TViewMarker marker = ViewMarkerOf({100, 100}, {200, 100}, 90);
    EXPECT_EQ(marker.handle, (TPixel{150, 100}));
    EXPECT_EQ(marker.edgeEnds[0], (TPixel{171, 29}));
    EXPECT_EQ(marker.edgeEnds[1], (TPixel{171, 171}));
    // The cross line meets the axis 50 pixels ahead of the camera.
    EXPECT_EQ(marker.crossEnds[0], (TPixel{150, 50}));
    EXPECT_EQ(marker.crossEnds[1], (TPixel{150, 150}));
    // Looking north (up the box).
    EXPECT_EQ(ViewMarkerOf({100, 100}, {100, 20}, 30).handle, (TPixel{100, 50}));
}

TEST(ViewMarker, GrabsTheCameraFirstThenTheTargetThenTheHandle)
{
    const TViewMarker apart = ViewMarkerOf({100, 100}, {200, 100}, 30);
    EXPECT_EQ(GrabAt({104, 96}, apart), TGrab::Camera);
    EXPECT_EQ(GrabAt({105, 100}, apart), TGrab::None);
    EXPECT_EQ(GrabAt({196, 104}, apart), TGrab::Target);
    EXPECT_EQ(GrabAt({150, 103}, apart), TGrab::Angle);
    EXPECT_EQ(GrabAt({150, 105}, apart), TGrab::None);
    const TViewMarker together = ViewMarkerOf({100, 100}, {103, 100}, 30);
    EXPECT_EQ(GrabAt({102, 100}, together), TGrab::Camera);
}

TEST(ViewMarker, TheHandleDistanceGivesTheAngleOfView)
{
    EXPECT_DOUBLE_EQ(*ViewAngleForHandleDistance(50), 45);
    EXPECT_NEAR(*ViewAngleForHandleDistance(100), 26.565, 0.001);
    EXPECT_FALSE(ViewAngleForHandleDistance(0));
}

TEST(VistaSwatches, SpreadEvenlyBetweenTwoClicksInEitherOrder)
{
    std::array<TColorRef, kVistaEntries> colours{};
    colours[0] = RGB(0, 0, 0);
    colours[11] = RGB(255, 110, 0);
    auto reversed = colours;
    EXPECT_TRUE(SpreadVistaColours(colours, 0, 11));
    for (int j = 1; j <= 10; ++j) {
        EXPECT_EQ(RedOf(colours[j]), static_cast<int>(j * 255.0 / 11)) << j;
        EXPECT_EQ(GreenOf(colours[j]), static_cast<int>(j * 110.0 / 11)) << j;
        EXPECT_EQ(BlueOf(colours[j]), 0);
    }
    EXPECT_EQ(colours[11], RGB(255, 110, 0));
    EXPECT_TRUE(SpreadVistaColours(reversed, 11, 0));
    EXPECT_EQ(reversed, colours);

    // Falling channels step down from the lower end.
    std::array<TColorRef, kVistaEntries> falling{};
    falling[4] = RGB(100, 0, 0);
    falling[7] = RGB(0, 0, 0);
    EXPECT_TRUE(SpreadVistaColours(falling, 4, 7));
    EXPECT_EQ(RedOf(falling[5]), 67);  // 100 + trunc(-33.3)
    EXPECT_EQ(RedOf(falling[6]), 34);  // 100 + trunc(-66.7)

    auto neighbours = colours;
    EXPECT_FALSE(SpreadVistaColours(neighbours, 3, 4));
    EXPECT_FALSE(SpreadVistaColours(neighbours, 5, 5));
    EXPECT_EQ(neighbours, colours);
}

TEST(TreeAndSnowLines, TheLineSetGivesWay)
{
    EXPECT_EQ(WithTreeLine(80, 75), (TTreeSnowLines{74, 75}));
    EXPECT_EQ(WithTreeLine(20, 75), (TTreeSnowLines{20, 75}));
    EXPECT_EQ(WithTreeLine(120, 100), (TTreeSnowLines{99, 100}));
    EXPECT_EQ(WithTreeLine(0, 0), (TTreeSnowLines{0, 1}));
    EXPECT_EQ(WithSnowLine(30, 20), (TTreeSnowLines{30, 31}));
    EXPECT_EQ(WithSnowLine(30, 30), (TTreeSnowLines{30, 31}));
    EXPECT_EQ(WithSnowLine(100, 100), (TTreeSnowLines{99, 100}));
    EXPECT_EQ(WithSnowLine(30, 140), (TTreeSnowLines{30, 100}));
}
