#pragma once

#include "exchange/FormatDriver.h"

#include <string>

namespace tarn {

// An Ordnance Survey Panorama height tile in the National Transfer Format:
// a grid of heights in metres, 50 metres apart, one grid record per column
// from the west, each column's heights from the south. Read into a new map
// or into the open one; written as a 401 x 401 tile, the map cut or padded
// with zeros.
class TNtfFormat final : public TFormatDriver {
public:
    const TFormatDescription& Description() const override;
    FileVerdict Identify(std::span<const std::uint8_t> head) const override;
    ImportOutcome Read(std::istream& in, TNet& net, const TImportParameters& parameters,
                       IProgress& progress) const override;
    void Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
               IProgress& progress) const override;
};

// One height as the tile writes it: 4 characters, zero-padded ("0042",
// "-042"). Null is written as 0 and anything else outside -999..9999 as the
// nearest value the field can hold, so no record loses its alignment.
std::string NtfHeightField(int height);

}  // namespace tarn
