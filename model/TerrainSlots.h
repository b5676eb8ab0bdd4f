#pragma once

#include "model/Colour.h"
#include "model/MapHeader.h"

#include <array>
#include <string>

namespace tarn {

class ISettingsStore;

// The names and colours of the 24 terrain slots. Names are UTF-8, as the
// programs, the settings store and .cfg files hold them.
struct TTerrainPalette {
    std::array<std::string, kTerrainSlots> names;
    std::array<TColorRef, kTerrainSlots> colours{};

    friend bool operator==(const TTerrainPalette&, const TTerrainPalette&) = default;
};

// Slots 0..7 are the standard terrains with fixed names; 8..23 are the user's.
inline constexpr int kFirstUserTerrain = 8;
inline constexpr std::size_t kMaxTerrainNameLength = 30;

// The caption the colour dialog shows for a standard slot ("Forest, Wood").
std::string StandardTerrainCaption(int slot);
TTerrainPalette DefaultTerrainPalette();

// The palette saved in the settings store, with the defaults for missing values.
TTerrainPalette ReadTerrainDefaults(const ISettingsStore& store);
void SaveTerrainDefaults(ISettingsStore& store, const TTerrainPalette& palette);

// Copies a palette into a map header and back. The header holds names in
// the Windows Western code page, cut to 30 characters.
void ApplyTerrainPalette(TMapHeader& header, const TTerrainPalette& palette);
TTerrainPalette TerrainPaletteOf(const TMapHeader& header);

// Gives a new map the names and colours of the settings store.
void LoadTerrainDefaults(TMapHeader& header, const ISettingsStore& store);

}  // namespace tarn
