#pragma once

#include "exchange/FormatDriver.h"

namespace tarn {

// The Vistapro DEM file (layout and row packing in VistaproRows.h): always
// 258 x 258 heights, rows from the south. Read into a new Metric map of that
// size with spacing 30; written from the map's south-west corner, cut or
// padded with zeros, after warning that a map of other units or spacing is
// not what Vistapro expects.
class TVistaproFormat final : public TFormatDriver {
public:
    const TFormatDescription& Description() const override;
    FileVerdict Identify(std::span<const std::uint8_t> head) const override;
    ImportOutcome Read(std::istream& in, TNet& net, const TImportParameters& parameters,
                       IProgress& progress) const override;
    void Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
               IProgress& progress) const override;
    std::string_view ExportWarning(const TNet& net) const override;
};

}  // namespace tarn
