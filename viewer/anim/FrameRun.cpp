#include "viewer/anim/FrameRun.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstdio>
#include <cstring>

namespace tarn {

std::string FrameFileName(std::string_view prefix, int frame)
{
    char number[16];
    std::snprintf(number, sizeof number, "%03d", frame);
    std::string name(prefix);
    name += number;
    name += ".bmp";
    return name;
}

int WriteFlightFrames(const std::vector<TCameraSetup>& cameras, TFrameRange range, std::string_view prefix,
                      IFrameRenderer& renderer)
{
    const int count = static_cast<int>(cameras.size());
    const int last = std::min(range.last, count - 1);
    int written = 0;
    for (int i = std::max(range.first, 0); i <= last; ++i) {
        const auto picture = renderer.Render(cameras[static_cast<std::size_t>(i)], i + 1, count);
        if (!picture)
            break;
        WriteBmpFile(FrameFileName(prefix, i), *picture);
        ++written;
    }
    return written;
}

void PasteStrip(const TDibPicture& frame, int index, TDibPicture& panorama)
{
    const int left = kStripWidth * index;
    const int columns = std::min({kStripWidth, frame.width - kStripLeft, panorama.width - left});
    const int rows = std::min(frame.height, panorama.height);
    if (columns <= 0 || left < 0)
        return;
    // Both pictures are stored bottom row first; rows are matched from the top.
    for (int row = 0; row < rows; ++row) {
        const auto* from = frame.bits.data() + static_cast<std::size_t>(frame.height - 1 - row) * frame.Stride() +
                           static_cast<std::size_t>(kStripLeft) * 3;
        auto* to = panorama.bits.data() + static_cast<std::size_t>(panorama.height - 1 - row) * panorama.Stride() +
                   static_cast<std::size_t>(left) * 3;
        std::memcpy(to, from, static_cast<std::size_t>(columns) * 3);
    }
}

double PanoramaViewAngle(const std::vector<TCameraSetup>& cameras)
{
    if (cameras.size() < 2)
        return kPanoramaViewAngle;
    const auto heading = [](const TCameraSetup& setup) {
        return std::atan2(setup.target[1] - setup.camera[1], setup.target[0] - setup.camera[0]);
    };
    double turn = std::abs(heading(cameras[1]) - heading(cameras[0]));
    turn = std::min(turn, 2 * std::numbers::pi - turn);
    if (turn < 1e-9)
        return kPanoramaViewAngle;
    // A strip of w pixels at the centre of a frame h pixels high spans
    // w * 2 tan(fovy / 2) / h radians.
    const double halfAngle = std::atan(turn * kPanoramaFrameHeight / (2.0 * kStripWidth));
    return 2 * halfAngle * 180 / std::numbers::pi;
}

TDibPicture AssemblePanorama(const std::vector<TCameraSetup>& cameras, IFrameRenderer& renderer)
{
    const int count = static_cast<int>(cameras.size());
    auto panorama = TDibPicture::Blank(count * kStripWidth, kPanoramaFrameHeight);
    for (int i = 0; i < count; ++i) {
        const auto frame = renderer.Render(cameras[static_cast<std::size_t>(i)], i + 1, count);
        if (!frame)
            break;
        PasteStrip(*frame, i, panorama);
    }
    return panorama;
}

TDibPicture Downsample(const TDibPicture& picture, int factor)
{
    if (factor <= 1)
        return picture;
    auto result = TDibPicture::Blank(picture.width / factor, picture.height / factor);
    const int area = factor * factor;
    for (int y = 0; y < result.height; ++y)
        for (int x = 0; x < result.width; ++x)
            for (int channel = 0; channel < 3; ++channel) {
                int sum = 0;
                for (int dy = 0; dy < factor; ++dy)
                    for (int dx = 0; dx < factor; ++dx)
                        sum += picture.bits[static_cast<std::size_t>(y * factor + dy) * picture.Stride() +
                                            static_cast<std::size_t>(x * factor + dx) * 3 + channel];
                result.bits[static_cast<std::size_t>(y) * result.Stride() + static_cast<std::size_t>(x) * 3 +
                            channel] = static_cast<std::uint8_t>((sum + area / 2) / area);
            }
    return result;
}

int SupersampleFactor(bool antialias)
{
    return antialias ? 2 : 1;
}

}  // namespace tarn
