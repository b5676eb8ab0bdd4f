#include "tools/ScriptInput.h"

#include "model/Errors.h"
#include "viewer/anim/AnimMessages.h"

#include <fstream>
#include <stdexcept>

namespace tarn::tool {

TPlayScript ReadScriptFor(const std::string& file, bool wantPanorama)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("the script " + file + " cannot be opened");
    TPlayScript script;
    ReadPlayScript(in, script);
    if (script.PointCount() == 0)
        throw ETarnError(msg::NoValidScript);
    const bool panorama = script.type != TPathType::Flight;
    if (panorama != wantPanorama)
        throw std::runtime_error(panorama ? "the script " + file + " holds a panorama: use tarntool panorama"
                                          : "the script " + file + " holds a flight: use tarntool animate");
    return script;
}

}  // namespace tarn::tool
