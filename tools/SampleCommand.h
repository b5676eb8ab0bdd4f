#pragma once

#include "tools/Command.h"

namespace tarn::tool {

extern const ToolCommand kSampleCommand;

}  // namespace tarn::tool
