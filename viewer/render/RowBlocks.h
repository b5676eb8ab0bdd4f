#pragma once

#include <functional>

namespace tarn {

// A walk over the rows of a surface in blocks of `blockRows` rows: each row
// is first prepared (built or painted), then drawn. With `ahead`, the next
// block is prepared on a second thread while the calling thread draws the
// current one, so the two kinds of work share the processor's cores; the
// threads meet at the end of every block. between() then runs on the calling
// thread with the other one idle (the place for the user interface's
// pump, whose handlers may touch what prepare() reads). A false from
// draw() or between() ends the walk, and RunRowBlocks returns false.
bool RunRowBlocks(int rows, int blockRows, bool ahead, const std::function<void(int)>& prepare,
                  const std::function<bool(int)>& draw, const std::function<bool()>& between);

}  // namespace tarn
