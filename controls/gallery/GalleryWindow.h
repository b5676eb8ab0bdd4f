#pragma once

#include <QWidget>

#include <memory>

namespace tarn {

// The gallery: every shared control in one window, for looking at them by
// eye. The long-operation progress dialog runs a pretended operation at
// start and whenever "Long operation..." is pressed; it ends by itself or
// on Cancel.
std::unique_ptr<QWidget> MakeGalleryWindow();

}  // namespace tarn
