#pragma once

#include "exchange/FormatDriver.h"

namespace tarn {

// The map reduced to a triangulated irregular network and written as a
// VRML97 world (VrmlWriter.h) with the options' texture, background and
// scale.
class TVrmlFormat final : public TFormatDriver {
public:
    const TFormatDescription& Description() const override;
    void Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
               IProgress& progress) const override;
};

}  // namespace tarn
