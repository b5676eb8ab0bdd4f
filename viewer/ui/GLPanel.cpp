#include "viewer/ui/GLPanel.h"

#include "controls/Messages.h"
#include "model/Errors.h"
#include "viewer/render/PictureReadBack.h"
#include "viewer/ui/PictureImage.h"
#include "viewer/ui/ViewerMessages.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLWidget>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <GL/gl.h>

#include <cmath>

namespace tarn {

namespace {

constexpr int kProgressInterval = 5000;

// Whether this platform gives OpenGL contexts at all (Qt's offscreen
// platform does not, and a QOpenGLWidget shown there crashes).
bool OpenGLAvailable()
{
    QOpenGLContext probe;
    return probe.create();
}

// Draws a picture over the whole framebuffer, leaving every GL state as it
// was.
void DrawPictureInto(const TDibPicture& picture, QSize target)
{
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, target.width(), 0, target.height(), -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glViewport(0, 0, target.width(), target.height());
    for (const GLenum capability : {GL_DEPTH_TEST, GL_LIGHTING, GL_FOG, GL_TEXTURE_1D, GL_TEXTURE_2D, GL_BLEND,
                                    GL_CULL_FACE, GL_DITHER})
        glDisable(capability);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    if (!picture.bits.empty()) {
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
        glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
        glRasterPos2i(0, 0);
        glDrawPixels(picture.width, picture.height, GL_BGR, GL_UNSIGNED_BYTE, picture.bits.data());
    }
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopClientAttrib();
    glPopAttrib();
}

}  // namespace

QSurfaceFormat SurfaceFormatOf(TPFDFlags flags, int colourBits, int depthBits)
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    if (colourBits <= 16) {
        format.setRedBufferSize(5);
        format.setGreenBufferSize(6);
        format.setBlueBufferSize(5);
    } else {
        format.setRedBufferSize(8);
        format.setGreenBufferSize(8);
        format.setBlueBufferSize(8);
        format.setAlphaBufferSize(colourBits >= 32 ? 8 : 0);
    }
    format.setDepthBufferSize(depthBits);
    format.setSwapBehavior((flags & GLf_DOUBLEBUFFER) != 0 ? QSurfaceFormat::DoubleBuffer
                                                           : QSurfaceFormat::SingleBuffer);
    format.setStereo((flags & GLf_STEREO) != 0);
    return format;
}

int ColourBitsForDisplay(int displayDepth)
{
    return displayDepth == 16 || displayDepth == 24 || displayDepth == 32 ? displayDepth : 0;
}

// The OpenGL widget inside the panel. Its framebuffer is kept between
// paints, so a picture drawn outside paintGL stays on screen.
class TGLPanel::TSurface final : public QOpenGLWidget {
public:
    explicit TSurface(TGLPanel& panel) : QOpenGLWidget(&panel), panel_(panel)
    {
        setObjectName("GLSurface");
        setUpdateBehavior(QOpenGLWidget::PartialUpdate);
        // Clicks and keys belong to the panel.
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintGL() override { panel_.PaintSurface(); }

private:
    TGLPanel& panel_;
};

TGLPanel::TGLPanel(QWidget* parent) : QWidget(parent), progressTimer_(new QTimer(this))
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    colourBits_ = ColourBitsForDisplay(screen ? screen->depth() : 0);
    if (colourBits_ == 0) {
        colourBits_ = 24;
        ShowMessage(msg::ColourDepthRefused, msg::OpenGLCaption);
    } else if (OpenGLAvailable()) {
        CreateSurface();
    }
    progressTimer_->setInterval(kProgressInterval);
    // A tick during a long draw shows what is drawn so far.
    connect(progressTimer_, &QTimer::timeout, this, [this] {
        if (surface_)
            surface_->update();
    });
    picture_ = TDibPicture::Blank(width(), height());
}

TGLPanel::~TGLPanel() = default;

void TGLPanel::CreateSurface()
{
    delete surface_;
    surface_ = new TSurface(*this);
    surface_->setFormat(SurfaceFormatOf(flags_, colourBits_, depthBits_));
    surface_->setGeometry(rect());
    surface_->setVisible(true);
    formatChanged_ = false;
    contextNeeded_ = true;
    surfaceShowsPicture_ = false;
}

void TGLPanel::SetGLFlags(TPFDFlags flags)
{
    formatChanged_ = formatChanged_ || flags != flags_;
    flags_ = flags;
}

void TGLPanel::SetGLColorBits(int bits)
{
    formatChanged_ = formatChanged_ || bits != colourBits_;
    colourBits_ = bits;
}

void TGLPanel::SetGLDepthBits(int bits)
{
    formatChanged_ = formatChanged_ || bits != depthBits_;
    depthBits_ = bits;
}

QSize TGLPanel::PixelSize() const
{
    const double ratio = devicePixelRatioF();
    return {static_cast<int>(std::lround(width() * ratio)), static_cast<int>(std::lround(height() * ratio))};
}

QSize TGLPanel::BitmapSize() const
{
    return bitmapSize_.isValid() ? bitmapSize_ : PixelSize();
}

