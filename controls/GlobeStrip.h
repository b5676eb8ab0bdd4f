#pragma once

#include <QImage>

namespace tarn {

// A turning globe on black, drawn as frameCount square frames of frameSize
// pixels side by side; the last frame leads seamlessly back to the first.
QImage MakeGlobeStrip(int frameSize, int frameCount);

}  // namespace tarn
