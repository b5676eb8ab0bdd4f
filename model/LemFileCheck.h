#pragma once

#include "model/Progress.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarn {

class TNet;

// What a LEM file holds beyond what loading it keeps.
struct TLemFileFindings {
    // How the grid fields of the header as stored contradict each other
    // (a load rewrites the bounds and the height range), one sentence each.
    std::vector<std::string> contradictions;
    // Bytes after the last label: no reader looks at them and a save drops them.
    std::uintmax_t trailingBytes = 0;
};

// Loads the file into the map as LoadLemFile does, throwing the same coded
// messages, and inspects what the load leaves out; nothing when the user
// aborted the load.
std::optional<TLemFileFindings> InspectLemFile(const std::filesystem::path& path, TNet& net, IProgress& progress);

}  // namespace tarn
