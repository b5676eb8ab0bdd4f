// Feeds arbitrary bytes to the Vistapro DEM decoder and stores what it reads
// into a map (the smallest a map can be, so runs stay quick; the rows beyond
// it are dropped as for any smaller map). A refused file is fine.
#include "exchange/VistaproRows.h"
#include "model/Errors.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const tarn::TVistaproGrid grid = tarn::DecodeVistaproFile(std::span(data, size));
        tarn::TNet net;
        tarn::CreateMap(net, {tarn::MapUnits::Metric, 20, 20, 30}, tarn::DefaultTerrainPalette());
        tarn::StoreVistaproGrid(grid, net);
    } catch (const tarn::ETarnError&) {
    }
    return 0;
}
