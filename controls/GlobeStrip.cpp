#include "controls/GlobeStrip.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarn {

namespace {

// Land where a sum of waves, whole periods around the globe, is high enough.
bool IsLand(double latitude, double longitude)
{
    const double relief = std::sin(3 * longitude) * std::cos(2 * latitude)
                        + 0.6 * std::sin(5 * longitude + 1.3) * std::sin(3 * latitude + 0.7)
                        + 0.3 * std::cos(7 * longitude - 2 * latitude);
    return relief > 0.35;
}

QRgb SurfaceColour(double latitude, double longitude, double light)
{
    double red = 30, green = 80, blue = 200;  // sea
    if (std::fabs(latitude) > 1.2) {
        red = green = blue = 235;  // ice caps
    } else if (IsLand(latitude, longitude)) {
        red = 60, green = 150, blue = 50;
    }
    return qRgb(static_cast<int>(red * light), static_cast<int>(green * light), static_cast<int>(blue * light));
}

}  // namespace

QImage MakeGlobeStrip(int frameSize, int frameCount)
{
    frameSize = std::max(1, frameSize);
    frameCount = std::max(1, frameCount);
    QImage strip(frameSize * frameCount, frameSize, QImage::Format_RGB32);
    strip.fill(Qt::black);
    const double radius = frameSize / 2.0 - 1;
    const double centre = frameSize / 2.0;
    // Light from the upper left, in front of the globe.
    const double lx = -0.5, ly = 0.5, lz = 0.707;
    for (int frame = 0; frame < frameCount; ++frame) {
        const double turn = 2 * std::numbers::pi * frame / frameCount;
        for (int py = 0; py < frameSize; ++py) {
            auto* line = reinterpret_cast<QRgb*>(strip.scanLine(py)) + frame * frameSize;
            for (int px = 0; px < frameSize; ++px) {
                const double nx = (px + 0.5 - centre) / radius;
                const double ny = (centre - py - 0.5) / radius;
                const double rr = nx * nx + ny * ny;
                if (rr > 1)
                    continue;
                const double nz = std::sqrt(1 - rr);
                const double light = 0.25 + 0.75 * std::max(0.0, nx * lx + ny * ly + nz * lz);
                line[px] = SurfaceColour(std::asin(ny), std::atan2(nx, nz) - turn, light);
            }
        }
    }
    return strip;
}

}  // namespace tarn
