#include "viewer/render/SquareTable.h"

#include "model/Net.h"

namespace tarn {

namespace {

// Whether the map's colour query for the square goes through the Vista
// bands (and so leaves a Vista index behind): the Vista scheme, a square
// without null corners, no terrain or the whole-square actor ground, and a
// height range to divide.
bool UsesVistaBands(const TNet& net, const TGridSquare& square)
{
    const auto& h = net.MapHeader;
    if (h.DrawingScheme != kSchemeVista || square.NullCorner == 1 || h.MaxHeight == h.MinHeight)
        return false;
    if (square.Terrain == 0)
        return true;
    if (!h.DrawAllActors || square.Terrain < 0 || square.Terrain >= kTerrainSlots)
        return false;
    const auto& actor = h.TerrainActors[static_cast<std::size_t>(square.Terrain)];
    return actor.DrawActor && actor.ActorGroundFlag && actor.StandardTerrain;
}

// The map's height gradient has no range to spread over when every node
// stands at one height: the colour query then answers "no colour" (alpha 0)
// for the squares it would colour by height. They are drawn in the
// gradient's colour for that height, the bottom of the range.
bool IsFlatGradientGap(const TNet& net, const ColourRGBA& colour)
{
    const auto& h = net.MapHeader;
    return h.DrawingScheme == kSchemeGradients && h.MinHeight >= h.MaxHeight && colour.alpha == 0;
}

}  // namespace

void TSquareTable::Gather(TNet& net)
{
    const auto scheme = net.MapHeader.DrawingScheme;
    const ColourRGBA bottomOfGradient = ToRGBA(net.MapHeader.GradientColours[0]);
    entries_.resize(net.Squares().size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const TGridSquare& square = net.Squares()[i];
        Entry& entry = entries_[i];
        entry.colour = net.SquareColour(square, scheme);
        if (IsFlatGradientGap(net, entry.colour))
            entry.colour = bottomOfGradient;
        entry.vistaIndex = UsesVistaBands(net, square) ? net.VistaIndex() : -1;
    }
    snowLevel_ = net.VistaUpperLevel();
}

}  // namespace tarn
