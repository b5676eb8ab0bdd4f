// Feeds arbitrary bytes to the LEM reader. A refused file is fine; a crash,
// a sanitizer report or any other exception is a fault.
#include "model/Errors.h"
#include "model/Net.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream stream(std::string(reinterpret_cast<const char*>(data), size));
    tarn::TNet net;
    tarn::NullProgress quiet;
    try {
        if (net.LoadFromStream(stream, quiet))
            (void)net.SaveToBytes();
    } catch (const tarn::ETarnError&) {
    }
    return 0;
}
