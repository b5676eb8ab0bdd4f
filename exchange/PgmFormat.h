#pragma once

#include "exchange/FormatDriver.h"

namespace tarn {

// A plain (ASCII) Pixel Greymap: "P2", the width, height and largest grey
// value, then one grey value per pixel, rows from the top. Read into a new
// map of the chosen type and spacing, grey values taken as heights; written
// with the heights less the map's smallest height.
class TPgmFormat final : public TFormatDriver {
public:
    const TFormatDescription& Description() const override;
    FileVerdict Identify(std::span<const std::uint8_t> head) const override;
    ImportOutcome Read(std::istream& in, TNet& net, const TImportParameters& parameters,
                       IProgress& progress) const override;
    void Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
               IProgress& progress) const override;
};

}  // namespace tarn
