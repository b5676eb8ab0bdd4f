#include "model/Colour.h"

namespace tarn {

ColourRGBA ToRGBA(TColorRef colour)
{
    return {RedOf(colour) / 255.0f, GreenOf(colour) / 255.0f, BlueOf(colour) / 255.0f, 1.0f};
}

TColorRef FromRGBA(const ColourRGBA& colour)
{
    const auto channel = [](float v) { return static_cast<int>(v * 255.0f); };
    return RGB(channel(colour.red), channel(colour.green), channel(colour.blue));
}

}  // namespace tarn
