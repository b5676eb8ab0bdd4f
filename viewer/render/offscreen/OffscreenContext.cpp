#include "viewer/render/offscreen/OffscreenContext.h"

#include "model/Errors.h"
#include "viewer/render/RenderMessages.h"

#include <GL/osmesa.h>

namespace tarn {

namespace {
constexpr int kDepthBits = 24;
constexpr int kMaxSide = 16384;
}  // namespace

struct TOffscreenContext::Handle {
    OSMesaContext context = nullptr;
};

TOffscreenContext::TOffscreenContext(int width, int height)
    : handle_(std::make_unique<Handle>()), width_(width), height_(height)
{
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
        throw ETarnError(msg::NoOffscreenContext);
    handle_->context = OSMesaCreateContextExt(OSMESA_RGBA, kDepthBits, 0, 0, nullptr);
    if (!handle_->context)
        throw ETarnError(msg::NoOffscreenContext);
    buffer_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0);
    MakeCurrent();
}

TOffscreenContext::~TOffscreenContext()
{
    OSMesaDestroyContext(handle_->context);
}

void TOffscreenContext::MakeCurrent()
{
    if (!OSMesaMakeCurrent(handle_->context, buffer_.data(), GL_UNSIGNED_BYTE, width_, height_))
        throw ETarnError(msg::NoOffscreenContext);
}

}  // namespace tarn
