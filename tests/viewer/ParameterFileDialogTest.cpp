// Load and Save of the parameter file from the dialog: what is saved comes
// back, a file lacking keys gives the defaults, a bad value stops reading.
#include "SceneDialogFixture.h"

#include <QSpinBox>

#include <fstream>

using namespace tarn;
using namespace tarn::test;

namespace {

// The header fields the parameter file holds.
void ExpectSameFileFields(const TMapHeader& a, const TMapHeader& b)
{
    EXPECT_EQ(a.LightAlt, b.LightAlt);
    EXPECT_EQ(a.LightAz, b.LightAz);
    EXPECT_DOUBLE_EQ(a.VerticalScale, b.VerticalScale);
    EXPECT_DOUBLE_EQ(a.ViewAngle, b.ViewAngle);
    EXPECT_DOUBLE_EQ(a.CameraPos[0], b.CameraPos[0]);
    EXPECT_DOUBLE_EQ(a.CameraPos[1], b.CameraPos[1]);
    EXPECT_DOUBLE_EQ(a.CameraPos[2], b.CameraPos[2]);
    EXPECT_DOUBLE_EQ(a.TargetPos[0], b.TargetPos[0]);
    EXPECT_DOUBLE_EQ(a.TargetPos[1], b.TargetPos[1]);
    EXPECT_EQ(a.TerrainColours, b.TerrainColours);
    for (int slot = 8; slot < kTerrainSlots; ++slot)
        EXPECT_EQ(a.TerrainNames[slot], b.TerrainNames[slot]) << slot;
    EXPECT_EQ(a.FractValues, b.FractValues);
    EXPECT_EQ(a.Specularity, b.Specularity);
    EXPECT_EQ(a.Shininess, b.Shininess);
    EXPECT_EQ(a.Emission, b.Emission);
    EXPECT_EQ(a.VistaColours, b.VistaColours);
    EXPECT_EQ(a.TreeLine, b.TreeLine);
    EXPECT_EQ(a.SnowLine, b.SnowLine);
    EXPECT_EQ(a.WaterTurbulance, b.WaterTurbulance);
    EXPECT_EQ(a.TreeDamping, b.TreeDamping);
    EXPECT_EQ(a.SnowDamping, b.SnowDamping);
    EXPECT_EQ(a.CliffEffect, b.CliffEffect);
    EXPECT_EQ(a.CliffOverride, b.CliffOverride);
    EXPECT_EQ(a.CliffAngle, b.CliffAngle);
    EXPECT_EQ(a.ValleyEffect, b.ValleyEffect);
    EXPECT_EQ(a.ValleyOverride, b.ValleyOverride);
    EXPECT_EQ(a.ValleyAngle, b.ValleyAngle);
    EXPECT_EQ(a.GradientColours, b.GradientColours);
    EXPECT_EQ(a.SkyColour, b.SkyColour);
    EXPECT_EQ(a.MistColour, b.MistColour);
    EXPECT_EQ(a.GroundColour, b.GroundColour);
    EXPECT_EQ(a.ShadingDensity, b.ShadingDensity);
    EXPECT_EQ(a.ShadingContrast, b.ShadingContrast);
    EXPECT_EQ(a.LightDiffusion, b.LightDiffusion);
    EXPECT_EQ(a.MistLevel, b.MistLevel);
}

void Scramble(TMapHeader& h, int seed)
{
    h.LightAlt = static_cast<std::int16_t>(10 + seed);
    h.LightAz = static_cast<std::int16_t>(100 + seed);
    h.VerticalScale = 1.0 + seed * 0.1;
    h.ViewAngle = 20 + seed;
    for (int slot = 0; slot < kTerrainSlots; ++slot) {
        h.TerrainColours[slot] = RGB(slot * 10, seed * 20, 7);
        h.FractValues[slot] = static_cast<std::int16_t>(slot * 3 + seed);
        h.Specularity[slot] = static_cast<std::int8_t>(slot + seed);
        h.Shininess[slot] = static_cast<std::int8_t>(2 * slot + seed);
        h.Emission[slot] = static_cast<std::int8_t>(100 - slot - seed);
    }
    h.TerrainNames[15].setText("Name " + std::to_string(seed));
    for (int i = 0; i < kVistaEntries; ++i)
        h.VistaColours[i] = RGB(i * 20, seed, 99);
    for (int i = 0; i < kGradientEntries; ++i)
        h.GradientColours[i] = RGB(i * 10, seed, 3);
    h.TreeLine = static_cast<std::uint8_t>(20 + seed);
    h.SnowLine = static_cast<std::uint8_t>(60 + seed);
    h.WaterTurbulance = static_cast<std::int16_t>(seed + 5);
    h.TreeDamping = static_cast<std::uint8_t>(seed + 6);
    h.SnowDamping = static_cast<std::uint8_t>(seed + 7);
    h.CliffEffect = static_cast<std::uint8_t>(seed % 2);
    h.ValleyOverride = static_cast<std::uint8_t>(1 - seed % 2);
    h.CliffAngle = static_cast<std::uint8_t>(seed + 40);
    h.ValleyAngle = static_cast<std::uint8_t>(seed + 41);
    h.SkyColour = RGB(1, seed, 2);
    h.MistColour = RGB(3, seed, 4);
    h.GroundColour = RGB(5, seed, 6);
    h.ShadingDensity = static_cast<std::uint8_t>(seed + 30);
    h.ShadingContrast = static_cast<std::uint8_t>(seed + 31);
    h.LightDiffusion = static_cast<std::uint8_t>(seed + 32);
    h.MistLevel = static_cast<std::int16_t>(seed * 100 + 20);
}

}  // namespace

