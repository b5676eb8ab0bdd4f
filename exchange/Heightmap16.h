#pragma once

#include "exchange/FormatDriver.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tarn {

struct TMapHeader;

// A map as the 16-bit heightmap game engines import: heights scaled
// linearly from the map's MinHeight .. MaxHeight to 0 .. 65535 (heights
// outside that range clamped to its ends, the null height as 0), row by row
// from the north-west corner.
struct THeightmap16 {
    int columns = 0;
    int rows = 0;
    std::vector<std::uint16_t> values;
};

// With `square`, the heightmap is padded (with 0) or cropped at its east
// and south edges to the 2^n + 1 square nearest its longer side.
THeightmap16 MakeHeightmap16(const TNet& net, bool square);

// The 2^n + 1 nearest to `side` (the larger one when two are as near), at
// least 3.
int NearestEngineSide(int side);

// The side file that tells an engine how to scale the heightmap: its size,
// the height range 0 and 65535 stand for, and the spacing, in metres.
std::string HeightmapSideText(const TMapHeader& header, const THeightmap16& heightmap);
// "NAME.json" beside "NAME.png" or "NAME.raw".
std::filesystem::path HeightmapSidePath(const std::filesystem::path& file);

// The heightmap writers: each writes its picture of the heights and the side
// file beside it.
class THeightmap16Format : public TFormatDriver {
public:
    void WriteFile(const TNet& net, const std::filesystem::path& file, const TExportParameters& parameters,
                   IProgress& progress) const override;
};

// Little-endian unsigned 16-bit values without a header.
class TRaw16Format final : public THeightmap16Format {
public:
    const TFormatDescription& Description() const override;
    void Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
               IProgress& progress) const override;
};

}  // namespace tarn
