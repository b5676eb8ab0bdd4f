// Tools > Generate Fractal Overlay, driven as a user does.
#include "MainWindowFixture.h"

#include "analysis/fractal/FractalOverlay.h"
#include "controls/GradientEditor.h"
#include "controls/Hemisphere.h"
#include "editor/EditorMessages.h"
#include "exchange/BmpCodec.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSpinBox>

#include <filesystem>

namespace tarn::test {
namespace {

class FractalOverlayDialogTest : public MainWindowFixture {
protected:
    // Opens the dialog from the menu, lets `act` work in it, then waits for
    // the command to end.
    void RunCommand(const std::function<void(QWidget& dialog)>& act)
    {
        OnNextModal([act](QWidget& dialog) {
            ASSERT_EQ(dialog.objectName(), "FractalParametersForm");
            act(dialog);
        });
        Choose("Tools1", "GenerateFractalOverlay1");
    }
    // Chooses the output picture through "..." and its file dialog.
    static void ChooseFile(QWidget& dialog, const QString& path)
    {
        OnNextModal([path](QWidget& files) { AnswerFileDialog(files, path); });
        ClickButton(dialog, "GetInternal");
    }
    static void ChooseRoughness(QWidget& dialog, const char* list, const char* item)
    {
        ChooseItem(*dialog.findChild<QComboBox*>(list), item);
    }
    // Makes an overlay with the given roughness and returns the file's bytes.
    std::string Generate(const QString& name, const char* level)
    {
        const QString path = folder.filePath(name);
        RunCommand([&](QWidget& dialog) {
            ChooseFile(dialog, path);
            ChooseRoughness(dialog, "FractalLevel", level);
            ChooseRoughness(dialog, "FractalDensity", level);
            ClickButton(dialog, "OK");
        });
        return FileBytes(path);
    }
    static int ScreenWidth() { return QGuiApplication::primaryScreen()->geometry().width(); }
};

TEST_F(FractalOverlayDialogTest, OpensWithTheMapsLightAndBothListsAtNone)
{
    Net().MapHeader.LightAlt = 35;
    Net().MapHeader.LightAz = 200;
    RunCommand([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Fractal Overlay");
        EXPECT_EQ(dialog.findChild<QSpinBox*>("LightAlt")->value(), 35);
        EXPECT_EQ(dialog.findChild<QSpinBox*>("LightAz")->value(), 200);
        EXPECT_EQ(dialog.findChild<THemisphere*>("LightHemisphere")->Azimuth(), 200);
        EXPECT_EQ(dialog.findChild<QComboBox*>("FractalLevel")->currentText(), "None");
        EXPECT_EQ(dialog.findChild<QComboBox*>("FractalDensity")->currentText(), "None");
        EXPECT_EQ(dialog.findChild<QComboBox*>("FractalLevel")->toolTip(), "Fractalization level for internal overlay");
        EXPECT_TRUE(dialog.findChild<QLineEdit*>("InternalFile")->isReadOnly());
        ClickButton(dialog, "Cancel");
    });
}

TEST_F(FractalOverlayDialogTest, OkWritesAPictureSizedForTheScreenAndKeepsTheLightInTheMap)
{
    const QString path = folder.filePath("overlay.bmp");
    RunCommand([&](QWidget& dialog) {
        TypeInto(*dialog.findChild<QSpinBox*>("LightAlt"), "30");
        TypeInto(*dialog.findChild<QSpinBox*>("LightAz"), "120");
        EXPECT_EQ(dialog.findChild<THemisphere*>("LightHemisphere")->Altitude(), 30);
        ChooseFile(dialog, path);
        EXPECT_EQ(dialog.findChild<QLineEdit*>("InternalFile")->text(), path);
        ClickButton(dialog, "OK");
    });
    ASSERT_TRUE(std::filesystem::exists(path.toStdString()));
    const TDibPicture picture = ReadBmpFile(path.toStdString());
    const int cell = fractal::CellSize(51, 51, ScreenWidth());
    EXPECT_EQ(picture.width, 50 * cell);
    EXPECT_EQ(picture.height, 50 * cell);
    EXPECT_EQ(Net().MapHeader.LightAlt, 30);
    EXPECT_EQ(Net().MapHeader.LightAz, 120);
    EXPECT_TRUE(Net().Modified());
    EXPECT_EQ(LabelText("StatusPanel2"), "Completed");
    EXPECT_TRUE(messages.empty());
}

TEST_F(FractalOverlayDialogTest, EnterWithoutAFileReportsE0023AndWritesNothing)
{
    const auto lightBefore = Net().MapHeader.LightAlt;
    RunCommand([](QWidget& dialog) {
        TypeInto(*dialog.findChild<QSpinBox*>("LightAlt"), "12");
        QTest::keyClick(dialog.findChild<QSpinBox*>("LightAlt"), Qt::Key_Return);
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front(), msg::NoInternalOverlayFile);
    EXPECT_EQ(Net().MapHeader.LightAlt, lightBefore);
    EXPECT_FALSE(Net().Modified());
}

TEST_F(FractalOverlayDialogTest, CancelLeavesTheMapAloneAndTheNextRunStartsAtNoneWithTheSameFile)
{
    const QString path = folder.filePath("kept.bmp");
    RunCommand([&](QWidget& dialog) {
        ChooseFile(dialog, path);
        ChooseRoughness(dialog, "FractalLevel", "High");
        TypeInto(*dialog.findChild<QSpinBox*>("LightAz"), "10");
        ClickButton(dialog, "Cancel");
    });
    EXPECT_FALSE(std::filesystem::exists(path.toStdString()));
    EXPECT_NE(Net().MapHeader.LightAz, 10);
    RunCommand([&](QWidget& dialog) {
        EXPECT_EQ(dialog.findChild<QComboBox*>("FractalLevel")->currentText(), "None");
        EXPECT_EQ(dialog.findChild<QLineEdit*>("InternalFile")->text(), path);
        ClickButton(dialog, "Cancel");
    });
}

TEST_F(FractalOverlayDialogTest, TwoRoughenedRunsDifferAndSmoothRunsAgree)
{
    const std::string first = Generate("first.bmp", "High");
    const std::string second = Generate("second.bmp", "High");
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.size(), second.size());
    EXPECT_NE(first, second);
    EXPECT_EQ(Generate("smooth1.bmp", "None"), Generate("smooth2.bmp", "None"));
}

TEST_F(FractalOverlayDialogTest, AGradientChosenInTheDialogGoesBackToTheMap)
{
    const QString path = folder.filePath("grey.bmp");
    RunCommand([&](QWidget& dialog) {
        auto* editor = dialog.findChild<TGradientEditor*>();
        editor->SetColourChooser([](const QColor&) { return QColor(90, 90, 90); });
        ClickButton(dialog, "GradientColorBut");
        ChooseFile(dialog, path);
        ClickButton(dialog, "OK");
    });
    // "Set Single Colour" puts every point of the three curves at the colour.
    for (int k = 0; k <= 18; ++k)
        EXPECT_EQ(Net().MapHeader.GradientColours[static_cast<std::size_t>(k)], RGB(90, 90, 90)) << k;
    EXPECT_TRUE(std::filesystem::exists(path.toStdString()));
}

}  // namespace
}  // namespace tarn::test
