// The fractal overlay written to a file.
#include "exchange/BmpCodec.h"
#include "exchange/FractalOverlayFile.h"
#include "model/Errors.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/Progress.h"
#include "model/TerrainSlots.h"
#include "tests/common/TempPath.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tarn {
namespace {

// Captions as the status bar would show them; stops when asked to.
class StatusRecorder : public IProgress {
public:
    void setCaptions(std::string_view operation, std::string_view step) override
    {
        last = std::string(operation) + " / " + std::string(step);
    }
    void setPercent(int) override {}
    void hideProgress() override {}
    bool pump() override { return true; }
    std::string last;
};

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class FractalOverlayFile : public ::testing::Test {
protected:
    FractalOverlayFile()
    {
        CreateMap(net, {MapUnits::Metric, 21, 21, 10}, DefaultTerrainPalette());
        for (int node = 1; node <= net.PointCount(); ++node)
            net.GetPoint(node)->Height = static_cast<std::int16_t>(node % 21 * 9);
        net.UpdateSquares();
        net.MapHeader.MaxHeight = 180;
    }
    ~FractalOverlayFile() override { std::filesystem::remove(file); }

    TNet net;
    StatusRecorder status;
    const std::filesystem::path file = test::UniqueTempPath("overlay", ".bmp");
    const fractal::TFractalParameters parameters{.screenWidth = 200, .level = fractal::TRoughness::Medium};
};

TEST_F(FractalOverlayFile, TrueColourIsA24BitPictureOfTheOverlay)
{
    ASSERT_TRUE(WriteFractalOverlay(net, parameters, file, TOverlayColours::TrueColour, status));
    const auto bytes = FileBytes(file);
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes[28], 24);
    const TDibPicture picture = ReadBmpFile(file);
    EXPECT_EQ(picture.width, 200);
    EXPECT_EQ(picture.height, 200);
    // The file holds the generated picture, its top row first on screen.
    NullProgress quiet;
    const auto expected = fractal::GenerateFractalOverlay(net, parameters, quiet);
    ASSERT_TRUE(expected);
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{199, 0}, std::pair{57, 133}, std::pair{199, 199}}) {
        const TColorRef colour = expected->Pixel(x, y);
        const auto pixel = picture.PixelAt(x, y);
        EXPECT_EQ(RGB(pixel.red, pixel.green, pixel.blue), colour) << x << "," << y;
    }
    EXPECT_EQ(status.last, "Generate Fractal / Completed");
}

TEST_F(FractalOverlayFile, ForAnEightBitDisplayTheColoursAreReducedTo256)
{
    ASSERT_TRUE(WriteFractalOverlay(net, parameters, file, TOverlayColours::Reduced256, status));
    const auto bytes = FileBytes(file);
    ASSERT_GT(bytes.size(), 1078u);
    EXPECT_EQ(bytes[28], 8);
    EXPECT_EQ(ReadBmpFile(file).width, 200);
}

TEST_F(FractalOverlayFile, AStoppedRunWritesNothingAndSaysCompleted)
{
    class Stopping : public StatusRecorder {
    public:
        explicit Stopping(TNet& map) : map_(map) {}
        void setPercent(int percent) override
        {
            if (percent >= 50)
                map_.AbortLoad = true;
        }

    private:
        TNet& map_;
    } stopping(net);
    EXPECT_FALSE(WriteFractalOverlay(net, parameters, file, TOverlayColours::TrueColour, stopping));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(stopping.last, "Generate Fractal / Completed");
}

TEST_F(FractalOverlayFile, AFileThatCannotBeWrittenIsReported)
{
    EXPECT_THROW(WriteFractalOverlay(net, parameters, file / "inside" / "x.bmp", TOverlayColours::TrueColour, status),
                 ETarnError);
}

}  // namespace
}  // namespace tarn
