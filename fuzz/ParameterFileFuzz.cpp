// Feeds arbitrary text to the viewer's parameter file reader: every text
// must be read without a crash (a material out of range may stop it), and
// what was read, written out and read again must give the same values.
#include "model/Errors.h"
#include "model/ParameterFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr int kMapWidth = 260;
    constexpr int kMapHeight = 260;
    tarn::TParameterValues values;
    try {
        tarn::ReadParameterText(std::string_view(reinterpret_cast<const char*>(data), size), kMapWidth, kMapHeight,
                                values);
    } catch (const tarn::ETarnError&) {
        return 0;
    }
    // Sections and keys are found by the first line containing their text,
    // so a name holding "Key=" text is found by that key's search and one
    // holding "[Section]" by that section's; only files without such names
    // must come back.
    const bool plainNames =
        std::none_of(values.TerrainNames.begin(), values.TerrainNames.end(), [](const std::string& name) {
            return name.find_first_of("=[") != std::string::npos;
        });
    if (!plainNames)
        return 0;
    tarn::TParameterValues again;
    tarn::ReadParameterText(tarn::FormatParameterText(values), kMapWidth, kMapHeight, again);
    if (!(again == values))
        std::abort();
    return 0;
}
