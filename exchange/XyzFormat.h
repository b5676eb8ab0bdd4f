#pragma once

#include "exchange/FormatDriver.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarn {

// The suite's own comma-separated list of heights: a header line giving the
// map type, the extent and the spacing, a free line, a legend of the user's
// terrains, then one line "x,y,z" or "x,y,z,attribute" per node with a
// height, the attribute naming the terrain of the square north-east of the
// node. Read into a new map or into the open one.
class TXyzFormat final : public TFormatDriver {
public:
    const TFormatDescription& Description() const override;
    FileVerdict Identify(std::span<const std::uint8_t> head) const override;
    ImportOutcome Read(std::istream& in, TNet& net, const TImportParameters& parameters,
                       IProgress& progress) const override;
    void Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
               IProgress& progress) const override;
};

// The terrain code an attribute gives: "A".."I" (either case) 0..8, a number
// n the code n + 7, or 0 when that is no terrain code. Nothing when the text
// is neither.
std::optional<int> TerrainOfAttribute(std::string_view attribute);
// The attribute written for a terrain code: "A".."H" for 0..7, "1".."16"
// for 8..23.
std::string AttributeOfTerrain(int terrain);

}  // namespace tarn