TEST_F(SceneDialog, SavedParameterFileLoadsBackEveryStoredKey)
{
    const auto file = folder / "scene.cfg";
    Scramble(header, 1);
    ASSERT_TRUE(Run([&file](QWidget* shown) {
        // The file keeps marker pixels; a click on the map takes the world
        // positions from the markers as loading the file will.
        QTest::mouseClick(Find(shown, "LocPaintBox"), Qt::LeftButton, {}, QPoint(1, 1));
        WhenModal([&file](QWidget* files) { ChooseFile(files, QString::fromStdString(file.string())); });
        Click(Find(shown, "Save"));
    }));
    const TMapHeader saved = header;
    ASSERT_TRUE(std::filesystem::exists(file));

    Scramble(header, 2);
    header.CameraPos = {123, 456, 789};
    ASSERT_TRUE(Run([&file](QWidget* shown) {
        WhenModal([&file](QWidget* files) { ChooseFile(files, QString::fromStdString(file.string())); });
        Click(Find(shown, "Load"));
    }));
    ExpectSameFileFields(header, saved);
    EXPECT_TRUE(shownMessages.isEmpty()) << shownMessages.join("; ").toStdString();
}

TEST_F(SceneDialog, AParameterFileLackingKeysGivesTheDefaults)
{
    const auto file = folder / "empty.cfg";
    std::ofstream(file) << "[Projection Parameters]\n";
    TWorldXY camera;
    ASSERT_TRUE(Run([&](QWidget* shown) {
        dialog->LoadParameterFile(QString::fromStdString(file.string()));
        EXPECT_EQ(Find<QSpinBox>(shown, "PerspectiveSpinEdit")->value(), 30);
        camera = *WorldPointOf({87, 87}, Geometry(shown, original));
    }));
    EXPECT_EQ(header.LightAlt, 60);
    EXPECT_EQ(header.LightAz, 0);
    EXPECT_DOUBLE_EQ(header.ViewAngle, 30);
    EXPECT_DOUBLE_EQ(header.VerticalScale, 1);
    EXPECT_DOUBLE_EQ(header.CameraPos[0], camera.x);
    EXPECT_DOUBLE_EQ(header.CameraPos[1], camera.y);
    EXPECT_DOUBLE_EQ(header.CameraPos[2], 100);
    EXPECT_EQ(header.TreeLine, 30);
    EXPECT_EQ(header.SnowLine, 70);
    EXPECT_EQ(header.CliffAngle, 70);
    EXPECT_EQ(header.ValleyAngle, 30);
    EXPECT_EQ(header.TerrainColours[4], 0u);
    EXPECT_EQ(header.TerrainNames[8].text(), "");
    // What the file does not hold stays as it was.
    EXPECT_DOUBLE_EQ(header.TargetPos[2], original.TargetPos[2]);
    EXPECT_EQ(header.DrawingScheme, original.DrawingScheme);
}

TEST_F(SceneDialog, AMaterialOutOfRangeStopsLoadingWithItsMessage)
{
    const auto file = folder / "bad.cfg";
    std::ofstream(file) << "[Projection Parameters]\nLightAlt=33\n[Terrain Colours]\nSpecularity0=9\nShininess0=300\n"
                           "[Environment Section]\nShadingDensity=1\n";
    ASSERT_TRUE(Run([&](QWidget*) { dialog->LoadParameterFile(QString::fromStdString(file.string())); }));
    ASSERT_EQ(shownMessages.size(), 1);
    EXPECT_TRUE(shownMessages.first().startsWith("E0141")) << shownMessages.first().toStdString();
    EXPECT_EQ(header.LightAlt, 33);
    EXPECT_EQ(header.Specularity[0], 9);
    EXPECT_EQ(header.Shininess[0], original.Shininess[0]);
    EXPECT_EQ(header.ShadingDensity, original.ShadingDensity);
}
