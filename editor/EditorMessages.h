#pragma once

// The message texts of the editor, each spelt here and nowhere else; those
// of the map model are in model/Errors.h.
namespace tarn::msg {
inline constexpr const char* ProgramCaption = "Tarnhollow 98 Beta 2.0";
inline constexpr const char* ErrorLoadingBmp = "E0002 Error loading bmp file";
inline constexpr const char* NoInternalOverlayFile = "E0023 No internal overlay file was selected";
inline constexpr const char* ErrorCreatingNewMapDialog = "E0048 Error creating New Map dialog";
// Asked before New, Open or Exit replace a map with unsaved changes; %1 is
// the map's file name.
inline constexpr const char* SaveChangesQuestion = "Save changes to %1?";
inline constexpr const char* UntitledMap = "Untitled";
// The automatic trace follows lines of the background picture; without one
// there is nothing to follow.
inline constexpr const char* NoBackgroundToTrace =
    "E0070 No background picture loaded: use Load background BMP before the automatic trace";
}  // namespace tarn::msg
