#include "editor/ColourSet.h"
#include "editor/QtColour.h"
#include "editor/Shape.h"
#include "model/SettingsStore.h"
#include "model/TerrainConfig.h"
#include "tests/common/QtPrinters.h"

#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>

namespace tarn {
namespace {

class ColourSettingsTest : public ::testing::Test {
protected:
    MemorySettingsStore store;
    TColourSettingsDlg dialog{store};
    QTemporaryDir folder;
};

TEST_F(ColourSettingsTest, ShowsThePaletteItIsGiven)
{
    TTerrainPalette palette = DefaultTerrainPalette();
    palette.colours[9] = RGB(1, 2, 3);
    palette.names[9] = "Marsh";
    dialog.SetPalette(palette);
    EXPECT_EQ(dialog.Shapes[9]->BrushColour(), QColor(1, 2, 3));
    EXPECT_EQ(dialog.Edits[9]->text(), "Marsh");
    EXPECT_EQ(dialog.Labels[2]->text(), "Forest, Wood");
    EXPECT_EQ(dialog.Palette(), palette);
}

TEST_F(ColourSettingsTest, SelectingAShapeWidensItsOutlineAndShapeZeroDoesNotRespond)
{
    emit dialog.Shapes[0]->MouseDown(Qt::LeftButton);
    EXPECT_EQ(dialog.SelectedShape(), -1);
    emit dialog.Shapes[3]->MouseDown(Qt::LeftButton);
    EXPECT_EQ(dialog.Shapes[3]->PenWidth(), 2);
    emit dialog.Shapes[12]->MouseDown(Qt::LeftButton);
    EXPECT_EQ(dialog.Shapes[3]->PenWidth(), 1);
    EXPECT_EQ(dialog.Shapes[12]->PenWidth(), 2);
    EXPECT_EQ(dialog.SelectedShape(), 12);
}

TEST_F(ColourSettingsTest, SetColourGivesTheSelectedShapeTheChosenColour)
{
    dialog.SetColourButtonClick();  // nothing selected: no chooser
    dialog.SelectShape(5);
    QTimer::singleShot(0, [&] {
        dialog.TerrainColorDialog->setCurrentColor(QColor(9, 8, 7));
        dialog.TerrainColorDialog->accept();
    });
    dialog.SetColourButtonClick();
    EXPECT_EQ(dialog.Palette().colours[5], RGB(9, 8, 7));
}

TEST_F(ColourSettingsTest, LoadingAConfigFileMissingAColourMakesItBlack)
{
    TTerrainPalette palette = DefaultTerrainPalette();
    palette.colours[12] = RGB(50, 60, 70);
    palette.names[12] = "Heath";
    std::string text = FormatTerrainConfig(palette);
    const auto line = text.find("Color12=");
    text.erase(line, text.find('\n', line) + 1 - line);
    const QString path = folder.filePath("lacks12.cfg");
    std::ofstream(path.toStdString()) << text;
    dialog.LoadFromFile(path);
    EXPECT_EQ(dialog.Palette().colours[12], kBlack);
    EXPECT_EQ(dialog.Palette().names[12], "Heath");
    EXPECT_EQ(dialog.Palette().colours[1], palette.colours[1]);
}

TEST_F(ColourSettingsTest, SaveAndLoadAgain)
{
    TTerrainPalette palette = DefaultTerrainPalette();
    palette.colours[20] = RGB(200, 100, 0);
    palette.names[20] = "Orchard";
    dialog.SetPalette(palette);
    const QString path = folder.filePath("saved.cfg");
    dialog.SaveToFile(path);
    dialog.SetPalette(DefaultTerrainPalette());
    dialog.LoadFromFile(path);
    EXPECT_EQ(dialog.Palette(), palette);
}

TEST_F(ColourSettingsTest, SaveAsDefaultsKeepsTheStandardNames)
{
    TTerrainPalette palette = DefaultTerrainPalette();
    palette.colours[2] = RGB(0, 90, 0);
    palette.names[8] = "Moor";
    dialog.SetPalette(palette);
    dialog.SaveDefaultsClick();
    const TTerrainPalette saved = ReadTerrainDefaults(store);
    EXPECT_EQ(saved, palette);
    EXPECT_EQ(saved.names[2], "Forest");  // not the caption "Forest, Wood"
    dialog.SetPalette(DefaultTerrainPalette());
    dialog.LoadDefaultsClick();
    EXPECT_EQ(dialog.Palette(), palette);
}

}  // namespace
}  // namespace tarn
