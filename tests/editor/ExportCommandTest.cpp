// Tools, Export as a user works it: the filter picks the writer, the
// polygon writers ask for their values (kept in the settings store), and
// Vistapro warns about maps it does not suit.
#include "ExchangeDialogs.h"
#include "MainWindowFixture.h"

#include <QColorDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>

namespace tarn::test {
namespace {

class ExportCommandTest : public MainWindowFixture {
protected:
    void Export(const QString& filter, const QString& file, std::function<void(QWidget&)> dialog = {})
    {
        AnswerExchangeDialog("ExportDialog", filter, file, std::move(dialog));
        Choose("Tools1", "ExportData");
    }
    // Heights everywhere, as polygon models need some.
    void RoughenMap()
    {
        for (int i = 0; i < 51 * 51; ++i)
            Net().Points()[static_cast<std::size_t>(i)].Height = static_cast<std::int16_t>((i % 51) * (i / 51) % 97);
    }
    std::optional<std::string> Setting(const char* name)
    {
        return store.ReadText(kEditorSettingsKey, "VRML", name);
    }
};

// Qt shows the Vistapro caption's two blanks as one.
TEST_F(ExportCommandTest, TheFileDialogOffersTheFormatsInTheirOrder)
{
    QStringList offered;
    OnNextModal([&offered](QWidget& modal) {
        EXPECT_EQ(modal.windowTitle(), "Export Digital Terrain Data");
        offered = FilterCaptions(modal);
        ClickButton(modal, "Cancel");
    });
    Choose("Tools1", "ExportData");
    EXPECT_EQ(offered, (QStringList{"Ascii (*.txt)", "AutoCAD r12 DXF (*.dxf)", "Bitmap (*.bmp)",
                                    "Pixel Greymap (*.pgm)", "UK OS NTF (Panorama) (*.ntf)",
                                    "Triangle Mesh Surface (*.tin)", "Vistapro 3 DEM (*.dem)",
                                    "Glenmarrowscape X,Y,Z,Attr (*.xyz)", "Virtual Reality VRML (*.wrl)",
                                    "GeoTIFF 16-bit (*.tif)", "16-bit PNG heightmap (*.png)",
                                    "16-bit RAW heightmap (*.raw)", "Wavefront OBJ mesh (*.obj)",
                                    "glTF mesh (*.glb *.gltf)"}));
}

TEST_F(ExportCommandTest, VistaproWarnsAboutASpacingOf10AndWritesAllTheSame)
{
    const QString file = folder.filePath("start.dem");
    Export("Vistapro 3 DEM (*.dem)", file);
    EXPECT_EQ(messages, std::vector<QString>{"E0014 Map parameters are not Vistapro compatible"});
    EXPECT_EQ(FileBytes(file).substr(0, 14), "Vista DEM File");

    messages.clear();
    window.CreateMap(MapUnits::Metric, 258, 258, 30);
    Export("Vistapro 3 DEM (*.dem)", folder.filePath("vista.dem"));
    EXPECT_TRUE(messages.empty());
    EXPECT_GT(FileBytes(folder.filePath("vista.dem")).size(), 2048u);
}

TEST_F(ExportCommandTest, VrmlTakesTheValuesTypedAndKeepsThemForNextTime)
{
    RoughenMap();
    const QString file = folder.filePath("world.wrl");
    Export("Virtual Reality VRML (*.wrl)", file, [](QWidget& form) {
        EXPECT_EQ(form.windowTitle(), "Polygon Optimization Parameters");
        EXPECT_EQ(form.findChild<QSpinBox*>("PolygonsEdit")->value(), 500);
        EXPECT_EQ(form.findChild<QLineEdit*>("ToleranceEdit")->text(), "10.0");
        EXPECT_EQ(form.findChild<QLineEdit*>("HorizontalEdit")->text(), "19.61") << "1000 / 51 columns";
        EXPECT_EQ(form.findChild<QLineEdit*>("VerticalEdit")->text(), "10.00") << "1000 / (10 m * 10)";
        EXPECT_TRUE(form.findChild<QGroupBox*>("VRMLGroupBox")->isEnabled());
        EXPECT_EQ(form.findChild<QLineEdit*>("VRMLOverlayFile")->text(), "textures.jpg");
        TypeInto(*form.findChild<QSpinBox*>("PolygonsEdit"), "200");
        TypeInto(*form.findChild<QLineEdit*>("VRMLOverlayFile"), "hills.jpg");
        TypeInto(*form.findChild<QLineEdit*>("HorizontalEdit"), "2");
        ClickButton(form, "OK");
    });
    const std::string world = FileBytes(file);
    ASSERT_EQ(world.substr(0, 15), "#VRML V2.0 utf8");
    EXPECT_NE(world.find("url \"hills.jpg\""), std::string::npos);
    EXPECT_NE(world.find("        100 "), std::string::npos) << "the east edge, 50 steps of 2";
    EXPECT_LE(std::stoi(world.substr(world.find(" vertices, ") + 11)), 200);
    EXPECT_EQ(store.ReadInteger(kEditorSettingsKey, "VRML", "Polygons"), 200);
    EXPECT_EQ(Setting("TextureMap"), "hills.jpg");

    Export("Virtual Reality VRML (*.wrl)", folder.filePath("again.wrl"), [](QWidget& form) {
        EXPECT_EQ(form.findChild<QSpinBox*>("PolygonsEdit")->value(), 200);
        EXPECT_EQ(form.findChild<QLineEdit*>("VRMLOverlayFile")->text(), "hills.jpg");
        EXPECT_EQ(form.findChild<QLineEdit*>("HorizontalEdit")->text(), "19.61") << "the scale starts afresh";
        ClickButton(form, "Cancel");
    });
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("again.wrl")));
}

