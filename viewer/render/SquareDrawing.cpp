// The drawing of one square: its colour record, the four plain triangles,
// the overlay-textured triangles and the grid outline.
#include "viewer/render/SquareTable.h"
#include "viewer/render/SurfaceEffects.h"
#include "viewer/render/TriangleSink.h"
#include "viewer/render/ViewNet.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace tarn {

namespace {

constexpr ColourRGBA kNullGrey{0.7f, 0.7f, 0.7f, 1};

// Neighbour offsets (row, column) in record order: north-west, north,
// north-east, east, south-east, south, south-west, west.
constexpr int kNeighbourOffsets[8][2] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}};
// The three neighbours around each node: north-west, north-east, south-east,
// south-west.
constexpr int kNodeNeighbours[4][3] = {{7, 0, 1}, {1, 2, 3}, {3, 4, 5}, {5, 6, 7}};

ColourRGBA Mean(const ColourRGBA& a, const ColourRGBA& b, const ColourRGBA& c, const ColourRGBA& d)
{
    return {(a.red + b.red + c.red + d.red) * 0.25f, (a.green + b.green + c.green + d.green) * 0.25f,
            (a.blue + b.blue + c.blue + d.blue) * 0.25f, (a.alpha + b.alpha + c.alpha + d.alpha) * 0.25f};
}

TMapPoint Centre(const std::array<TMapPoint, 4>& c)
{
    return {(c[0].x + c[1].x + c[2].x + c[3].x) * 0.25, (c[0].y + c[1].y + c[2].y + c[3].y) * 0.25,
            (c[0].height + c[1].height + c[2].height + c[3].height) * 0.25};
}

// The normalised cross product (a - b) x (b - c); a zero vector stays zero.
std::array<double, 3> TriangleNormal(const std::array<double, 3>& a, const std::array<double, 3>& b,
                                     const std::array<double, 3>& c)
{
    const double ux = a[0] - b[0], uy = a[1] - b[1], uz = a[2] - b[2];
    const double vx = b[0] - c[0], vy = b[1] - c[1], vz = b[2] - c[2];
    std::array<double, 3> n{uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (length > 0)
        for (auto& value : n)
            value /= length;
    return n;
}

std::array<float, 3> ToFloat(const std::array<double, 3>& v)
{
    return {static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2])};
}

std::array<float, 4> ToFloat(const ColourRGBA& c) { return {c.red, c.green, c.blue, c.alpha}; }

}  // namespace

std::array<TMapPoint, 4> TViewNet::SquareCorners(int index) const
{
    std::array<TMapPoint, 4> corners{};
    const TGridSquare* square = GetSquare(index);
    if (!square)
        return corners;
    const int first = square->FirstCorner;
    const int columns = MapHeader.Columns;
    const int nodes[4] = {first, first + 1, first + columns + 1, first + columns};
    for (int i = 0; i < 4; ++i)
        if (const TGridPoint* p = GetPoint(nodes[i]))
            corners[static_cast<std::size_t>(i)] = {static_cast<double>(p->X), static_cast<double>(p->Y),
                                                    static_cast<double>(p->Height)};
    return corners;
}

double TViewNet::ReliefValue(const TGridSquare& square) const
{
    const auto& h = MapHeader;
    const int terrain = square.Terrain >= 0 && square.Terrain < kTerrainSlots ? square.Terrain : 0;
    const double value = h.FractValues[static_cast<std::size_t>(terrain)];
    if (h.DrawingScheme != kSchemeVista || terrain != 0 || h.MaxHeight == 0)
        return value;
    const double snow = VistaUpperLevel();
    const double tree = VistaLowerLevel();
    double a = 1;
    if (square.MeanHeight > snow && h.MaxHeight != snow)
        a = std::clamp(1 - (h.SnowDamping / 100.0) * (square.MeanHeight - snow) / (h.MaxHeight - snow), 0.0, 1.0);
    if (square.MeanHeight < tree && tree != h.MinHeight)
        a = std::clamp(1 - (h.TreeDamping / 100.0) * (tree - square.MeanHeight) / (tree - h.MinHeight), 0.0, 1.0);
    return value * a;
}

