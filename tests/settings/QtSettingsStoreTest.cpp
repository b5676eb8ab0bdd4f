#include "platform/settings/QtSettingsStore.h"

#include "model/TerrainSlots.h"

#include <QTemporaryDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace tarn;

TEST(QtSettingsStore, KeepsTextsAndIntegersInOneIniFilePerProgram)
{
    QTemporaryDir root;
    {
        QtSettingsStore store(root.path());
        store.WriteText(kEditorSettingsKey, "Terrains", "TerrainName8", "Heather");
        store.WriteInteger(kEditorSettingsKey, "Terrains", "TerrainColor8", 0x123456);
        store.WriteInteger(kViewerSettingsKey, "General", "Width", 640);
    }
    const QtSettingsStore reopened(root.path());
    EXPECT_EQ(reopened.ReadText(kEditorSettingsKey, "Terrains", "TerrainName8"), "Heather");
    EXPECT_EQ(reopened.ReadInteger(kEditorSettingsKey, "Terrains", "TerrainColor8"), 0x123456);
    EXPECT_EQ(reopened.ReadInteger(kViewerSettingsKey, "General", "Width"), 640);
    EXPECT_EQ(reopened.ReadText(kViewerSettingsKey, "Terrains", "TerrainName8"), std::nullopt);
    EXPECT_TRUE(QFile::exists(root.path() + "/Marrowind/Tarnhollow/2.0.ini"));
    EXPECT_TRUE(QFile::exists(root.path() + "/Marrowind/Glenmarrowscape/3.0.ini"));
}

TEST(QtSettingsStore, NonNumericIntegerReadsAsMissing)
{
    QTemporaryDir root;
    QtSettingsStore store(root.path());
    store.WriteText(kEditorSettingsKey, "Terrains", "TerrainColor3", "blue");
    EXPECT_EQ(store.ReadInteger(kEditorSettingsKey, "Terrains", "TerrainColor3"), std::nullopt);
}

TEST(QtSettingsStore, SavedTerrainDefaultsComeBackForTheNextMap)
{
    QTemporaryDir root;
    QtSettingsStore store(root.path());
    EXPECT_EQ(ReadTerrainDefaults(store), DefaultTerrainPalette());

    TTerrainPalette palette = DefaultTerrainPalette();
    palette.names[9] = "Heather, moor";
    palette.colours[2] = 0x00AA00;
    SaveTerrainDefaults(store, palette);
    EXPECT_EQ(ReadTerrainDefaults(QtSettingsStore(root.path())), palette);
}
