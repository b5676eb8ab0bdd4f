// Feeds arbitrary bytes to the BMP picture reader used for background,
// overlay, sky and ground pictures. A refused file is fine. Pictures of more
// than four million pixels are only sized: a few bytes of runs may describe
// the largest picture the reader takes, and unpacking that under the
// sanitizers would spend the run's time on one input. The size limits
// themselves are checked by the codec's tests.
#include "model/Errors.h"
#include "exchange/BmpCodec.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr long long kLargestUnpacked = 4LL * 1024 * 1024;
    try {
        const std::vector<std::uint8_t> bytes(data, data + size);
        const tarn::TPictureSize picture = tarn::ReadBmpSize(bytes);
        if (static_cast<long long>(picture.width) * picture.height <= kLargestUnpacked)
            (void)tarn::ReadBmpBytes(bytes);
    } catch (const tarn::ETarnError&) {
    }
    return 0;
}
