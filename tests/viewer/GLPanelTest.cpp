// The OpenGL panel on a real (virtual) display: the order of its events, the
// kept picture read back after each draw, blanked by a resize, and the
// framebuffer path for pictures larger than the window.
#include "TestFolder.h"

#include "model/Errors.h"
#include "viewer/ui/GLPanel.h"
#include "viewer/ui/PictureImage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>

#include <GL/gl.h>

#include <gtest/gtest.h>

using namespace tarn;
using namespace tarn::test;

namespace {

using Rgb = TDibPicture::Rgb;
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kBlack{0, 0, 0};

// Clears the whole picture red and its right half blue.
void DrawHalves(int width, int height)
{
    glViewport(0, 0, width, height);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(1, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_SCISSOR_TEST);
    glScissor(width / 2, 0, width - width / 2, height);
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
}

class GLPanel : public TestFolder {
protected:
    void SetUp() override
    {
        TestFolder::SetUp();
        window.setFixedSize(275, 200);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        panel = new TGLPanel(&window);
        layout->addWidget(panel);
        panel->OnGLInit = [this](TGLPanel&) { events.push_back("init"); };
        panel->OnGLPrep = [this](TGLPanel&) { events.push_back("prep"); };
        panel->OnResize = [this](TGLPanel&) { events.push_back("resize"); };
        panel->OnGLDraw = [this](TGLPanel& sender) {
            events.push_back("draw");
            DrawHalves(sender.width(), sender.height());
        };
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(panel->HasSurface());
        events.clear();
    }

    bool AllBlack() const
    {
        const auto& bits = panel->Picture().bits;
        return std::all_of(bits.begin(), bits.end(), [](std::uint8_t b) { return b == 0; });
    }

    QWidget window;
    TGLPanel* panel = nullptr;
    std::vector<std::string> events;
};

}  // namespace

TEST_F(GLPanel, StartsItsContextOnceAndAgainAfterAResize)
{
    panel->Redraw();
    EXPECT_EQ(events, (std::vector<std::string>{"init", "prep", "resize", "draw"}));
    events.clear();
    panel->Redraw();
    EXPECT_EQ(events, (std::vector<std::string>{"draw"}));
    events.clear();
    window.setFixedSize(300, 220);
    QTest::qWait(50);
    EXPECT_EQ(events, (std::vector<std::string>{"resize"}));
    events.clear();
    panel->Redraw();
    EXPECT_EQ(events, (std::vector<std::string>{"init", "prep", "resize", "draw"}));
}

TEST_F(GLPanel, ReadsThePictureBackWithPaddedRows)
{
    panel->GLObjectLoaded = true;
    panel->Redraw();
    const TDibPicture& picture = panel->Picture();
    ASSERT_EQ(picture.width, 275);
    ASSERT_EQ(picture.height, 200);
    // 825 bytes of pixels and 3 of padding a row.
    EXPECT_EQ(picture.Stride(), 828);
    EXPECT_EQ(picture.bits.size(), 200u * 828u);
    EXPECT_EQ(picture.PixelAt(0, 0), kRed);
    EXPECT_EQ(picture.PixelAt(136, 199), kRed);
    EXPECT_EQ(picture.PixelAt(137, 0), kBlue);
    EXPECT_EQ(picture.PixelAt(274, 199), kBlue);
    // Blue, green, red in memory, as a BMP holds them.
    EXPECT_EQ(picture.bits[picture.bits.size() - 828 + 3 * 274], 255);

    const auto file = folder / "halves.bmp";
    panel->SaveToFile(file);
    EXPECT_EQ(ReadAll(file).size(), 54u + 200u * 828u);
    const TDibPicture saved = ReadBmpFile(file);
    EXPECT_EQ(saved.bits, picture.bits);
}

TEST_F(GLPanel, KeepsNoPictureUnlessAsked)
{
    panel->Redraw();
    EXPECT_TRUE(AllBlack());
    EXPECT_EQ(panel->Picture().width, 275);
}

