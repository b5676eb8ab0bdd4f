#pragma once

// The coded message texts of the exchange library, quoted exactly as users
// see them.
namespace tarn::msg {
inline constexpr const char* ErrorWritingPicture = "E0090 Error writing picture file";
inline constexpr const char* UnreadablePicture = "E0091 Picture file is not a readable bitmap";
inline constexpr const char* CorruptVistapro = "E0130 Vistapro DEM file is damaged";
}  // namespace tarn::msg
