#pragma once

#include "exchange/FormatDriver.h"

namespace tarn {

// Heights as whitespace-separated decimal integers, node after node from the
// north-west corner, row by row. Read into the open map, whose every node
// is first made null and every terrain cleared; written with a blank after
// each height and no line ends.
class TAsciiGridFormat final : public TFormatDriver {
public:
    const TFormatDescription& Description() const override;
    FileVerdict Identify(std::span<const std::uint8_t> head) const override;
    ImportOutcome Read(std::istream& in, TNet& net, const TImportParameters& parameters,
                       IProgress& progress) const override;
    void Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
               IProgress& progress) const override;
};

}  // namespace tarn
