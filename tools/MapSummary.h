#pragma once

#include <filesystem>
#include <string>

namespace tarn {
class TNet;
}

namespace tarn::tool {

// A few lines a person reads at a glance: the map's file name and units, its
// grid and spacing, its ground size, the range of its heights, and its
// overlay objects and labels.
std::string MapSummary(const std::filesystem::path& file, const TNet& net);

}  // namespace tarn::tool