void TViewNet::ApplyShoreRules(TColourRecord& record, const std::array<bool, 8>& neighbourIsWater) const
{
    if (record.waterNextToLand && MapHeader.FractalDepth != 0) {
        ColourRGBA sum{};
        int land = 0;
        for (std::size_t k = 0; k < 8; ++k)
            if (!neighbourIsWater[k]) {
                sum.red += record.neighbourColour[k].red;
                sum.green += record.neighbourColour[k].green;
                sum.blue += record.neighbourColour[k].blue;
                ++land;
            }
        record.squareColour = {sum.red / land, sum.green / land, sum.blue / land, 1};
        for (std::size_t k = 0; k < 8; ++k)
            if (neighbourIsWater[k])
                record.neighbourColour[k] = record.squareColour;
    }
    if (record.landNextToWater)
        for (std::size_t k = 0; k < 8; ++k)
            if (neighbourIsWater[k])
                record.neighbourColour[k] = record.squareColour;
}

void TViewNet::GatherSquareColours()
{
    if (!squareTable_)
        squareTable_ = std::make_unique<TSquareTable>();
    squareTable_->Gather(*this);
}

TColourRecord TViewNet::BuildColourRecord(int index) { return BuildColourRecord(index, true); }

TColourRecord TViewNet::BuildColourRecord(int index, bool withDetail)
{
    TColourRecord record;
    const TGridSquare* square = GetSquare(index);
    if (!square)
        return record;
    if (!squareTable_ || squareTable_->empty())
        GatherSquareColours();
    const TSquareTable& table = *squareTable_;
    const auto& h = MapHeader;
    const int squareColumns = h.Columns - 1;
    const int squareRows = h.Rows - 1;
    const int row = (index - 1) / squareColumns;
    const int column = (index - 1) % squareColumns;
    record.terrain = square->Terrain;
    record.meanHeight = square->MeanHeight;
    record.squareColour = table.at(index).colour;

    // The square, then its neighbours from north-west clockwise: the valley
    // effect starts from the Vista index the last band lookup among them
    // left (or one left by an earlier square when none of them did).
    int vistaIndex = table.at(index).vistaIndex;
    std::array<const TGridSquare*, 8> neighbours{};
    for (std::size_t k = 0; k < 8; ++k) {
        const int r = row + kNeighbourOffsets[k][0];
        const int c = column + kNeighbourOffsets[k][1];
        const bool inside = r >= 0 && r < squareRows && c >= 0 && c < squareColumns;
        const int neighbourIndex = inside ? r * squareColumns + c + 1 : index;
        neighbours[k] = inside ? GetSquare(neighbourIndex) : square;
        record.neighbourColour[k] = table.at(neighbourIndex).colour;
        record.neighbourTerrain[k] = neighbours[k]->Terrain;
        if (table.at(neighbourIndex).vistaIndex >= 0)
            vistaIndex = table.at(neighbourIndex).vistaIndex;
    }
    record.vistaIndex = vistaIndex >= 0 ? vistaIndex : lastVistaIndex_;
    lastVistaIndex_ = record.vistaIndex;
    record.snowLevel = table.SnowLevel();
    const bool isWater = record.terrain == kWaterTerrain;
    std::array<bool, 8> neighbourIsWater{};
    bool anyWater = false;
    bool anyLand = false;
    for (std::size_t k = 0; k < 8; ++k) {
        neighbourIsWater[k] = record.neighbourTerrain[k] == kWaterTerrain;
        (neighbourIsWater[k] ? anyWater : anyLand) = true;
    }
    record.landNextToWater = !isWater && anyWater;
    record.waterNextToLand = isWater && anyLand;
    ApplyShoreRules(record, neighbourIsWater);

    const double ownRelief = withDetail ? ReliefValue(*square) : 0.0;
    const double ownWater = isWater ? 1.0 : 0.0;
    for (std::size_t node = 0; node < 4; ++node) {
        const auto [a, b, c] = kNodeNeighbours[node];
        record.nodeColour[node] = Mean(record.squareColour, record.neighbourColour[static_cast<std::size_t>(a)],
                                       record.neighbourColour[static_cast<std::size_t>(b)],
                                       record.neighbourColour[static_cast<std::size_t>(c)]);
        if (!withDetail)
            continue;
        double relief = ownRelief;
        double water = ownWater;
        for (const int k : {a, b, c}) {
            relief += ReliefValue(*neighbours[static_cast<std::size_t>(k)]);
            water += neighbourIsWater[static_cast<std::size_t>(k)] ? 1.0 : 0.0;
        }
        record.nodeRelief[node] = relief * 0.25;
        record.nodeWater[node] = water * 0.25;
    }
    if (square->NullCorner != 0) {
        record.squareColour = kNullGrey;
        record.nodeColour.fill(kNullGrey);
    }
    return record;
}

