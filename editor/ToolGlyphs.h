#pragma once

#include <QIcon>
#include <QString>

namespace tarn {

// The picture on a tool or shape button, by the button's name
// ("ZoomInButton", "SpotButton", "EllipseButton", ...); drawn at 20 x 20.
// An unknown name gives an empty icon.
QIcon ToolGlyph(const QString& buttonName);

}  // namespace tarn
