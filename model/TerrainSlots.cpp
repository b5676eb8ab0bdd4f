#include "model/TerrainSlots.h"

#include "model/SettingsStore.h"
#include "model/TextCodec.h"

#include <cstdio>

namespace tarn {

namespace {

constexpr std::string_view kSection = "Terrains";

struct StandardSlot {
    const char* caption;
    const char* name;
    TColorRef colour;
};

constexpr std::array<StandardSlot, kFirstUserTerrain> kStandardSlots{{
    {"Standard", "Standard", 16777215},
    {"Water", "Water", 8476991},
    {"Forest, Wood", "Forest", 3835704},
    {"Buildings", "Buildings", 16512},
    {"Road, Track", "Road", 7572615},
    {"Rock, Cliffs", "Rock", 6651290},
    {"Sand", "Sand", 6674157},
    {"Snow, Ice", "Snow", 14671839},
}};

constexpr TColorRef kUserDefaultColour = 8421504;

std::string UserDefaultName(int slot)
{
    char name[16];
    std::snprintf(name, sizeof name, "_user%02d", slot - kFirstUserTerrain + 1);
    return name;
}

std::string NameKey(int slot) { return "TerrainName" + std::to_string(slot); }
std::string ColourKey(int slot) { return "TerrainColor" + std::to_string(slot); }

}  // namespace

std::string StandardTerrainCaption(int slot)
{
    return slot >= 0 && slot < kFirstUserTerrain ? kStandardSlots[slot].caption : std::string();
}

TTerrainPalette DefaultTerrainPalette()
{
    TTerrainPalette palette;
    for (int slot = 0; slot < kTerrainSlots; ++slot) {
        const bool standard = slot < kFirstUserTerrain;
        palette.names[slot] = standard ? kStandardSlots[slot].name : UserDefaultName(slot);
        palette.colours[slot] = standard ? kStandardSlots[slot].colour : kUserDefaultColour;
    }
    return palette;
}

TTerrainPalette ReadTerrainDefaults(const ISettingsStore& store)
{
    TTerrainPalette palette = DefaultTerrainPalette();
    for (int slot = 0; slot < kTerrainSlots; ++slot) {
        if (auto name = store.ReadText(kEditorSettingsKey, kSection, NameKey(slot)))
            palette.names[slot] = *name;
        if (auto colour = store.ReadInteger(kEditorSettingsKey, kSection, ColourKey(slot)))
            palette.colours[slot] = static_cast<TColorRef>(*colour);
    }
    return palette;
}

void SaveTerrainDefaults(ISettingsStore& store, const TTerrainPalette& palette)
{
    for (int slot = 0; slot < kTerrainSlots; ++slot) {
        store.WriteText(kEditorSettingsKey, kSection, NameKey(slot), palette.names[slot]);
        store.WriteInteger(kEditorSettingsKey, kSection, ColourKey(slot), palette.colours[slot]);
    }
}

void ApplyTerrainPalette(TMapHeader& header, const TTerrainPalette& palette)
{
    header.TerrainColours = palette.colours;
    // One byte per character in the header, so the cut falls between characters.
    for (int slot = 0; slot < kTerrainSlots; ++slot)
        header.TerrainNames[slot].setText(Utf8ToWindowsWestern(palette.names[slot]).substr(0, kMaxTerrainNameLength));
}

TTerrainPalette TerrainPaletteOf(const TMapHeader& header)
{
    TTerrainPalette palette;
    palette.colours = header.TerrainColours;
    for (int slot = 0; slot < kTerrainSlots; ++slot)
        palette.names[slot] = WindowsWesternToUtf8(header.TerrainNames[slot].text());
    return palette;
}

void LoadTerrainDefaults(TMapHeader& header, const ISettingsStore& store)
{
    ApplyTerrainPalette(header, ReadTerrainDefaults(store));
}

}  // namespace tarn
