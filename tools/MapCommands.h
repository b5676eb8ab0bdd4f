#pragma once

#include "tools/Command.h"

namespace tarn::tool {

// The commands over whole LEM files: new, info, copy, check.
extern const ToolCommand kNewCommand;
extern const ToolCommand kInfoCommand;
extern const ToolCommand kCopyCommand;
extern const ToolCommand kCheckCommand;

}  // namespace tarn::tool
