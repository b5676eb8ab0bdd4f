#pragma once

#include "model/MapHeader.h"
#include "model/Progress.h"

#include <filesystem>

namespace tarn {

class TNet;

// Loads a LEM file into the map. Returns false when the user aborted; throws
// ETarnError with the coded message when the file cannot be opened or is
// refused (the map is then left empty and unloaded).
bool LoadLemFile(const std::filesystem::path& path, TNet& net, IProgress& progress);

// Saves the map as a LEM file without ever leaving a half-written file: on
// any failure the previous file is untouched and msg::ErrorSavingLem is
// thrown.
void SaveLemFile(const std::filesystem::path& path, TNet& net);

// Replaces the first 2576 bytes of an existing LEM file with the header in
// place, leaving the rest of the file untouched; a file that already holds
// this header is not written at all. The new header is made whole before the
// file is touched, and a write that fails part way puts the old bytes back.
// Throws E0007 when the file is not a LEM file at least that long or cannot
// be written.
void RewriteLemHeader(const std::filesystem::path& path, const TMapHeader& header);

}  // namespace tarn
