#include "model/Errors.h"
#include "model/SettingsStore.h"
#include "model/TerrainConfig.h"
#include "model/TerrainSlots.h"
#include "TestMaps.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace tarn;
using namespace tarn::test;

TEST(TerrainSlots, AnEmptySettingsStoreGivesTheStandardPalette)
{
    const MemorySettingsStore empty;
    const auto palette = ReadTerrainDefaults(empty);
    EXPECT_EQ(palette.names[0], "Standard");
    EXPECT_EQ(palette.names[5], "Rock");
    EXPECT_EQ(palette.names[8], "_user01");
    EXPECT_EQ(palette.names[23], "_user16");
    EXPECT_EQ(palette.colours[1], 8476991u);
    EXPECT_EQ(palette.colours[7], 14671839u);
    EXPECT_EQ(palette.colours[15], 8421504u);
    EXPECT_EQ(StandardTerrainCaption(2), "Forest, Wood");
}

TEST(TerrainSlots, SavedDefaultsGiveTheNextNewMapTheirPalette)
{
    MemorySettingsStore store;
    TTerrainPalette palette = DefaultTerrainPalette();
    palette.names[12] = "Heather";
    palette.colours[12] = RGB(120, 60, 140);
    SaveTerrainDefaults(store, palette);
    EXPECT_EQ(store.ReadText(kEditorSettingsKey, "Terrains", "TerrainName12"), "Heather");
    EXPECT_EQ(store.ReadInteger(kEditorSettingsKey, "Terrains", "TerrainColor12"), RGB(120, 60, 140));

    TNet net;
    CreateMap(net, {MapUnits::Metric, 20, 20, 10}, ReadTerrainDefaults(store));
    EXPECT_EQ(net.MapHeader.TerrainNames[12].text(), "Heather");
    EXPECT_EQ(net.MapHeader.TerrainColours[12], RGB(120, 60, 140));
    EXPECT_EQ(TerrainPaletteOf(net.MapHeader), palette);
}

TEST(TerrainSlots, MissingOrUnreadableStoreValuesFallBackOneByOne)
{
    MemorySettingsStore store;
    store.WriteText(kEditorSettingsKey, "Terrains", "TerrainName3", "Houses");
    store.WriteText(kEditorSettingsKey, "Terrains", "TerrainColor3", "not a number");
    TMapHeader header;
    LoadTerrainDefaults(header, store);
    EXPECT_EQ(header.TerrainNames[3].text(), "Houses");
    EXPECT_EQ(header.TerrainColours[3], 16512u);
    EXPECT_EQ(header.TerrainNames[4].text(), "Road");
}

TEST(TerrainSlots, NamesLongerThanThirtyCharactersAreCut)
{
    TTerrainPalette palette = DefaultTerrainPalette();
    palette.names[9] = std::string(45, 'n');
    TMapHeader header;
    ApplyTerrainPalette(header, palette);
    EXPECT_EQ(header.TerrainNames[9].text(), std::string(30, 'n'));
    EXPECT_EQ(header.TerrainNames[9].bytes()[30], 0);
}

// A palette holds UTF-8; the header holds one Western code page byte per
// character, so a name is cut at a character and never inside one.
TEST(TerrainSlots, NamesAreStoredInTheWesternCodePageAndCutAtACharacter)
{
    TTerrainPalette palette = DefaultTerrainPalette();
    palette.names[8] = "G\xC3\xA4rten";  // Gärten
    std::string accented;
    for (int i = 0; i < 31; ++i)
        accented += "\xC3\xA9";  // é
    palette.names[9] = accented;
    TMapHeader header;
    ApplyTerrainPalette(header, palette);
    EXPECT_EQ(header.TerrainNames[8].text(), "G\xE4rten");
    EXPECT_EQ(header.TerrainNames[9].text(), std::string(30, '\xE9'));

    const TTerrainPalette back = TerrainPaletteOf(header);
    EXPECT_EQ(back.names[8], "G\xC3\xA4rten");
    EXPECT_EQ(back.names[9], accented.substr(0, 60));
    EXPECT_EQ(back.names[2], "Forest");
}

TEST(TerrainConfig, WritesTheKeysInOrderAndReadsThemBack)
{
    TTerrainPalette palette = DefaultTerrainPalette();
    palette.colours[5] = 123;
    palette.names[8] = "Bracken";
    const std::string text = FormatTerrainConfig(palette);
    EXPECT_EQ(text.rfind("[Terrain Colours]\nStandard=16777215\nWater=8476991\n", 0), 0u) << text;
    EXPECT_NE(text.find("\nRocks=123\n"), std::string::npos);
    EXPECT_LT(text.find("Color23="), text.find("ColorName8=Bracken"));
    EXPECT_EQ(ParseTerrainConfig(text), palette);
}

TEST(TerrainConfig, MissingKeysGiveBlackAndEmptyNames)
{
    std::string text = FormatTerrainConfig(DefaultTerrainPalette());
    const auto colour12 = text.find("Color12=");
    text.erase(colour12, text.find('\n', colour12) - colour12 + 1);
    const auto name9 = text.find("ColorName9=");
    text.erase(name9, text.find('\n', name9) - name9 + 1);
    const auto palette = ParseTerrainConfig(text);
    EXPECT_EQ(palette.colours[12], 0u);
    EXPECT_EQ(palette.colours[13], 8421504u);
    EXPECT_EQ(palette.names[9], "");
    EXPECT_EQ(palette.names[10], "_user03");
    EXPECT_EQ(palette.names[2], "Forest");  // standard names are not in the file
}

TEST(TerrainConfig, ToleratesWindowsLineEndsBlanksAndOtherSections)
{
    const auto palette = ParseTerrainConfig(
        "; palette\r\n[Other]\r\nWater=1\r\n[ Terrain Colours ]\r\n Water = 255 \r\nColorName8=Moss\r\nColor80=5\r\n");
    EXPECT_EQ(palette.colours[1], 255u);
    EXPECT_EQ(palette.names[8], "Moss");
    EXPECT_EQ(palette.colours[8], 0u);  // "Color80" is not "Color8"
    EXPECT_EQ(palette.colours[0], 0u);
}

TEST(TerrainConfig, SectionAndKeyNamesMatchWhateverTheirCase)
{
    const auto palette = ParseTerrainConfig("[terrain colours]\nwater=255\nCOLOR12=7\ncolorname8=Moss\n"
                                            "[TERRAIN COLOURS]\nRocks=9\n");
    EXPECT_EQ(palette.colours[1], 255u);
    EXPECT_EQ(palette.colours[12], 7u);
    EXPECT_EQ(palette.names[8], "Moss");
    EXPECT_EQ(palette.colours[5], 9u);  // a section named again goes on
}

TEST(TerrainConfig, FilesRoundTripAndUnreadableFilesAreReported)
{
    const auto path = std::filesystem::temp_directory_path() / ("tarn-palette-" + std::to_string(::getpid()) + ".cfg");
    TTerrainPalette palette = DefaultTerrainPalette();
    palette.names[20] = "Scree";
    WriteTerrainConfig(path, palette);
    EXPECT_EQ(ReadTerrainConfig(path), palette);
    std::filesystem::remove(path);
    try {
        ReadTerrainConfig(path);
        FAIL();
    } catch (const ETarnError& error) {
        EXPECT_EQ(error.code(), "E0062");
    }
    EXPECT_THROW(WriteTerrainConfig(path.parent_path() / "no such folder" / "x.cfg", palette), ETarnError);
}
