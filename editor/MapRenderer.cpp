#include "editor/MapRenderer.h"

#include "editor/HeightBands.h"
#include "editor/OverlayPainter.h"
#include "editor/QtColour.h"
#include "editor/TerrainOutline.h"
#include "model/Net.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tarn {

namespace {

int RoundPixel(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

// The grid the picture shows, or none while the lists do not hold a whole
// grid (after a failed load the header may still name the old size).
struct TGridSize {
    int columns = 0;
    int rows = 0;
    bool valid() const { return columns >= 2 && rows >= 2; }
};

TGridSize GridOf(const TNet& net)
{
    const int columns = net.MapHeader.Columns;
    const int rows = net.MapHeader.Rows;
    if (columns < 2 || rows < 2 || net.PointCount() != columns * rows ||
        net.SquareCount() != (columns - 1) * (rows - 1))
        return {};
    return {columns, rows};
}

// The 0-based range of grid steps whose drawings may reach into [from, to]
// pixels, given how far a drawing reaches from its own step.
std::pair<int, int> StepRange(int from, int to, double scale, int reach, int count)
{
    const int first = static_cast<int>(std::floor((from - reach) / scale));
    const int last = static_cast<int>(std::ceil((to + reach) / scale));
    return {std::max(first, 0), std::min(last, count - 1)};
}

// Stretches the background over the whole picture, nearest pixel first:
// each picture pixel takes the background pixel under its centre, so any
// area gives the same pixels as the whole.
void DrawBackground(QPainter& painter, const TRenderSettings& settings, const QRect& area)
{
    if (settings.backgroundPicture.isNull() || settings.picture.isEmpty())
        return;
    const QImage source = settings.backgroundPicture.format() == QImage::Format_RGB32
                              ? settings.backgroundPicture
                              : settings.backgroundPicture.convertToFormat(QImage::Format_RGB32);
    const double sx = static_cast<double>(source.width()) / settings.picture.width();
    const double sy = static_cast<double>(source.height()) / settings.picture.height();
    std::vector<int> columns(static_cast<std::size_t>(area.width()));
    for (int i = 0; i < area.width(); ++i)
        columns[static_cast<std::size_t>(i)] =
            std::min(static_cast<int>((area.left() + i + 0.5) * sx), source.width() - 1);
    QImage stretched(area.size(), QImage::Format_RGB32);
    for (int j = 0; j < area.height(); ++j) {
        const int row = std::min(static_cast<int>((area.top() + j + 0.5) * sy), source.height() - 1);
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        auto* out = reinterpret_cast<QRgb*>(stretched.scanLine(j));
        for (int i = 0; i < area.width(); ++i)
            out[i] = in[columns[static_cast<std::size_t>(i)]];
    }
    painter.drawImage(area.topLeft(), stretched);
}

void DrawHeights(QPainter& painter, const TNet& net, const TGridSize& grid, const TRenderSettings& settings,
                 const QRect& area)
{
    const double scale = settings.scale;
    const TMarkerSize marker = MarkerSizeFor(scale);
    const bool asText = scale >= kHeightTextScale;
    // A written height reaches right and down by its text; allow two steps.
    const int reach = marker.half2 + 2 + (asText ? static_cast<int>(2 * scale) : 0);
    const auto [firstColumn, lastColumn] = StepRange(area.left(), area.right(), scale, reach, grid.columns);
    const auto [firstRow, lastRow] = StepRange(area.top(), area.bottom(), scale, reach, grid.rows);

    QFont font("Arial");
    font.setPixelSize(std::max(1, static_cast<int>(std::trunc(scale * 0.4))));
    if (asText) {
        painter.setFont(font);
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(Qt::white);
    }
    const auto& points = net.Points();
    for (int row = firstRow; row <= lastRow; ++row) {
        const int y = RoundPixel(row * scale);
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const int height = points[static_cast<std::size_t>(row * grid.columns + column)].Height;
            if (height < -1000)
                continue;
            const QColor colour = ToQColor(HeightBandColour(height, settings.bandMin, settings.bandMax));
            const int x = RoundPixel(column * scale);
            if (height == 0) {
                painter.fillRect(QRect(x - 1, y - 1, 2, 2), colour);
            } else if (asText) {
                painter.setPen(colour);
                painter.drawText(QRect(x - marker.half1, y - marker.half1, 8 * static_cast<int>(scale), 2 * static_cast<int>(scale)),
                                 Qt::AlignLeft | Qt::AlignTop, QString::number(height));
            } else {
                const int size = marker.half1 + marker.half2;
                painter.fillRect(QRect(x - marker.half1, y - marker.half1, size, size), colour);
            }
        }
    }
    painter.setBackgroundMode(Qt::TransparentMode);
}

void DrawTerrainOutlines(QPainter& painter, const TNet& net, const TGridSize& grid, const TRenderSettings& settings,
                         const QRect& area)
{
    const double scale = settings.scale;
    const int squareColumns = grid.columns - 1;
    const int squareRows = grid.rows - 1;
    // Squares are 0-based here: square (i, j) spans steps i..i+1, j..j+1.
    const auto [firstColumn, lastColumn] = StepRange(area.left(), area.right(), scale, 4 + static_cast<int>(scale), squareColumns);
    const auto [firstRow, lastRow] = StepRange(area.top(), area.bottom(), scale, 4 + static_cast<int>(scale), squareRows);
    const auto& squares = net.Squares();
    const auto terrainAt = [&](int column, int row) {
        return squares[static_cast<std::size_t>(row * squareColumns + column)].Terrain;
    };
    const auto& colours = net.MapHeader.TerrainColours;

    painter.setBrush(Qt::NoBrush);
    QPen pen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    int penTerrain = -1;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const int terrain = terrainAt(column, row);
            if (terrain <= 0 || terrain >= static_cast<int>(colours.size()))
                continue;
            if (terrain != penTerrain) {
                pen.setColor(ToQColor(colours[static_cast<std::size_t>(terrain)]));
                painter.setPen(pen);
                penTerrain = terrain;
            }
            TSameNeighbours same;
            same.above = row > 0 && terrainAt(column, row - 1) == terrain;
            same.right = column + 1 < squareColumns && terrainAt(column + 1, row) == terrain;
            same.below = row + 1 < squareRows && terrainAt(column, row + 1) == terrain;
            same.left = column > 0 && terrainAt(column - 1, row) == terrain;
            const TOutlineLines outline =
                TerrainOutline(RoundPixel(column * scale) + 1, RoundPixel(row * scale) + 1,
                               RoundPixel((column + 1) * scale) - 1, RoundPixel((row + 1) * scale) - 1, same);
            painter.drawLines(outline.lines.data(), outline.count);
        }
    }
}

}  // namespace

void RenderMapArea(QPainter& painter, const TNet& net, const TRenderSettings& settings, const QRect& area)
{
    painter.fillRect(area, Qt::white);
    if (settings.background)
        DrawBackground(painter, settings, area);
    const TGridSize grid = GridOf(net);
    if (!grid.valid())
        return;
    if (settings.heights)
        DrawHeights(painter, net, grid, settings, area);
    if (settings.terrains)
        DrawTerrainOutlines(painter, net, grid, settings, area);
    if (settings.objects)
        for (const auto& object : net.Overlays)
            DrawGraphObject(painter, *object, settings.scale, settings.scale);
}

}  // namespace tarn
