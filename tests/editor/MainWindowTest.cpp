#include "MainWindowFixture.h"

#include "controls/HelpWindow.h"
#include "editor/QtColour.h"
#include "editor/Shape.h"
#include "editor/StatusPanels.h"
#include "model/LemFileIO.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileSystemModel>
#include <QListView>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include <csignal>
#include <sys/resource.h>

namespace tarn::test {
namespace {

class MainWindowTest : public MainWindowFixture {
protected:
    QToolButton& Button(const char* name) { return Find<QToolButton>(name); }
    QAction& Action(const char* name) { return Find<QAction>(name); }
    // Presses a swatch (a colour or line-width shape) with the mouse.
    void PressSwatch(const char* name)
    {
        auto& swatch = Find<TShape>(name);
        QTest::mouseClick(&swatch, Qt::LeftButton);
    }
    // Moves the mouse over the canvas to a pixel just right of and below
    // node (column, row); QTest takes (0, 0) for the widget's centre.
    void HoverNode(int column, int row)
    {
        const double scale = Net().Scale;
        QTest::mouseMove(&Net(), QPoint(static_cast<int>(column * scale) + 1, static_cast<int>(row * scale) + 1));
    }
    QString Opened(const char* name, int columns, int rows)
    {
        const QString path = folder.filePath(name);
        WriteMap(path, columns, rows);
        OnNextModal([path](QWidget& modal) { AnswerFileDialog(modal, path); });
        Choose("File1", "OpenMap");
        return path;
    }
};

TEST_F(MainWindowTest, StartsWithAMetricFiftyOneSquareMap)
{
    EXPECT_EQ(window.size(), QSize(785, 651));
    EXPECT_TRUE(window.MapPresent());
    EXPECT_EQ(Columns(), 51);
    EXPECT_EQ(Net().MapHeader.Rows, 51);
    EXPECT_EQ(Net().MapHeader.Spacing, 10);
    EXPECT_EQ(Net().MapHeader.MapUnits, 1);
    EXPECT_EQ(Net().MapPicture.Size(), QSize(255, 255));
    EXPECT_EQ(Net().CurrentTool(), kSpotHeightTool);
    EXPECT_TRUE(Button("SpotButton").isChecked());
    EXPECT_EQ(Find<QTabWidget>("PageControl1").currentWidget()->objectName(), "TabSheet4");
    EXPECT_FALSE(Action("Undo").isEnabled());
    EXPECT_TRUE(window.CurrentFileName().isEmpty());
    EXPECT_EQ(LabelText("XPosition"), "000");
    EXPECT_EQ(LabelText("SelectTerrainLabel"), "Water");
    EXPECT_EQ(LabelText("MapSizeLabel"), "0.5km x 0.5km");
    EXPECT_EQ(LabelText("GridSizeLabel"), "51 x 51");
    EXPECT_EQ(LabelText("GridSpacingLabel"), "10M");
}

TEST_F(MainWindowTest, EveryNamedPartIsThere)
{
    for (const char* name :
         {"ToolPanel", "PaletteScrollBox", "PalettePanel", "PageControl1", "TabSheet1", "TabSheet2", "TabSheet3",
          "TabSheet4", "CanvasScrollBox", "DefineNet", "StatusBar", "HeightShape1", "HeightLabel16", "MaxHeightSpin",
          "MinHeightSpin", "TerShape23", "TerLabel0", "EditTerrainsButton", "SelectTerrainLabel", "LineColShape16",
          "LineWidthShape5", "SelectButton", "SymbolButton", "LineSampleShape", "HeightsCheck", "BackCheck",
          "MapSizeLabel", "GridSpacingLabel", "GridSizeLabel", "AutoToleranceBar", "DensityEdit", "XYRatioFloatEdit",
          "OpenMapDialog", "SaveMapDialog", "OpenBackDialog", "DefNetPopupMenu", "ColourSettingsDlg", "HelpWindow"})
        EXPECT_NE(window.findChild<QObject*>(name), nullptr) << name;
    for (const char* name : {"NewMap", "OpenMap", "SaveMap", "SaveAsMap", "ExitTarn", "Undo", "Import", "ExportData",
                             "GenerateFractalOverlay1", "ColourSettings", "Contents1", "SendObjToBack",
                             "BringObjToFront", "UpdateProperties", "DeleteOverlay"})
        EXPECT_NE(window.findChild<QAction*>(name), nullptr) << name;
    EXPECT_EQ(Button("ZoomInButton").toolTip(), "Zoom in");
    EXPECT_EQ(Button("FlipZoomButton").toolTip(), "Toggle magnification");
    EXPECT_EQ(Button("LochButton").toolTip(), "Flood");
    EXPECT_EQ(Button("SectionButton").toolTip(), "Cross Section");
    EXPECT_EQ(Button("LevelButton").size(), QSize(27, 27));
    for (QToolButton* button : window.findChildren<QToolButton*>()) {
        if (!button->toolTip().isEmpty()) {
            EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, ToolButtonsSelectToolsAndOnlyTheObjectsToolHasAPopup)
{
    Click("ObjectButton");
    EXPECT_EQ(Net().CurrentTool(), kObjectsTool);
    EXPECT_EQ(Net().PopupMenu(), &Find<QMenu>("DefNetPopupMenu"));
    Click("AreaTerrainButton");
    EXPECT_EQ(Net().CurrentTool(), kAreaTerrainTool);
    EXPECT_EQ(Net().PopupMenu(), nullptr);
    EXPECT_FALSE(Button("ObjectButton").isChecked());
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

TEST_F(MainWindowTest, OpenedMapReplacesTheCurrentOne)
{
    const QString path = folder.filePath("opened.lem");
    TNet map;
    CreateMap(map, {MapUnits::Imperial, 40, 30, 100}, DefaultTerrainPalette());
    map.GetPoint(5)->Height = 250;
    SaveLemFile(path.toStdString(), map);
    OnNextModal([path](QWidget& modal) {
        EXPECT_EQ(modal.objectName(), "OpenMapDialog");
        AnswerFileDialog(modal, path);
    });
    Choose("File1", "OpenMap");
    EXPECT_EQ(Columns(), 40);
    EXPECT_EQ(Net().GetPoint(5)->Height, 250);
    EXPECT_EQ(LabelText("GridSpacingLabel"), "100Ft");
    EXPECT_EQ(Net().MapPicture.Size(), QSize(200, 150));
    EXPECT_EQ(window.CurrentFileName(), path);
}

TEST_F(MainWindowTest, AFileThatFailsToLoadLeavesNoMapAndShowsTheLoadersMessage)
{
    const QString good = Opened("good.lem", 30, 30);
    const QString bad = folder.filePath("bad.lem");
    std::ofstream(bad.toStdString()) << "not a landscape map at all";
    OnNextModal([bad](QWidget& modal) { AnswerFileDialog(modal, bad); });
    Choose("File1", "OpenMap");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith("E0")) << messages[0].toStdString();
    EXPECT_FALSE(window.MapPresent());
    EXPECT_EQ(Net().PointCount(), 0);
    EXPECT_EQ(window.CurrentFileName(), good);
    // Saving now must not replace the good file with an empty map.
    EXPECT_FALSE(Action("SaveMap").isEnabled());
    EXPECT_FALSE(Action("SaveAsMap").isEnabled());
    // Nor is there a map to paint an overlay of.
    EXPECT_FALSE(Action("GenerateFractalOverlay1").isEnabled());
    // The Map tab no longer describes the map that was there before.
    EXPECT_EQ(LabelText("GridSizeLabel"), "-");
    EXPECT_EQ(LabelText("MapSizeLabel"), "-");
    // Zooming and moving over the empty canvas are harmless.
    Click("ZoomInButton");
    QTest::mouseMove(&Net(), {3, 3});
}

TEST_F(MainWindowTest, AFailedSaveShowsE0007AndLeavesTheFileAlone)
{
    const QString path = Opened("kept.lem", 60, 60);
    const std::string before = FileBytes(path);
    // Files may not grow beyond 1000 bytes for the length of the save.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    Choose("File1", "SaveMap");
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "E0007 Error saving lem file");
    EXPECT_TRUE(FileBytes(path) == before);
    EXPECT_EQ(Columns(), 60);  // the map in memory stays
}

TEST_F(MainWindowTest, ZoomSteps)
{
    std::vector<int> zooms;
    for (int i = 0; i < 9; ++i) {
        Click("ZoomInButton");
        zooms.push_back(Net().Zoom);
    }
    EXPECT_EQ(zooms, (std::vector<int>{7, 9, 13, 18, 25, 36, 50, 50, 50}));
    EXPECT_EQ(Net().MapPicture.Size(), QSize(51 * 50, 51 * 50));
    EXPECT_DOUBLE_EQ(Net().Scale, 51 * 50 / 50.5);
    for (int i = 0; i < 14; ++i)
        Click("ZoomOutButton");
    EXPECT_EQ(Net().Zoom, 1);
    Click("ZoomOutButton");
    EXPECT_EQ(Net().Zoom, 1);
    EXPECT_EQ(Net().MapPicture.Size(), QSize(51, 51));
}

TEST_F(MainWindowTest, ToggleMagnificationSwapsWithThePreviousZoom)
{
    Click("FlipZoomButton");  // previous and current are both 5
    EXPECT_EQ(Net().Zoom, 5);
    Click("ZoomInButton");
    Click("ZoomInButton");
    Click("FlipZoomButton");
    EXPECT_EQ(Net().Zoom, 5);
    EXPECT_EQ(window.PreviousZoom(), 9);
    Click("FlipZoomButton");
    EXPECT_EQ(Net().Zoom, 9);
}

TEST_F(MainWindowTest, ReadOutCountsYUpFromTheBottomRow)
{
    Net().GetPoint(50 * 51 + 4 + 1)->Height = 123;  // bottom row, column 4
    HoverNode(4, 50);
    EXPECT_EQ(LabelText("XPosition"), "4");
    EXPECT_EQ(LabelText("YPosition"), "0");
    EXPECT_EQ(LabelText("ZPosition"), "  123");
    HoverNode(0, 0);
    EXPECT_EQ(LabelText("YPosition"), "50");
    EXPECT_EQ(LabelText("ZPosition"), "Null");
    window.CreateMap(MapUnits::MicroMetric, 30, 30, 10);
    Net().GetPoint(2)->Height = 1234;
    HoverNode(1, 0);
    EXPECT_EQ(LabelText("ZPosition"), "123.4");
}

TEST_F(MainWindowTest, ReadOutFollowsTheMouseOverAScrolledCanvas)
{
    for (int step = 0; step < 7; ++step)
        Click("ZoomInButton");
    ASSERT_EQ(Net().Zoom, 50);
    auto& view = Find<QScrollArea>("CanvasScrollBox");
    view.horizontalScrollBar()->setValue(1000);
    view.verticalScrollBar()->setValue(500);
    // The pointer rests at (100, 50) in the view: canvas pixel (1100, 550).
    QTest::mouseMove(view.viewport(), QPoint(100, 50));
    const double scale = Net().Scale;
    const int column = static_cast<int>((1100 + scale / 2) / scale);
    const int row = static_cast<int>((550 + scale / 2) / scale);
    EXPECT_EQ(LabelText("XPosition"), QString::number(column));
    EXPECT_EQ(LabelText("YPosition"), QString::number(51 - row - 1));
}

TEST_F(MainWindowTest, UndoMenuFollowsTheCanvas)
{
    Net().RecordUndo({1, 1, 5, UndoRecord::kNoValue});
    EXPECT_TRUE(Action("Undo").isEnabled());
    Choose("Edit1", "Undo");
    EXPECT_FALSE(Action("Undo").isEnabled());
    EXPECT_EQ(Net().GetPoint(1 + 51 + 1)->Height, 5);
    EXPECT_TRUE(Net().Modified());
    Net().RecordUndo({1, 1, 5, UndoRecord::kNoValue});
    window.CreateMap(MapUnits::Metric, 20, 20, 10);
    EXPECT_FALSE(Action("Undo").isEnabled());
    EXPECT_FALSE(Net().Modified());
}

TEST_F(MainWindowTest, TerrainPaletteAndPen)
{
    ShowTab("TabSheet2");
    PressSwatch("TerShape3");
    EXPECT_EQ(Net().CurrentTerrain, 3);
    EXPECT_EQ(LabelText("SelectTerrainLabel"), "Buildings");
    ShowTab("TabSheet3");
    PressSwatch("LineColShape12");
    EXPECT_EQ(Net().PenColour, RGB(255, 0, 0));
    PressSwatch("LineWidthShape4");
    EXPECT_EQ(Net().PenWidth, 4);
    auto& sample = Find<TShape>("LineSampleShape");
    EXPECT_EQ(sample.height(), 6);
    EXPECT_EQ(sample.BrushColour(), QColor(255, 0, 0));
    EXPECT_EQ(sample.PenWidth(), 0);
}

TEST_F(MainWindowTest, ColourSettingsCancelLeavesThePaletteAndOkTakesIt)
{
    const auto before = Net().MapHeader.TerrainColours;
    const auto changeColourFive = [](QWidget& dialog) {
        QTest::mouseClick(dialog.findChild<TShape*>("Shape05"), Qt::LeftButton);
        OnNextModal([](QWidget& colours) {
            static_cast<QColorDialog&>(colours).setCurrentColor(QColor(1, 1, 1));
            ClickButton(colours, "OK");
        });
        ClickButton(dialog, "Set Colour");
    };
    OnNextModal([&](QWidget& dialog) {
        changeColourFive(dialog);
        ClickButton(dialog, "Cancel");
    });
    ShowTab("TabSheet2");
    ClickButton(window, "Edit Terrains");
    EXPECT_EQ(Net().MapHeader.TerrainColours, before);

    OnNextModal([&](QWidget& dialog) {
        changeColourFive(dialog);
        ClickButton(dialog, "OK");
    });
    ClickButton(window, "Edit Terrains");
    EXPECT_EQ(Net().MapHeader.TerrainColours[5], RGB(1, 1, 1));
    EXPECT_EQ(Find<TShape>("TerShape5").BrushColour(), QColor(1, 1, 1));
}

TEST_F(MainWindowTest, SaveAsDefaultsThenNewGivesTheSavedPalette)
{
    OnNextModal([](QWidget& dialog) {
        TypeInto(*dialog.findChild<QLineEdit*>("Edit9"), "Bog");
        ClickButton(dialog, "Save as Defaults");
        ClickButton(dialog, "Cancel");
    });
    Choose("Tools1", "ColourSettings");
    EXPECT_NE(LabelText("TerLabel9"), "Bog");
    window.CreateMap(MapUnits::Metric, 25, 25, 10);
    EXPECT_EQ(LabelText("TerLabel9"), "Bog");
    EXPECT_EQ(LabelText("TerLabel2"), "Forest");
}

TEST_F(MainWindowTest, BackgroundPicture)
{
    const auto loadBackground = [this](const QString& path) {
        OnNextModal([path](QWidget& dialog) { AnswerFileDialog(dialog, path); });
        Click("LoadBMPButton");
    };
    const QString broken = folder.filePath("broken.bmp");
    std::ofstream(broken.toStdString()) << "BM but no picture";
    loadBackground(broken);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "E0002 Error loading bmp file");
    EXPECT_TRUE(Net().BackgroundPicture.isNull());
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 200));
    const QString path = folder.filePath("back.bmp");
    ASSERT_TRUE(picture.save(path, "BMP"));
    loadBackground(path);
    EXPECT_EQ(Net().MapPicture.Pixel(2, 2), qRgb(0, 0, 200));
    QTest::mouseClick(&Find<QCheckBox>("BackCheck"), Qt::LeftButton);
    EXPECT_EQ(Net().MapPicture.Pixel(2, 2), qRgb(255, 255, 255));
}

