#include "editor/ZoomTable.h"

#include <algorithm>

namespace tarn {

int ZoomStep(int zoom, bool in)
{
    const auto* found = std::find(kZoomTable.begin(), kZoomTable.end(), zoom);
    if (found == kZoomTable.end())
        return zoom;
    const auto position = static_cast<std::size_t>(found - kZoomTable.begin());
    const std::size_t last = kZoomTable.size() - 1;
    if (in && position < last)
        return kZoomTable[position + 1];
    if (position > 0)
        return kZoomTable[position - 1];
    return zoom;
}

}  // namespace tarn
