#pragma once

#include "controls/Chart.h"

namespace tarn {

struct TFlightProfile;

// The flight height profile of a path: the ground along the path as a line
// and each control point's flight height as a marker the user can drag up
// or down. The y axis runs from the map's lowest height to twice its height
// range above that, so there is room above the highest ground to fly.
class TFlightGraph : public TChart {
    Q_OBJECT

public:
    TFlightGraph(int lowestHeight, int highestHeight, QWidget* parent = nullptr);

    void ShowProfile(const TFlightProfile& profile);

signals:
    // A marker was dragged: control point `point` (from 0) flies at `height`.
    void HeightDragged(int point, int height);
    // The mouse let go of a dragged marker.
    void DragEnded();

private:
    void Press(QPoint at);
    void Move(QPoint at);
    void Release();

    // The marker being dragged (numbered from 1 as the graph's points), or -1.
    int draggedMarker_ = -1;
};

}  // namespace tarn