void TGLPanel::Fire(const TEvent& event)
{
    if (event)
        event(*this);
}

bool TGLPanel::MakeCurrent()
{
    if (!surface_)
        return false;
    // A format changed at run time takes a new surface and context; an
    // initialised widget cannot change its own.
    if (formatChanged_) {
        if (surface_->isValid())
            CreateSurface();
        else
            surface_->setFormat(SurfaceFormatOf(flags_, colourBits_, depthBits_));
        formatChanged_ = false;
    }
    // A surface never painted yet (the window is not shown) gets its
    // context now.
    if (!surface_->isValid())
        surface_->grabFramebuffer();
    if (!surface_->isValid())
        return false;
    surface_->makeCurrent();
    return true;
}

void TGLPanel::StartContextIfNeeded()
{
    if (!contextNeeded_)
        return;
    contextNeeded_ = false;
    ReGetContext = false;
    Fire(OnGLInit);
    Fire(OnGLPrep);
    Fire(OnResize);
}

void TGLPanel::DrawWithTimer()
{
    drawing_ = true;
    progressTimer_->start();
    try {
        Fire(OnGLDraw);
    } catch (...) {
        progressTimer_->stop();
        drawing_ = false;
        throw;
    }
    progressTimer_->stop();
    drawing_ = false;
}

void TGLPanel::Redraw()
{
    if ((flags_ & GLf_DRAW_TO_BITMAP) != 0) {
        RedrawToBitmap();
        return;
    }
    ReGetContext = true;
    if (!MakeCurrent())
        throw ETarnError(msg::NoOpenGL);
    StartContextIfNeeded();
    ReGetContext = false;
    const QSize size = PixelSize();
    DrawWithTimer();
    // A resize while the draw let events run has blanked the picture; the
    // framebuffer drawn into is gone with it.
    if (PixelSize() != size)
        return;
    if (GLObjectLoaded)
        picture_ = ReadPicture(size.width(), size.height());
    surfaceShowsPicture_ = true;
    surface_->update();
}

void TGLPanel::RedrawToBitmap()
{
    picture_ = DrawBitmap(BitmapSize());
}

TDibPicture TGLPanel::DrawBitmap(QSize size)
{
    if (!MakeCurrent())
        throw ETarnError(msg::NoOpenGL);
    QOpenGLFramebufferObject bitmap(size, QOpenGLFramebufferObject::Depth);
    if (!bitmap.isValid())
        throw ETarnError(msg::BitmapTooLarge);
    bitmap_ = &bitmap;
    bitmap.bind();
    try {
        StartContextIfNeeded();
        DrawWithTimer();
    } catch (...) {
        bitmap_ = nullptr;
        bitmap.release();
        throw;
    }
    bitmap_ = nullptr;
    // Events run during the draw may have made another context current.
    surface_->makeCurrent();
    bitmap.bind();
    TDibPicture picture = ReadPicture(size.width(), size.height());
    bitmap.release();
    surfaceShowsPicture_ = false;
    surface_->update();
    return picture;
}

QSize TGLPanel::DrawSize() const
{
    return bitmap_ ? bitmap_->size() : PixelSize();
}

void TGLPanel::ShowPicture(TDibPicture picture)
{
    picture_ = std::move(picture);
    surfaceShowsPicture_ = false;
    if (surface_)
        surface_->update();
    update();
}

void TGLPanel::ProcessMessages()
{
    QCoreApplication::processEvents();
    if (!drawing_ || !surface_ || !surface_->isValid())
        return;
    // Making the widget's context current binds the widget's own
    // framebuffer; a bitmap draw goes on in its framebuffer object.
    surface_->makeCurrent();
    if (bitmap_)
        bitmap_->bind();
}

void TGLPanel::PaintSurface()
{
    // While a draw runs the framebuffer holds the picture growing; painting
    // it shows how far the draw has come.
    if (drawing_ || surfaceShowsPicture_)
        return;
    DrawPictureInto(picture_, PixelSize());
    surfaceShowsPicture_ = true;
}

void TGLPanel::SaveToFile(const std::filesystem::path& path) const
{
    WriteBmpFile(path, picture_);
}

void TGLPanel::CopyToClipboard() const
{
    QGuiApplication::clipboard()->setImage(ImageOf(picture_));
}

void TGLPanel::CopyPictureRect(const QRect& source, QPainter& destination, const QRect& destinationRect) const
{
    destination.drawImage(destinationRect, ImageOf(picture_), source);
}

void TGLPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (surface_)
        surface_->setGeometry(rect());
    if (surface_ && surface_->isValid())
        surface_->makeCurrent();
    Fire(OnResize);
    const QSize size = PixelSize();
    picture_ = TDibPicture::Blank(size.width(), size.height());
    surfaceShowsPicture_ = false;
    contextNeeded_ = true;
    update();
}

void TGLPanel::paintEvent(QPaintEvent*)
{
    // With a surface the surface paints; without one the panel shows the
    // picture itself.
    if (surface_)
        return;
    QPainter painter(this);
    painter.drawImage(rect(), ImageOf(picture_));
}

}  // namespace tarn
