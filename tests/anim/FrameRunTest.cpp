#include "tests/common/TempPath.h"
#include "viewer/anim/FrameRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

namespace tarn {
namespace {

// Paints every frame in one shade (its number) and can abort at a frame.
class TShadeRenderer : public IFrameRenderer {
public:
    TShadeRenderer(int width, int height, int abortAt = -1) : width_(width), height_(height), abortAt_(abortAt) {}
    std::optional<TDibPicture> Render(const TCameraSetup&, int frameNumber, int frameCount) override
    {
        calls.push_back(frameNumber);
        lastCount = frameCount;
        if (frameNumber == abortAt_)
            return std::nullopt;
        auto picture = TDibPicture::Blank(width_, height_);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                picture.bits[static_cast<std::size_t>(y) * picture.Stride() + static_cast<std::size_t>(x) * 3] =
                    static_cast<std::uint8_t>(x == kStripLeft || x == kStripLeft + kStripWidth - 1 ? 255 : frameNumber);
        return picture;
    }
    std::vector<int> calls;
    int lastCount = 0;

private:
    int width_, height_, abortAt_;
};

TEST(FrameRun, FrameNamesHaveThreeDigits)
{
    EXPECT_EQ(FrameFileName("fly", 0), "fly000.bmp");
    EXPECT_EQ(FrameFileName("", 42), "042.bmp");
    EXPECT_EQ(FrameFileName("a/b", 720), "a/b720.bmp");
}

TEST(FrameRun, RangeKeepsNumberingAndAbortKeepsFramesWritten)
{
    const auto folder = test::UniqueTempPath("frames", "");
    std::filesystem::create_directories(folder);
    const std::string prefix = (folder / "f").string();
    const std::vector<TCameraSetup> cameras(6);
    TShadeRenderer renderer(8, 6);
    EXPECT_EQ(WriteFlightFrames(cameras, {2, 3}, prefix, renderer), 2);
    EXPECT_EQ(renderer.calls, (std::vector<int>{3, 4}));
    EXPECT_EQ(renderer.lastCount, 6);
    EXPECT_TRUE(std::filesystem::exists(prefix + "002.bmp"));
    EXPECT_TRUE(std::filesystem::exists(prefix + "003.bmp"));
    EXPECT_FALSE(std::filesystem::exists(prefix + "001.bmp"));
    EXPECT_EQ(ReadBmpFile(prefix + "003.bmp").PixelAt(0, 0).blue, 4);

    TShadeRenderer aborting(8, 6, 3);
    EXPECT_EQ(WriteFlightFrames(cameras, {}, prefix + "x", aborting), 2);
    EXPECT_TRUE(std::filesystem::exists(prefix + "x001.bmp"));
    EXPECT_FALSE(std::filesystem::exists(prefix + "x002.bmp"));
    std::filesystem::remove_all(folder);
}

TEST(FrameRun, PanoramaStripsSitSideBySide)
{
    const std::vector<TCameraSetup> cameras(36);
    TShadeRenderer renderer(kPanoramaFrameWidth, kPanoramaFrameHeight);
    const auto panorama = AssemblePanorama(cameras, renderer);
    ASSERT_EQ(panorama.width, 576);
    ASSERT_EQ(panorama.height, 440);
    for (int i : {0, 17, 35}) {
        EXPECT_EQ(panorama.PixelAt(16 * i, 0).blue, 255);
        EXPECT_EQ(panorama.PixelAt(16 * i + 1, 439).blue, i + 1);
        EXPECT_EQ(panorama.PixelAt(16 * i + 15, 200).blue, 255);
    }
}

TEST(FrameRun, AbortedPanoramaLeavesTheRestBlack)
{
    const std::vector<TCameraSetup> cameras(5);
    TShadeRenderer renderer(kPanoramaFrameWidth, kPanoramaFrameHeight, 3);
    const auto panorama = AssemblePanorama(cameras, renderer);
    EXPECT_EQ(panorama.PixelAt(17, 5).blue, 2);
    EXPECT_EQ(panorama.PixelAt(33, 5).blue, 0);
    EXPECT_EQ(panorama.PixelAt(79, 5).blue, 0);
}

TEST(FrameRun, PanoramaAngleMakesStripsSpanTheTurn)
{
    std::vector<TCameraSetup> cameras;
    for (int i = 0; i < 3; ++i) {
        const double angle = i * 2 * std::numbers::pi / 120;
        cameras.push_back({{10, 20, 5}, {10 + 50 * std::sin(angle), 20 + 50 * std::cos(angle), 5}});
    }
    const double fovy = PanoramaViewAngle(cameras);
    // 16 of 440 rows of the frame at its centre span the 3 degree turn.
    const double stripAngle = 2 * std::atan(16 * std::tan(fovy * std::numbers::pi / 360) / 440);
    EXPECT_NEAR(stripAngle * 180 / std::numbers::pi, 3, 0.01);
    EXPECT_DOUBLE_EQ(PanoramaViewAngle({cameras[0]}), kPanoramaViewAngle);
    EXPECT_DOUBLE_EQ(PanoramaViewAngle({cameras[0], cameras[0]}), kPanoramaViewAngle);
}

TEST(FrameRun, DownsampleAveragesBlocks)
{
    auto picture = TDibPicture::Blank(4, 2);
    picture.bits[0] = 100;
    picture.bits[3] = 200;
    picture.bits[static_cast<std::size_t>(picture.Stride())] = 50;
    const auto small = Downsample(picture, 2);
    ASSERT_EQ(small.width, 2);
    ASSERT_EQ(small.height, 1);
    EXPECT_EQ(small.bits[0], 88);
    EXPECT_EQ(small.bits[3], 0);
}

}  // namespace
}  // namespace tarn
