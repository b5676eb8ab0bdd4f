#include "controls/FlEdit.h"
#include "controls/Messages.h"
#include "editor/ColourSet.h"
#include "controls/HelpWindow.h"
#include "editor/NewMap.h"
#include "editor/Notifications.h"
#include "editor/QtColour.h"
#include "editor/Shape.h"
#include "editor/StatusPanels.h"
#include "editor/Tarn.h"
#include "model/LemFileIO.h"
#include "model/SettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/resource.h>

namespace tarn {
namespace {

// Runs `fill` on the modal dialog the next command opens.
template <typename Dialog>
void OnNextModal(std::function<void(Dialog&)> fill)
{
    QTimer::singleShot(0, [fill] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        fill(*dialog);
    });
}

std::string FileBytes(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { window.show(); }

    int Columns() const { return window.DefineNet->MapHeader.Columns; }
    TDefineNet& Net() { return *window.DefineNet; }
    QToolButton* Button(const char* name) { return window.findChild<QToolButton*>(name); }

    MemorySettingsStore store;
    QTemporaryDir folder;
    std::vector<QString> messages;
    ScopedMessageSink sink{[this](const QString& text, const QString&) { messages.push_back(text); }};
    TTarnForm window{store};
};

TEST_F(MainWindowTest, StartsWithAMetricFiftyOneSquareMap)
{
    EXPECT_EQ(window.windowTitle(), "Tarnhollow 98 Beta 2.0");
    EXPECT_EQ(window.size(), QSize(785, 651));
    EXPECT_TRUE(window.MapPresent());
    EXPECT_EQ(Columns(), 51);
    EXPECT_EQ(Net().MapHeader.Rows, 51);
    EXPECT_EQ(Net().MapHeader.Spacing, 10);
    EXPECT_EQ(Net().MapHeader.MapUnits, 1);
    EXPECT_EQ(Net().MapPicture.Size(), QSize(255, 255));
    EXPECT_EQ(Net().CurrentTool(), kSpotHeightTool);
    EXPECT_TRUE(Button("SpotButton")->isChecked());
    EXPECT_EQ(window.PageControl1->currentWidget()->objectName(), "TabSheet4");
    EXPECT_FALSE(window.Undo->isEnabled());
    EXPECT_TRUE(window.CurrentFileName().isEmpty());
    EXPECT_EQ(window.XPosition->text(), "000");
    EXPECT_EQ(window.SelectTerrainLabel->text(), "Water");
    EXPECT_EQ(window.MapSizeLabel->text(), "0.5km x 0.5km");
    EXPECT_EQ(window.GridSizeLabel->text(), "51 x 51");
    EXPECT_EQ(window.GridSpacingLabel->text(), "10M");
}

TEST_F(MainWindowTest, EveryNamedPartIsThere)
{
    for (const char* name :
         {"ToolPanel", "PaletteScrollBox", "PalettePanel", "PageControl1", "TabSheet1", "TabSheet2", "TabSheet3",
          "TabSheet4", "CanvasScrollBox", "DefineNet", "StatusBar", "HeightShape1", "HeightLabel16", "MaxHeightSpin",
          "MinHeightSpin", "TerShape23", "TerLabel0", "EditTerrainsButton", "SelectTerrainLabel", "LineColShape16",
          "LineWidthShape5", "SelectButton", "SymbolButton", "LineSampleShape", "HeightsCheck", "BackCheck",
          "MapSizeLabel", "GridSpacingLabel", "GridSizeLabel", "AutoToleranceBar", "DensityEdit", "XYRatioFloatEdit",
          "OpenMapDialog", "SaveMapDialog", "OpenBackDialog", "DefNetPopupMenu"})
        EXPECT_NE(window.findChild<QObject*>(name), nullptr) << name;
    for (const char* name : {"NewMap", "OpenMap", "SaveMap", "SaveAsMap", "ExitTarn", "Undo", "Import", "ExportData",
                             "GenerateFractalOverlay1", "ColourSettings", "Contents1", "SendObjToBack",
                             "BringObjToFront", "UpdateProperties", "DeleteOverlay"})
        EXPECT_NE(window.findChild<QAction*>(name), nullptr) << name;
    EXPECT_EQ(Button("ZoomInButton")->toolTip(), "Zoom in");
    EXPECT_EQ(Button("FlipZoomButton")->toolTip(), "Toggle magnification");
    EXPECT_EQ(Button("LochButton")->toolTip(), "Flood");
    EXPECT_EQ(Button("SectionButton")->toolTip(), "Cross Section");
    EXPECT_EQ(Button("LevelButton")->size(), QSize(27, 27));
    for (QToolButton* button : window.findChildren<QToolButton*>()) {
        if (!button->toolTip().isEmpty()) {
            EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, ToolButtonsSelectToolsAndOnlyTheObjectsToolHasAPopup)
{
    Button("ObjectButton")->click();
    EXPECT_EQ(Net().CurrentTool(), kObjectsTool);
    EXPECT_EQ(Net().PopupMenu(), window.DefNetPopupMenu);
    Button("AreaTerrainButton")->click();
    EXPECT_EQ(Net().CurrentTool(), kAreaTerrainTool);
    EXPECT_EQ(Net().PopupMenu(), nullptr);
    EXPECT_FALSE(Button("ObjectButton")->isChecked());
}

TEST_F(MainWindowTest, GridLimits)
{
    EXPECT_TRUE(window.CreateMap(MapUnits::Metric, 20, 20, 10));
    EXPECT_EQ(Net().PointCount(), 400);
    EXPECT_FALSE(window.CreateMap(MapUnits::Metric, 19, 21, 10));
    EXPECT_EQ(Net().PointCount(), 400);  // left as it was
    EXPECT_TRUE(window.MapPresent());
    EXPECT_TRUE(window.CreateMap(MapUnits::Metric, 500, 500, 10));
    EXPECT_EQ(Net().PointCount(), 250000);
    EXPECT_FALSE(window.CreateMap(MapUnits::Metric, 501, 500, 10));
    EXPECT_EQ(Net().PointCount(), 250000);
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, SaveAfterNewWritesToTheLastSavedFile)
{
    const QString path = folder.filePath("first.lem");
    window.SaveMapAs(path);
    EXPECT_EQ(window.CurrentFileName(), path);
    window.CreateMap(MapUnits::Metric, 30, 25, 10);
    window.SaveMapClick();
    TNet reread;
    NullProgress progress;
    ASSERT_TRUE(LoadLemFile(path.toStdString(), reread, progress));
    EXPECT_EQ(reread.MapHeader.Columns, 30);
    EXPECT_EQ(reread.MapHeader.Rows, 25);
}

TEST_F(MainWindowTest, SaveWithNoNameAsksForOne)
{
    const QString path = folder.filePath("chosen.lem");
    QString asked;
    OnNextModal<QFileDialog>([&](QFileDialog& dialog) {
        asked = dialog.objectName();
        dialog.selectFile(path);
        static_cast<QDialog&>(dialog).accept();
    });
    window.SaveMapClick();
    EXPECT_EQ(asked, "SaveMapDialog");
    EXPECT_EQ(window.CurrentFileName(), path);
    EXPECT_FALSE(FileBytes(path).empty());
}

TEST_F(MainWindowTest, OpenedMapReplacesTheCurrentOne)
{
    const QString path = folder.filePath("opened.lem");
    window.CreateMap(MapUnits::Imperial, 40, 30, 100);
    Net().GetPoint(5)->Height = 250;
    window.SaveMapAs(path);
    window.CreateMap(MapUnits::Metric, 20, 20, 10);
    OnNextModal<QFileDialog>([&](QFileDialog& dialog) {
        dialog.selectFile(path);
        static_cast<QDialog&>(dialog).accept();
    });
    window.OpenMapClick();
    EXPECT_EQ(Columns(), 40);
    EXPECT_EQ(Net().GetPoint(5)->Height, 250);
    EXPECT_EQ(window.GridSpacingLabel->text(), "100Ft");
    EXPECT_EQ(Net().MapPicture.Size(), QSize(200, 150));
}

TEST_F(MainWindowTest, AFileThatFailsToLoadLeavesNoMapAndShowsTheLoadersMessage)
{
    const QString good = folder.filePath("good.lem");
    window.SaveMapAs(good);
    const QString bad = folder.filePath("bad.lem");
    std::ofstream(bad.toStdString()) << "not a landscape map at all";
    window.LoadMap(bad);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith("E0")) << messages[0].toStdString();
    EXPECT_FALSE(window.MapPresent());
    EXPECT_EQ(Net().PointCount(), 0);
    EXPECT_EQ(window.CurrentFileName(), good);
    // Saving now must not replace the good file with an empty map.
    const std::string before = FileBytes(good);
    window.SaveMapClick();
    EXPECT_EQ(FileBytes(good), before);
    EXPECT_FALSE(window.findChild<QAction*>("SaveMap")->isEnabled());
    // The Map tab no longer describes the map that was there before.
    EXPECT_EQ(window.GridSizeLabel->text(), "-");
    EXPECT_EQ(window.MapSizeLabel->text(), "-");
    // Zooming and moving over the empty canvas are harmless.
    window.ZoomInButtonClick();
    Net().MouseMove({3, 3});
}

TEST_F(MainWindowTest, AFailedSaveShowsE0007AndLeavesTheFileAlone)
{
    const QString path = folder.filePath("kept.lem");
    window.SaveMapAs(path);
    const std::string before = FileBytes(path);
    window.CreateMap(MapUnits::Metric, 60, 60, 10);
    // Files may not grow beyond 1000 bytes for the length of the save.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    window.SaveMapClick();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "E0007 Error saving lem file");
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_EQ(Columns(), 60);  // the map in memory stays
}

TEST_F(MainWindowTest, NewMapDialogMakesTheMapOrRefusesNonNumbers)
{
    OnNextModal<TCreateMapDialog>([](TCreateMapDialog& dialog) {
        dialog.MapUnitsCombo->setCurrentIndex(2);
        dialog.MapUnitsComboChange();
        dialog.XMaskEdit->setText("60");
        dialog.YMaskEdit->setText("70");
        dialog.accept();
    });
    window.NewMapClick();
    EXPECT_EQ(Columns(), 60);
    EXPECT_EQ(Net().MapHeader.Rows, 70);
    EXPECT_EQ(Net().MapHeader.MapUnits, 2);
    EXPECT_EQ(window.MapSizeLabel->text(), "590M x 690M");

    OnNextModal<TCreateMapDialog>([](TCreateMapDialog& dialog) {
        dialog.SpacingMaskEdit->setText("abc");
        dialog.accept();
    });
    window.NewMapClick();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "E0004 Invalid map size parameters");
    EXPECT_EQ(Columns(), 60);

    // Too many points: refused without a message, map unchanged.
    OnNextModal<TCreateMapDialog>([](TCreateMapDialog& dialog) {
        dialog.XMaskEdit->setText("501");
        dialog.YMaskEdit->setText("500");
        dialog.accept();
    });
    window.NewMapClick();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(Columns(), 60);
}

TEST_F(MainWindowTest, HeightBandLegendAndSpins)
{
    EXPECT_EQ(window.HeightLabels[0]->text(), "924+");
    EXPECT_EQ(window.HeightLabels[1]->text(), "858:923");
    EXPECT_EQ(window.HeightLabels[14]->text(), "0:65");
    EXPECT_EQ(window.HeightLabels[15]->text(), "Null");
    window.MaxHeightSpin->setValue(50);
    EXPECT_EQ(window.MaxHeightSpin->value(), 100);
    EXPECT_EQ(Net().BandMax, 100);
    EXPECT_EQ(window.HeightLabels[0]->text(), "84+");
    window.MaxHeightSpin->setValue(2000);
    window.MinHeightSpin->setValue(1950);
    EXPECT_EQ(window.MinHeightSpin->value(), 1900);
    EXPECT_EQ(Net().BandMin, 1900);
}

TEST_F(MainWindowTest, BandRangeNotificationMovesTheSpins)
{
    Net().BandMin = 200;
    Net().BandMax = 3200;
    Net().Notify(kBandRangeChanged);
    EXPECT_EQ(window.MinHeightSpin->value(), 200);
    EXPECT_EQ(window.MaxHeightSpin->value(), 3200);
    EXPECT_EQ(window.HeightLabels[14]->text(), "200:399");
}

TEST_F(MainWindowTest, ZoomSteps)
{
    std::vector<int> zooms;
    for (int i = 0; i < 9; ++i) {
        window.ZoomInButtonClick();
        zooms.push_back(Net().Zoom);
    }
    EXPECT_EQ(zooms, (std::vector<int>{7, 9, 13, 18, 25, 36, 50, 50, 50}));
    EXPECT_EQ(Net().MapPicture.Size(), QSize(51 * 50, 51 * 50));
    EXPECT_DOUBLE_EQ(Net().Scale, 51 * 50 / 50.5);
    for (int i = 0; i < 14; ++i)
        window.ZoomOutButtonClick();
    EXPECT_EQ(Net().Zoom, 1);
    window.ZoomOutButtonClick();
    EXPECT_EQ(Net().Zoom, 1);
    EXPECT_EQ(Net().MapPicture.Size(), QSize(51, 51));
}

TEST_F(MainWindowTest, ToggleMagnificationSwapsWithThePreviousZoom)
{
    window.FlipZoomButtonClick();  // previous and current are both 5
    EXPECT_EQ(Net().Zoom, 5);
    window.ZoomInButtonClick();
    window.ZoomInButtonClick();
    window.FlipZoomButtonClick();
    EXPECT_EQ(Net().Zoom, 5);
    EXPECT_EQ(window.PreviousZoom(), 9);
    window.FlipZoomButtonClick();
    EXPECT_EQ(Net().Zoom, 9);
}

TEST_F(MainWindowTest, ReadOutCountsYUpFromTheBottomRow)
{
    Net().GetPoint(50 * 51 + 4 + 1)->Height = 123;  // bottom row, column 4
    const double scale = Net().Scale;
    Net().MouseMove({static_cast<int>(4 * scale), static_cast<int>(50 * scale)});
    EXPECT_EQ(window.XPosition->text(), "4");
    EXPECT_EQ(window.YPosition->text(), "0");
    EXPECT_EQ(window.ZPosition->text(), "  123");
    Net().MouseMove({0, 0});
    EXPECT_EQ(window.YPosition->text(), "50");
    EXPECT_EQ(window.ZPosition->text(), "Null");
    window.CreateMap(MapUnits::MicroMetric, 30, 30, 10);
    Net().GetPoint(1)->Height = 1234;
    Net().MouseMove({0, 0});
    EXPECT_EQ(window.ZPosition->text(), "123.4");
}

TEST_F(MainWindowTest, UndoMenuFollowsTheCanvas)
{
    Net().RecordUndo({1, 1, 5, UndoRecord::kNoValue});
    EXPECT_TRUE(window.Undo->isEnabled());
    window.UndoClick();
    EXPECT_FALSE(window.Undo->isEnabled());
    EXPECT_EQ(Net().GetPoint(1 + 51 + 1)->Height, 5);
    Net().RecordUndo({1, 1, 5, UndoRecord::kNoValue});
    window.CreateMap(MapUnits::Metric, 20, 20, 10);
    EXPECT_FALSE(window.Undo->isEnabled());
}

TEST_F(MainWindowTest, TerrainPaletteAndPen)
{
    emit window.TerShapes[3]->MouseUp(Qt::LeftButton);
    EXPECT_EQ(Net().CurrentTerrain, 3);
    EXPECT_EQ(window.SelectTerrainLabel->text(), "Buildings");
    emit window.findChild<TShape*>("LineColShape12")->MouseUp(Qt::LeftButton);
    EXPECT_EQ(Net().PenColour, RGB(255, 0, 0));
    emit window.findChild<TShape*>("LineWidthShape4")->MouseUp(Qt::LeftButton);
    EXPECT_EQ(Net().PenWidth, 4);
    EXPECT_EQ(window.LineSampleShape->height(), 6);
    EXPECT_EQ(window.LineSampleShape->BrushColour(), QColor(255, 0, 0));
    EXPECT_EQ(window.LineSampleShape->PenWidth(), 0);
}

TEST_F(MainWindowTest, ColourSettingsCancelLeavesThePaletteEvenAfterLoads)
{
    TTerrainPalette saved = DefaultTerrainPalette();
    saved.colours[4] = RGB(1, 1, 1);
    SaveTerrainDefaults(store, saved);
    const auto before = Net().MapHeader.TerrainColours;
    OnNextModal<TColourSettingsDlg>([&](TColourSettingsDlg& dialog) {
        dialog.LoadDefaultsClick();
        dialog.SaveToFile(folder.filePath("x.cfg"));
        dialog.LoadFromFile(folder.filePath("x.cfg"));
        dialog.reject();
    });
    window.ColourSettingsClick();
    EXPECT_EQ(Net().MapHeader.TerrainColours, before);

    OnNextModal<TColourSettingsDlg>([&](TColourSettingsDlg& dialog) {
        dialog.LoadDefaultsClick();
        dialog.accept();
    });
    window.ColourSettingsClick();
    EXPECT_EQ(Net().MapHeader.TerrainColours[4], RGB(1, 1, 1));
    EXPECT_EQ(window.TerShapes[4]->BrushColour(), QColor(1, 1, 1));
}

TEST_F(MainWindowTest, SaveAsDefaultsThenNewGivesTheSavedPalette)
{
    OnNextModal<TColourSettingsDlg>([&](TColourSettingsDlg& dialog) {
        dialog.Shapes[9]->SetBrushColour(QColor(12, 34, 56));
        dialog.Edits[9]->setText("Bog");
        dialog.SaveDefaultsClick();
        dialog.reject();
    });
    window.ColourSettingsClick();
    EXPECT_NE(Net().MapHeader.TerrainColours[9], RGB(12, 34, 56));
    window.CreateMap(MapUnits::Metric, 25, 25, 10);
    EXPECT_EQ(Net().MapHeader.TerrainColours[9], RGB(12, 34, 56));
    EXPECT_EQ(window.TerLabels[9]->text(), "Bog");
    EXPECT_EQ(window.TerLabels[2]->text(), "Forest");
}

TEST_F(MainWindowTest, BackgroundPicture)
{
    window.LoadBackground(folder.filePath("missing.bmp"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "E0002 Error loading bmp file");
    EXPECT_TRUE(Net().BackgroundPicture.isNull());
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 200));
    const QString path = folder.filePath("back.bmp");
    ASSERT_TRUE(picture.save(path, "BMP"));
    window.LoadBackground(path);
    EXPECT_EQ(Net().MapPicture.Pixel(2, 2), qRgb(0, 0, 200));
    window.findChild<QCheckBox*>("BackCheck")->setChecked(false);
    EXPECT_EQ(Net().MapPicture.Pixel(2, 2), qRgb(255, 255, 255));
}

