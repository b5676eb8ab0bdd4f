#pragma once

// The message texts of the shared controls, each spelt here and nowhere else.
namespace tarn::msg {
inline constexpr const char* FloatEditCreateFailed = "FL001: Error on create TFledit";
inline constexpr const char* FloatEditFailed = "FL002: Error in TFledit";
inline constexpr const char* MinAboveMax = "Min-Value has to be less than or equal to Max-Value !";
inline constexpr const char* MaxBelowMin = "Max-Value has to be greater than or equal to Min-Value !";
}  // namespace tarn::msg
