#pragma once

#include "exchange/FormatDriver.h"

namespace tarn {

// A USGS Digital Elevation Model in its ASCII layout: a header record (A)
// of 1024 characters, then one profile record (B) per column from the west,
// each a short header and the column's elevations from the south, spread
// over as many 1024-character blocks as it needs. Read into the open map
// at an offset; elevations in feet or metres are converted to the map's
// units, void elevations become null.
class TUsgsDemFormat final : public TFormatDriver {
public:
    const TFormatDescription& Description() const override;
    FileVerdict Identify(std::span<const std::uint8_t> head) const override;
    ImportOutcome Read(std::istream& in, TNet& net, const TImportParameters& parameters,
                       IProgress& progress) const override;
};

}  // namespace tarn
