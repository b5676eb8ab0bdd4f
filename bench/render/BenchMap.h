#pragma once

#include "model/MapFactory.h"
#include "model/TerrainSlots.h"
#include "viewer/render/ViewNet.h"

#include <cmath>
#include <memory>

namespace tarn::bench {

inline constexpr int kBenchMapSide = 500;

// A 500 x 500 map of rolling hills with a few terrains, the whole map in
// view from the south-west, at fractal depth 3 with relief on the ground.
inline std::unique_ptr<TViewNet> MakeBenchMap(int width, int height)
{
    auto net = std::make_unique<TViewNet>();
    constexpr int side = kBenchMapSide;
    CreateMap(*net, {MapUnits::Metric, side, side, 20}, DefaultTerrainPalette());
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column)
            net->GetPoint(row * side + column + 1)->Height = static_cast<std::int16_t>(
                400 + 250 * std::sin(row * 0.031) * std::cos(column * 0.023) + 80 * std::sin((row + column) * 0.11));
    net->UpdateSquares();
    for (int i = 1; i <= net->SquareCount(); ++i)
        if (i % 11 == 0)
            net->GetSquare(i)->Terrain = static_cast<std::int16_t>(i % 7 + 1);
    auto& h = net->MapHeader;
    h.MinHeight = 70;
    h.MaxHeight = 730;
    h.VerticalScale = 1;
    h.DrawingScheme = kSchemeGradients;
    h.DrawTerrains = 1;
    h.GridMode = 2;
    h.SkyColour = RGB(120, 160, 230);
    h.LightAlt = 40;
    h.LightAz = 135;
    h.LightDiffusion = 20;
    h.FractalDepth = 3;
    h.FractValues[0] = 40;
    h.CameraPos = {-700, -900, 500};
    h.TargetPos = {0, 0, 0};
    net->SetViewSize(width, height);
    return net;
}

}  // namespace tarn::bench