TEST_F(MainWindowTest, BackgroundDialogPreviewsThePicture)
{
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(qRgb(0, 150, 0));
    const QString path = folder.filePath("preview.bmp");
    ASSERT_TRUE(picture.save(path, "BMP"));
    OnNextModal<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "OpenBackDialog");
        dialog.selectFile(path);
        emit dialog.currentChanged(path);
        const QLabel* preview = dialog.findChild<QLabel*>("PicturePreview");
        ASSERT_NE(preview, nullptr);
        EXPECT_FALSE(preview->pixmap().isNull());
        static_cast<QDialog&>(dialog).accept();
    });
    window.LoadBMPButtonClick();
    EXPECT_EQ(Net().MapPicture.Pixel(2, 2), qRgb(0, 150, 0));
}

TEST_F(MainWindowTest, StatusBarShowsProgressInMagenta)
{
    TStatusProgress progress(*window.StatusBar);
    progress.setCaptions("Loading LEM", "Heights");
    progress.setPercent(50);
    EXPECT_EQ(window.StatusBar->Panel(1)->text(), "Loading LEM");
    EXPECT_EQ(window.StatusBar->Panel(2)->text(), "Heights");
    EXPECT_EQ(window.StatusBar->Panel(1)->width(), 150);
    EXPECT_EQ(window.StatusBar->ProgressPanel()->width(), 100);
    const QImage bar = window.StatusBar->ProgressPanel()->grab().toImage();
    EXPECT_EQ(bar.pixel(10, bar.height() / 2), qRgb(255, 0, 255));
    EXPECT_NE(bar.pixel(80, bar.height() / 2), qRgb(255, 0, 255));
    progress.hideProgress();
    EXPECT_EQ(window.StatusBar->ProgressPanel()->Percent(), -1);
    // A load leaves the panels clear behind it.
    window.LoadMap(TARN_SOURCE_DIR "/data/sample.lem");
    EXPECT_TRUE(window.StatusBar->Panel(1)->text().isEmpty());
    EXPECT_EQ(window.StatusBar->ProgressPanel()->Percent(), -1);
}

