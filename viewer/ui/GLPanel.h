#pragma once

#include "exchange/BmpCodec.h"

#include <QSurfaceFormat>
#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <functional>

class QOpenGLFramebufferObject;
class QPainter;
class QTimer;

namespace tarn {

// Pixel-format flags; flag n is bit 2^n, as the window system's flags of the
// same names were.
enum TPFDFlag : std::uint32_t {
    GLf_DOUBLEBUFFER = 1u << 0,
    GLf_STEREO = 1u << 1,
    GLf_DRAW_TO_WINDOW = 1u << 2,
    GLf_DRAW_TO_BITMAP = 1u << 3,
    GLf_SUPPORT_GDI = 1u << 4,
    GLf_SUPPORT_OPENGL = 1u << 5,
    GLf_GENERIC_FORMAT = 1u << 6,
    GLf_NEED_PALETTE = 1u << 7,
    GLf_NEED_SYSTEM_PALETTE = 1u << 8,
    GLf_SWAP_EXCHANGE = 1u << 9,
    GLf_SWAP_COPY = 1u << 10,
};
using TPFDFlags = std::uint32_t;

inline constexpr TPFDFlags kDefaultGLFlags = GLf_DOUBLEBUFFER | GLf_DRAW_TO_WINDOW | GLf_SUPPORT_OPENGL;

// The surface format that stands for a pixel format: RGBA of the colour
// bits (8 bits a channel from 24 bits up, 5-6-5 at 16), the depth bits,
// double or single buffering, stereo, and always the compatibility profile
// (a core profile draws nothing of OpenGL 1.1).
QSurfaceFormat SurfaceFormatOf(TPFDFlags flags, int colourBits, int depthBits);
// The colour bits a panel asks for on a display of this depth: 16, 24 or 32
// as the display has; 0 for any other depth, which OpenGL is refused on.
int ColourBitsForDisplay(int displayDepth);

// A panel that owns an OpenGL context (through a QOpenGLWidget filling it),
// keeps a copy of the last picture drawn and hands all drawing to its
// events. Painting shows the kept picture; Save, Copy and the picture
// builders use it, never the screen.
//
// Redraw makes the context current and, the first time and again after
// every resize, calls OnGLInit, OnGLPrep and OnResize in that order, then
// OnGLDraw; with GLObjectLoaded the picture is read back afterwards. With
// GLf_DRAW_TO_BITMAP the picture is drawn into a framebuffer object of
// BitmapSize() instead, which may be larger than the window; DrawBitmap
// draws such a picture without keeping it.
class TGLPanel : public QWidget {
    Q_OBJECT

public:
    using TEvent = std::function<void(TGLPanel& sender)>;

    explicit TGLPanel(QWidget* parent = nullptr);
    ~TGLPanel() override;

    TPFDFlags GLFlags() const { return flags_; }
    void SetGLFlags(TPFDFlags flags);
    int GLColorBits() const { return colourBits_; }
    void SetGLColorBits(int bits);
    int GLDepthBits() const { return depthBits_; }
    void SetGLDepthBits(int bits);

    // Make the context current again before the next draw.
    bool ReGetContext = false;
    // Read the picture back into the kept copy after each window draw.
    bool GLObjectLoaded = false;

    TEvent OnGLInit;
    TEvent OnGLPrep;
    TEvent OnGLDraw;
    TEvent OnResize;

    // Draws now. Throws ETarnError E0140 when there is no OpenGL surface;
    // an exception from OnGLDraw passes through.
    void Redraw();
    // Whether the panel has an OpenGL surface to draw on.
    bool HasSurface() const { return surface_ != nullptr; }
    // Lets pending events run in the middle of OnGLDraw and makes the
    // panel's context current again afterwards.
    void ProcessMessages();

    // The kept picture: the panel's size, blank after a resize.
    const TDibPicture& Picture() const { return picture_; }
    // Throws ETarnError E0090 when the file cannot be written.
    void SaveToFile(const std::filesystem::path& path) const;
    void CopyToClipboard() const;
    // Copies a part of the kept picture onto a painter, stretched to fit.
    void CopyPictureRect(const QRect& source, QPainter& destination, const QRect& destinationRect) const;

    // The size the bitmap path draws at; the panel's own size until set.
    QSize BitmapSize() const;
    void SetBitmapSize(QSize size) { bitmapSize_ = size; }
    // Draws into a framebuffer object of `size` (which may be larger than
    // the window) and gives the picture back; the kept picture and what the
    // window shows stay as they are. Throws ETarnError E0140 without an
    // OpenGL surface and E0093 when OpenGL cannot make a framebuffer that
    // large; an exception from OnGLDraw passes through.
    TDibPicture DrawBitmap(QSize size);
    // The pixel size of the picture being drawn: the framebuffer object's
    // during a bitmap draw, else the panel's.
    QSize DrawSize() const;
    // Keeps a picture drawn elsewhere (of the panel's size) as the panel's
    // own and shows it.
    void ShowPicture(TDibPicture picture);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    class TSurface;

    void CreateSurface();
    bool MakeCurrent();
    void StartContextIfNeeded();
    void DrawWithTimer();
    void RedrawToBitmap();
    void PaintSurface();
    QSize PixelSize() const;
    void Fire(const TEvent& event);

    TSurface* surface_ = nullptr;
    QTimer* progressTimer_;
    TPFDFlags flags_ = kDefaultGLFlags;
    int colourBits_ = 24;
    int depthBits_ = 32;
    bool formatChanged_ = false;
    bool contextNeeded_ = true;
    bool drawing_ = false;
    // Whether the surface's framebuffer holds the kept picture already.
    bool surfaceShowsPicture_ = false;
    QSize bitmapSize_;
    // The framebuffer object a bitmap draw goes into, while it runs.
    QOpenGLFramebufferObject* bitmap_ = nullptr;
    TDibPicture picture_;
};

}  // namespace tarn
