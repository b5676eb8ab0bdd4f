#pragma once

#include "viewer/anim/ScriptFile.h"

#include <string>

namespace tarn::tool {

// Reads an animation script as the viewer's Load Script does; throws the
// reader's coded message, or E0027 when it holds no usable point, and
// refuses a script of the other kind than `wanted` says.
TPlayScript ReadScriptFor(const std::string& file, bool wantPanorama);

}  // namespace tarn::tool
