// The Drawing page and its scheme pages: every control into the header,
// the bars' texts, the overlay messages, the gradient editor, and the Vista
// swatches and lines.
#include "SceneDialogFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>

using namespace tarn;
using namespace tarn::test;

namespace {

enum SchemePage { General, Background, Water, Overlay, Gradients, Vista };
constexpr int kDrawingPage = 1;

QString Text(QWidget* shown, const char* name)
{
    return Find<QLineEdit>(shown, name)->text();
}

// Picks an entry of a drop-down list with the keyboard.
void Choose(QWidget* shown, const char* name, const QString& entry)
{
    auto* box = Find<QComboBox>(shown, name);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int step = 0; step < box->count() && box->currentText() != entry; ++step)
        QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->currentText(), entry);
}

void PressKey(QWidget* shown, const char* name, Qt::Key key)
{
    QWidget* control = Find(shown, name);
    control->setFocus();
    QTest::keyClick(control, key);
}

}  // namespace

TEST_F(SceneDialog, SchemesOpenAndCloseByName)
{
    header.DrawingScheme = kSchemePlain;
    ASSERT_TRUE(Run([](QWidget* shown) { EXPECT_EQ(Find<QComboBox>(shown, "SchemesBox")->currentText(), "Overlay"); }));
    EXPECT_EQ(header.DrawingScheme, kSchemeOverlay);
    ASSERT_TRUE(Run([](QWidget* shown) {
        ShowPage(shown, kDrawingPage);
        Choose(shown, "SchemesBox", "Vista");
    }));
    EXPECT_EQ(header.DrawingScheme, kSchemeVista);
}

TEST_F(SceneDialog, GeneralSchemeControlsGoIntoTheHeader)
{
    header.MistLevel = 5;  // below the bar: opens as no mist
    ASSERT_TRUE(Run([](QWidget* shown) {
        ShowPage(shown, kDrawingPage, General);
        EXPECT_EQ(Find<QSlider>(shown, "MistLevel")->value(), 5000);
        EXPECT_EQ(Text(shown, "MistEdit"), "0");
        EXPECT_EQ(Text(shown, "ShadingDensityEdit"), "50%");
        Click(Find(shown, "DrawGridCheck"));
        TypeInto(Find(shown, "FractalDepthEdit"), "5");
        TypeInto(Find(shown, "RPlaneSeed"), "1234", false);
        TypeInto(Find(shown, "BFreqSeed"), "4321", false);
        PressKey(shown, "ShadingDensity", Qt::Key_End);
        PressKey(shown, "ShadingContrast", Qt::Key_Home);
        PressKey(shown, "LightDiffusion", Qt::Key_PageUp);
        PressKey(shown, "MistLevel", Qt::Key_Home);
        EXPECT_EQ(Text(shown, "ShadingDensityEdit"), "100%");
        EXPECT_EQ(Text(shown, "ShadingContrastEdit"), "-100%");
        EXPECT_EQ(Text(shown, "MistEdit"), "4990");
    }));
    EXPECT_EQ(header.GridMode, original.GridMode == 2 ? 0 : 2);
    EXPECT_EQ(header.FractalDepth, 5);
    EXPECT_EQ(header.PlaneSeeds[0], 1234);
    EXPECT_EQ(header.PlaneSeeds[5], 4321);
    EXPECT_EQ(header.ShadingDensity, 100);
    EXPECT_EQ(header.ShadingContrast, 0);
    EXPECT_EQ(header.ShadingChanged, 1);
    EXPECT_EQ(header.LightDiffusion, original.LightDiffusion + 10);
    EXPECT_EQ(header.MistLevel, 10);
}

TEST_F(SceneDialog, ShadingUnchangedLeavesTheShadingFlagAlone)
{
    header.ShadingChanged = 0;
    ASSERT_TRUE(Run([](QWidget* shown) {
        ShowPage(shown, kDrawingPage, General);
        PressKey(shown, "LightDiffusion", Qt::Key_End);
    }));
    EXPECT_EQ(header.ShadingChanged, 0);
}

