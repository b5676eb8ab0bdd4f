#pragma once

#include <optional>
#include <string>

namespace tarn {

struct TMapHeader;

// Makes a map's stored view drawable before a command draws it (the
// viewer's own dialog keeps these in range). Throws ETarnError "E0097 ..."
// when camera and target are one point (there is no direction to look in)
// and "E0098 ..." when a coordinate of either, or the angle of view, is not
// a finite number. An angle of view outside the dialog's 1..90 degrees is
// brought to the nearer end, and the warning to show is returned.
std::optional<std::string> SettleView(TMapHeader& header);

}  // namespace tarn
