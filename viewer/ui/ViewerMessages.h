#pragma once

// The viewer's message texts, quoted exactly as users see them.
namespace tarn::msg {
inline constexpr const char* ErrorLoadingBmp = "E0002 Error loading bmp file";
inline constexpr const char* OverlayFileNotFound = "E0025 Overlay file not found";
inline constexpr const char* NoOverlayFile = "E0026 No overlay file was selected";
inline constexpr const char* NoAnimationMemory = "E0031 Unable to allocate memory for animation";
inline constexpr const char* NotImplemented = "Function not implemented";
inline constexpr const char* OpenGLCaption = "OpenGL";
inline constexpr const char* ColourDepthRefused = "Cannot initialize OpenGL at display colour depth";
// Our own addition: a display whose platform gives no OpenGL at all.
inline constexpr const char* NoOpenGL = "E0140 OpenGL is not available on this display";
// Our own additions for print bitmaps: a picture larger than OpenGL can draw
// into here, and a print bitmap confirmed without a file name.
inline constexpr const char* BitmapTooLarge = "E0093 The picture is too large for OpenGL on this display";
inline constexpr const char* NoPrintFile = "E0094 No print bitmap file selected";
}  // namespace tarn::msg
