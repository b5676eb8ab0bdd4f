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
// Rasters read and written through the geospatial library, and meshes.
inline constexpr const char* RasterUnreadable = "E0150 Raster cannot be read";
inline constexpr const char* RasterNeedsBand = "E0151 Raster has several bands: choose the band to import";
inline constexpr const char* RasterNoSuchBand = "E0152 Raster has no band of that number";
inline constexpr const char* RasterTooSmall = "E0153 Raster is too small to make a map";
inline constexpr const char* RasterRotated = "E0154 Raster is rotated or sheared: only north-up rasters can be imported";
inline constexpr const char* RasterGridRefused = "E0155 Raster grid size out of range";
inline constexpr const char* RasterNotWritten = "E0156 Raster cannot be written";
inline constexpr const char* ExportProjectionRefused = "E0157 Export needs a projected coordinate system";
inline constexpr const char* MeshNotWritten = "E0158 Mesh cannot be written";
}  // namespace tarn::msg
