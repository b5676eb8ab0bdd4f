#pragma once

#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"
#include "viewer/anim/FlightPath.h"

namespace tarn::test {

// A Metric 21 x 21 map, 10 m spacing, every node 100 high except where a
// test changes it, and a 210 x 210 drawing box over it (10 pixels a node).
struct TPathMap {
    TNet net;
    TPathMap()
    {
        CreateMap(net, {MapUnits::Metric, 21, 21, 10}, DefaultTerrainPalette());
        for (auto& point : net.Points())
            point.Height = 100;
    }
};

// A flight path of `count` points walking east along the box's middle.
inline TFlightPath EastwardFlight(int count, const char* speed)
{
    TFlightPath path;
    path.Speed = speed;
    for (int i = 0; i < count; ++i)
        path.AddControlPoint({10 + 6 * i, 100}, 600);
    return path;
}

}  // namespace tarn::test
