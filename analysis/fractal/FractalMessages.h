#pragma once

// The message texts of the fractal overlay generator.
namespace tarn::msg {
inline constexpr const char* FractalBitmapCreateFailed =
    "E0033 Memory allocation error creating bitmap for fractalization";
}  // namespace tarn::msg
