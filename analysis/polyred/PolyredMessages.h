#pragma once

// The coded message texts of the polygon reduction, quoted exactly as users
// see them.
namespace tarn::msg {
inline constexpr const char* HeightFieldNotReducible = "E0131 Height field cannot be reduced to polygons";
inline constexpr const char* TooFewPolygons = "E0132 Number of polygons must be at least 2";
}  // namespace tarn::msg
