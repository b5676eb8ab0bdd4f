// The square walk with surface detail, its rows worked out on a second
// thread while the row before is drawn.
#include "viewer/render/PassProgress.h"
#include "viewer/render/RowBlocks.h"
#include "viewer/render/TriangleSink.h"
#include "viewer/render/ViewNet.h"

#include <GL/gl.h>

#include <array>

namespace tarn {

bool TViewNet::CanRecordDetailAhead() const
{
    const auto& h = MapHeader;
    return h.DrawingScheme != 0 && h.DrawingScheme != kSchemeOverlay && h.GridMode == 2 && !h.DrawAllActors;
}

bool TViewNet::WalkDetailAhead(int detailFlag, int fractalDepth, IProgress* progress)
{
    const auto& h = MapHeader;
    const int squareColumns = h.Columns - 1;
    const int squareRows = h.Rows - 1;
    const bool fromNorth = RowsFromNorth();
    const auto rowOfStep = [&](int step) { return fromNorth ? step : squareRows - 1 - step; };

    // One row is drawn from one list while the next is recorded into the
    // other. A row, not a block of rows: a detailed row near the camera can
    // hold millions of triangles, and two rows bound the memory kept.
    std::array<TRecordedTriangles, 2> recorded;
    TMaterialRecordingSink recorder(material_);
    const TSinkScope scope(sink_, recorder);
    const auto prepare = [&](int step) {
        TRecordedTriangles& target = recorded[static_cast<std::size_t>(step % 2)];
        target.Clear();
        recorder.RecordInto(target);
        const int row = rowOfStep(step);
        for (int column = 0; column < squareColumns; ++column)
            DrawSquare(row * squareColumns + column + 1, column, row, detailFlag, fractalDepth);
    };

    TPassProgress pass(progress, static_cast<long long>(squareColumns) * squareRows);
    TPipelineFlusher flusher;
    const TClientArraysScope arrays;
    const auto draw = [&](int step) {
        pass.ShowDrawProgress();
        const TRecordedTriangles& row = recorded[static_cast<std::size_t>(step % 2)];
        if (!row.vertices.empty())
            glInterleavedArrays(GL_C4F_N3F_V3F, 0, row.vertices.data());
        for (std::size_t k = 0; k < row.runs.size(); ++k) {
            const std::size_t first = row.runs[k].firstVertex;
            const std::size_t end = k + 1 < row.runs.size() ? row.runs[k + 1].firstVertex : row.vertices.size();
            if (!MaterialApplied(row.runs[k].material))
                SendMaterial(row.runs[k].material);
            DrawTriangleArrays(static_cast<int>(first), static_cast<int>(end - first));
        }
        flusher.Drawn(static_cast<long long>(row.vertices.size() / 3));
        pass.Advance(squareColumns);
        return true;
    };
    return RunRowBlocks(squareRows, 1, RowPreparation::Ahead, prepare, draw, [&] {
        if (!pass.Pump())
            AbortLoad = true;
        return !AbortLoad;
    });
}

}  // namespace tarn
