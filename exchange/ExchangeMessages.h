#pragma once

// The coded message texts of the exchange library, quoted exactly as users
// see them.
namespace tarn::msg {
inline constexpr const char* MemoryBitmapCreateFailed = "E0045 Memory allocation error creating memory bitmap";
inline constexpr const char* ErrorWritingPicture = "E0090 Error writing picture file";
inline constexpr const char* UnreadablePicture = "E0091 Picture file is not a readable bitmap";
// Import and export of foreign formats.
inline constexpr const char* ErrorOpeningImport = "E0110 Error opening import file";
inline constexpr const char* DamagedImport = "E0111 Import file is damaged";
inline constexpr const char* ForeignImport = "E0112 Import file is not of the chosen format";
inline constexpr const char* ImportValueNotNumber = "E0113 Import file holds a value that is not a number";
inline constexpr const char* ErrorWritingExport = "E0114 Error writing export file";
inline constexpr const char* ImportParametersOutOfRange = "E0115 Import parameters out of range";
inline constexpr const char* ExportParametersOutOfRange = "E0116 Export parameters out of range";
inline constexpr const char* ExportCancelled = "E0117 Export cancelled";
// The Vistapro DEM file.
inline constexpr const char* VistaproIncompatible = "E0014 Map parameters are not Vistapro compatible";
inline constexpr const char* CorruptVistapro = "E0130 Vistapro DEM file is damaged";
}  // namespace tarn::msg
