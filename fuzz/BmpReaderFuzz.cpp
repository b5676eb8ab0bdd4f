// Feeds arbitrary bytes to the BMP picture reader used for background,
// overlay, sky and ground pictures. A refused file is fine.
#include "model/Errors.h"
#include "exchange/BmpCodec.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        (void)tarn::ReadBmpBytes(std::vector<std::uint8_t>(data, data + size));
    } catch (const tarn::ETarnError&) {
    }
    return 0;
}
