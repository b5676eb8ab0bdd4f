#pragma once

#include "model/MapHeader.h"

#include <filesystem>

namespace tarn {

// Whether a file carries the read-only attribute: its owner may not write
// it, or this process may not.
bool IsReadOnlyFile(const std::filesystem::path& path);

// Writes the view parameters back into the map file they came from: only
// its first 2576 bytes, in place, and only when a name is known, the file
// exists and is not read-only. Returns whether the file was written to;
// throws ETarnError E0007 when the write failed (the file then keeps its
// old header).
bool WriteBackViewParameters(const std::filesystem::path& mapFile, const TMapHeader& header);

}  // namespace tarn