TEST_F(SceneDialog, BackgroundTypesAndColoursGoIntoTheHeader)
{
    header.BackgroundType = kTexturedBackgroundOld;
    settings.WriteText(kViewerSettingsKey, "Drawing", "SkyFile", "clouds.bmp");
    ASSERT_TRUE(Run([](QWidget* shown) {
        ShowPage(shown, kDrawingPage, Background);
        EXPECT_TRUE(Find<QRadioButton>(shown, "SkyAndGroundRadio")->isChecked());
        EXPECT_EQ(Text(shown, "SkyFile"), "clouds.bmp");
        TypeInto(Find(shown, "SkyFile"), "sky.bmp", false);
    }));
    EXPECT_EQ(header.BackgroundType, kTexturedBackground);
    EXPECT_EQ(settings.ReadText(kViewerSettingsKey, "Drawing", "SkyFile"), "sky.bmp");

    ASSERT_TRUE(Run([](QWidget* shown) {
        ShowPage(shown, kDrawingPage, Background);
        Click(Find(shown, "GraduatedRadio"));
        WhenModal([](QWidget* colours) { ChooseColour(colours, "#102030"); });
        Click(Find(shown, "SetMistButton"));
        WhenModal([](QWidget* colours) { ChooseColour(colours, "#ff0000"); });
        Click(Find(shown, "SetLightButton"));
    }));
    EXPECT_EQ(header.BackgroundType, kGraduatedBackground);
    EXPECT_EQ(header.MistColour, RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(header.LightColour, RGB(255, 0, 0));
    EXPECT_EQ(header.SkyColour, original.SkyColour);
}

TEST_F(SceneDialog, WaterControlsGoIntoTheHeader)
{
    ASSERT_TRUE(Run([](QWidget* shown) {
        ShowPage(shown, kDrawingPage, Water);
        TypeInto(Find(shown, "WaveHeightSpinEdit"), "250");
        TypeInto(Find(shown, "WaterWavelengthSpinEdit"), "40");
        TypeInto(Find(shown, "WaterTurbulanceSpinEdit"), "33");
        TypeInto(Find(shown, "WaterEdgeSpinEdit"), "60");
        TypeInto(Find(shown, "GPlaneSeed"), "77", false);
    }));
    EXPECT_EQ(header.WaveHeight, 250);
    EXPECT_EQ(header.WaveLength, 40);
    EXPECT_EQ(header.WaterTurbulance, 33);
    EXPECT_EQ(header.WaterEdge, 60);
    EXPECT_EQ(header.PlaneSeeds[1], 77);
}

TEST_F(SceneDialog, OverlaySchemeWithoutItsBitmapIsReportedAndStillStored)
{
    const QString longName = QString("o").repeated(90) + ".bmp";
    view.OverlayReload = false;
    ASSERT_TRUE(Run([&longName](QWidget* shown) {
        ShowPage(shown, kDrawingPage, Overlay);
        Choose(shown, "SchemesBox", "Overlay");
        Click(Find(shown, "PlotOverlayCheck"));
        TypeInto(Find(shown, "OverlayFile"), longName, false);
    }));
    EXPECT_EQ(shownMessages, QStringList{"E0025 Overlay file not found"});
    EXPECT_EQ(header.DrawingScheme, kSchemeOverlay);
    EXPECT_EQ(header.OverlayFile.text(), longName.left(80).toStdString());
    EXPECT_EQ(header.PlotOverlayObjects, 1);
    EXPECT_TRUE(view.OverlayReload);

    shownMessages.clear();
    ASSERT_TRUE(Run([](QWidget* shown) {
        ShowPage(shown, kDrawingPage, Overlay);
        TypeInto(Find(shown, "OverlayFile"), "", false);
        QTest::keyClick(Find(shown, "OverlayFile"), Qt::Key_Delete);
    }));
    EXPECT_EQ(shownMessages, QStringList{"E0026 No overlay file was selected"});
    EXPECT_EQ(header.OverlayFile.text(), "");
}

TEST_F(SceneDialog, GradientsFollowTheProfileEditor)
{
    ASSERT_TRUE(Run([](QWidget* shown) {
        ShowPage(shown, kDrawingPage, Gradients);
        Click(Find(shown, "DrawTerrainsCheckBox"));
        Choose(shown, "GradientTypeComboBox", "Mono");
    }));
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(header.GradientColours[i], 0xCCCCCCu) << i;
    EXPECT_EQ(header.GradientColours[19], 0u);
    EXPECT_EQ(header.DrawTerrains, original.DrawTerrains ? 0 : 1);
}

TEST_F(SceneDialog, VistaSwatchesSpreadBetweenTwoClicksAndUncheckTheBox)
{
    header.VistaColours.fill(0);
    header.VistaColours[11] = RGB(220, 110, 0);
    ASSERT_TRUE(Run([](QWidget* shown) {
        ShowPage(shown, kDrawingPage, Vista);
        auto* spread = Find<QCheckBox>(shown, "SpreadCheck");
        Click(spread);
        Click(Find(shown, "Tree2"));  // a neighbour of Tree1: nothing spreads
        EXPECT_TRUE(spread->isChecked());
        Click(Find(shown, "Tree1"));
        Click(Find(shown, "Snow4"));
        EXPECT_FALSE(spread->isChecked());
    }));
    for (int j = 1; j <= 10; ++j)
        EXPECT_EQ(header.VistaColours[j], RGB(20 * j, 10 * j, 0)) << j;
}

TEST_F(SceneDialog, VistaColourLinesAndEffectsGoIntoTheHeader)
{
    ASSERT_TRUE(Run([](QWidget* shown) {
        ShowPage(shown, kDrawingPage, Vista);
        Click(Find(shown, "Bare3"));
        WhenModal([](QWidget* colours) { ChooseColour(colours, "#0000ff"); });
        Click(Find(shown, "VistaColourBut"));
        TypeInto(Find(shown, "SnowLine"), "75");
        TypeInto(Find(shown, "TreeLine"), "80");
        EXPECT_EQ(Find<QSpinBox>(shown, "TreeLine")->value(), 74);
        TypeInto(Find(shown, "TreeDampingSpinEdit"), "12");
        TypeInto(Find(shown, "SnowDampingSpinEdit"), "34");
        TypeInto(Find(shown, "CliffAngleSpinEdit"), "56");
        TypeInto(Find(shown, "ValleyAngleSpinEdit"), "78");
        for (const char* check : {"CliffEffectCheck", "ValleyEffectCheck", "CliffOverrideCheck", "ValleyOverrideCheck"})
            Click(Find(shown, check));
    }));
    EXPECT_EQ(header.VistaColours[6], RGB(0, 0, 255));
    EXPECT_EQ(header.TreeLine, 74);
    EXPECT_EQ(header.SnowLine, 75);
    EXPECT_EQ(header.TreeDamping, 12);
    EXPECT_EQ(header.SnowDamping, 34);
    EXPECT_EQ(header.CliffAngle, 56);
    EXPECT_EQ(header.ValleyAngle, 78);
    EXPECT_EQ(header.CliffEffect, original.CliffEffect ? 0 : 1);
    EXPECT_EQ(header.ValleyOverride, original.ValleyOverride ? 0 : 1);
}
