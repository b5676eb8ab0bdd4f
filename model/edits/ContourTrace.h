#pragma once

#include "model/edits/TraceNodes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace tarn {

class TNet;

// Keeps a node's height from before a trace changed it, for Undo.
using TOldHeightSink = std::function<void(TGridNode node, int oldHeight)>;

// The 0-based nodes a trace covered, edges included.
struct TTraceBounds {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Writes a contour's height into the nodes a trace reaches. A counter runs
// over the whole trace: every node reached that does not already hold the
// height counts once, and only the nodes whose count is a multiple of the
// density get the height. Nodes outside the grid are skipped; the squares
// around a changed node get their mean height and null flag anew.
class TContourWriter {
public:
    // `height` is the stored value; `density` is held to 1..99.
    TContourWriter(TNet& net, std::int16_t height, int density, TOldHeightSink keepOld);

    void SetNode(TGridNode node);
    // Every node on the straight grid line between two nodes, from the end
    // with the smaller column (mostly horizontal lines) or row (the rest),
    // then the second node once more.
    void GridLine(TGridNode from, TGridNode to);

private:
    void UpdateSquaresAround(TGridNode node);

    TNet& net_;
    std::int16_t height_;
    int density_;
    TOldHeightSink keepOld_;
    long long counter_ = 0;
};

// A trace drawn node by node: the grid line from each point to the next.
// Returns the box around the points, or nothing for an empty trace.
std::optional<TTraceBounds> WriteManualTrace(TNet& net, std::span<const TGridNode> points, std::int16_t height,
                                             int density, const TOldHeightSink& keepOld);

// A trace found on a picture: its nodes follow each other without lines
// between them. A node that is a step left, right, up or down from neither
// of the last two nodes it went on from is counted twice.
std::optional<TTraceBounds> WriteFoundTrace(TNet& net, std::span<const TGridNode> points, std::int16_t height,
                                            int density, const TOldHeightSink& keepOld);

}  // namespace tarn
