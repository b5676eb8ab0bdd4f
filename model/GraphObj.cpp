#include "model/GraphObj.h"

#include <algorithm>
#include <cstring>

namespace tarn {

std::unique_ptr<TGraphObject> CreateGraphObject(std::uint8_t kind)
{
    switch (static_cast<GraphKind>(kind)) {
    case GraphKind::Ellipse:
        return std::make_unique<TGraphEllipse>();
    case GraphKind::Line:
        return std::make_unique<TGraphLine>();
    case GraphKind::Spot:
        return std::make_unique<TGraphSpot>();
    default:
        return std::make_unique<TGraphPen>();
    }
}

std::int32_t TLogFont::int32At(std::size_t offset) const
{
    std::int32_t value;
    std::memcpy(&value, bytes_.data() + offset, sizeof value);
    return value;
}

void TLogFont::setInt32At(std::size_t offset, std::int32_t value)
{
    std::memcpy(bytes_.data() + offset, &value, sizeof value);
}

std::int32_t TLogFont::Height() const { return int32At(0); }
void TLogFont::SetHeight(std::int32_t height) { setInt32At(0, height); }
std::int32_t TLogFont::Weight() const { return int32At(16); }
void TLogFont::SetWeight(std::int32_t weight) { setInt32At(16, weight); }

std::string TLogFont::FaceName() const
{
    const auto* begin = bytes_.data() + kFaceNameOffset;
    const auto* end = std::find(begin, begin + kFaceNameSize, 0);
    return std::string(begin, end);
}

void TLogFont::SetFaceName(std::string_view name)
{
    auto* begin = bytes_.data() + kFaceNameOffset;
    std::fill(begin, begin + kFaceNameSize, 0);
    std::copy_n(name.begin(), std::min(name.size(), kFaceNameSize - 1), begin);
}

}  // namespace tarn
