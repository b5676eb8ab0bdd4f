#pragma once

#include "exchange/FormatDriver.h"

namespace tarn {

// An AutoCAD release 12 drawing holding the map as one polygon mesh: a
// vertex per node, row by row from the north, at the node's world position
// and its height scaled to world units.
class TDxfFormat final : public TFormatDriver {
public:
    const TFormatDescription& Description() const override;
    void Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
               IProgress& progress) const override;
};

}  // namespace tarn
