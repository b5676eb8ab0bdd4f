#pragma once

#include "model/MapHeader.h"
#include "model/Progress.h"

#include <filesystem>
#include <fstream>

namespace tarn {

class TNet;

// Opens a LEM file for reading; throws "E0060 Error opening lem file" with
// the path when it cannot be read.
std::ifstream OpenLemFile(const std::filesystem::path& path);

// Loads a LEM file into the map. Returns false when the user aborted; throws
// ETarnError with the coded message when the file cannot be opened (E0060,
// also for anything that is not a regular file) or is refused (the map is
// then left empty and unloaded).
bool LoadLemFile(const std::filesystem::path& path, TNet& net, IProgress& progress);

// Saves the map as a LEM file without ever leaving a half-written file: on
// any failure the previous file is untouched and msg::ErrorSavingLem is
// thrown.
void SaveLemFile(const std::filesystem::path& path, TNet& net);

// Replaces the first 2576 bytes of an existing LEM file with the header in
// place, leaving the rest of the file untouched; a symbolic link is followed,
// and a file that already holds this header is not written at all. The new
// header is made whole before the file is touched, and a write that fails
// part way puts the old bytes back. Throws E0007 when the file is not a
// regular file, not a LEM file at least that long, or cannot be written.
void RewriteLemHeader(const std::filesystem::path& path, const TMapHeader& header);

}  // namespace tarn