TEST_F(MainWindowTest, BackgroundDialogPreviewsThePicture)
{
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(qRgb(0, 150, 0));
    const QString path = folder.filePath("preview.bmp");
    ASSERT_TRUE(picture.save(path, "BMP"));
    OnNextModal([&](QWidget& dialog) {
        EXPECT_EQ(dialog.objectName(), "OpenBackDialog");
        // Go to the folder, then point at the picture in the list.
        GoToFolder(dialog, folder.path());
        auto* list = dialog.findChild<QListView*>("listView");
        auto* files = qobject_cast<QFileSystemModel*>(list->model());
        ASSERT_NE(files, nullptr);
        ASSERT_TRUE(WaitFor([&] { return list->visualRect(files->index(path)).isValid(); }));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(files->index(path)).center());
        const QLabel* preview = dialog.findChild<QLabel*>("PicturePreview");
        ASSERT_NE(preview, nullptr);
        EXPECT_FALSE(preview->pixmap().isNull());
        ClickButton(dialog, "Open");
    });
    Click("LoadBMPButton");
    EXPECT_EQ(Net().MapPicture.Pixel(2, 2), qRgb(0, 150, 0));
}

TEST_F(MainWindowTest, StatusBarShowsProgressInMagenta)
{
    auto& bar = Find<TStatusPanels>("StatusBar");
    TStatusProgress progress(bar);
    progress.setCaptions("Loading LEM", "Heights");
    progress.setPercent(50);
    EXPECT_EQ(bar.Panel(1)->text(), "Loading LEM");
    EXPECT_EQ(bar.Panel(2)->text(), "Heights");
    EXPECT_EQ(bar.Panel(1)->width(), 150);
    EXPECT_EQ(bar.ProgressPanel()->width(), 100);
    const QImage drawn = bar.ProgressPanel()->grab().toImage();
    EXPECT_EQ(drawn.pixel(10, drawn.height() / 2), qRgb(255, 0, 255));
    EXPECT_NE(drawn.pixel(80, drawn.height() / 2), qRgb(255, 0, 255));
    progress.hideProgress();
    EXPECT_EQ(bar.ProgressPanel()->Percent(), -1);
    // A load leaves the panels clear behind it.
    window.LoadMap(TARN_SOURCE_DIR "/data/sample.lem");
    EXPECT_TRUE(bar.Panel(1)->text().isEmpty());
    EXPECT_EQ(bar.ProgressPanel()->Percent(), -1);
}

