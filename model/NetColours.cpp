// The colour a square is drawn in under each drawing scheme.
#include "model/Net.h"

#include <algorithm>
#include <cmath>

namespace tarn {

namespace {
constexpr ColourRGBA kTransparent{0, 0, 0, 0};
constexpr ColourRGBA kNullGrey{0.7f, 0.7f, 0.7f, 1};
constexpr ColourRGBA kPlainGreen{0, 0.7f, 0, 1};
constexpr ColourRGBA kWhiteRGBA{1, 1, 1, 1};
constexpr ColourRGBA kBlackRGBA{0, 0, 0, 1};
constexpr int kSnowIndex = 11;

bool IsNull(const TGridSquare& square) { return square.NullCorner == 1; }
}  // namespace

ColourRGBA TNet::TerrainColour(const TGridSquare& square) const
{
    const int slot = square.Terrain;
    if (slot < 0 || slot >= kTerrainSlots)
        return kBlackRGBA;
    return ToRGBA(MapHeader.TerrainColours[slot]);
}

ColourRGBA TNet::PlainColour(const TGridSquare& square) const
{
    if (IsNull(square))
        return kNullGrey;
    if (square.Terrain == 0)
        return kPlainGreen;
    return TerrainColour(square);
}

ColourRGBA TNet::HeightGradient(int meanHeight) const
{
    const auto& h = MapHeader;
    if (h.MinHeight >= h.MaxHeight)
        return kTransparent;
    const double f = static_cast<double>(meanHeight - h.MinHeight) / (h.MaxHeight - h.MinHeight) * 18.0;
    const int g = std::clamp(static_cast<int>(std::trunc(f)), 0, 18);
    const TColorRef lower = h.GradientColours[g];
    const TColorRef upper = h.GradientColours[g + 1];
    const double wUpper = std::fabs(f - g);
    const double wLower = std::fabs(f - (g + 1));
    const auto blend = [&](int a, int b) { return static_cast<float>((b * wUpper + a * wLower) / 255.0); };
    return {blend(RedOf(lower), RedOf(upper)), blend(GreenOf(lower), GreenOf(upper)),
            blend(BlueOf(lower), BlueOf(upper)), 1};
}

ColourRGBA TNet::GradientColour(const TGridSquare& square, bool terrainOff, bool wholeSquare) const
{
    if (IsNull(square))
        return kNullGrey;
    if (square.Terrain == 0 || terrainOff || wholeSquare)
        return HeightGradient(square.MeanHeight);
    return TerrainColour(square);
}

ColourRGBA TNet::VistaBandColour(int meanHeight)
{
    const auto& h = MapHeader;
    if (h.MaxHeight == h.MinHeight)
        return kWhiteRGBA;
    const double range = h.MaxHeight - h.MinHeight;
    vistaLower_ = static_cast<int>(std::nearbyint(h.TreeLine * range * 0.01 + h.MinHeight));
    vistaUpper_ = static_cast<int>(std::nearbyint(h.SnowLine * range * 0.01 + h.MinHeight));

    double bottom;
    double top;
    int firstIndex;
    if (meanHeight > vistaUpper_) {
        bottom = vistaUpper_, top = h.MaxHeight, firstIndex = 8;
    } else if (meanHeight > vistaLower_) {
        bottom = vistaLower_, top = vistaUpper_, firstIndex = 4;
    } else {
        bottom = h.MinHeight, top = vistaLower_, firstIndex = 0;
    }
    const double step = std::max((top - bottom) * 0.25, 1.0);
    const double q = (meanHeight - bottom) / step;
    const double whole = std::trunc(q);
    vistaIndex_ = static_cast<int>(whole) + firstIndex;

    if (vistaIndex_ >= kSnowIndex)
        return ToRGBA(h.VistaColours[kSnowIndex]);
    // Heights below MinHeight give an index before the table: no colour can
    // be formed there.
    if (vistaIndex_ < 0)
        return kBlackRGBA;
    const double t = q - whole;
    const TColorRef a = h.VistaColours[vistaIndex_];
    const TColorRef b = h.VistaColours[vistaIndex_ + 1];
    const auto mix = [t](int from, int to) { return static_cast<float>((from + (to - from) * t) / 255.0); };
    return {mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)), 1};
}

ColourRGBA TNet::VistaColour(const TGridSquare& square, bool wholeSquare)
{
    if (IsNull(square))
        return kNullGrey;
    if (square.Terrain == 0 || wholeSquare)
        return VistaBandColour(square.MeanHeight);
    return TerrainColour(square);
}

bool TNet::WholeSquare(const TGridSquare& square) const
{
    if (!MapHeader.DrawAllActors || square.Terrain < 0 || square.Terrain >= kTerrainSlots)
        return false;
    const auto& actor = MapHeader.TerrainActors[square.Terrain];
    return actor.DrawActor && actor.ActorGroundFlag && actor.StandardTerrain;
}

ColourRGBA TNet::SquareColour(const TGridSquare& square, std::uint8_t scheme)
{
    const bool whole = WholeSquare(square);
    switch (scheme) {
    case kSchemePlain:
        return PlainColour(square);
    case kSchemeOverlay:
        return kWhiteRGBA;
    case kSchemeGradients:
        return GradientColour(square, MapHeader.DrawTerrains == 0, whole);
    case kSchemeVista:
        return VistaColour(square, whole);
    default:
        return kTransparent;
    }
}

}  // namespace tarn
