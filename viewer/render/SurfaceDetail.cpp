// Surface detail: the lowered base layer, the size test on screen, and the
// recursive 3 x 3 subdivision of visible squares with noise relief and waves.
#include "viewer/render/ReliefNoise.h"
#include "viewer/render/ScreenProjection.h"
#include "viewer/render/SurfaceEffects.h"
#include "viewer/render/ViewNet.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarn {

namespace {

// Squares are tested for their size on screen in a view this much wider,
// so that those just outside the picture get their detail too.
constexpr double kExtraAngle = 15;

TMapPoint Mid(const TMapPoint& a, const TMapPoint& b)
{
    return {(a.x + b.x) * 0.5, (a.y + b.y) * 0.5, (a.height + b.height) * 0.5};
}

// The weights of the square's four nodes (north-west, north-east,
// south-east, south-west) at a point, from its offset to the first corner.
std::array<double, 4> BilinearWeights(double x, double y, const std::array<TMapPoint, 4>& square)
{
    double width = std::fabs(square[1].x - square[0].x);
    double depth = std::fabs(square[0].y - square[3].y);
    if (width == 0)
        width = 1;
    if (depth == 0)
        depth = 1;
    const double fx = std::fabs(x - square[0].x) / width;
    const double fy = std::fabs(y - square[0].y) / depth;
    return {(1 - fx) * (1 - fy), fx * (1 - fy), fx * fy, (1 - fx) * fy};
}

double Bilinear(const std::array<double, 4>& weights, const std::array<double, 4>& values)
{
    return weights[0] * values[0] + weights[1] * values[1] + weights[2] * values[2] + weights[3] * values[3];
}

ColourRGBA Bilinear(const std::array<double, 4>& w, const std::array<ColourRGBA, 4>& c)
{
    const auto channel = [&](auto member) {
        return static_cast<float>(w[0] * c[0].*member + w[1] * c[1].*member + w[2] * c[2].*member +
                                  w[3] * c[3].*member);
    };
    return {channel(&ColourRGBA::red), channel(&ColourRGBA::green), channel(&ColourRGBA::blue),
            channel(&ColourRGBA::alpha)};
}

// The 3 x 3 lattice of a quad, row by row from the north-west corner.
std::array<TMapPoint, 9> Lattice(const std::array<TMapPoint, 4>& quad)
{
    return {quad[0],        Mid(quad[0], quad[1]), quad[1],
            Mid(quad[0], quad[3]), Mid(Mid(quad[0], quad[2]), Mid(quad[1], quad[3])), Mid(quad[1], quad[2]),
            quad[3],        Mid(quad[3], quad[2]), quad[2]};
}

}  // namespace

int TViewNet::DetailLevel(double size, int fractalDepth)
{
    static constexpr double kLimits[] = {5, 9, 17, 33, 65, 129};
    int level = 0;
    for (const double limit : kLimits) {
        if (size < limit)
            break;
        ++level;
    }
    return std::min(level, fractalDepth);
}

void TViewNet::SetTerrainMaterial(int terrain)
{
    const auto& h = MapHeader;
    if (terrain < 0 || terrain >= kTerrainSlots)
        return;
    const auto slot = static_cast<std::size_t>(terrain);
    const ColourRGBA colour = ToRGBA(h.TerrainColours[slot]);
    const auto scaled = [&](double percent) {
        const auto f = static_cast<float>(percent * 0.01);
        return std::array<float, 4>{colour.red * f, colour.green * f, colour.blue * f, 1.0f};
    };
    material_.specular = scaled(h.Specularity[slot]);
    material_.emission = scaled(h.Emission[slot]);
    // GL refuses shininess outside 0..128; the stored byte is signed.
    material_.shininess = static_cast<float>(std::clamp<int>(h.Shininess[slot], 0, 128));
}

void TViewNet::DrawBaseQuad(const std::array<TMapPoint, 4>& corners, const TColourRecord& record)
{
    const auto& values = MapHeader.FractValues;
    const double largest = *std::max_element(values.begin(), values.end() - 1);
    const double lowering = 5.0 / 9.0 * std::max(0.5, largest);
    auto lowered = corners;
    for (auto& corner : lowered)
        corner.height -= lowering;
    std::array<ColourRGBA, 4> colours;
    colours.fill(record.squareColour);
    DrawPlainQuad(lowered, colours, 0, record);
}

void TViewNet::CaptureScreenProjection()
{
    TScreenProjection::Matrix modelView{};
    TScreenProjection::Matrix widened{};
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView.data());
    SetProjection(true, viewWidth_, kExtraAngle, viewHeight_);
    glGetDoublev(GL_PROJECTION_MATRIX, widened.data());
    SetProjection(true, viewWidth_, 0, viewHeight_);
    screen_->Set(modelView, widened, viewWidth_, viewHeight_);
}

double TViewNet::ScreenSize(const std::array<TMapPoint, 4>& corners) const
{
    std::array<TScreenProjection::Point, 4> points;
    for (std::size_t k = 0; k < 4; ++k)
        points[k] = ScenePosition(corners[k]);
    return screen_->QuadSize(points);
}

