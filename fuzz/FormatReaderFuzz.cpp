// Feeds arbitrary bytes to one import format's driver, named by
// TARN_FUZZ_FORMAT when the target is built: its identification, a read as
// the format first offers it and a read into an open map at an offset with
// sampling. A refused file is fine; a crash, a hang, an overflow or any other
// exception is not.
#include "exchange/FormatRegistry.h"
#include "model/Errors.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/Progress.h"
#include "model/TerrainSlots.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#ifndef TARN_FUZZ_FORMAT
#error "TARN_FUZZ_FORMAT names the format to fuzz"
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarn;
    static const TFormatDriver& format = *FindFormat(TARN_FUZZ_FORMAT);
    format.Identify({data, std::min(size, kIdentifyBytes)});

    TImportParameters offered;
    offered.digital.sample = format.Description().defaultSample;
    TImportParameters loading;
    loading.digital.autoSize = false;
    loading.digital.sample = 2;
    loading.digital.xOffset = 1;
    loading.digital.originY = 3;
    for (const auto& parameters : {offered, loading}) {
        // The map the editor starts with.
        TNet net;
        CreateMap(net, {MapUnits::Metric, 51, 51, 10}, DefaultTerrainPalette());
        std::istringstream in(std::string(reinterpret_cast<const char*>(data), size), std::ios::binary);
        NullProgress quiet;
        try {
            format.Read(in, net, parameters, quiet);
        } catch (const ETarnError&) {
        }
    }
    return 0;
}
