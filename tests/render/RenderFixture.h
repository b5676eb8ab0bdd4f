#pragma once

#include "model/MapFactory.h"
#include "model/TerrainSlots.h"
#include "viewer/render/PictureReadBack.h"
#include "viewer/render/ViewNet.h"
#include "viewer/render/offscreen/OffscreenContext.h"

#include <algorithm>
#include <cstdlib>

namespace tarn::test {

using Rgb = TDibPicture::Rgb;

// A metric map of side x side nodes 50 m apart with every node at `height`,
// heights ranging -900..900 (so height 0 takes gradient entry 9), no grid,
// no mist, a solid sky, and the camera south of the centre looking north.
inline void MakeFlatMap(TViewNet& net, int side = 21, int height = 0)
{
    CreateMap(net, {MapUnits::Metric, side, side, 50}, DefaultTerrainPalette());
    for (auto& point : net.Points())
        point.Height = static_cast<std::int16_t>(height);
    net.UpdateSquares();
    auto& h = net.MapHeader;
    h.MinHeight = -900;
    h.MaxHeight = 900;
    h.VerticalScale = 1;
    h.GridMode = 2;
    h.SkyColour = RGB(40, 60, 200);
    h.GridColour = RGB(255, 0, 0);
    h.MistColour = RGB(255, 0, 0);
    h.LightAlt = 0;
    h.LightAz = 0;
    h.ShadingDensity = 30;
    h.ShadingContrast = 60;
    h.LightDiffusion = 0;
    h.CameraPos = {0, -400, 300};
    h.TargetPos = {0, 0, 0};
}

// Draws the map once into a fresh off-screen context and reads it back.
inline TDibPicture Render(TViewNet& net, int width = 160, int height = 120, int fractalDepth = 0,
                          IProgress* progress = nullptr, bool* completed = nullptr)
{
    TOffscreenContext context(width, height);
    net.InitContext();
    net.SetViewSize(width, height);
    const bool done = net.DrawScene(0, fractalDepth, progress);
    if (completed)
        *completed = done;
    return ReadPicture(width, height);
}

inline std::uint64_t Checksum(const TDibPicture& picture)
{
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const auto byte : picture.bits)
        hash = (hash ^ byte) * 0x100000001b3ull;
    return hash;
}

// The largest difference of one channel.
inline int Difference(Rgb a, Rgb b)
{
    return std::max({std::abs(a.red - b.red), std::abs(a.green - b.green), std::abs(a.blue - b.blue)});
}

inline Rgb ToRgb(TColorRef colour)
{
    return {static_cast<std::uint8_t>(RedOf(colour)), static_cast<std::uint8_t>(GreenOf(colour)),
            static_cast<std::uint8_t>(BlueOf(colour))};
}

// How many pixels satisfy the test.
template <typename Test>
int CountPixels(const TDibPicture& picture, Test test)
{
    int count = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            count += test(picture.PixelAt(x, y)) ? 1 : 0;
    return count;
}

}  // namespace tarn::test
