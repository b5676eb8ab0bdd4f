#include "viewer/render/SceneCache.h"

#include "model/Net.h"

#include <GL/gl.h>

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

TSceneCache::Key TSceneCache::KeyOf(const TNet& net)
{
    Key key;
    key.header = SurfaceFields(net.MapHeader);
    key.points = net.Points().size();
    key.squares = net.Squares().size();
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const auto& p : net.Points())
        hash = Mix(hash, static_cast<std::uint16_t>(p.X) | static_cast<std::uint64_t>(static_cast<std::uint16_t>(p.Y)) << 16 |
                             static_cast<std::uint64_t>(static_cast<std::uint16_t>(p.Height)) << 32);
    for (const auto& s : net.Squares()) {
        hash = Mix(hash, static_cast<std::uint32_t>(s.FirstCorner));
        hash = Mix(hash, static_cast<std::uint16_t>(s.Terrain) |
                             static_cast<std::uint64_t>(static_cast<std::uint16_t>(s.MeanHeight)) << 16 |
                             static_cast<std::uint64_t>(s.NullCorner) << 32);
    }
    key.grid = hash;
    return key;
}

bool TSceneCache::Matches(const TNet& net) const { return valid_ && key_ == KeyOf(net); }

void TSceneCache::Reset(const TNet& net, bool outlines)
{
    if (rowLists_ != 0 && glIsList(rowLists_))
        glDeleteLists(rowLists_, listCount_);
    rowLists_ = 0;
    listCount_ = 0;
    passes_ = 0;
    key_ = KeyOf(net);
    valid_ = true;
    withOutlines = outlines;
    verticesPerSquare = outlines ? 16 : 12;
    vertices.clear();
}

}  // namespace tarn

namespace tarn {

bool TSceneCache::PrepareRowLists(int rows, int verticesPerRow)
{
    if (++passes_ < 2 || rows < 1)
        return false;
    if (rowLists_ != 0 && glIsList(rowLists_))
        return true;
    rowLists_ = glGenLists(rows);
    if (rowLists_ == 0)
        return false;
    listCount_ = rows;
    for (int row = 0; row < rows; ++row) {
        glNewList(RowList(row), GL_COMPILE);
        glDrawArrays(GL_TRIANGLES, row * verticesPerRow, verticesPerRow);
        glEndList();
    }
    return true;
}

}  // namespace tarn

namespace tarn {

void TSceneCache::ForgetRowLists()
{
    rowLists_ = 0;
    listCount_ = 0;
}

}  // namespace tarn
