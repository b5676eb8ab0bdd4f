#include "viewer/render/SurfaceEffects.h"

#include "analysis/noise/Noise.h"

#include <algorithm>

namespace tarn {

namespace {

constexpr int kLastVistaIndex = kVistaEntries - 1;

bool SlopeEffectsApply(const TMapHeader& h, const TColourRecord& record, std::uint8_t effect, std::uint8_t override_)
{
    if (h.DrawingScheme != kSchemeVista || effect == 0)
        return false;
    if (record.terrain == kWaterTerrain || record.terrain == kRoadTerrain)
        return false;
    return record.terrain == 0 || override_ != 0;
}

void BlendToward(std::array<TSceneVertex, 3>& triangle, double q, const ColourRGBA& target)
{
    for (auto& vertex : triangle) {
        auto& c = vertex.colour;
        c[0] = static_cast<float>((1 - q) * c[0] + q * target.red);
        c[1] = static_cast<float>((1 - q) * c[1] + q * target.green);
        c[2] = static_cast<float>((1 - q) * c[2] + q * target.blue);
    }
}

int ValleyColourIndex(const TColourRecord& record, double q)
{
    const int k = record.vistaIndex;
    if (record.meanHeight > record.snowLevel)
        return std::min(q > 0.5 ? k + 2 : k + 1, kLastVistaIndex);
    const int step = q > 0.75 ? 4 : (q > 0.5 ? 3 : (q > 0.25 ? 2 : 1));
    return std::max(k - step, 0);
}

}  // namespace

void ApplySlopeEffects(const TMapHeader& h, const TColourRecord& record, double normalY,
                       std::array<TSceneVertex, 3>& triangle)
{
    if (SlopeEffectsApply(h, record, h.CliffEffect, h.CliffOverride)) {
        const double c = 0.8 + h.CliffAngle * 0.00199996;
        if (normalY <= c)
            BlendToward(triangle, (c - normalY) / c, ToRGBA(h.TerrainColours[kRockTerrain]));
    }
    if (SlopeEffectsApply(h, record, h.ValleyEffect, h.ValleyOverride)) {
        const double c = 0.95 + h.ValleyAngle * 0.0004999975;
        if (normalY >= c) {
            const double q = (normalY - c) / (1 - c);
            BlendToward(triangle, q, ToRGBA(h.VistaColours[static_cast<std::size_t>(ValleyColourIndex(record, q))]));
        }
    }
}

void ApplyWaterColour(const TMapHeader& h, const TColourRecord& record, double water,
                      std::array<TSceneVertex, 3>& triangle)
{
    if (h.DrawTerrains == 0 || (h.DrawingScheme != kSchemeGradients && h.DrawingScheme != kSchemeVista))
        return;
    if (record.terrain != kWaterTerrain || !(water > h.WaterEdge * 0.01))
        return;
    const ColourRGBA waterColour = ToRGBA(h.TerrainColours[kWaterTerrain]);
    const double columns = h.Columns != 0 ? h.Columns : 1;
    const double rows = h.Rows != 0 ? h.Rows : 1;
    for (auto& vertex : triangle) {
        auto& c = vertex.colour;
        c = {waterColour.red, waterColour.green, waterColour.blue, 1.0f};
        if (h.WaterTurbulance < 1)
            continue;
        const double m = Noise(vertex.position[0] * 100.0 / columns, vertex.position[2] * 100.0 / rows,
                               h.PlaneSeeds[1], h.PlaneSeeds[4]);
        const double shift = h.WaterTurbulance * 0.01 * (2 * m - 0.5);
        for (int channel = 0; channel < 3; ++channel)
            c[channel] = static_cast<float>(std::clamp(c[channel] + shift, 0.0, 1.0));
    }
}

}  // namespace tarn