void TViewNet::DrawSquare(int index, int /*column*/, int /*row*/, int /*detailFlag*/, int fractalDepth)
{
    const auto& h = MapHeader;
    const TGridSquare* square = GetSquare(index);
    if (!square)
        return;
    const auto corners = SquareCorners(index);
    if (h.DrawingScheme == kSchemeOverlay) {
        DrawOverlaySquare(corners);
    } else if (h.DrawingScheme != 0) {
        const TColourRecord record = BuildColourRecord(index, fractalDepth != 0);
        if (fractalDepth == 0)
            DrawPlainQuad(corners, record.nodeColour, 0, record);
        else
            DrawDetailedSquare(square->FirstCorner, corners, record, fractalDepth);
    }
    if (h.DrawingScheme == 0 || h.GridMode != 2)
        DrawGridOutline(corners);
}

void TViewNet::ApplyMaterial(const TTerrainMaterial& material)
{
    if (MaterialApplied(material))
        return;
    sink_->Flush();
    SendMaterial(material);
}

bool TViewNet::MaterialApplied(const TTerrainMaterial& material) const
{
    return appliedMaterial_ && *appliedMaterial_ == material;
}

void TViewNet::SendMaterial(const TTerrainMaterial& material)
{
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, material.specular.data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, material.emission.data());
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, material.shininess);
    appliedMaterial_ = material;
}

void TViewNet::PaintTriangle(std::array<TSceneVertex, 3>& triangle, const ColourRGBA& first, const ColourRGBA& centre,
                             const ColourRGBA& last, double water, const TColourRecord& record) const
{
    triangle[0].colour = ToFloat(first);
    triangle[1].colour = ToFloat(centre);
    triangle[2].colour = ToFloat(last);
    ApplySlopeEffects(MapHeader, record, triangle[0].normal[1], triangle);
    ApplyWaterColour(MapHeader, record, water, triangle);
}

void TViewNet::PaintPlainSquare(const TColourRecord& record, TSceneVertex* vertices, int verticesPerSquare) const
{
    const auto& colours = record.nodeColour;
    const ColourRGBA centreColour = Mean(colours[0], colours[1], colours[2], colours[3]);
    for (std::size_t k = 0; k < 4; ++k) {
        std::array<TSceneVertex, 3> triangle{vertices[3 * k], vertices[3 * k + 1], vertices[3 * k + 2]};
        PaintTriangle(triangle, colours[k], centreColour, colours[(k + 1) % 4], 0, record);
        for (std::size_t j = 0; j < 3; ++j)
            vertices[3 * k + j].colour = triangle[j].colour;
    }
    const auto grid = ToFloat(ToRGBA(MapHeader.GridColour));
    for (int k = 12; k < verticesPerSquare; ++k)
        vertices[k].colour = grid;
}

