#pragma once

#include "analysis/gridding/KnownNode.h"
#include "analysis/gridding/SlopeEstimate.h"
#include "analysis/gridding/SplineEnergy.h"
#include "model/Progress.h"

#include <optional>
#include <span>
#include <vector>

namespace tarn::gridding {

struct CascadeSettings {
    SplineWeights weights;
    // The finest grid counts as settled once an iteration moves no height by
    // more than this (in height units); coarser grids settle more loosely.
    double tolerance = 0.01;
    // Slopes at the known nodes (one per known node), or none.
    const std::vector<NodeSlope>* slopes = nullptr;
};

// The spline through the known nodes on a grid of columns x rows, solved
// coarse to fine. Each coarser grid takes every second node of the one
// below it; it holds each of its nodes at the known node nearest to it
// within half a step, moved along the surface of the grid above it, and
// its settled surface is the first guess of the next finer grid. On the
// finest grid the known nodes are held at exactly their heights. Where
// slopes are given, the nodes held at known nodes on traced lines also hold
// their slope softly, on the finest grid and the next coarser one. Heights are returned row by row, row 0 first; nothing when the
// ticker reports a cancel.
std::optional<std::vector<double>> SolveCascade(int columns, int rows, std::span<const KnownNode> known,
                                                const CascadeSettings& settings, ProgressTicker& ticker);

}  // namespace tarn::gridding
