#include "model/edits/RgbPicture.h"

#include <algorithm>

namespace tarn {

namespace {

// For each of `length` stretched pixels, the source pixel under its centre.
std::vector<int> SourceIndexes(int length, int sourceLength)
{
    std::vector<int> indexes(static_cast<std::size_t>(std::max(length, 0)));
    const double step = static_cast<double>(sourceLength) / std::max(length, 1);
    for (std::size_t i = 0; i < indexes.size(); ++i)
        indexes[i] = std::min(static_cast<int>((static_cast<double>(i) + 0.5) * step), sourceLength - 1);
    return indexes;
}

}  // namespace

TStretchedPicture::TStretchedPicture(const TRgbPicture& source, int width, int height)
    : source_(source),
      width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      sourceColumns_(SourceIndexes(width_, source.width)),
      sourceRows_(SourceIndexes(height_, source.height))
{
}

std::uint32_t TStretchedPicture::At(int x, int y) const
{
    if (source_.Empty() || source_.pixels.size() < static_cast<std::size_t>(source_.width) * source_.height)
        return kWhiteRgb;
    const auto row = static_cast<std::size_t>(sourceRows_[static_cast<std::size_t>(y)]);
    const auto column = static_cast<std::size_t>(sourceColumns_[static_cast<std::size_t>(x)]);
    return source_.pixels[row * static_cast<std::size_t>(source_.width) + column];
}

}  // namespace tarn
