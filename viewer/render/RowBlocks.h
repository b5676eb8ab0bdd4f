#pragma once

#include <functional>

namespace tarn {

// How the rows of a block are prepared.
enum class RowPreparation {
    // On the calling thread, after the block before is drawn.
    InTurn,
    // On a second thread, row after row, while the calling thread draws the
    // block before.
    Ahead,
    // The same, with the calling thread taking rows too once its block is
    // drawn: for preparations that may run in any order and side by side.
    AheadShared,
};

// A walk over the rows of a surface in blocks of `blockRows` rows: each row
// is first prepared (built, painted or sifted), then drawn. Prepared ahead,
// the next block is made ready while the calling thread draws the current
// one, so the two kinds of work share the processor's cores; the threads
// meet at the end of every block. between() then runs on the calling
// thread with the other one idle (the place for the user interface's
// pump, whose handlers may touch what prepare() reads). A false from
// draw() or between() ends the walk, and RunRowBlocks returns false.
bool RunRowBlocks(int rows, int blockRows, RowPreparation preparation, const std::function<void(int)>& prepare,
                  const std::function<bool(int)>& draw, const std::function<bool()>& between);

}  // namespace tarn
