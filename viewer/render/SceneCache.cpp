#include "viewer/render/SceneCache.h"

#include "model/Net.h"

#include <GL/gl.h>

#include <algorithm>

namespace tarn {

namespace {

// The header with every field that leaves the plain surface alone cleared:
// camera, target, angle of view, light, mist, sky, ground and overlay.
TMapHeader SurfaceFields(const TMapHeader& header)
{
    TMapHeader h = header;
    h.LightAlt = h.LightAz = 0;
    h.TargetPos = {};
    h.CameraPos = {};
    h.ViewAngle = 0;
    h.GroundColour = 0;
    h.BackgroundType = 0;
    h.PlotOverlayObjects = 0;
    h.OverlayFile = {};
    h.WaveDirection = 0;
    h.LightColour = 0;
    h.LightDiffusion = h.ShadingDensity = h.ShadingContrast = h.ShadingChanged = 0;
    h.MistLevel = 0;
    h.MistColour = 0;
    h.SkyColour = 0;
    h.Smoothing = 0;
    h.ViewerMode = 0;
    h.ScenePercentage = 0;
    return h;
}

std::uint64_t Mix(std::uint64_t hash, std::uint64_t value) { return (hash ^ value) * 0x100000001b3ull; }

}  // namespace

bool TSceneCache::Covers(const TNet& net)
{
    const auto scheme = net.MapHeader.DrawingScheme;
    return scheme != 0 && scheme != kSchemeOverlay;
}

TSceneCache::ShapeKey TSceneCache::ShapeKeyOf(const TNet& net, double heightDivisor, bool withOutlines)
{
    ShapeKey key;
    key.points = net.Points().size();
    key.squares = net.Squares().size();
    key.heightDivisor = heightDivisor;
    key.withOutlines = withOutlines;
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const auto& p : net.Points())
        hash = Mix(hash, static_cast<std::uint16_t>(p.X) | static_cast<std::uint64_t>(static_cast<std::uint16_t>(p.Y)) << 16 |
                             static_cast<std::uint64_t>(static_cast<std::uint16_t>(p.Height)) << 32);
    for (const auto& s : net.Squares())
        hash = Mix(hash, static_cast<std::uint32_t>(s.FirstCorner));
    key.grid = hash;
    return key;
}

TSceneCache::ColourKey TSceneCache::ColourKeyOf(const TNet& net)
{
    ColourKey key;
    key.header = SurfaceFields(net.MapHeader);
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const auto& s : net.Squares())
        hash = Mix(hash, static_cast<std::uint16_t>(s.Terrain) |
                             static_cast<std::uint64_t>(static_cast<std::uint16_t>(s.MeanHeight)) << 16 |
                             static_cast<std::uint64_t>(s.NullCorner) << 32);
    key.squares = hash;
    return key;
}

TSceneCache::Fit TSceneCache::FitFor(const TNet& net, double heightDivisor, bool withOutlines) const
{
    if (!valid_ || !(shape_ == ShapeKeyOf(net, heightDivisor, withOutlines)))
        return Fit::None;
    return colour_ == ColourKeyOf(net) ? Fit::Complete : Fit::Shape;
}

void TSceneCache::Reset(const TNet& net, double heightDivisor, bool withOutlines, bool rowsFromNorth)
{
    DeleteRowLists();
    shape_ = ShapeKeyOf(net, heightDivisor, withOutlines);
    colour_ = ColourKeyOf(net);
    valid_ = true;
    verticesPerSquare = withOutlines ? 16 : 12;
    squareColumns_ = std::max(net.MapHeader.Columns - 1, 0);
    squareRows_ = std::max(net.MapHeader.Rows - 1, 0);
    rowsFromNorth_ = rowsFromNorth;
    vertices.clear();
}

TSceneVertex* TSceneCache::SquareVertices(int index)
{
    const int row = (index - 1) / squareColumns_;
    const int column = (index - 1) % squareColumns_;
    return vertices.data() + RowStart(row) + static_cast<std::size_t>(column) * verticesPerSquare;
}

void TSceneCache::Recolour(const TNet& net)
{
    DeleteRowLists();
    colour_ = ColourKeyOf(net);
}

void TSceneCache::Invalidate()
{
    DeleteRowLists();
    valid_ = false;
}

void TSceneCache::DeleteRowLists()
{
    if (rowLists_ != 0 && glIsList(rowLists_))
        glDeleteLists(rowLists_, listCount_);
    rowLists_ = 0;
    listCount_ = 0;
    passes_ = 0;
}

bool TSceneCache::PrepareRowLists()
{
    if (++passes_ < 2 || squareRows_ < 1)
        return false;
    if (rowLists_ != 0 && glIsList(rowLists_))
        return true;
    rowLists_ = glGenLists(squareRows_);
    if (rowLists_ == 0)
        return false;
    listCount_ = squareRows_;
    for (int row = 0; row < squareRows_; ++row) {
        glNewList(RowList(row), GL_COMPILE);
        glDrawArrays(GL_TRIANGLES, static_cast<GLint>(RowStart(row)), VerticesPerRow());
        glEndList();
    }
    return true;
}

void TSceneCache::ForgetRowLists()
{
    rowLists_ = 0;
    listCount_ = 0;
}

}  // namespace tarn
