#pragma once

#include "exchange/FormatDriver.h"

namespace tarn {

// The map as a GeoTIFF: one Int16 band of its heights (feet, metres, or
// tenths of a metre with a scale of 0.1), the null height as nodata, and a
// north-up geotransform of the map's spacing from TRasterExportOptions'
// origin, in metres or in the units of its coordinate system.
class TGeoTiffFormat final : public TFormatDriver {
public:
    const TFormatDescription& Description() const override;
    void Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
               IProgress& progress) const override;
};

}  // namespace tarn
