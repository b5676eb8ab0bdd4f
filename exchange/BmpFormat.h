#pragma once

#include "exchange/FormatDriver.h"

namespace tarn {

// Heights as a picture. Reading makes a new Metric map of the picture's
// size, each pixel's 24-bit value (its channels in the chosen order) giving
// a height from the maximum (black) down to 0 (white). Writing makes a
// 24-bit greyscale picture of the map, light for high ground.
class TBmpFormat final : public TFormatDriver {
public:
    const TFormatDescription& Description() const override;
    FileVerdict Identify(std::span<const std::uint8_t> head) const override;
    ImportOutcome Read(std::istream& in, TNet& net, const TImportParameters& parameters,
                       IProgress& progress) const override;
    void Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
               IProgress& progress) const override;
};

}  // namespace tarn
