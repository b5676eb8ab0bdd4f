#pragma once

// The coded message texts of the renderer, quoted exactly as users see them.
namespace tarn::msg {
inline constexpr const char* ParseError = "E0005 Error parsing string";
inline constexpr const char* ActorFileError = "E0024 Read error for Actor file.  Actor will not be plotted";
// Added after an actor file's parse messages when the file could not be read.
inline constexpr const char* ActorLoadError = "Error loading Actor";
// Our own additions: actor files beyond what one actor may hold.
inline constexpr const char* TooManyActorPrimitives = "E0095 Actor file holds more than 1000 primitives";
inline constexpr const char* ActorFileTooLarge = "E0096 Actor file is larger than 1 MB";
// Our own additions: a stored view that cannot show anything.
inline constexpr const char* CameraOnTarget = "E0097 Camera and target are at the same place: there is no direction to look in";
inline constexpr const char* ViewNotANumber = "E0098 Camera, target or angle of view is not a number";
inline constexpr const char* NoOffscreenContext = "E0092 Off-screen OpenGL context could not be created";
}  // namespace tarn::msg
