// Run Script on a real (virtual) display: a flight writes its numbered
// frames at the chosen size and a panorama its strips, over the sample map.
#include "PictureDifference.h"
#include "TestFolder.h"
#include "UserActions.h"

#include "controls/HelpWindow.h"
#include "controls/Messages.h"
#include "exchange/BmpCodec.h"
#include "model/SettingsStore.h"
#include "viewer/render/ViewNet.h"
#include "viewer/ui/GLPanel.h"
#include "viewer/ui/Viewform.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>

#include <gtest/gtest.h>

#include <fstream>

using namespace tarn;
using namespace tarn::test;
namespace fs = std::filesystem;

namespace {

class ScriptRun : public TestFolder {
protected:
    void SetUp() override
    {
        TestFolder::SetUp();
        previousFolder_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(folder.string()));
        const auto map = folder / "sample.lem";
        fs::copy_file(fs::path(TARN_SOURCE_DIR) / "data" / "sample.lem", map);
        viewer = std::make_unique<TViewer>(settings);
        viewer->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer.get()));
        WhenModal([map](QWidget* fileDialog) {
            WhenModal([](QWidget* parameters) { Click(Find(parameters, "OKBtn")); });
            ChooseFile(fileDialog, QString::fromStdString(map.string()));
        });
        Click(Find(viewer.get(), "LoadButton"));
    }
    void TearDown() override
    {
        viewer.reset();
        QDir::setCurrent(previousFolder_);
        TestFolder::TearDown();
    }
    // Copies the first `lines` data lines of a test script and loads them.
    void LoadScript(const std::string& name, std::size_t lines)
    {
        std::ifstream in(fs::path(TARN_TEST_DATA) / "scripts" / name, std::ios::binary);
        std::ofstream out(folder / name, std::ios::binary);
        std::string line;
        std::size_t data = 0;
        bool inData = false;
        while (std::getline(in, line)) {
            if (line.find("[Control Points]") != std::string::npos)
                inData = false;
            if (!inData || data++ < lines)
                out << line << '\n';
            if (line.find("[Path Data]") != std::string::npos)
                inData = true;
        }
        out.close();
        const auto file = folder / name;
        WhenModal([file](QWidget* dialog) { ChooseFile(dialog, QString::fromStdString(file.string())); });
        Click(Find(viewer.get(), "LoadScriptButton"));
    }

    MemorySettingsStore settings;
    ScopedMessageSink messages{[this](const QString& text, const QString&) { shown.append(text); }};
    QStringList shown;
    std::unique_ptr<TViewer> viewer;

private:
    QString previousFolder_;
};

TEST_F(ScriptRun, FlightWritesOneFrameFewerThanItsPointsAtTheChosenSize)
{
    LoadScript("flight.srp", 6);
    ASSERT_EQ(viewer->PathPointCount(), 5);
    const auto camera = viewer->Map().MapHeader.CameraPos;
    WhenModal([](QWidget* dialog) {
        TypeInto(Find(dialog, "FilePattern"), "fly", false);
        Click(Find(dialog, "Size2"));
        Click(Find(dialog, "OKBtn"));
    });
    Click(Find(viewer.get(), "RunScriptButton"));
    EXPECT_TRUE(shown.isEmpty()) << shown.join("; ").toStdString();
    for (const char* name : {"fly000.bmp", "fly001.bmp", "fly002.bmp", "fly003.bmp"}) {
        ASSERT_TRUE(fs::exists(folder / name)) << name;
        const auto frame = ReadBmpFile(folder / name);
        EXPECT_EQ(frame.width, 320);
        EXPECT_EQ(frame.height, 240);
    }
    EXPECT_FALSE(fs::exists(folder / "fly004.bmp"));
    EXPECT_NE(ReadBmpFile(folder / "fly000.bmp").bits, ReadBmpFile(folder / "fly003.bmp").bits);
    EXPECT_EQ(viewer->Map().MapHeader.CameraPos, camera);
}

