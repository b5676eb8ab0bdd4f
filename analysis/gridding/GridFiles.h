#pragma once

#include "analysis/gridding/Gridding.h"
#include "analysis/gridding/KnownNode.h"
#include "analysis/gridding/OptionsRecord.h"

#include <filesystem>
#include <vector>

namespace tarn::gridding {

// The gridding library's side of the working files.

// The known nodes of the input file: lines of x, y and height in grid units
// of 10 per step, y northward, placed on the area of the options (each
// point on its nearest node; points outside the area are left out). Throws
// ETarnError "E0081 ..." when the file cannot be read or holds anything
// but numbers in threes.
std::vector<KnownNode> ReadInputFile(const std::filesystem::path& path, const GridOptionsRecord& options);

// One real per node ("%12.4f"), the top row first, each row on a line from
// west to east. Throws ETarnError "E0082 ..." when it cannot be written.
void WriteOutputFile(const std::filesystem::path& path, const HeightGrid& grid);

}  // namespace tarn::gridding