TEST_F(ExportCommandTest, TheBackgroundColourIsChosenInTheColourDialog)
{
    RoughenMap();
    Export("Virtual Reality VRML (*.wrl)", folder.filePath("sky.wrl"), [](QWidget& form) {
        OnNextModal([](QWidget& colours) {
            ASSERT_EQ(colours.objectName(), "BackgroundColorDialog");
            static_cast<QColorDialog&>(colours).setCurrentColor(QColor(255, 0, 0));
            ClickButton(colours, "OK");
        });
        QTest::mouseClick(form.findChild<QPushButton*>("SetBackgroundButton"), Qt::LeftButton);
        EXPECT_EQ(form.findChild<QFrame*>("BackgroundShape")->palette().color(QPalette::Window), QColor(255, 0, 0));
        ClickButton(form, "OK");
    });
    EXPECT_NE(FileBytes(folder.filePath("sky.wrl")).find("skyColor [ 1 0 0 ]"), std::string::npos);
    EXPECT_EQ(store.ReadInteger(kEditorSettingsKey, "VRML", "BackgroundColor"), 255);
}

TEST_F(ExportCommandTest, TinHasNoTextureOrBackgroundAndLeavesTheirSettingsAlone)
{
    RoughenMap();
    store.WriteText(kEditorSettingsKey, "VRML", "TextureMap", "kept.jpg");
    const QString file = folder.filePath("surface.tin");
    Export("Triangle Mesh Surface (*.tin)", file, [](QWidget& form) {
        EXPECT_FALSE(form.findChild<QGroupBox*>("VRMLGroupBox")->isEnabled());
        EXPECT_EQ(form.findChild<QLineEdit*>("VRMLOverlayFile")->text(), "");
        TypeInto(*form.findChild<QLineEdit*>("ToleranceEdit"), "2.5");
        ClickButton(form, "OK");
    });
    EXPECT_EQ(FileBytes(file).substr(0, 6), "TIN 1\n");
    EXPECT_EQ(Setting("Tolerance"), "2.5");
    EXPECT_EQ(Setting("TextureMap"), "kept.jpg");
}

TEST_F(ExportCommandTest, AFileThatCannotBeWrittenIsReported)
{
    Export("Ascii (*.txt)", folder.filePath("no-such-folder/heights.txt"));
    EXPECT_EQ(messages, std::vector<QString>{"E0114 Error writing export file"});
}

}  // namespace
}  // namespace tarn::test
