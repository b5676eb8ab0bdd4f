#pragma once

#include "analysis/gridding/Gridding.h"
#include "analysis/gridding/KnownNode.h"
#include "analysis/gridding/OptionsRecord.h"
#include "model/Net.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace tarn::gridding {

// A rectangle of the map's nodes, 0-based columns and rows, both ends
// included.
struct InterpolationArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int columns() const { return right - left + 1; }
    int rows() const { return bottom - top + 1; }
    friend bool operator==(const InterpolationArea&, const InterpolationArea&) = default;
};

// Throws ETarnError "E0083 ..." unless the area lies within the map with
// its ends in order.
void CheckAreaOnMap(const TNet& net, const InterpolationArea& area);

// The nodes of the area that have a height, at area coordinates.
std::vector<KnownNode> KnownNodesInArea(const TNet& net, const InterpolationArea& area);

// The highest and lowest heights written into Null nodes, before the
// Minimum Height rule; empty when nothing was written.
struct WrittenRange {
    int lowest = 0;
    int highest = 0;
};

// Writes values (top row first, each row west to east) into the area's
// Null nodes: rounded (halves to even), raised to minHeight when below it
// unless the value is Null (-1001). Nodes with a height stay unchanged.
// Fewer values than nodes leave the rest of the area as it is. Null values
// count for neither end of the range.
std::optional<WrittenRange> ApplyToNullNodes(TNet& net, const InterpolationArea& area,
                                             const std::vector<double>& values, int minHeight);

// The map's side of the working files.

// "~in.tmp": one line "x y height" per node of the area with a height, x =
// column * 10, y = (map rows - 1 - row) * 10, from the area's bottom row to
// its top row, each row west to east. Throws ETarnError "E0018 ..." when
// the file cannot be written.
void WriteInputFile(const TNet& net, const InterpolationArea& area, const std::filesystem::path& path);

// The numbers of "~out.tmp", at most `count`; reading ends at the first
// thing that is not a number (or when the file cannot be read).
std::vector<double> ReadOutputFile(const std::filesystem::path& path, std::size_t count);

// The options record for a run over the area with the given files.
GridOptionsRecord OptionsRecordFor(const TNet& net, const InterpolationArea& area, const GriddingOptions& options,
                                   const std::string& inputFile, const std::string& outputFile);

}  // namespace tarn::gridding
