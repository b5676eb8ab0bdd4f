#pragma once

#include <string>

namespace tarn {
class TNet;
}

namespace tarn::tool {

// Every named header field of the map, its list counts and the range of its
// heights that are not null, as JSON text.
std::string MapInfoJson(const TNet& net);

}  // namespace tarn::tool
