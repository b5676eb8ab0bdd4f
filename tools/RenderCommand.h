#pragma once

#include "tools/Command.h"

namespace tarn::tool {

extern const ToolCommand kRenderCommand;

}  // namespace tarn::tool
