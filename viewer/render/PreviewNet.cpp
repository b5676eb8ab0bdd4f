#include "viewer/render/PreviewNet.h"

#include <algorithm>

namespace tarn {

namespace {
constexpr int kPreviewSide = 21;
constexpr int kLargestPreviewSide = 22;  // exclusive
constexpr int kNoGrid = 2;
}  // namespace

TPreviewNet::TPreviewNet()
{
    auto& h = MapHeader;
    h.ViewAngle = 3.0;
    h.VerticalScale = 100.0;
    h.Columns = h.Rows = kPreviewSide;
    h.WorldWidth = h.WorldHeight = 1000;
    h.ShortSide = 10;
    h.UnitScale = 100;
    h.MapUnits = 0;
    BuildSquares(kPreviewSide, kPreviewSide);
    BuildPoints(kPreviewSide, kPreviewSide, -500, 500, -500, 500);
    h.CameraPos = {500, 0, 30};
    h.TargetPos = {0, 0, 0};
}

int TPreviewNet::SamplingStep(int columns, int rows)
{
    const int side = std::max(columns, rows);
    int step = 1;
    while (side / step >= kLargestPreviewSide)
        ++step;
    return step;
}

void TPreviewNet::BuildFrom(const TNet& map)
{
    const auto& source = map.MapHeader;
    const int step = SamplingStep(source.Columns, source.Rows);

    // The grid part of the header (offsets 0..259) stays the preview's own;
    // everything from offset 260 on comes from the map.
    TMapHeader header = source;
    const TMapHeader& own = MapHeader;
    header.Signature = own.Signature;
    header.Version = own.Version;
    header.WorldWidth = own.WorldWidth;
    header.WorldHeight = own.WorldHeight;
    header.ShortSide = own.ShortSide;
    header.UnitScale = own.UnitScale;
    header.MapUnits = own.MapUnits;
    header.MaxHeight = own.MaxHeight;
    header.MinHeight = own.MinHeight;
    header.Reserved27 = own.Reserved27;
    header.Bounds = own.Bounds;
    header.Reserved60 = own.Reserved60;
    header.Spacing = static_cast<std::int16_t>(source.Spacing * step);
    header.Columns = static_cast<std::int16_t>(source.Columns / step);
    header.Rows = static_cast<std::int16_t>(source.Rows / step);
    header.ExtentX = static_cast<std::int16_t>(source.ExtentX * step);
    header.ExtentY = static_cast<std::int16_t>(source.ExtentY * step);
    MapHeader = header;

    Clear();
    const int columns = MapHeader.Columns;
    const int rows = MapHeader.Rows;
    if (columns < 2 || rows < 2) {
        ready_ = false;
        return;
    }
    BuildSquares(rows, columns);
    BuildPoints(rows, columns, source.Bounds[0].toDouble(), source.Bounds[2].toDouble(), source.Bounds[1].toDouble(),
                source.Bounds[3].toDouble());
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            if (const TGridPoint* from = map.GetPoint((step * r - 1) * source.Columns + c * step))
                GetPoint((r - 1) * columns + c)->Height = from->Height;
    for (int r = 1; r < rows; ++r)
        for (int c = 1; c < columns; ++c)
            if (const TGridSquare* from = map.GetSquare((step * r - 1) * (source.Columns - 1) + c * step)) {
                TGridSquare* to = GetSquare((r - 1) * (columns - 1) + c);
                to->Terrain = from->Terrain;
                to->MeanHeight = from->MeanHeight;
            }
    ready_ = true;
}

bool TPreviewNet::Paint()
{
    const auto& h = MapHeader;
    if (!ready_ || h.CameraPos == h.TargetPos)
        return false;
    MapHeader.DrawingScheme = kSchemePlain;
    MapHeader.Smoothing = 0;
    MapHeader.BackgroundType = kSolidBackground;
    MapHeader.GridMode = kNoGrid;
    DrawScene(4, 0, nullptr);
    return true;
}

}  // namespace tarn
