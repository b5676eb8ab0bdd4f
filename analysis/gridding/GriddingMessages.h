#pragma once

namespace tarn::gridding::msg {

// The coded messages of height interpolation, quoted exactly as users see
// them.
inline constexpr const char* AreaTooSmall = "E0016 Interpolation area too small";
inline constexpr const char* TemporaryFile = "E0018 Errr creating temporary file";
inline constexpr const char* TooFewForTrend = "E0019 Insuficient points for trend analysis";
// Our own additions: the gridding engine's failures.
inline constexpr const char* NoKnownHeights = "E0080 No known heights in the interpolation area";
inline constexpr const char* ReadingInput = "E0081 Error reading interpolation input file";
inline constexpr const char* WritingOutput = "E0082 Error writing interpolation output file";
inline constexpr const char* InvalidParameters = "E0083 Invalid interpolation parameters";
inline constexpr const char* OutOfOrder = "E0084 Interpolation steps called out of order";

}  // namespace tarn::gridding::msg
