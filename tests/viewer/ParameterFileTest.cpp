// The viewer's parameter file: every key written comes back, missing keys
// take their defaults, and the reader finds keys by what a line contains.
#include "model/Errors.h"
#include "model/ParameterFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

using namespace tarn;

namespace {

constexpr int kMapWidth = 260;
constexpr int kMapHeight = 200;

// Different values in every field.
TParameterValues Scrambled(unsigned seed)
{
    std::mt19937 random(seed);
    const auto number = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const auto colour = [&] { return static_cast<TColorRef>(number(0, 0xFFFFFF)); };
    TParameterValues v;
    for (int* field : {&v.CameraX, &v.CameraY, &v.CameraZ, &v.TargetX, &v.TargetY, &v.Perspective, &v.Scale,
                       &v.LightAz, &v.LightAlt, &v.TreeLine, &v.SnowLine, &v.WaterTurbulance, &v.TreeDamping,
                       &v.SnowDamping, &v.CliffAngle, &v.ValleyAngle, &v.ShadingDensity, &v.ShadingContrast,
                       &v.LightDiffusion, &v.MistLevel})
        *field = number(-5000, 40000);
    for (bool* flag : {&v.CliffEffect, &v.CliffOverride, &v.ValleyEffect, &v.ValleyOverride})
        *flag = number(0, 1) == 1;
    for (int slot = 0; slot < kTerrainSlots; ++slot) {
        v.TerrainColours[slot] = colour();
        v.Fract[slot] = number(0, 9999);
        v.Specularity[slot] = static_cast<std::int8_t>(number(-128, 127));
        v.Shininess[slot] = static_cast<std::int8_t>(number(-128, 127));
        v.Emission[slot] = static_cast<std::int8_t>(number(-128, 127));
        if (slot >= 8)
            v.TerrainNames[slot] = "Name " + std::to_string(number(0, 999));
    }
    for (auto& c : v.VistaColours)
        c = colour();
    for (auto& c : v.Gradient)
        c = colour();
    v.Sky = colour();
    v.Mist = colour();
    v.Ground = colour();
    return v;
}

TParameterValues Read(const std::string& text, TParameterValues values = Scrambled(99))
{
    ReadParameterText(text, kMapWidth, kMapHeight, values);
    return values;
}

}  // namespace

TEST(ParameterFile, EveryKeyWrittenIsReadBack)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const TParameterValues written = Scrambled(seed);
        EXPECT_EQ(Read(FormatParameterText(written)), written) << seed;
    }
}

TEST(ParameterFile, ANegativeColourWrittenBackReadsTheSame)
{
    const TParameterValues read = Read("[Gradients Section]\nGradient14=-5701800\n");
    EXPECT_EQ(read.Gradient[14], static_cast<TColorRef>(-5701800));
    EXPECT_EQ(Read(FormatParameterText(read)), read);
}

