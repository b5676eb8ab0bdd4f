#pragma once

#include "exchange/Heightmap16.h"

namespace tarn {

// The 16-bit heightmap as a one-channel 16-bit PNG picture.
class TPng16Format final : public THeightmap16Format {
public:
    const TFormatDescription& Description() const override;
    void Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
               IProgress& progress) const override;
};

}  // namespace tarn
