#pragma once

#include "model/edits/GridRange.h"
#include "model/edits/TraceNodes.h"

#include <cstdint>
#include <optional>
#include <span>

namespace tarn {

class TNet;
class TUndoList;

// Writes a contour's height into the nodes a trace reaches, keeping the old
// height of every node it changes in the undo list. A counter runs over the
// whole trace: every node reached that does not already hold the height
// counts once, and only the nodes whose count is a multiple of the density
// get the height. Nodes outside the grid are skipped.
class TContourWriter {
public:
    // `height` is the stored value; `density` is held to 1..99.
    TContourWriter(TNet& net, TUndoList& undo, std::int16_t height, int density);

    void SetNode(TGridNode node);
    // Every node on the straight grid line between two nodes, from the end
    // with the smaller column (mostly horizontal lines) or row (the rest),
    // then the second node once more.
    void GridLine(TGridNode from, TGridNode to);

private:
    TNet& net_;
    TUndoList& undo_;
    std::int16_t height_;
    int density_;
    long long counter_ = 0;
};

// The two writes return the nodes around the trace's points (0-based, the
// squares around them recomputed), or nothing for an empty trace.

// A trace drawn node by node: the grid line from each point to the next.
std::optional<TGridRange> WriteManualTrace(TNet& net, TUndoList& undo, std::span<const TGridNode> points,
                                           std::int16_t height, int density);

// A trace found on a picture: its nodes follow each other without lines
// between them. A node that is a step left, right, up or down from neither
// of the last two nodes it went on from is counted twice.
std::optional<TGridRange> WriteFoundTrace(TNet& net, TUndoList& undo, std::span<const TGridNode> points,
                                          std::int16_t height, int density);

}  // namespace tarn