void TViewNet::DrawPlainQuad(const std::array<TMapPoint, 4>& corners, const std::array<ColourRGBA, 4>& colours,
                             double water, const TColourRecord& record)
{
    const TMapPoint centre = Centre(corners);
    const ColourRGBA centreColour = Mean(colours[0], colours[1], colours[2], colours[3]);
    const double divisor = HeightDivisor();
    const auto scene = [divisor](const TMapPoint& p) {
        return std::array<double, 3>{p.x / 100.0, p.height / divisor, -p.y / 100.0};
    };
    const auto centrePosition = scene(centre);
    std::array<std::array<double, 3>, 4> positions;
    for (std::size_t k = 0; k < 4; ++k)
        positions[k] = scene(corners[k]);
    for (std::size_t k = 0; k < 4; ++k) {
        const std::size_t next = (k + 1) % 4;
        const auto& a = positions[k];
        const auto& c = positions[next];
        const auto normal = ToFloat(TriangleNormal(a, centrePosition, c));
        std::array<TSceneVertex, 3> triangle{TSceneVertex{{}, normal, ToFloat(a)},
                                             TSceneVertex{{}, normal, ToFloat(centrePosition)},
                                             TSceneVertex{{}, normal, ToFloat(c)}};
        PaintTriangle(triangle, colours[k], centreColour, colours[next], water, record);
        if (sink_->DrawsNow())
            ApplyMaterial(material_);
        sink_->Triangle(triangle);
        lastNormal_ = normal;
    }
}

void TViewNet::DrawOverlaySquare(const std::array<TMapPoint, 4>& corners)
{
    const float white[] = {1, 1, 1, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, white);
    const TWorldPoint west = GetCorner(WestSouth);
    const TWorldPoint size = GetWorldSize();
    const double width = size.x != 0 ? size.x : 1;
    const double depth = size.y != 0 ? size.y : 1;
    const auto texCoord = [&](const TMapPoint& p) {
        glTexCoord2f(static_cast<float>((p.x - west.x) / width), static_cast<float>((p.y - west.y) / depth));
    };
    const TMapPoint centre = Centre(corners);
    const auto centrePosition = ScenePosition(centre);
    for (std::size_t k = 0; k < 4; ++k) {
        const std::size_t next = (k + 1) % 4;
        const auto a = ScenePosition(corners[k]);
        const auto c = ScenePosition(corners[next]);
        const auto normal = ToFloat(TriangleNormal(a, centrePosition, c));
        glBegin(GL_TRIANGLES);
        glNormal3fv(normal.data());
        texCoord(corners[k]);
        glVertex3fv(ToFloat(a).data());
        texCoord(centre);
        glVertex3fv(ToFloat(centrePosition).data());
        texCoord(corners[next]);
        glVertex3fv(ToFloat(c).data());
        glEnd();
        lastNormal_ = normal;
    }
}

void TViewNet::DrawGridOutline(const std::array<TMapPoint, 4>& corners)
{
    const bool immediate = sink_->DrawsNow();
    if (immediate) {
        sink_->Flush();
        glPushAttrib(GL_TEXTURE_BIT | GL_LIGHTING_BIT);
        glDisable(GL_TEXTURE_1D);
        glDisable(GL_TEXTURE_2D);
        glEnable(GL_COLOR_MATERIAL);
        const float grey[] = {0.5f, 0.5f, 0.5f, 1};
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, grey);
        glLineWidth(2);
    }
    std::array<TSceneVertex, 4> outline{};
    const auto colour = ToFloat(ToRGBA(MapHeader.GridColour));
    for (std::size_t k = 0; k < 4; ++k)
        outline[k] = {colour, lastNormal_, ToFloat(ScenePosition(corners[k]))};
    sink_->Outline(outline);
    if (immediate)
        glPopAttrib();
}

}  // namespace tarn