TEST(ParameterFile, IsWrittenAsSectionsOfKeysInOrder)
{
    TParameterValues values;
    values.CameraX = 87;
    values.CliffEffect = true;
    values.Specularity[0] = -3;
    const std::string text = FormatParameterText(values);
    EXPECT_EQ(text.substr(0, 50), "[Projection Parameters]\nCameraX=87\nCameraY=0\nCamer");
    for (const char* part : {"\n\n[Terrain Colours]\nStandard=0\nWater=0\n", "Color23=0\nColorName8=\n",
                             "ColorName23=\nFract0=0\n", "Fract23=0\nSpecularity0=-3\nShininess0=0\nEmission0=0\n",
                             "\n\n[Vista Colours]\nTree1=0\n", "SnowDamping=0\nCliffEffect=1\nCliffOverride=0\n",
                             "\n\n[Gradients Section]\nGradient0=0\n",
                             "\n\n[Environment Section]\nSky=0\nMist=0\nGround=0\nShadingDensity=0\n"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
}

TEST(ParameterFile, MissingKeysTakeTheirDefaults)
{
    const TParameterValues values = Read("");
    EXPECT_EQ(values.CameraX, 87);  // round(260 / 3)
    EXPECT_EQ(values.CameraY, 67);  // round(200 / 3)
    EXPECT_EQ(values.TargetX, 130);
    EXPECT_EQ(values.TargetY, 100);
    EXPECT_EQ(values.CameraZ, 100);
    EXPECT_EQ(values.Perspective, 30);
    EXPECT_EQ(values.Scale, 100);
    EXPECT_EQ(values.LightAz, 0);
    EXPECT_EQ(values.LightAlt, 60);
    EXPECT_EQ(values.TreeLine, 30);
    EXPECT_EQ(values.SnowLine, 70);
    EXPECT_EQ(values.CliffAngle, 70);
    EXPECT_EQ(values.ValleyAngle, 30);
    TParameterValues zeros;
    zeros.CameraX = 87;
    zeros.CameraY = 67;
    zeros.TargetX = 130;
    zeros.TargetY = 100;
    EXPECT_EQ(values, zeros);  // everything else 0, empty or false

    // One key given, the rest of its section still defaults.
    const TParameterValues one = Read("[Vista Colours]\nSnowLine=90\n");
    EXPECT_EQ(one.SnowLine, 90);
    EXPECT_EQ(one.TreeLine, 30);
}

TEST(ParameterFile, KeysAreFoundByWhatALineContainsWithinTheirSection)
{
    const TParameterValues values = Read(
        "; comment [Projection Parameters] here\n"
        "  my CameraX = 12\n"
        "camerax=99\n"  // case matters
        "[Terrain Colours]\n"
        "Fract10=7\n"  // not Fract1
        "Fract1=3\n"
        "CameraY=55\n"  // another section's key
        "[Environment Section]\n"
        "MistLevel=20\n"
        "Mist=0x00FF00\n");
    EXPECT_EQ(values.CameraX, 12);
    EXPECT_EQ(values.CameraY, 67);
    EXPECT_EQ(values.Fract[1], 3);
    EXPECT_EQ(values.Fract[10], 7);
    EXPECT_EQ(values.MistLevel, 20);
    EXPECT_EQ(values.Mist, 0x00FF00u);
}

TEST(ParameterFile, UnreadableNumbersTakeTheDefault)
{
    const TParameterValues values = Read(
        "[Projection Parameters]\nCameraZ=12abc\nScale=99999999999\nPerspective=\nLightAz=-0x10\nLightAlt=0x\n"
        "[Environment Section]\nSky=0xFFFFFFFF\nGround=0x100000000\n");
    EXPECT_EQ(values.CameraZ, 100);
    EXPECT_EQ(values.Scale, 100);
    EXPECT_EQ(values.Perspective, 30);
    EXPECT_EQ(values.LightAz, -16);
    EXPECT_EQ(values.LightAlt, 60);
    EXPECT_EQ(values.Sky, 0xFFFFFFFFu);
    EXPECT_EQ(values.Ground, 0u);
}

TEST(ParameterFile, AMaterialOutOfRangeStopsTheReadingKeepingWhatWasRead)
{
    TParameterValues before = Scrambled(5);
    TParameterValues values = before;
    try {
        ReadParameterText("[Terrain Colours]\nFract0=12\nSpecularity0=5\nShininess0=200\nEmission0=9\n"
                          "[Environment Section]\nSky=7\n",
                          kMapWidth, kMapHeight, values);
        FAIL() << "read";
    } catch (const ETarnError& error) {
        EXPECT_EQ(error.code(), "E0141");
    }
    EXPECT_EQ(values.Fract[0], 12);
    EXPECT_EQ(values.Specularity[0], 5);
    EXPECT_EQ(values.Shininess[0], before.Shininess[0]);
    EXPECT_EQ(values.Emission[0], before.Emission[0]);
    EXPECT_EQ(values.Sky, before.Sky);
    EXPECT_EQ(values.CameraX, 87);  // sections before were read
}

TEST(ParameterFile, TheSampleFileReadsAsWrittenByHand)
{
    TParameterValues values;
    ReadParameterFile(std::filesystem::path(TARN_TEST_DATA) / "scene.cfg", kMapWidth, kMapHeight, values);
    EXPECT_EQ(values.CameraZ, 1000);
    EXPECT_EQ(values.LightAz, 135);
    EXPECT_EQ(values.TerrainColours[1], 8476991u);
    EXPECT_EQ(values.TerrainNames[23], "_user16");
    EXPECT_EQ(values.Fract[3], 200);
    EXPECT_EQ(values.Shininess[17], 64);
    EXPECT_TRUE(values.CliffEffect);
    EXPECT_EQ(values.Sky, 15451296u);
    EXPECT_EQ(values.MistLevel, 5000);
    EXPECT_EQ(FormatParameterText(values).size(), std::filesystem::file_size(std::filesystem::path(TARN_TEST_DATA) / "scene.cfg"));
}

TEST(ParameterFile, FileThatCannotBeWrittenOrReadIsReported)
{
    const auto folder = std::filesystem::temp_directory_path() / "tarn-no-such-folder" / "deeper";
    try {
        WriteParameterFile(folder / "scene.cfg", TParameterValues{});
        FAIL() << "written";
    } catch (const ETarnError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + (folder / "scene.cfg").string());
    }
    TParameterValues values;
    EXPECT_THROW(ReadParameterFile(folder / "scene.cfg", kMapWidth, kMapHeight, values), ETarnError);
}
