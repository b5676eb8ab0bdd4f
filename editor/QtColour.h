#pragma once

#include "model/Colour.h"

#include <QColor>

namespace tarn {

inline QColor ToQColor(TColorRef colour)
{
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

inline TColorRef FromQColor(const QColor& colour)
{
    return RGB(colour.red(), colour.green(), colour.blue());
}

}  // namespace tarn
