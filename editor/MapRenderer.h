#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

namespace tarn {

class TNet;

// What a redraw of the map picture shows and how.
struct TRenderSettings {
    bool heights = true;
    bool terrains = true;
    bool objects = true;
    bool background = true;
    int bandMin = 0;
    int bandMax = 1000;
    double scale = 1.0;
    QSize picture;        // the whole picture, over which the background is stretched
    QImage backgroundPicture;
};

// Draws the layers of the map picture that fall in `area` (picture pixels):
// white, the background stretched over the whole picture, a height marker
// per node, the terrain outlines, the overlay objects. Drawing an area gives
// the same pixels there as drawing the whole picture.
void RenderMapArea(QPainter& painter, const TNet& net, const TRenderSettings& settings, const QRect& area);

// Heights at this scale and above are written as numbers.
inline constexpr double kHeightTextScale = 18.0;

}  // namespace tarn
