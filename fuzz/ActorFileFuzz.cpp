// Feeds arbitrary text to the actor file reader and normalises what it read.
// Messages about bad lines are fine; a crash or a sanitizer report is not.
#include "viewer/render/Actor.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tarn::TActor actor;
    if (actor.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size)))
        actor.Normalise();
    return 0;
}
