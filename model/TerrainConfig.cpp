#include "model/TerrainConfig.h"

#include "model/AtomicFile.h"
#include "model/Errors.h"
#include "model/IniText.h"

#include <fstream>
#include <sstream>

namespace tarn {

namespace {

constexpr std::string_view kSection = "Terrain Colours";
// Keys of the standard slots' colours ("Rocks", not the slot's name "Rock").
constexpr std::array<std::string_view, kFirstUserTerrain> kStandardKeys{
    "Standard", "Water", "Forest", "Buildings", "Road", "Rocks", "Sand", "Snow"};
// A .cfg is a few hundred bytes; anything past this is not one.
constexpr std::uintmax_t kMaxConfigSize = 1 << 20;

std::string ColourKey(int slot)
{
    return slot < kFirstUserTerrain ? std::string(kStandardKeys[slot]) : "Color" + std::to_string(slot);
}

std::string NameKey(int slot) { return "ColorName" + std::to_string(slot); }

}  // namespace

TTerrainPalette ParseTerrainConfig(std::string_view text)
{
    const auto ini = IniText::Parse(text);
    TTerrainPalette palette = DefaultTerrainPalette();
    for (int slot = 0; slot < kTerrainSlots; ++slot) {
        palette.colours[slot] = static_cast<TColorRef>(ini.Integer(kSection, ColourKey(slot)).value_or(0));
        if (slot >= kFirstUserTerrain)
            palette.names[slot] = ini.Value(kSection, NameKey(slot)).value_or("");
    }
    return palette;
}

TTerrainPalette ReadTerrainConfig(const std::filesystem::path& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    std::ifstream stream(path, std::ios::binary);
    if (error || size > kMaxConfigSize || !stream)
        throw ETarnError(std::string(msg::ErrorReadingConfig) + ": " + path.string());
    std::ostringstream text;
    text << stream.rdbuf();
    return ParseTerrainConfig(text.str());
}

std::string FormatTerrainConfig(const TTerrainPalette& palette)
{
    IniText ini;
    for (int slot = 0; slot < kTerrainSlots; ++slot)
        ini.Set(kSection, ColourKey(slot), std::to_string(palette.colours[slot]));
    for (int slot = kFirstUserTerrain; slot < kTerrainSlots; ++slot)
        ini.Set(kSection, NameKey(slot), palette.names[slot]);
    return ini.Format();
}

void WriteTerrainConfig(const std::filesystem::path& path, const TTerrainPalette& palette)
{
    const auto text = FormatTerrainConfig(palette);
    WriteFileAtomically(path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()},
                        std::string(msg::ErrorWritingConfig) + ": " + path.string());
}

}  // namespace tarn
