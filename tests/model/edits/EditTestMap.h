#pragma once

#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"
#include "model/edits/GridRange.h"

namespace tarn::test {

// A map of null heights and Standard terrain, built with the model alone.
inline void MakeEditMap(TNet& net, MapUnits units = MapUnits::Metric, int columns = 20, int rows = 20)
{
    CreateMap(net, {units, columns, rows, 10}, DefaultTerrainPalette());
}

inline int HeightAt(const TNet& net, int column, int row)
{
    return NodeAt(net, column, row)->Height;
}

inline void SetHeightAt(TNet& net, int column, int row, int height)
{
    NodeAt(net, column, row)->Height = static_cast<std::int16_t>(height);
}

inline int TerrainAt(TNet& net, int column, int row)
{
    return SquareAt(net, column, row)->Terrain;
}

// Every node of a rectangle (0-based, edges included) at one height.
inline void FillHeights(TNet& net, const TGridRange& nodes, int height)
{
    for (int row = nodes.top; row <= nodes.bottom; ++row)
        for (int column = nodes.left; column <= nodes.right; ++column)
            SetHeightAt(net, column, row, height);
}

}  // namespace tarn::test