TEST_F(GLPanel, AResizeBlanksThePictureUntilTheNextRedraw)
{
    panel->GLObjectLoaded = true;
    panel->Redraw();
    window.setFixedSize(320, 240);
    QTest::qWait(50);
    EXPECT_EQ(panel->Picture().width, 320);
    EXPECT_EQ(panel->Picture().height, 240);
    EXPECT_TRUE(AllBlack());
    // What the panel shows is the blank picture too.
    const QImage shown = panel->grab().toImage();
    EXPECT_EQ(shown.pixelColor(10, 10), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(300, 10), QColor(Qt::black));

    const auto file = folder / "blank.bmp";
    panel->SaveToFile(file);
    EXPECT_EQ(ReadBmpFile(file).bits, panel->Picture().bits);
    panel->Redraw();
    EXPECT_EQ(panel->Picture().PixelAt(319, 239), kBlue);
}

TEST_F(GLPanel, PaintsTheKeptPictureAndCopiesIt)
{
    panel->GLObjectLoaded = true;
    panel->Redraw();
    const QImage shown = panel->grab().toImage();
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(270, 195), QColor(Qt::blue));

    panel->CopyToClipboard();
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), QSize(275, 200));
    EXPECT_EQ(copied.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(copied.pixelColor(270, 5), QColor(Qt::blue));

    QImage target(100, 50, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    panel->CopyPictureRect(QRect(130, 0, 20, 200), painter, QRect(0, 0, 100, 50));
    painter.end();
    EXPECT_EQ(target.pixelColor(2, 25), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(97, 25), QColor(Qt::blue));
}

TEST_F(GLPanel, DrawsPicturesLargerThanTheWindowIntoAFramebuffer)
{
    panel->SetGLFlags(panel->GLFlags() | GLf_DRAW_TO_BITMAP);
    panel->SetBitmapSize({1200, 900});
    panel->OnGLDraw = [](TGLPanel& sender) { DrawHalves(sender.BitmapSize().width(), sender.BitmapSize().height()); };
    panel->Redraw();
    const TDibPicture& picture = panel->Picture();
    ASSERT_EQ(picture.width, 1200);
    ASSERT_EQ(picture.height, 900);
    EXPECT_EQ(picture.PixelAt(0, 0), kRed);
    EXPECT_EQ(picture.PixelAt(599, 899), kRed);
    EXPECT_EQ(picture.PixelAt(600, 0), kBlue);
    EXPECT_EQ(picture.PixelAt(1199, 899), kBlue);
}

TEST_F(GLPanel, ABitmapDrawThatLetsEventsRunGoesOnInItsFramebuffer)
{
    panel->SetGLFlags(panel->GLFlags() | GLf_DRAW_TO_BITMAP);
    panel->SetBitmapSize({600, 400});
    // Red, then the events a progress pump lets run, then the right half blue.
    panel->OnGLDraw = [](TGLPanel& sender) {
        glViewport(0, 0, 600, 400);
        glClearColor(1, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        sender.update();
        sender.ProcessMessages();
        glEnable(GL_SCISSOR_TEST);
        glScissor(300, 0, 300, 400);
        glClearColor(0, 0, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glDisable(GL_SCISSOR_TEST);
    };
    panel->Redraw();
    EXPECT_EQ(panel->Picture().PixelAt(0, 0), kRed);
    EXPECT_EQ(panel->Picture().PixelAt(599, 399), kBlue);
}

TEST_F(GLPanel, DrawsABitmapWithoutTouchingTheKeptPicture)
{
    panel->GLObjectLoaded = true;
    panel->OnGLDraw = [](TGLPanel& sender) { DrawHalves(sender.DrawSize().width(), sender.DrawSize().height()); };
    panel->Redraw();
    const TDibPicture kept = panel->Picture();

    const TDibPicture bitmap = panel->DrawBitmap({1000, 700});
    ASSERT_EQ(bitmap.width, 1000);
    ASSERT_EQ(bitmap.height, 700);
    EXPECT_EQ(bitmap.PixelAt(499, 699), kRed);
    EXPECT_EQ(bitmap.PixelAt(500, 0), kBlue);
    EXPECT_EQ(panel->Picture().bits, kept.bits);
    const QImage shown = panel->grab().toImage();
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(270, 195), QColor(Qt::blue));
    EXPECT_EQ(panel->DrawSize(), QSize(275, 200));
}

TEST_F(GLPanel, AContextStartedForABitmapIsSizedToTheBitmap)
{
    QSize resizedTo;
    panel->OnResize = [&resizedTo](TGLPanel& sender) { resizedTo = sender.DrawSize(); };
    window.setFixedSize(300, 220);
    QTest::qWait(50);
    EXPECT_EQ(resizedTo, QSize(300, 220));
    panel->DrawBitmap({800, 600});
    EXPECT_EQ(resizedTo, QSize(800, 600));
}

TEST_F(GLPanel, RefusesABitmapLargerThanOpenGLDraws)
{
    try {
        panel->DrawBitmap({40000, 16});
        ADD_FAILURE() << "no refusal";
    } catch (const ETarnError& error) {
        EXPECT_EQ(error.code(), "E0093");
    }
    EXPECT_TRUE(events.empty());
    // The panel draws on afterwards.
    panel->GLObjectLoaded = true;
    panel->Redraw();
    EXPECT_EQ(panel->Picture().PixelAt(0, 0), kRed);
}

TEST_F(GLPanel, ShowsAPictureDrawnElsewhere)
{
    auto picture = TDibPicture::Blank(275, 200);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 275; ++x)
            picture.SetPixel(x, y, kBlue);
    panel->ShowPicture(picture);
    EXPECT_EQ(panel->Picture().bits, picture.bits);
    QTest::qWait(50);
    EXPECT_EQ(panel->grab().toImage().pixelColor(10, 10), QColor(Qt::blue));
}

TEST_F(GLPanel, AnExceptionFromTheDrawPassesThroughAndTheNextDrawWorks)
{
    panel->GLObjectLoaded = true;
    const auto draw = panel->OnGLDraw;
    panel->OnGLDraw = [](TGLPanel&) { throw std::runtime_error("draw failed"); };
    EXPECT_THROW(panel->Redraw(), std::runtime_error);
    panel->OnGLDraw = draw;
    panel->Redraw();
    EXPECT_EQ(panel->Picture().PixelAt(0, 0), kRed);
}

TEST(GLPanelFormat, AsksForTheCompatibilityProfileWithThePixelFormatsBits)
{
    const QSurfaceFormat main = SurfaceFormatOf(kDefaultGLFlags | GLf_SWAP_COPY, 32, 32);
    EXPECT_EQ(main.profile(), QSurfaceFormat::CompatibilityProfile);
    EXPECT_EQ(main.swapBehavior(), QSurfaceFormat::DoubleBuffer);
    EXPECT_EQ(main.redBufferSize(), 8);
    EXPECT_EQ(main.alphaBufferSize(), 8);
    EXPECT_EQ(main.depthBufferSize(), 32);
    const QSurfaceFormat preview = SurfaceFormatOf(GLf_DRAW_TO_WINDOW | GLf_SUPPORT_GDI | GLf_SUPPORT_OPENGL, 16, 16);
    EXPECT_EQ(preview.swapBehavior(), QSurfaceFormat::SingleBuffer);
    EXPECT_EQ(preview.greenBufferSize(), 6);
    EXPECT_EQ(ColourBitsForDisplay(24), 24);
    EXPECT_EQ(ColourBitsForDisplay(16), 16);
    EXPECT_EQ(ColourBitsForDisplay(8), 0);
    EXPECT_EQ(ColourBitsForDisplay(15), 0);
}
