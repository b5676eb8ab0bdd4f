#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace tarn {

// An OpenGL context that draws into memory through OSMesa, for drawing
// without a display (tarntool render, batch frames, tests). The context is
// made current by the constructor; the picture is read back with
// ReadPicture() like any other GL context's.
class TOffscreenContext {
public:
    // Throws ETarnError "E0092 Off-screen OpenGL context could not be
    // created" when OSMesa refuses the size or the context.
    TOffscreenContext(int width, int height);
    ~TOffscreenContext();
    TOffscreenContext(const TOffscreenContext&) = delete;
    TOffscreenContext& operator=(const TOffscreenContext&) = delete;

    void MakeCurrent();
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
    std::vector<std::uint8_t> buffer_;
    int width_;
    int height_;
};

}  // namespace tarn
