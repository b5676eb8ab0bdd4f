// The Projection page: light, scale, angle of view, camera and target
// heights, the positioning map's markers and handles, and Defaults.
#include "SceneDialogFixture.h"

#include <QCheckBox>
#include <QSpinBox>

#include <cmath>

using namespace tarn;
using namespace tarn::test;

namespace {

int SpinValue(QWidget* shown, const char* name)
{
    return Find<QSpinBox>(shown, name)->value();
}

QPoint ToPoint(TPixel pixel) { return {pixel.x, pixel.y}; }

}  // namespace

TEST_F(SceneDialog, ConfirmedUnchangedTheHeaderOnlyGetsTheViewerModeAndNoSmoothing)
{
    header.Smoothing = 1;
    ASSERT_TRUE(Run({}));
    TMapHeader expected = original;
    expected.ViewerMode = 3;
    expected.Smoothing = 0;
    // Frequency seeds below the fields' least value of 100 are raised to it.
    for (const std::size_t seed : {3u, 4u, 5u})
        expected.PlaneSeeds[seed] = std::max(expected.PlaneSeeds[seed], 100);
    EXPECT_EQ(header, expected);
    EXPECT_EQ(view.MapHeader, expected);
    EXPECT_TRUE(shownMessages.isEmpty()) << shownMessages.join("; ").toStdString();
}

TEST_F(SceneDialog, CancelChangesNothing)
{
    EXPECT_FALSE(Run([](QWidget* shown) { TypeInto(Find(shown, "LightAz"), "300"); }, "CancelBtn"));
    EXPECT_EQ(header, original);
    EXPECT_EQ(view.MapHeader, original);
}

TEST_F(SceneDialog, OpensAndStoresTheProjectionControls)
{
    // VerticalScale 1 and ShortSide 1: heights one to one.
    ASSERT_TRUE(Run([](QWidget* shown) {
        EXPECT_EQ(SpinValue(shown, "LightAlt"), 40);
        EXPECT_EQ(SpinValue(shown, "LightAz"), 135);
        EXPECT_EQ(SpinValue(shown, "ScaleSpinEdit"), 100);
        EXPECT_EQ(SpinValue(shown, "PerspectiveSpinEdit"), 30);
        EXPECT_EQ(SpinValue(shown, "ViewAlt"), 330);
        EXPECT_EQ(SpinValue(shown, "TargetAlt"), 60);
        TypeInto(Find(shown, "LightAlt"), "55");
        TypeInto(Find(shown, "LightAz"), "300");
        TypeInto(Find(shown, "ScaleSpinEdit"), "150");
        TypeInto(Find(shown, "PerspectiveSpinEdit"), "45");
        TypeInto(Find(shown, "ViewAlt"), "2000");
        TypeInto(Find(shown, "TargetAlt"), "101");
    }));
    EXPECT_EQ(header.LightAlt, 55);
    EXPECT_EQ(header.LightAz, 300);
    EXPECT_DOUBLE_EQ(header.VerticalScale, 1.5);
    EXPECT_DOUBLE_EQ(header.ViewAngle, 45);
    // Heights through the height factor of the new scale: 1.5 / 1.
    EXPECT_DOUBLE_EQ(header.CameraPos[2], 3000);
    EXPECT_DOUBLE_EQ(header.TargetPos[2], 151);  // 151.5 truncated
    EXPECT_DOUBLE_EQ(header.CameraPos[0], original.CameraPos[0]);
    EXPECT_DOUBLE_EQ(header.TargetPos[1], original.TargetPos[1]);
}

TEST_F(SceneDialog, CameraHeightsKeepTheirSpinValuesWhenTheScaleChanges)
{
    ASSERT_TRUE(Run([](QWidget* shown) {
        TypeInto(Find(shown, "ScaleSpinEdit"), "200");
        TypeInto(Find(shown, "ViewAlt"), "1000");
    }));
    EXPECT_DOUBLE_EQ(header.CameraPos[2], 2000);
    ASSERT_TRUE(Run([](QWidget* shown) { EXPECT_EQ(SpinValue(shown, "ViewAlt"), 1000); }));
}

TEST_F(SceneDialog, HeightsNotSetOpenAboveTheHighestPoint)
{
    header.CameraPos[2] = -1;
    header.TargetPos[2] = -1;
    ASSERT_TRUE(Run([this](QWidget* shown) {
        EXPECT_EQ(SpinValue(shown, "ViewAlt"), original.MaxHeight + 50);
        EXPECT_EQ(SpinValue(shown, "TargetAlt"), original.MaxHeight + 10);
    }));
    EXPECT_DOUBLE_EQ(header.CameraPos[2], original.MaxHeight + 50);
    EXPECT_DOUBLE_EQ(header.TargetPos[2], original.MaxHeight + 10);
}