TEST_F(MainWindowTest, ContentsOpensHelpTopicOne)
{
    Choose("Help1", "Contents1");
    auto& help = Find<THelpWindow>("HelpWindow");
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.CurrentTopic(), 1);
    EXPECT_TRUE(help.PageText().contains("Tarnhollow"));
}

TEST(MainWindowStart, OpensTheMapNamedByTheJoinedCommandLineWords)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir("my maps");
    const QString path = folder.filePath("my maps/hill top.lem");
    WriteMap(path, 33, 22);
    const QStringList words = path.split(' ');
    ASSERT_EQ(words.size(), 3);
    const QString joined = MapFileFromArguments(QStringList{"tarnedit"} + words);
    EXPECT_EQ(joined, path);
    MemorySettingsStore store;
    TTarnForm window(store, joined);
    window.show();
    ASSERT_TRUE(WaitFor([&] { return window.CurrentFileName() == path; }));
    EXPECT_TRUE(window.MapPresent());
    EXPECT_EQ(window.findChild<TDefineNet*>("DefineNet")->MapHeader.Columns, 33);
}

TEST(MainWindowStart, OpensTheSampleMap)
{
    MemorySettingsStore store;
    TTarnForm window(store, TARN_SOURCE_DIR "/data/sample.lem");
    window.show();
    ASSERT_TRUE(WaitFor([&] { return !window.CurrentFileName().isEmpty(); }));
    ASSERT_TRUE(window.MapPresent());
    const auto* net = window.findChild<TDefineNet*>("DefineNet");
    EXPECT_GT(net->PointCount(), 10000);
    EXPECT_FALSE(net->Overlays.empty());
}

}  // namespace
}  // namespace tarn::test
