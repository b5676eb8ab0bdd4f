#pragma once

#include "model/TerrainSlots.h"

#include <filesystem>

namespace tarn {

// Terrain configuration files (.cfg): the colours of all 24 slots and the
// names of the user slots 8..23 in the section "Terrain Colours".
//
// Reading gives missing colours 0 (black) and missing names an empty text;
// the standard slots keep their default names. Throws ETarnError (E0062)
// when the file cannot be read.
TTerrainPalette ReadTerrainConfig(const std::filesystem::path& path);
TTerrainPalette ParseTerrainConfig(std::string_view text);

// Writes the file whole or not at all; throws ETarnError (E0063) on failure.
void WriteTerrainConfig(const std::filesystem::path& path, const TTerrainPalette& palette);
std::string FormatTerrainConfig(const TTerrainPalette& palette);

}  // namespace tarn