TEST_F(ScriptRun, AntialiasedFramesAreTarntoolsAndDifferOnlyAlongEdges)
{
    LoadScript("flight.srp", 4);
    const auto run = [this](const char* prefix, bool antialias) {
        WhenModal([prefix, antialias](QWidget* dialog) {
            TypeInto(Find(dialog, "FilePattern"), prefix, false);
            Click(Find(dialog, "Size2"));
            auto* box = Find<QCheckBox>(dialog, "AntiAlias");
            if (box->isChecked() != antialias)
                Click(box);
            Click(Find(dialog, "OKBtn"));
        });
        Click(Find(viewer.get(), "RunScriptButton"));
    };
    run("aa", true);
    // The window keeps the last frame, as after a run without antialiasing.
    EXPECT_EQ(Find<TGLPanel>(viewer.get(), "MainGLPanel")->Picture().bits, ReadBmpFile(folder / "aa001.bmp").bits);
    run("plain", false);
    EXPECT_TRUE(shown.isEmpty()) << shown.join("; ").toStdString();
    const TDibPicture smooth = ReadBmpFile(folder / "aa000.bmp");
    const TDibPicture plain = ReadBmpFile(folder / "plain000.bmp");
    ASSERT_EQ(smooth.width, 320);
    ASSERT_EQ(smooth.height, 240);
    ASSERT_EQ(smooth.bits.size(), plain.bits.size());

    const int status = QProcess::execute(TARN_TARNTOOL, {"animate", "sample.lem", "flight.srp", "--prefix", "tool",
                                                         "--size", "320x240", "--antialias"});
    ASSERT_EQ(status, 0);
    const TDibPicture tool = ReadBmpFile(folder / "tool000.bmp");
    ASSERT_EQ(tool.bits.size(), smooth.bits.size());
    const double fromTool = MeanDifference(smooth, tool);
    const double fromPlain = MeanDifference(smooth, plain);
    std::cout << "mean difference from tarntool's antialiased frame " << fromTool << ", from the plain frame "
              << fromPlain << "\n";
    EXPECT_LT(fromTool, 0.1);
    // Smoothed edges only: a small share of the picture changes, and not by much.
    EXPECT_GT(fromPlain, 0.02);
    EXPECT_LT(fromPlain, 2.0);
}

TEST_F(ScriptRun, PanoramaOf38LinesIs36StripsSideBySide)
{
    LoadScript("panorama.srp", 38);
    WhenModal([this](QWidget* dialog) {
        WhenModal([this](QWidget* save) { ChooseFile(save, QString::fromStdString((folder / "Pano.bmp").string())); });
        Click(Find(dialog, "GetPanoramaFile"));
        Click(Find(dialog, "OKBtn"));
    });
    Click(Find(viewer.get(), "RunScriptButton"));
    EXPECT_TRUE(shown.isEmpty()) << shown.join("; ").toStdString();
    const auto panorama = ReadBmpFile(folder / "pano.bmp");
    EXPECT_EQ(panorama.width, 576);
    EXPECT_EQ(panorama.height, 440);
    for (int strip = 0; strip < 36; ++strip)
        EXPECT_NE(panorama.PixelAt(strip * 16 + 8, 300), (TDibPicture::Rgb{0, 0, 0})) << strip;
}

TEST_F(ScriptRun, ThePanoramaDialogsHelpIsThePageOnPanoramasAndCancelRendersNothing)
{
    LoadScript("panorama.srp", 38);
    WhenModal([](QWidget* dialog) {
        Click(Find(dialog, "HelpBtn"));
        Click(Find(dialog, "CancelBtn"));
    });
    Click(Find(viewer.get(), "RunScriptButton"));
    auto* help = Find<THelpWindow>(viewer.get(), "HelpWindow");
    EXPECT_EQ(help->CurrentTopic(), 21);
    EXPECT_TRUE(help->PageText().contains("panorama"));
    EXPECT_TRUE(shown.isEmpty()) << shown.join("; ").toStdString();
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_NE(entry.path().extension(), ".bmp") << "nothing is rendered: " << entry.path();
}

}  // namespace
