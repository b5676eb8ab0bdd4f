#include "editor/tools/InterpolateTool.h"

#include "analysis/gridding/AreaInterpolation.h"
#include "analysis/gridding/Smoothing.h"
#include "analysis/gridding/TrendAnalysis.h"
#include "controls/Messages.h"
#include "controls/longprogress.h"
#include "editor/BusyCursor.h"
#include "editor/DefNet.h"
#include "editor/Notifications.h"
#include "editor/interpolate.h"
#include "model/Errors.h"
#include "model/edits/HeightChanges.h"

#include <algorithm>
#include <memory>

namespace tarn {

namespace {

// Widens the band range to take in the heights written, telling the
// windows so that the Max and Min Height spins follow.
void WidenBandRange(TDefineNet& net, const gridding::WrittenRange& written)
{
    if (written.highest <= net.BandMax && written.lowest >= net.BandMin)
        return;
    net.BandMax = std::max(net.BandMax, written.highest);
    net.BandMin = std::min(net.BandMin, written.lowest);
    net.Notify(kBandRangeChanged);
}

// Grids the area through the gridding library with the progress window
// on the screen; its Cancel stops the run with no height changed.
void RunNearestNeighbour(TDefineNet& net, const gridding::InterpolationArea& area,
                         const TInterpolationSettings& settings)
{
    const auto window = std::make_unique<TLongProgressDlg>(&net);
    window->setObjectName("LongProgressDlg");
    window->Begin("Interpolation");
    TLongProgressReporter progress(*window);
    const gridding::InterpolationResult result =
        gridding::InterpolateThroughLibrary(net, area, {settings.spline, settings.minHeight}, progress);
    window->End();
    if (result.cancelled)
        return;
    net.UpdateSquares();
    if (result.written)
        WidenBandRange(net, *result.written);
}

void RunWholeGrid(TDefineNet& net, const TInterpolationSettings& settings)
{
    const BusyCursor busy;
    if (settings.trend)
        gridding::TrendAnalysis(net, settings.minHeight);
    if (settings.smoothing)
        gridding::SmoothHeights(net, settings.minHeight);
}

}  // namespace

void TInterpolateTool::AreaSelected(TDefineNet& net, QPoint start, QPoint end)
{
    if (!net.HasGrid() || dialog_.exec() != QDialog::Accepted)
        return;
    const auto first = net.NodeAt({std::min(start.x(), end.x()), std::min(start.y(), end.y())});
    const auto last = net.NodeAt({std::max(start.x(), end.x()), std::max(start.y(), end.y())});
    if (first.number < 0 || last.number < 0)
        return;
    const gridding::InterpolationArea area{first.column, first.row, last.column, last.row};
    const TInterpolationSettings settings = dialog_.Settings();
    // The spline fills only the area; trend analysis and smoothing work on
    // the whole grid.
    const TGridRange reach = settings.nearest ? TGridRange{area.left, area.top, area.right, area.bottom}
                                              : TGridRange{0, 0, net.GridColumns() - 1, net.GridRows() - 1};
    const THeightSnapshot before(net, reach);
    try {
        if (settings.nearest)
            RunNearestNeighbour(net, area, settings);
        else
            RunWholeGrid(net, settings);
    } catch (const ETarnError& error) {
        ShowMessage(QString::fromUtf8(error.what()));
    }
    // What was written stays, also when a message stopped the run (trend
    // analysis keeps its rounds); Undo takes all of it back.
    if (!before.RecordChanges(net, net.UndoList()))
        return;
    if (settings.nearest)
        net.EditDone({reach.left + 1, reach.top + 1, reach.right + 1, reach.bottom + 1});
    else
        net.EditDone();
}

}  // namespace tarn
