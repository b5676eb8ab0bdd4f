// Feeds arbitrary text to the terrain configuration reader; every text must
// give a palette, and writing that palette out and reading it back must give
// the same palette again.
#include "model/TerrainConfig.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto palette = tarn::ParseTerrainConfig(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto again = tarn::ParseTerrainConfig(tarn::FormatTerrainConfig(palette));
    // Names with line breaks or surrounding blanks cannot survive a text
    // file, so only the colours must come back exactly.
    if (again.colours != palette.colours)
        std::abort();
    return 0;
}
