#pragma once

#include "exchange/FormatDriver.h"

namespace tarn {

// The map reduced to a triangulated irregular network and written in our
// own TIN text layout (TinWriter.h), scaled as the options say.
class TTinFormat final : public TFormatDriver {
public:
    const TFormatDescription& Description() const override;
    void Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
               IProgress& progress) const override;
};

}  // namespace tarn
