#include "tools/SampleMap.h"

#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string_view>

namespace tarn::tool {

namespace {

enum Terrain : std::int16_t { Standard = 0, Water = 1, Forest = 2, Buildings = 3, Road = 4, Rock = 5, Sand = 6, Snow = 7 };

constexpr double kLakeLevel = 160;
constexpr double kSpacing = 30;

// A repeatable pseudo-random value in [0, 1) for a lattice point.
double LatticeValue(int i, int j, std::uint32_t seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(i) * 374761393U + static_cast<std::uint32_t>(j) * 668265263U + seed;
    h = (h ^ (h >> 13)) * 1274126177U;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / static_cast<double>(0x1000000);
}

// Smoothly interpolated lattice noise in [0, 1).
double ValueNoise(double x, double y, std::uint32_t seed)
{
    const int i = static_cast<int>(std::floor(x));
    const int j = static_cast<int>(std::floor(y));
    const auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double fx = smooth(x - i);
    const double fy = smooth(y - j);
    const double top = LatticeValue(i, j, seed) * (1 - fx) + LatticeValue(i + 1, j, seed) * fx;
    const double bottom = LatticeValue(i, j + 1, seed) * (1 - fx) + LatticeValue(i + 1, j + 1, seed) * fx;
    return top * (1 - fy) + bottom * fy;
}

double Hill(double u, double v, double cu, double cv, double height, double radius)
{
    const double d2 = ((u - cu) * (u - cu) + (v - cv) * (v - cv)) / (radius * radius);
    return height * std::exp(-d2);
}

double ValleyCentre(double v) { return 0.5 + 0.08 * std::sin(3 * v); }

// Squared distance from the centre of the hollow that holds the lake, in
// units of the hollow's radii.
double FromLakeCentre(double u, double v)
{
    const double du = (u - 0.5) / 0.12;
    const double dv = (v - 0.6) / 0.1;
    return du * du + dv * dv;
}

bool NearLake(double u, double v) { return FromLakeCentre(u, v) < 1.5; }

// Height in metres at a point of the unit square (u east, v south). The
// valley floor stays above the lake level except in the hollow, where the
// ground below the level is filled to a flat lake floor.
double TerrainHeight(double u, double v)
{
    double h = 230 + 100 * u + 40 * (1 - v);
    h += Hill(u, v, 0.78, 0.22, 620, 0.13);
    h += Hill(u, v, 0.28, 0.18, 380, 0.11);
    h += Hill(u, v, 0.86, 0.72, 420, 0.10);
    h += Hill(u, v, 0.18, 0.74, 300, 0.12);
    const double across = (u - ValleyCentre(v)) / 0.09;
    h -= 90 * std::exp(-across * across);
    h -= 100 * std::exp(-FromLakeCentre(u, v));
    h += 40 * (ValueNoise(u * 9, v * 9, 11) - 0.5) + 14 * (ValueNoise(u * 27, v * 27, 23) - 0.5);
    if (NearLake(u, v))
        h = std::max(h, kLakeLevel);
    return h;
}

void FillHeights(TNet& net, int size)
{
    auto& points = net.Points();
    for (int r = 0; r < size; ++r)
        for (int c = 0; c < size; ++c) {
            const double u = c / (size - 1.0);
            const double v = r / (size - 1.0);
            points[r * size + c].Height = RoundToInt16(TerrainHeight(u, v));
        }
    net.UpdateSquares();
}

bool OnRoad(double u, double v)
{
    // From the village by the lake down to the south-east corner.
    const double t = std::clamp((u - 0.6) / 0.4, 0.0, 1.0);
    const double roadV = 0.74 + 0.26 * t * t;
    return u >= 0.6 && std::fabs(v - roadV) < 0.008;
}

bool InVillage(double u, double v)
{
    return u > 0.58 && u < 0.66 && v > 0.69 && v < 0.76 && ValueNoise(u * 80, v * 80, 5) > 0.35;
}

std::int16_t ChooseTerrain(const TNet& net, const TGridSquare& square, double u, double v)
{
    const int columns = net.MapHeader.Columns;
    const int corners[4] = {square.FirstCorner, square.FirstCorner + 1, square.FirstCorner + columns + 1,
                            square.FirstCorner + columns};
    int atLake = 0;
    int lowest = 32767;
    int highest = -32768;
    for (const int corner : corners) {
        const int h = net.GetPoint(corner)->Height;
        atLake += NearLake(u, v) && h == kLakeLevel;
        lowest = std::min(lowest, h);
        highest = std::max(highest, h);
    }
    if (atLake == 4)
        return Water;
    if (atLake > 0)
        return Sand;
    if (InVillage(u, v))
        return Buildings;
    if (OnRoad(u, v))
        return Road;
    if (square.MeanHeight > 760)
        return Snow;
    if (highest - lowest > 45 || square.MeanHeight > 660)
        return Rock;
    if (square.MeanHeight > 230 && square.MeanHeight < 520 && ValueNoise(u * 12, v * 12, 37) > 0.52)
        return Forest;
    return Standard;
}

void PaintTerrains(TNet& net, int size)
{
    for (auto& square : net.Squares()) {
        const int index = square.FirstCorner - 1;
        const double u = (index % size + 0.5) / (size - 1.0);
        const double v = (index / size + 0.5) / (size - 1.0);
        square.Terrain = ChooseTerrain(net, square, u, v);
    }
}

void SetName(TGraphObject& object, std::string_view name)
{
    object.Name.fill(' ');
    std::copy_n(name.begin(), std::min(name.size(), object.Name.size()), object.Name.begin());
}

void AddObject(TNet& net, std::unique_ptr<TGraphObject> object, std::string_view name, TColorRef colour, int width,
               std::initializer_list<std::pair<double, double>> points)
{
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    for (const auto& [x, y] : points) {
        object->Points.push_back({Real48::fromDouble(x), Real48::fromDouble(y)});
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
    }
    object->Bounds = {Real48::fromDouble(left), Real48::fromDouble(top), Real48::fromDouble(right),
                      Real48::fromDouble(bottom)};
    object->PenColour = colour;
    object->PenWidth = static_cast<std::uint8_t>(width);
    SetName(*object, name);
    net.Overlays.push_back(std::move(object));
}

void AddLabel(TNet& net, std::string_view text, double x, double y, int pointSize, bool bold, TColorRef colour)
{
    auto label = std::make_unique<TEnhString>();
    label->Font.SetHeight(pointSize);
    label->Font.SetWeight(bold ? 700 : 400);
    label->Font.SetFaceName("Arial");
    label->Colour = colour;
    label->X = Real48::fromDouble(x);
    label->Y = Real48::fromDouble(y);
    label->PointSize = pointSize;
    label->Text = std::string(text);
    // The box as measured at the editor's opening zoom of 5 pixels per grid unit.
    const int left = static_cast<int>(x * 5);
    const int top = static_cast<int>(y * 5);
    label->Box = {left, top, left + static_cast<int>(text.size()) * pointSize * 2 / 3, top + pointSize * 4 / 3};
    net.Labels.push_back(std::move(label));
}

void AddAnnotations(TNet& net, int size)
{
    const double s = size - 1.0;  // grid units across the map
    const auto at = [s](double u, double v) { return std::pair{u * s, v * s}; };

    AddObject(net, std::make_unique<TGraphEllipse>(), "Loch shore", RGB(0, 0, 160), 2,
              {at(0.46, 0.52), at(0.6, 0.67)});
    AddObject(net, std::make_unique<TGraphEllipse>(), "Summit ring", RGB(128, 0, 0), 1,
              {at(0.74, 0.18), at(0.82, 0.26)});
    AddObject(net, std::make_unique<TGraphLine>(), "Sight line", RGB(255, 0, 0), 1, {at(0.62, 0.72), at(0.78, 0.22)});
    AddObject(net, std::make_unique<TGraphLine>(), "Ridge", RGB(128, 64, 0), 3, {at(0.2, 0.1), at(0.36, 0.26)});
    AddObject(net, std::make_unique<TGraphPen>(), "Drove road", RGB(96, 48, 0), 2,
              {at(0.62, 0.74), at(0.68, 0.745), at(0.74, 0.76), at(0.8, 0.785), at(0.86, 0.82), at(0.92, 0.87),
               at(0.97, 0.93)});
    AddObject(net, std::make_unique<TGraphPen>(), "Burn", RGB(0, 96, 255), 1,
              {at(0.5, 0.02), at(0.52, 0.12), at(0.55, 0.22), at(0.56, 0.32), at(0.53, 0.42), at(0.5, 0.5)});
    AddObject(net, std::make_unique<TGraphSpot>(), "Trig point", RGB(0, 0, 0), 1, {at(0.78, 0.22)});
    AddObject(net, std::make_unique<TGraphSpot>(), "Cairn", RGB(0, 0, 0), 1, {at(0.28, 0.18)});

    AddLabel(net, "Loch Tarn", 0.42 * s, 0.68 * s, 12, true, RGB(0, 0, 128));
    AddLabel(net, "Ben Carrow", 0.72 * s, 0.12 * s, 10, true, RGB(0, 0, 0));
    AddLabel(net, "Kilmory", 0.66 * s, 0.68 * s, 9, false, RGB(64, 0, 0));
    AddLabel(net, "Sgurr Beag", 0.22 * s, 0.08 * s, 9, false, RGB(0, 0, 0));
}

// A load places the nodes and sets the bounds from the map's corners; the
// sample is stored as it stands after being opened once, so loading and
// saving it again changes nothing.
void ReopenMap(TNet& net)
{
    const auto bytes = net.SaveToBytes();
    std::istringstream stream(std::string(bytes.begin(), bytes.end()));
    NullProgress quiet;
    net.LoadFromStream(stream, quiet);
}

// Scene settings a freshly made map leaves at 0, given values a viewer can draw.
void SetSceneDefaults(TMapHeader& h)
{
    h.LightAlt = 40;
    h.LightAz = 135;
    // From the south-west, above the hills, looking at the lake.
    h.CameraPos = {-450, -600, 330};
    h.TargetPos = {0, 0, 60};
    h.VerticalScale = 1.0;
    h.GridMode = 2;
    h.SkyColour = RGB(160, 196, 235);
    h.DrawTerrains = 1;
    h.LightDiffusion = 50;
    h.CliffAngle = 45;
    h.ValleyAngle = 10;
}

}  // namespace

void BuildSampleMap(TNet& net, int size)
{
    TNewMapParameters parameters;
    parameters.units = MapUnits::Metric;
    parameters.columns = size;
    parameters.rows = size;
    parameters.spacing = kSpacing;
    CreateMap(net, parameters, DefaultTerrainPalette());
    SetSceneDefaults(net.MapHeader);
    FillHeights(net, size);
    PaintTerrains(net, size);
    AddAnnotations(net, size);

    int lowest = 32767, highest = 0;
    for (const auto& p : net.Points())
        lowest = std::min<int>(lowest, p.Height), highest = std::max<int>(highest, p.Height);
    net.MapHeader.MinHeight = static_cast<std::int16_t>(lowest);
    net.MapHeader.MaxHeight = static_cast<std::int16_t>(highest);
    ReopenMap(net);
}

}  // namespace tarn::tool
