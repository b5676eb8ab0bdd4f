#pragma once

#include <string>
#include <vector>

namespace tarn::tool {

// The short names of the registry's formats that can be read, or written.
std::vector<std::string> ReadableFormatNames();
std::vector<std::string> WritableFormatNames();

}  // namespace tarn::tool