TEST_F(MainWindowTest, ContentsOpensHelpTopicOne)
{
    window.Contents1Click();
    EXPECT_TRUE(window.HelpWindow->isVisible());
    EXPECT_EQ(window.HelpWindow->CurrentTopic(), 1);
    EXPECT_TRUE(window.HelpWindow->PageText().contains("Tarnhollow"));
}

TEST(MainWindowStart, OpensTheMapNamedByTheJoinedCommandLineWords)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir("my maps");
    const QString path = folder.filePath("my maps/hill top.lem");
    MemorySettingsStore store;
    {
        TTarnForm maker(store);
        maker.CreateMap(MapUnits::Metric, 33, 22, 10);
        maker.SaveMapAs(path);
    }
    const QStringList words = path.split(' ');
    ASSERT_EQ(words.size(), 3);
    const QString joined = MapFileFromArguments(QStringList{"tarnedit"} + words);
    EXPECT_EQ(joined, path);
    TTarnForm window(store, joined);
    EXPECT_TRUE(window.MapPresent());
    EXPECT_EQ(window.CurrentFileName(), path);
    EXPECT_EQ(window.DefineNet->MapHeader.Columns, 33);
}

TEST(MainWindowStart, OpensTheSampleMap)
{
    MemorySettingsStore store;
    TTarnForm window(store, TARN_SOURCE_DIR "/data/sample.lem");
    ASSERT_TRUE(window.MapPresent());
    EXPECT_GT(window.DefineNet->PointCount(), 10000);
    EXPECT_FALSE(window.DefineNet->Overlays.empty());
}

}  // namespace
}  // namespace tarn
