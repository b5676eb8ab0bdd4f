// Feeds arbitrary rasters to the handling the GDAL import adds to what the
// library reads: the choice of the map's grid from the raster's size, pixel
// size and the options, and the storing of the resampled values (rounding,
// clamping, nodata, spacing) in a new map. The library's own file parsing
// is not ours to fuzz. A refused raster is fine; a crash, a hang, an
// overflow or any other exception is not.
#include "exchange/RasterGridSize.h"
#include "exchange/RasterSamples.h"
#include "model/Errors.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// Takes values from the front of the fuzzer's bytes, zeros once they run out.
class TByteSource {
public:
    TByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <typename Value>
    Value Take()
    {
        Value value{};
        const std::size_t n = std::min(sizeof value, size_ - at_);
        std::memcpy(&value, data_ + at_, n);
        at_ += n;
        return value;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarn;
    TByteSource bytes(data, size);
    TRasterFootprint raster;
    raster.columns = bytes.Take<std::int32_t>();
    raster.rows = bytes.Take<std::int32_t>();
    raster.pixelWidth = bytes.Take<double>();
    raster.pixelHeight = bytes.Take<double>();
    TRasterImportOptions options;
    const auto choice = bytes.Take<std::uint8_t>();
    if (choice % 3 == 1) {
        options.columns = bytes.Take<std::int32_t>();
        options.rows = bytes.Take<std::int32_t>();
    } else if (choice % 3 == 2) {
        options.step = bytes.Take<std::int32_t>();
    }
    options.units = static_cast<MapUnits>(choice / 3 % 3);
    try {
        const TGridSize grid = ChooseGridSize(raster, options);
        TRasterSamples samples;
        samples.columns = grid.columns;
        samples.rows = grid.rows;
        samples.spacingX = bytes.Take<double>();
        samples.spacingY = bytes.Take<double>();
        samples.metresPerUnit = bytes.Take<double>();
        if (bytes.Take<std::uint8_t>() & 1)
            samples.nodata = bytes.Take<double>();
        samples.values.resize(static_cast<std::size_t>(grid.columns) * static_cast<std::size_t>(grid.rows));
        for (auto& value : samples.values)
            value = bytes.Take<float>();
        TNet net;
        StoreRasterSamples(samples, net, options.units, DefaultTerrainPalette());
    } catch (const ETarnError&) {
    }
    return 0;
}
