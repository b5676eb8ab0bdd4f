#pragma once

#include <filesystem>

namespace tarn {
class TNet;
}

namespace tarn::tool {

// Loads a LEM file with its progress shown on the terminal; throws the
// loader's coded message when the file is refused.
void LoadMapOrRefuse(const std::filesystem::path& path, TNet& net);

}  // namespace tarn::tool