TEST_F(SceneDialog, DraggingTheMarkersMovesCameraAndTarget)
{
    TWorldXY camera;
    TWorldXY target;
    ASSERT_TRUE(Run([&](QWidget* shown) {
        const TPositioningGeometry geometry = Geometry(shown, original);
        QWidget* box = Find(shown, "LocPaintBox");
        const TPixel cameraPixel = MarkerPixel(original.CameraPos[0], original.CameraPos[1], geometry, {});
        const TPixel targetPixel = MarkerPixel(original.TargetPos[0], original.TargetPos[1], geometry, {});
        Drag(box, ToPoint(cameraPixel), {60, 70});
        Drag(box, ToPoint(targetPixel), {200, 100});
        // Dragged past the edge: held at the box's edge.
        Drag(box, {200, 100}, {400, -20});
        camera = *WorldPointOf({60, 70}, geometry);
        target = *WorldPointOf({geometry.boxWidth, 0}, geometry);
    }));
    EXPECT_DOUBLE_EQ(header.CameraPos[0], camera.x);
    EXPECT_DOUBLE_EQ(header.CameraPos[1], camera.y);
    EXPECT_DOUBLE_EQ(header.TargetPos[0], target.x);
    EXPECT_DOUBLE_EQ(header.TargetPos[1], target.y);
    EXPECT_DOUBLE_EQ(header.CameraPos[2], original.CameraPos[2]);
}

TEST_F(SceneDialog, TheAngleHandleFiftyPixelsFromTheCameraGivesFortyFiveDegrees)
{
    ASSERT_TRUE(Run([this](QWidget* shown) {
        const TPositioningGeometry geometry = Geometry(shown, original);
        const TPixel camera = MarkerPixel(original.CameraPos[0], original.CameraPos[1], geometry, {});
        const TPixel target = MarkerPixel(original.TargetPos[0], original.TargetPos[1], geometry, {});
        const TPixel handle = ViewMarkerOf(camera, target, 30).handle;
        Drag(Find(shown, "LocPaintBox"), ToPoint(handle), {camera.x + 30, camera.y - 40});
        EXPECT_EQ(SpinValue(shown, "PerspectiveSpinEdit"), 45);
    }));
    EXPECT_DOUBLE_EQ(header.ViewAngle, 45);
    EXPECT_DOUBLE_EQ(header.CameraPos[0], original.CameraPos[0]);
}

TEST_F(SceneDialog, DefaultsPutCameraAndTargetWhereTheirMarkersShowThem)
{
    TWorldXY camera;
    TWorldXY target;
    ASSERT_TRUE(Run([&](QWidget* shown) {
        TypeInto(Find(shown, "ScaleSpinEdit"), "180");
        Click(Find(shown, "SetProjDefaults"));
        EXPECT_EQ(SpinValue(shown, "ScaleSpinEdit"), 100);
        EXPECT_EQ(SpinValue(shown, "PerspectiveSpinEdit"), 30);
        EXPECT_EQ(SpinValue(shown, "ViewAlt"), 1000);
        EXPECT_EQ(SpinValue(shown, "TargetAlt"), 0);
        const TPositioningGeometry geometry = Geometry(shown, original);
        camera = *WorldPointOf({87, 87}, geometry);  // a third of 260
        target = *WorldPointOf({130, 130}, geometry);
    }));
    EXPECT_DOUBLE_EQ(header.VerticalScale, 1);
    EXPECT_DOUBLE_EQ(header.ViewAngle, 30);
    EXPECT_EQ(header.CameraPos, (std::array<double, 3>{camera.x, camera.y, 1000}));
    EXPECT_EQ(header.TargetPos, (std::array<double, 3>{target.x, target.y, 0}));
}

TEST_F(SceneDialog, ThePreviewFollowsEveryChange)
{
    ASSERT_TRUE(Run([this](QWidget* shown) {
        TypeInto(Find(shown, "LightAlt"), "70");
        EXPECT_EQ(preview.PreviewNet().MapHeader.LightAlt, 70);
        TypeInto(Find(shown, "ScaleSpinEdit"), "120");
        EXPECT_DOUBLE_EQ(preview.PreviewNet().MapHeader.VerticalScale, 1.2);
        // The preview keeps its own small grid.
        EXPECT_EQ(preview.PreviewNet().MapHeader.Columns, 20);
        EXPECT_NE(preview.PreviewNet().MapHeader.WorldWidth, original.WorldWidth);
    }));
}

TEST_F(SceneDialog, ShowHintsIsSavedAndSwitchesHintsAtOnce)
{
    ASSERT_TRUE(Run([this](QWidget* shown) {
        auto* check = Find<QCheckBox>(shown, "ShowHints");
        EXPECT_TRUE(check->isChecked());
        Click(check);
        EXPECT_FALSE(hints.Enabled());
    }));
    EXPECT_EQ(settings.ReadInteger(kViewerSettingsKey, "General", "ShowHints"), 0);
}

TEST_F(SceneDialog, HelpOpensTheTopicOfThePageShown)
{
    Run([](QWidget* shown) {
        for (int page = 0; page < 4; ++page) {
            ShowPage(shown, page);
            Click(Find(shown, "HelpBtn"));
        }
    });
    EXPECT_EQ(topics, (std::vector<int>{5, 3, 2, 4}));
}
