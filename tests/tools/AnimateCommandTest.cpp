// tarntool animate and tarntool panorama, run in the test's process over
// the sample landscape with scripts made by the path model.
#include "exchange/BmpCodec.h"
#include "model/LemFileIO.h"
#include "tests/common/TempPath.h"
#include "tools/SampleMap.h"
#include "tools/Tarntool.h"
#include "viewer/anim/PathBox.h"
#include "viewer/anim/PathGenerator.h"
#include "viewer/anim/ScriptFile.h"
#include "viewer/render/ViewNet.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tarn::test {
namespace {

namespace fs = std::filesystem;

class AnimateCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = UniqueTempPath("animate");
        fs::create_directories(folder_);
        TViewNet net;
        tool::BuildSampleMap(net, 41);
        SaveLemFile(folder_ / "sample.lem", net);
        const TPathBoxGeometry box(net, 200, 200);
        TFlightPath path;
        path.Speed = "Very Fast";
        for (const TBoxPoint at : {TBoxPoint{20, 180}, {50, 160}, {80, 130}, {110, 100}, {140, 80}, {180, 60}})
            path.AddControlPoint(at, box.GroundHeight(at.x, at.y) + 200);
        path.Frames = GeneratePath(path, box, 300).frames;
        std::ofstream out(folder_ / "fly.srp", std::ios::binary);
        WriteScript(out, path);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    std::string Bytes(const std::string& name) const
    {
        std::ifstream in(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    int Run(std::vector<std::string> words)
    {
        ::testing::internal::CaptureStderr();
        ::testing::internal::CaptureStdout();
        const int code = tool::RunTarntool(words);
        told_ = ::testing::internal::GetCapturedStdout() + ::testing::internal::GetCapturedStderr();
        return code;
    }
    // A script of `lines` data lines of the given type, points circling the
    // map's centre.
    void WriteLines(const std::string& name, const char* type, int lines) const
    {
        std::ofstream out(folder_ / name, std::ios::binary);
        out << "[Path Type]\r\nPathType=" << type << "\r\n[Path Data]\r\n";
        for (int i = 0; i < lines; ++i)
            out << "0.0,-300.0," << 300 + i << ",0.0,0.0\r\n";
        out << "[Control Points]\r\n1,1,1\r\n[View Points]\r\n1,1\r\n[Path Parameters]\r\nHeight=500\r\n"
               "MinHeight=0\r\nSpeed=Moderate\r\n";
    }
    bool Told(const std::string& text) const { return told_.find(text) != std::string::npos; }

    fs::path folder_;
    std::string told_;
};

TEST_F(AnimateCommand, SplitRangesGiveTheSameFilesAsOneRun)
{
    const auto map = Path("sample.lem");
    const auto script = Path("fly.srp");
    ASSERT_EQ(Run({"animate", map, script, "--prefix", Path("whole"), "--size", "64x48", "--frames", "0-19"}), 0)
        << told_;
    ASSERT_EQ(Run({"animate", map, script, "--prefix", Path("part"), "--size", "64x48", "--frames", "0-9"}), 0);
    ASSERT_EQ(Run({"animate", map, script, "--prefix", Path("part"), "--size", "64x48", "--frames", "10-19"}), 0);
    for (int i = 0; i < 20; ++i) {
        char number[8];
        std::snprintf(number, sizeof number, "%03d", i);
        const auto whole = Bytes(std::string("whole") + number + ".bmp");
        ASSERT_FALSE(whole.empty()) << number;
        EXPECT_EQ(whole, Bytes(std::string("part") + number + ".bmp")) << number;
    }
    EXPECT_FALSE(fs::exists(Path("whole020.bmp")));
    // Neighbouring frames differ: the camera moves.
    EXPECT_NE(Bytes("whole000.bmp"), Bytes("whole010.bmp"));
}

TEST_F(AnimateCommand, FrameCountFollowsTheDataLines)
{
    // Six points at "Very Fast" give 30 data lines, which play as 28 frames.
    ASSERT_EQ(Run({"animate", Path("sample.lem"), Path("fly.srp"), "--prefix", Path("all"), "--size", "16x12"}), 0);
    EXPECT_TRUE(fs::exists(Path("all027.bmp")));
    EXPECT_FALSE(fs::exists(Path("all028.bmp")));

    WriteLines("three.srp", "Flight", 3);
    ASSERT_EQ(Run({"animate", Path("sample.lem"), Path("three.srp"), "--prefix", Path("t"), "--size", "32x24"}), 0)
        << told_;
    EXPECT_TRUE(fs::exists(Path("t000.bmp")));
    EXPECT_FALSE(fs::exists(Path("t001.bmp")));

    WriteLines("two.srp", "Flight", 2);
    EXPECT_EQ(Run({"animate", Path("sample.lem"), Path("two.srp"), "--prefix", Path("u")}), 0);
    EXPECT_TRUE(Told("no frames to render"));
    EXPECT_FALSE(fs::exists(Path("u000.bmp")));

    WriteLines("one.srp", "Flight", 1);
    EXPECT_EQ(Run({"animate", Path("sample.lem"), Path("one.srp"), "--prefix", Path("v")}), 1);
    EXPECT_TRUE(Told("E0027 No valid script loaded"));
}

TEST_F(AnimateCommand, RefusesBadRangesAndScriptsOfTheOtherKind)
{
    EXPECT_EQ(Run({"animate", Path("sample.lem"), Path("fly.srp"), "--prefix", Path("x"), "--frames", "9-3"}), 2);
    EXPECT_EQ(Run({"animate", Path("sample.lem"), Path("fly.srp"), "--prefix", Path("x"), "--frames", "3"}), 2);
    EXPECT_EQ(Run({"panorama", Path("sample.lem"), Path("fly.srp"), "-o", Path("p.bmp")}), 1);
    EXPECT_TRUE(Told("use tarntool animate"));
    std::ofstream(folder_ / "broken.srp") << "[Path Type]\nPathType=Flight\n[Path Data]\n1,2,3,4,5\n";
    EXPECT_EQ(Run({"animate", Path("sample.lem"), Path("broken.srp"), "--prefix", Path("x")}), 1);
    EXPECT_TRUE(Told("E0029 Script File Error: [Control Points] not found"));
}

TEST_F(AnimateCommand, VideoWithoutFfmpegSaysSoAndKeepsTheFrames)
{
    const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", folder_.c_str(), 1);
    const int code = Run({"animate", Path("sample.lem"), Path("fly.srp"), "--prefix", Path("w"), "--size", "32x24",
                          "--frames", "0-1", "--video", Path("w.mp4")});
    ::setenv("PATH", oldPath.c_str(), 1);
    EXPECT_EQ(code, 3);
    EXPECT_TRUE(Told("--video needs the ffmpeg program"));
    EXPECT_TRUE(fs::exists(Path("w001.bmp")));
}

TEST_F(AnimateCommand, PanoramaOf38LinesIs36Strips)
{
    WriteLines("round.srp", "OutPanorama", 38);
    ASSERT_EQ(Run({"panorama", Path("sample.lem"), Path("round.srp"), "-o", Path("pano.bmp")}), 0) << told_;
    const auto panorama = ReadBmpFile(folder_ / "pano.bmp");
    EXPECT_EQ(panorama.width, 576);
    EXPECT_EQ(panorama.height, 440);
    // Every strip was drawn: none is left black.
    for (int strip = 0; strip < 36; ++strip)
        EXPECT_NE(panorama.PixelAt(strip * 16 + 8, 10), (TDibPicture::Rgb{0, 0, 0})) << strip;
}

}  // namespace
}  // namespace tarn::test
