#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tarn::layers {

// Each source folder with the folders it may include headers from directly.
// A folder may always use itself and, through them, whatever the folders it
// depends on may use.
using LayerTable = std::map<std::string, std::set<std::string>>;

// The project's layers, lowest first, as the architecture document draws them.
const LayerTable& ProjectLayers();

struct Violation {
    std::filesystem::path file;  // relative to the root
    int line = 0;
    std::string text;  // what is wrong, for the failure message

    friend bool operator==(const Violation&, const Violation&) = default;
};

// Every #include "a/b/..." in the .h and .cpp files below the table's
// folders under `root` that names a header of a folder the including folder
// may not use, and every source file in a folder the table does not know.
std::vector<Violation> CheckLayers(const std::filesystem::path& root, const LayerTable& table);

}  // namespace tarn::layers