void TViewNet::DrawDetailedSquare(int firstCorner, const std::array<TMapPoint, 4>& corners, const TColourRecord& record,
                                  int fractalDepth)
{
    DrawBaseQuad(corners, record);
    const double size = ScreenSize(corners);
    if (size <= 0)
        return;
    const int depth = DetailLevel(size, fractalDepth);
    SetTerrainMaterial(record.terrain);
    // Undivided squares (most of a distant view) share their lattice points
    // with their neighbours.
    std::array<double, 9> noise{};
    if (depth == 0)
        noise = squareNoise_->AtLattice(MapHeader, firstCorner, MapHeader.Columns, Lattice(corners));
    const std::array<double, 9>* knownNoise = depth == 0 ? &noise : nullptr;
    DrawDetailedQuad(corners, depth, record, corners, knownNoise);
    if (!record.waterNextToLand)
        return;
    // A water surface with full waves over the shore colours.
    TColourRecord water = record;
    water.nodeColour.fill(ToRGBA(MapHeader.TerrainColours[kWaterTerrain]));
    water.nodeRelief.fill(MapHeader.FractValues[kWaterTerrain]);
    water.waterNextToLand = false;
    DrawDetailedQuad(corners, depth, water, corners, knownNoise);
}

void TViewNet::DrawDetailedQuad(const std::array<TMapPoint, 4>& quad, int depth, const TColourRecord& record,
                                const std::array<TMapPoint, 4>& square)
{
    DrawDetailedQuad(quad, depth, record, square, nullptr);
}

void TViewNet::DrawDetailedQuad(const std::array<TMapPoint, 4>& quad, int depth, const TColourRecord& record,
                                const std::array<TMapPoint, 4>& square, const std::array<double, 9>* knownNoise)
{
    std::array<TMapPoint, 9> lattice = Lattice(quad);
    static constexpr int kSubQuads[4][4] = {{0, 1, 4, 3}, {1, 2, 5, 4}, {3, 4, 7, 6}, {4, 5, 8, 7}};
    const auto subQuad = [&](const int (&k)[4]) {
        return std::array<TMapPoint, 4>{lattice[static_cast<std::size_t>(k[0])], lattice[static_cast<std::size_t>(k[1])],
                                        lattice[static_cast<std::size_t>(k[2])], lattice[static_cast<std::size_t>(k[3])]};
    };
    if (depth > 0) {
        for (const auto& k : kSubQuads)
            DrawDetailedQuad(subQuad(k), depth - 1, record, square);
        return;
    }
    std::array<double, 9> water{};
    std::array<ColourRGBA, 9> colours{};
    for (std::size_t i = 0; i < 9; ++i) {
        colours[i] = Bilinear(BilinearWeights(lattice[i].x, lattice[i].y, square), record.nodeColour);
        const double noise = knownNoise ? (*knownNoise)[i] : ReliefNoiseSum(MapHeader, lattice[i].x, lattice[i].y);
        lattice[i].height += DisplacementBy(noise, lattice[i].x, lattice[i].y, record, square, water[i]);
    }
    for (const auto& k : kSubQuads) {
        const std::array<ColourRGBA, 4> cornerColours{colours[static_cast<std::size_t>(k[0])], colours[static_cast<std::size_t>(k[1])],
                                                      colours[static_cast<std::size_t>(k[2])], colours[static_cast<std::size_t>(k[3])]};
        const double meanWater = (water[static_cast<std::size_t>(k[0])] + water[static_cast<std::size_t>(k[1])] +
                                  water[static_cast<std::size_t>(k[2])] + water[static_cast<std::size_t>(k[3])]) * 0.25;
        DrawPlainQuad(subQuad(k), cornerColours, meanWater, record);
    }
}

double TViewNet::Displacement(double x, double y, const TColourRecord& record, const std::array<TMapPoint, 4>& square,
                              double& water) const
{
    return DisplacementBy(ReliefNoiseSum(MapHeader, x, y), x, y, record, square, water);
}

double TViewNet::DisplacementBy(double noise, double x, double y, const TColourRecord& record,
                                const std::array<TMapPoint, 4>& square, double& water) const
{
    const auto& h = MapHeader;
    const auto weights = BilinearWeights(x, y, square);
    const double relief = Bilinear(weights, record.nodeRelief);
    double displacement = noise * relief - relief * 0.5;
    water = 0;
    if (record.terrain == kWaterTerrain) {
        water = record.waterNextToLand ? Bilinear(weights, record.nodeWater) : 1.0;
        if (h.WaterEdge * 0.01 <= water)
            displacement += WaveHeight(x, y, water);
    }
    return displacement;
}

double TViewNet::WaveHeight(double x, double y, double water) const
{
    const auto& h = MapHeader;
    if (h.WaveLength < 1)
        return 0;
    const double distance = std::hypot(x - waveSourceX_, y - waveSourceY_);
    const double wave = water * (std::sin(distance * 500 / h.WaveLength * std::numbers::pi / 180) - 0.25) *
                        (h.WaveHeight * 0.1);
    return std::isfinite(wave) ? wave : 0;
}

}  // namespace tarn
