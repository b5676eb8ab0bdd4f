#include "analysis/polyred/HeightField.h"

#include "model/Net.h"

namespace tarn {

THeightField HeightFieldOf(const TNet& net)
{
    THeightField field;
    field.columns = net.MapHeader.Columns;
    field.rows = net.MapHeader.Rows;
    field.spacing = net.MapHeader.Spacing;
    field.heights.reserve(net.Points().size());
    for (const auto& point : net.Points())
        field.heights.push_back(point.Height);
    return field;
}

}  // namespace tarn
