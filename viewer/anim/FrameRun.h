#pragma once

#include "exchange/BmpCodec.h"
#include "viewer/anim/CameraPlan.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

class IProgress;

// Draws one frame of a run into whatever context the caller holds and gives
// back the finished picture, or nothing when the user aborted.
class IFrameRenderer {
public:
    virtual ~IFrameRenderer() = default;
    // frameNumber counts from 1 of frameCount, as the status bar shows it.
    virtual std::optional<TDibPicture> Render(const TCameraSetup& setup, int frameNumber, int frameCount) = 0;
};

// prefix + the frame number in three digits with leading zeros + ".bmp".
std::string FrameFileName(std::string_view prefix, int frame);

// The frames first..last (inclusive, clamped to the cameras there are).
struct TFrameRange {
    int first = 0;
    int last = 1 << 30;
};

// Renders the flight's frames in the range and writes each as
// FrameFileName(prefix, i). Stops at an abort, keeping the frames written
// before it. Returns the number of frames written.
int WriteFlightFrames(const std::vector<TCameraSetup>& cameras, TFrameRange range, std::string_view prefix,
                      IFrameRenderer& renderer);

// Panorama frames are rendered at this size with this angle of view, and a
// strip of kStripWidth columns from kStripLeft on is kept from each.
inline constexpr int kPanoramaFrameWidth = 600;
inline constexpr int kPanoramaFrameHeight = 440;
inline constexpr int kStripLeft = 292;
inline constexpr int kStripWidth = 16;
inline constexpr double kPanoramaViewAngle = 0.92;

// The vertical angle of view, in degrees, at which the centre strip of a
// frame spans the turn from one panorama camera to the next, so that the
// strips meet without gaps or overlaps. kPanoramaViewAngle when the cameras
// do not turn (fewer than two, or the first two look the same way).
double PanoramaViewAngle(const std::vector<TCameraSetup>& cameras);

// Pastes the strip of `frame` at columns kStripWidth * index onwards.
void PasteStrip(const TDibPicture& frame, int index, TDibPicture& panorama);

// Renders every panorama frame and pastes its strip side by side. An abort
// leaves the strips not yet rendered black.
TDibPicture AssemblePanorama(const std::vector<TCameraSetup>& cameras, IFrameRenderer& renderer);

// Averages blocks of factor x factor pixels: a picture rendered `factor`
// times larger becomes an antialiased one of the wanted size.
TDibPicture Downsample(const TDibPicture& picture, int factor);

// How many times wider and higher a frame is drawn before it is Downsampled:
// 2 with antialiasing, else 1. The viewer's runs and tarntool's use it alike,
// so their frames match.
int SupersampleFactor(bool antialias);

}  // namespace tarn
