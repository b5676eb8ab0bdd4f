#pragma once

#include "analysis/gridding/AreaTransfer.h"
#include "analysis/gridding/Gridding.h"
#include "model/Errors.h"
#include "model/Net.h"
#include "model/Progress.h"

#include <optional>

namespace tarn::gridding {

// A failure the gridding library reported; what() is its message.
class EAbortInterpolation : public ETarnError {
public:
    using ETarnError::ETarnError;
};

struct SplineRun {
    GriddingOptions options;
    int minHeight = 0;  // the dialog's Minimum Height
};

struct InterpolationResult {
    bool cancelled = false;
    std::optional<WrittenRange> written;  // see ApplyToNullNodes
};

// The spline interpolation of an area's Null nodes as the map editor runs
// it: the known nodes go to the gridding library through "~in.tmp" in a
// private temporary folder, the library's six calls run in order, and
// "~out.tmp" is read into the Null nodes (ApplyToNullNodes). The progress
// gets the caption "Interpolation" with the activity of each step, and its
// pump() is the library's progress callback; once it reports a cancel the
// remaining steps are skipped and no height changes. The folder is removed
// in every case.
// Throws ETarnError "E0016 ..." for an area of one node, "E0018 ..." when
// the working files cannot be made, and EAbortInterpolation with the
// library's message when a step fails (no height changes then).
InterpolationResult InterpolateThroughLibrary(TNet& net, const InterpolationArea& area, const SplineRun& run,
                                              IProgress& progress);

// The same result straight from the engine, without working files (for
// tarntool and tests). The progress gets percentages only. Throws as above,
// and "E0080 ..." when the area has no known node.
InterpolationResult InterpolateArea(TNet& net, const InterpolationArea& area, const SplineRun& run,
                                    IProgress& progress);

}  // namespace tarn::gridding
