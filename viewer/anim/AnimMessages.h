#pragma once

// The message texts of flight paths and animation scripts, quoted exactly as
// users see them.
namespace tarn::msg {
inline constexpr const char* NoValidScript = "E0027 No valid script loaded";
inline constexpr const char* PathTypeNotFound = "E0034 Script File Error: [Path Type] not found";
inline constexpr const char* PathTypeInvalid = "E0035 Script File Error: PathType parameter not found or invalid";
inline constexpr const char* PathDataNotFound = "E0036 Script File Error: [Path Data] not found";
inline constexpr const char* ControlPointsNotFound = "E0037 Script File Error: [Control Points] not found";
inline constexpr const char* TooManyControlPoints = "E0038 Script File Error: Too many control points";
inline constexpr const char* NoPathMemory = "E0039 Unable to allocate memory for animation";
inline constexpr const char* NoPanoramaFile = "E0041 No Panorama file selected";
inline constexpr const char* ViewPointCountMismatch = "E0042 View point count does not match control point count";
inline constexpr const char* PathParametersInvalid = "E0044 Script File Error: Flight Parameters section invalid";
// The main window's reader names the same missing sections with its own codes.
inline constexpr const char* PlayPathDataNotFound = "E0028 Script File Error: [Path Data] not found";
inline constexpr const char* PlayControlPointsNotFound = "E0029 Script File Error: [Control Points] not found";
inline constexpr const char* TooManyPathData = "E0030 Script File Error: Too many path data point";
}  // namespace tarn::msg
