// The square walk served from the kept surface (TSceneCache): built or
// painted once, then drawn as arrays of the triangles that can reach the
// picture or, from the second pass on, from display lists.
#include "viewer/render/PassProgress.h"
#include "viewer/render/PixelCoverage.h"
#include "viewer/render/ReliefNoise.h"
#include "viewer/render/RowBlocks.h"
#include "viewer/render/SceneCache.h"
#include "viewer/render/TriangleSink.h"
#include "viewer/render/ViewNet.h"

#include <GL/gl.h>

namespace tarn {

TSceneCache& TViewNet::Cache()
{
    if (!cache_)
        cache_ = std::make_unique<TSceneCache>();
    return *cache_;
}

void TViewNet::ReleaseSceneCache()
{
    cache_.reset();
    squareNoise_ = std::make_unique<TSquareNoise>();
}

bool TViewNet::WalkCached(IProgress* progress)
{
    const auto& h = MapHeader;
    const int squareColumns = h.Columns - 1;
    const int squareRows = h.Rows - 1;
    TSceneCache& cache = Cache();
    const bool outlines = h.GridMode != 2;
    const bool fromNorth = RowsFromNorth();
    const TSceneCache::Fit fit = cache.FitFor(*this, HeightDivisor(), outlines);
    switch (fit) {
    case TSceneCache::Fit::None:
        // The surface is recorded row by row in the order of this walk,
        // exactly as the square walk would send it. The room is taken at
        // once, so the array OpenGL is given stays where it is.
        cache.Reset(*this, HeightDivisor(), outlines, fromNorth);
        cache.vertices.reserve(static_cast<std::size_t>(squareColumns) * squareRows * cache.verticesPerSquare);
        GatherSquareColours();
        break;
    case TSceneCache::Fit::Shape:
        // A scheme, a gradient or terrain colours changed: the same squares
        // in new colours.
        cache.Recolour(*this);
        GatherSquareColours();
        break;
    case TSceneCache::Fit::Complete:
        break;
    }
    // Squares go one by one when something is drawn between them (grid
    // outlines, actors); otherwise a whole row at once, and of a row only
    // the triangles that can reach the picture, picked out a block of rows
    // ahead.
    const bool squareBySquare = outlines || h.DrawAllActors;
    const std::optional<TPixelCoverage> coverage =
        squareBySquare ? std::nullopt : TPixelCoverage::OfCurrentContext();
    // Blocks of 16 rows are long enough to pay for handing them to the
    // other thread and short enough that the user interface is pumped often
    // (16 rows of a large map take a few milliseconds).
    constexpr int kBlockRows = 16;
    if (coverage)
        cache.coveredRows.resize(2 * kBlockRows);
    const auto coveredRow = [&](int step) -> TSceneVertices& {
        return cache.coveredRows[static_cast<std::size_t>(step % (2 * kBlockRows))];
    };

    TRecordingSink recorder(cache.vertices);
    const auto rowOfStep = [&](int step) { return fromNorth ? step : squareRows - 1 - step; };
    const auto prepare = [&](int step) {
        const int firstSquare = rowOfStep(step) * squareColumns + 1;
        if (fit == TSceneCache::Fit::None) {
            const TSinkScope scope(sink_, recorder);
            for (int index = firstSquare; index < firstSquare + squareColumns; ++index)
                DrawSquare(index, 0, 0, 0, 0);
        } else if (fit == TSceneCache::Fit::Shape) {
            for (int index = firstSquare; index < firstSquare + squareColumns; ++index)
                PaintPlainSquare(BuildColourRecord(index, false), cache.SquareVertices(index),
                                 cache.verticesPerSquare);
        }
        if (coverage) {
            TSceneVertices& covered = coveredRow(step);
            covered.clear();
            coverage->KeepDrawn(cache.SquareVertices(firstSquare), squareColumns, cache.verticesPerSquare, covered);
        }
    };

    TPassProgress pass(progress, static_cast<long long>(squareColumns) * squareRows);
    const int perSquare = cache.verticesPerSquare;
    ApplyMaterial(material_);
    if (outlines)
        glLineWidth(2);
    const TClientArraysScope arrays;
    glInterleavedArrays(GL_C4F_N3F_V3F, 0, cache.vertices.data());
    // From the second pass over the same surface on (a redraw, an
    // animation frame) the rows come from display lists.
    const bool rowLists = !squareBySquare && cache.PrepareRowLists();
    TPipelineFlusher flusher;
    const auto drawRow = [&](int step) {
        const int row = rowOfStep(step);
        pass.ShowDrawProgress();
        const int rowVertices = squareColumns * perSquare;
        int drawn = rowVertices;
        if (coverage)
            drawn = static_cast<int>(coveredRow(step).size());
        // A row that keeps most of its triangles replays its list, which
        // sends them without copying.
        if (rowLists && 3 * drawn >= 2 * rowVertices) {
            glCallList(cache.RowList(row));
        } else if (coverage) {
            if (drawn > 0) {
                glInterleavedArrays(GL_C4F_N3F_V3F, 0, coveredRow(step).data());
                DrawTriangleArrays(0, drawn);
            }
        } else {
            DrawTriangleArrays(static_cast<int>(cache.RowStart(row)), rowVertices);
        }
        flusher.Drawn(drawn / 3);
        pass.Advance(squareColumns);
        return true;
    };
    const auto drawSquares = [&](int step) {
        const int row = rowOfStep(step);
        const auto rowStart = static_cast<GLint>(cache.RowStart(row));
        pass.ShowDrawProgress();
        for (int column = 0; column < squareColumns; ++column) {
            const int first = rowStart + column * perSquare;
            glDrawArrays(GL_TRIANGLES, first, 12);
            if (outlines)
                glDrawArrays(GL_LINE_LOOP, first + 12, 4);
            pass.Advance(1);
            if (h.DrawAllActors) {
                PlaceActor(row * squareColumns + column + 1, column, row);
                flusher.DrawnUncounted();
                if (!pass.Pump())
                    AbortLoad = true;
                if (AbortLoad)
                    return false;
            }
        }
        flusher.Drawn(4LL * squareColumns);
        return true;
    };
    // Rows are built, painted or sifted on a second thread while the ones
    // before are drawn; not when actors are placed between squares, as
    // they share the walk's drawing state. Only sifting may go on on both
    // threads at once.
    RowPreparation preparation = RowPreparation::InTurn;
    if (fit != TSceneCache::Fit::Complete && !squareBySquare)
        preparation = RowPreparation::Ahead;
    else if (coverage)
        preparation = RowPreparation::AheadShared;
    const auto draw = squareBySquare ? std::function<bool(int)>(drawSquares) : drawRow;
    const bool completed = RunRowBlocks(squareRows, kBlockRows, preparation, prepare, draw, [&] {
        if (!pass.Pump())
            AbortLoad = true;
        return !AbortLoad;
    });
    // A pass stopped halfway leaves a surface built or painted halfway.
    if (!completed && fit != TSceneCache::Fit::Complete)
        cache.Invalidate();
    return completed;
}

}  // namespace tarn
