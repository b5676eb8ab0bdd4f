#include "controls/Hemisphere.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarn {

namespace {

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// Ring k of n: the further in, the darker.
QColor RingColour(int k, int n)
{
    const int shade = n - k + 20;
    return QColor(std::max(0, 255 - 2 * shade), std::max(0, 255 - shade), 255);
}

// Nearest integer, halves to the even neighbour.
int RoundToInt(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

THemisphere::THemisphere(QWidget* parent) : QFrame(parent)
{
    setMinimumSize(40, 40);
}

THemisphere::Geometry THemisphere::Layout() const
{
    Geometry g;
    const int w = width();
    const int h = height();
    g.cx = w / 2;
    g.cy = azimuthOnly_ ? h / 2 : h / 3;
    const int r0 = (w - 4) / 2;
    g.rings = std::max(1, stepCount_);
    g.ringWidth = r0 / g.rings;
    g.radius = g.ringWidth * (g.rings + 1);
    g.sx = w / 2;
    g.sy = r0 + 2 * h / 3;
    return g;
}

QPoint THemisphere::AzimuthLineEnd() const
{
    const Geometry g = Layout();
    const double reach = g.radius * std::sin(Radians(altitude_));
    return {RoundToInt(g.cx + std::sin(Radians(azimuth_)) * reach),
            RoundToInt(g.cy - std::cos(Radians(azimuth_)) * reach)};
}

QPoint THemisphere::AltitudeLineEnd() const
{
    const Geometry g = Layout();
    return {RoundToInt(g.sx + g.radius * std::sin(Radians(altitude_))),
            RoundToInt(g.sy - g.radius * std::cos(Radians(altitude_)))};
}

void THemisphere::SetAzimuth(int degrees)
{
    if (degrees == azimuth_)
        return;
    azimuth_ = degrees;
    update();
    emit AzChange(azimuth_);
}

void THemisphere::SetAltitude(int degrees)
{
    degrees = std::clamp(degrees, 0, 90);
    if (degrees == altitude_)
        return;
    altitude_ = degrees;
    update();
    emit AltChange(altitude_);
}

void THemisphere::SetAzimuthOnly(bool only)
{
    azimuthOnly_ = only;
    update();
}

void THemisphere::SetStepCount(int steps)
{
    stepCount_ = std::max(0, steps);
    update();
}

void THemisphere::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    regionPending_ = true;
    if (!transparent)
        clearMask();
    update();
}

void THemisphere::paintEvent(QPaintEvent*)
{
    const Geometry g = Layout();
    if (regionPending_ && transparent_) {
        const int disc = g.rings * g.ringWidth;
        setMask(QRegion(g.cx - disc, g.cy - disc, 2 * disc + 1, 2 * disc + 1, QRegion::Ellipse));
    }
    regionPending_ = false;

    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    for (int k = g.rings; k >= 0; --k) {
        const int radius = k * g.ringWidth;
        painter.setBrush(RingColour(k, g.rings));
        painter.drawEllipse(QPoint(g.cx, g.cy), radius, radius);
    }
    if (!azimuthOnly_) {
        for (int k = g.rings; k >= 0; --k) {
            const int radius = k * g.ringWidth;
            painter.setBrush(RingColour(k, g.rings));
            painter.drawPie(QRect(g.sx - radius, g.sy - radius, 2 * radius, 2 * radius), 0, 180 * 16);
        }
    }
    if (azimuth_ < 0)
        return;
    // The lines invert what lies under them, so they show on every ring.
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPoint(g.cx, g.cy), AzimuthLineEnd());
    if (!azimuthOnly_)
        painter.drawLine(QPoint(g.sx, g.sy), AltitudeLineEnd());
}

void THemisphere::ApplyPosition(QPoint position)
{
    const Geometry g = Layout();
    if (g.radius <= 0)
        return;
    const double dx = position.x() - g.cx;
    const double dy = g.cy - position.y();
    const double d = std::hypot(dx, dy);
    if (d > g.radius)
        return;
    int azimuth = d == 0 ? 0 : static_cast<int>(std::acos(dy / d) * 180.0 / std::numbers::pi);
    if (position.x() < g.cx)
        azimuth = 360 - azimuth;
    const int altitude = RoundToInt(std::asin(std::min(1.0, 1.05 * d / g.radius)) * 180.0 / std::numbers::pi);
    if (azimuth == azimuth_ && altitude == altitude_)
        return;
    SetAzimuth(azimuth);
    SetAltitude(altitude);
}

void THemisphere::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = true;
    ApplyPosition(event->position().toPoint());
}

void THemisphere::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        ApplyPosition(event->position().toPoint());
}

void THemisphere::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragging_ = false;
}

}  // namespace tarn
