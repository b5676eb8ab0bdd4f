#include "analysis/gridding/KnownPlaces.h"

#include <limits>

namespace tarn::gridding {

KnownPlaces::KnownPlaces(int columns, int rows, std::span<const KnownNode> known)
    : columns_(columns), rows_(rows), known_(known),
      at_(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), -1),
      heights_(at_.size(), std::numeric_limits<double>::quiet_NaN())
{
    for (std::size_t k = 0; k < known.size(); ++k) {
        const std::size_t at = slot(known[k].column, known[k].row);
        at_[at] = static_cast<std::int32_t>(k);
        heights_[at] = known[k].height;
    }
}

bool KnownPlaces::onTracedLine(const KnownNode& node) const
{
    for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc) {
            if (dr == 0 && dc == 0)
                continue;
            const std::optional<double> height = heightAt(node.column + dc, node.row + dr);
            if (height && *height == node.height)
                return true;
        }
    return false;
}

}  // namespace tarn::gridding
