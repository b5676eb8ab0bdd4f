// Feeds arbitrary text to both animation script readers: every text must be
// read without a crash, and a path the path maker read, written out and read
// again, must come back the same.
#include "model/Errors.h"
#include "viewer/anim/ScriptFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    tarn::TPlayScript script;
    try {
        std::istringstream in(text);
        tarn::ReadPlayScript(in, script);
    } catch (const tarn::ETarnError&) {
    }
    if (script.points.size() > static_cast<std::size_t>(tarn::kMaxFrames))
        std::abort();

    tarn::TFlightPath path;
    try {
        std::istringstream in(text);
        tarn::ReadPathScript(in, path);
    } catch (const tarn::ETarnError&) {
        return 0;
    }
    std::ostringstream out;
    tarn::WriteScript(out, path);
    tarn::TFlightPath again;
    std::istringstream back(out.str());
    tarn::ReadPathScript(back, again);
    if (again.Type() != path.Type() || again.ControlPoints() != path.ControlPoints() ||
        again.ViewPoints() != path.ViewPoints() || again.Height != path.Height || again.MinHeight != path.MinHeight ||
        again.Speed != path.Speed)
        std::abort();
    return 0;
}
