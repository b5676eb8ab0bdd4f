#pragma once

#include <string>

namespace tarn::tool {

// Turns numbered BMP frames prefix + NNN + ".bmp", first..first+count-1, into
// a playable H.264 video by running the ffmpeg program. Returns an empty
// text on success, else why it failed (ffmpeg missing or refusing).
std::string EncodeVideo(const std::string& prefix, int first, int count, int fps, const std::string& output);

}  // namespace tarn::tool
