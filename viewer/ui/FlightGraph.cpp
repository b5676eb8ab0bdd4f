#include "viewer/ui/FlightGraph.h"

#include "viewer/anim/FlightProfile.h"

#include <algorithm>
#include <cmath>

namespace tarn {

namespace {

constexpr int kGroundSeries = 1;
constexpr int kMarkerSeries = 2;

}  // namespace

TFlightGraph::TFlightGraph(int lowestHeight, int highestHeight, QWidget* parent) : TChart(parent)
{
    AddSeries(QColor(0x80, 0x60, 0x30), SeriesStyle::Line, "Ground");
    AddSeries(Qt::red, SeriesStyle::Markers, "Flight height");
    SetAxisTitles("Distance along path (pixels)", "Height");
    const int span = std::max(1, highestHeight - lowestHeight);
    SetYRange(lowestHeight, lowestHeight + 2 * span);
    SetXRange(0, 1);
    connect(this, &TChart::MouseDown, this, [this](Qt::MouseButton, Qt::KeyboardModifiers, QPoint at) { Press(at); });
    connect(this, &TChart::MouseMove, this, [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint at) { Move(at); });
    connect(this, &TChart::MouseUp, this, [this](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) { Release(); });
}

void TFlightGraph::ShowProfile(const TFlightProfile& profile)
{
    ClearSeries(kGroundSeries);
    ClearSeries(kMarkerSeries);
    for (const auto& [x, y] : profile.ground)
        AddPoint(kGroundSeries, x, y);
    for (const auto& [x, y] : profile.markers)
        AddPoint(kMarkerSeries, x, y);
    SetXRange(0, std::max(1.0, profile.length));
}

void TFlightGraph::Press(QPoint at)
{
    draggedMarker_ = PointNear(kMarkerSeries, at);
}

void TFlightGraph::Move(QPoint at)
{
    if (draggedMarker_ < 1)
        return;
    const int height = std::max(0, static_cast<int>(std::nearbyint(ValueAt(at).y())));
    SetPointY(kMarkerSeries, draggedMarker_, height);
    emit HeightDragged(draggedMarker_ - 1, height);
}

void TFlightGraph::Release()
{
    if (draggedMarker_ < 1)
        return;
    draggedMarker_ = -1;
    emit DragEnded();
}

}  // namespace tarn
