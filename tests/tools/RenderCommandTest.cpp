// tarntool render, run in the test's process.
#include "../render/RenderFixture.h"

#include "model/LemFileIO.h"
#include "tools/Command.h"
#include "tools/Tarntool.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <tuple>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace tarn::test {
namespace {

class RenderCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A folder of each test's own: CTest runs the tests side by side.
        folder_ = std::filesystem::temp_directory_path() /
                  ("render-command-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        TViewNet net;
        MakeFlatMap(net);
        net.MapHeader.TargetPos = {0, 1000, 0};  // the horizon in view
        SaveLemFile(folder_ / "flat.lem", net);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::vector<std::uint8_t> Bytes(const std::string& name) const
    {
        std::ifstream in(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    static int Render(std::vector<std::string> words)
    {
        words.insert(words.begin(), "render");
        return tool::RunTarntool(words);
    }
    // Runs the command and keeps what it wrote on standard error.
    int RenderTelling(std::vector<std::string> words)
    {
        ::testing::internal::CaptureStderr();
        const int code = Render(std::move(words));
        told_ = ::testing::internal::GetCapturedStderr();
        return code;
    }
    void SaveMap(const std::string& name, const std::function<void(TViewNet&)>& change) const
    {
        TViewNet net;
        MakeFlatMap(net);
        net.MapHeader.TargetPos = {0, 1000, 0};
        change(net);
        SaveLemFile(folder_ / name, net);
    }
    void WritePicture(const std::string& name, Rgb colour) const
    {
        TDibPicture picture = TDibPicture::Blank(16, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                picture.SetPixel(x, y, colour);
        WriteBmpFile(folder_ / name, picture);
    }
    bool Told(const std::string& text) const { return told_.find(text) != std::string::npos; }

    std::filesystem::path folder_;
    std::string told_;
};

TEST_F(RenderCommand, WritesAValidBottomUp24BitPictureOfTheAskedSize)
{
    EXPECT_EQ(Render({Path("flat.lem"), "-o", Path("view.bmp"), "--size", "275x200"}), tool::kExitSuccess);
    const auto bytes = Bytes("view.bmp");
    ASSERT_EQ(bytes.size(), 54u + 828u * 200u);
    std::int32_t width = 0, height = 0;
    std::uint16_t bits = 0;
    std::memcpy(&width, bytes.data() + 18, 4);
    std::memcpy(&height, bytes.data() + 22, 4);
    std::memcpy(&bits, bytes.data() + 28, 2);
    EXPECT_EQ(width, 275);
    EXPECT_EQ(height, 200);
    EXPECT_EQ(bits, 24);

    // The picture is the scene: sky at the top, ground at the bottom.
    const TDibPicture picture = ReadBmpFile(Path("view.bmp"));
    EXPECT_EQ(picture.PixelAt(137, 0), (Rgb{40, 60, 200}));
    EXPECT_NE(picture.PixelAt(137, 199), (Rgb{40, 60, 200}));
}

TEST_F(RenderCommand, DrawsTheSamePictureEveryTimeAndTheDefaultSizeIs640By480)
{
    ASSERT_EQ(Render({Path("flat.lem"), "--output", Path("a.bmp")}), tool::kExitSuccess);
    ASSERT_EQ(Render({Path("flat.lem"), "-o", Path("b.bmp"), "--frame", "3/10"}), tool::kExitSuccess);
    EXPECT_EQ(Bytes("a.bmp"), Bytes("b.bmp"));
    EXPECT_EQ(Bytes("a.bmp").size(), 54u + 640u * 3u * 480u);
}

TEST_F(RenderCommand, AMapThatStillHasTheNewMapViewIsDrawnWhole)
{
    // Ground high above the new-map camera's 50 units, as an imported map has.
    SaveMap("imported.lem", [](TViewNet& net) {
        for (auto& point : net.Points())
            point.Height = static_cast<std::int16_t>(300 + point.X % 7 * 20);
        net.UpdateSquares();
        net.MapHeader.CameraPos = {-50, -50, 50};
        net.MapHeader.TargetPos = {0, 0, 0};
    });
    ASSERT_EQ(RenderTelling({Path("imported.lem"), "-o", Path("whole.bmp"), "--size", "160x120"}),
              tool::kExitSuccess);
    EXPECT_FALSE(Told("all one colour")) << told_;
    const TDibPicture picture = ReadBmpFile(Path("whole.bmp"));
    const Rgb sky{40, 60, 200};
    EXPECT_EQ(picture.PixelAt(80, 2), sky) << "sky above the far edge";
    EXPECT_NE(picture.PixelAt(80, 60), sky) << "the map in the middle";
}

TEST_F(RenderCommand, APictureOfOneColourSaysThatNothingOfTheMapIsInView)
{
    ASSERT_EQ(RenderTelling({Path("flat.lem"), "-o", Path("seen.bmp")}), tool::kExitSuccess);
    EXPECT_FALSE(Told("all one colour")) << told_;
    // Looking straight up into a plain sky.
    SaveMap("away.lem", [](TViewNet& net) {
        net.MapHeader.CameraPos = {0, 0, 10};
        net.MapHeader.TargetPos = {0, 1, 100000};
    });
    ASSERT_EQ(RenderTelling({Path("away.lem"), "-o", Path("away.bmp")}), tool::kExitSuccess);
    EXPECT_TRUE(Told("all one colour")) << told_;
    EXPECT_TRUE(std::filesystem::exists(folder_ / "away.bmp"));
}

TEST_F(RenderCommand, RefusesBadArguments)
{
    using tool::kExitUsage;
    EXPECT_EQ(Render({Path("flat.lem")}), kExitUsage) << "no output";
    EXPECT_EQ(Render({Path("flat.lem"), "-o", Path("x.bmp"), "--size", "275"}), kExitUsage);
    EXPECT_EQ(Render({Path("flat.lem"), "-o", Path("x.bmp"), "--size", "0x10"}), kExitUsage);
    EXPECT_EQ(Render({Path("flat.lem"), "-o", Path("x.bmp"), "--frame", "1-2"}), kExitUsage);
    EXPECT_EQ(Render({Path("missing.lem"), "-o", Path("x.bmp")}), tool::kExitRefused);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "x.bmp"));
}

TEST_F(RenderCommand, ATexturedSkyWithoutAPictureIsThePlainSkyAndSaysSo)
{
    // Level with the camera and a wide angle: the sky strip is in view.
    const auto skyView = [](std::int16_t background) {
        return [background](TViewNet& net) {
            net.MapHeader.BackgroundType = background;
            net.MapHeader.TargetPos = {0, 2000, 300};
            net.MapHeader.ViewAngle = 90;
        };
    };
    SaveMap("graduated.lem", skyView(142));
    SaveMap("textured.lem", skyView(146));
    ASSERT_EQ(Render({Path("graduated.lem"), "-o", Path("plain.bmp")}), tool::kExitSuccess);

    EXPECT_EQ(RenderTelling({Path("textured.lem"), "-o", Path("bare.bmp")}), tool::kExitSuccess);
    EXPECT_EQ(Bytes("bare.bmp"), Bytes("plain.bmp")) << "no white ceiling";
    EXPECT_TRUE(Told("no sky picture")) << told_;

    WritePicture("sky.bmp", {0, 255, 0});
    EXPECT_EQ(RenderTelling({Path("textured.lem"), "-o", Path("sky.bmp.out.bmp"), "--sky", Path("sky.bmp")}),
              tool::kExitSuccess);
    EXPECT_NE(Bytes("sky.bmp.out.bmp"), Bytes("plain.bmp")) << "the sky picture shows";
    EXPECT_FALSE(Told("sky picture")) << told_;

    EXPECT_EQ(RenderTelling({Path("textured.lem"), "-o", Path("x.bmp"), "--sky", Path("none.bmp")}),
              tool::kExitSuccess);
    EXPECT_TRUE(Told("none.bmp")) << told_;
}

TEST_F(RenderCommand, AnOverlayPictureNamedOnTheCommandLineDrapesTheMap)
{
    SaveMap("overlay.lem", [](TViewNet& net) {
        net.MapHeader.DrawingScheme = kSchemeOverlay;
        net.MapHeader.ShadingDensity = 100;
    });
    WritePicture("red.bmp", {255, 0, 0});
    ASSERT_EQ(Render({Path("overlay.lem"), "-o", Path("view.bmp"), "--overlay", Path("red.bmp"), "--frame", "5/10"}),
              tool::kExitSuccess);
    const TDibPicture picture = ReadBmpFile(Path("view.bmp"));
    EXPECT_EQ(picture.PixelAt(320, 470), (Rgb{255, 0, 0})) << "frame 5 alone has its overlay";
}

TEST_F(RenderCommand, AFrameBeyondTheLastIsRefused)
{
    EXPECT_EQ(Render({Path("flat.lem"), "-o", Path("x.bmp"), "--frame", "10/10"}), tool::kExitSuccess);
    EXPECT_EQ(Render({Path("flat.lem"), "-o", Path("y.bmp"), "--frame", "11/10"}), tool::kExitUsage);
    EXPECT_EQ(Render({Path("flat.lem"), "-o", Path("y.bmp"), "--frame", "1/0"}), tool::kExitUsage);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "y.bmp"));
}

TEST_F(RenderCommand, APictureGoesThroughALinkAndNeverOverAPipeOrAFolder)
{
    std::filesystem::create_symlink(folder_ / "target.bmp", folder_ / "link.bmp");
    EXPECT_EQ(Render({Path("flat.lem"), "-o", Path("link.bmp")}), tool::kExitSuccess);
    EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "link.bmp")) << "the link stays a link";
    EXPECT_EQ(Bytes("target.bmp").size(), 54u + 640u * 3u * 480u);

    ASSERT_EQ(::mkfifo(Path("pipe.bmp").c_str(), 0600), 0);
    std::filesystem::create_directory(folder_ / "folder.bmp");
    for (const char* name : {"pipe.bmp", "folder.bmp"}) {
        EXPECT_EQ(RenderTelling({Path("flat.lem"), "-o", Path(name)}), tool::kExitRefused) << name;
        EXPECT_TRUE(Told("E0090 Error writing picture file")) << told_;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(folder_ / "pipe.bmp"));
    EXPECT_TRUE(std::filesystem::is_directory(folder_ / "folder.bmp"));
}

class RenderActors : public RenderCommand {
protected:
    void SaveActorMap(const std::string& actorFile)
    {
        SaveMap("actors.lem", [&](TViewNet& net) {
            auto& h = net.MapHeader;
            h.DrawingScheme = kSchemeGradients;
            h.DrawAllActors = 1;
            h.ActorFiles[2].setText(actorFile);
            h.TerrainActors[2].DrawActor = 1;
            h.TerrainActors[2].ActorHeight = 70;
            h.TerrainActors[2].ActorDensity = 100;
            for (auto& square : net.Squares())
                square.Terrain = 2;
        });
    }
    static constexpr const char* kBall = "#declare Ball = color red 1 green 0 blue 0\n"
                                         "sphere { <0,1,0>,1 pigment { color Ball } }\n";
};

TEST_F(RenderActors, AnActorFolderWithALongPathIsUsedWhole)
{
    auto deep = folder_;
    while (deep.string().size() <= 120)
        deep /= "a-rather-long-folder-name";
    std::filesystem::create_directories(deep);
    std::ofstream(deep / "ball.pov") << kBall;
    SaveActorMap("ball.pov");
    EXPECT_EQ(RenderTelling({Path("actors.lem"), "-o", Path("view.bmp"), "--actors", deep.string()}),
              tool::kExitSuccess);
    EXPECT_EQ(told_, "");
    const TDibPicture picture = ReadBmpFile(Path("view.bmp"));
    EXPECT_GT(CountPixels(picture, [](Rgb p) { return p.red > 80 && p.green < 30 && p.blue < 30; }), 1000);
}

TEST_F(RenderActors, ActorsAskedForAndNotReadableAreToldAndSetTheExitCode)
{
    SaveActorMap("missing.pov");
    EXPECT_EQ(RenderTelling({Path("actors.lem"), "-o", Path("view.bmp")}), tool::kExitIncomplete);
    EXPECT_TRUE(Told("E0024 Read error for Actor file.  Actor will not be plotted")) << told_;
    EXPECT_TRUE(Told((folder_ / "missing.pov").string())) << told_;
    EXPECT_TRUE(std::filesystem::exists(folder_ / "view.bmp")) << "the landscape is still drawn";

    // The messages of a file that is read are shown too.
    std::ofstream(folder_ / "crate.pov") << "box { <0,0,0>, <1,2,3> pigment { color Wall } }\n";
    SaveActorMap("crate.pov");
    EXPECT_EQ(RenderTelling({Path("actors.lem"), "-o", Path("view.bmp")}), tool::kExitSuccess);
    EXPECT_TRUE(Told("crate.pov: E0005 Error parsing string")) << told_;
}

TEST_F(RenderCommand, AViewThatShowsNothingIsRefusedOrBroughtIntoRange)
{
    SaveMap("same.lem", [](TViewNet& net) { net.MapHeader.TargetPos = net.MapHeader.CameraPos; });
    EXPECT_EQ(RenderTelling({Path("same.lem"), "-o", Path("x.bmp")}), tool::kExitRefused);
    EXPECT_TRUE(Told("E0097")) << told_;
    SaveMap("nan.lem", [](TViewNet& net) { net.MapHeader.ViewAngle = std::nan(""); });
    EXPECT_EQ(RenderTelling({Path("nan.lem"), "-o", Path("x.bmp")}), tool::kExitRefused);
    EXPECT_TRUE(Told("E0098")) << told_;
    EXPECT_FALSE(std::filesystem::exists(folder_ / "x.bmp"));

    // Angles beyond the dialog's 1..90 degrees are drawn at its nearest end.
    SaveMap("ninety.lem", [](TViewNet& net) { net.MapHeader.ViewAngle = 90; });
    SaveMap("one.lem", [](TViewNet& net) { net.MapHeader.ViewAngle = 1; });
    for (const auto& [name, angle, same] : {std::tuple{"wide.lem", 180.0, "ninety"}, {"none.lem", 0.0, "one"}}) {
        SaveMap(name, [angle = angle](TViewNet& net) { net.MapHeader.ViewAngle = angle; });
        ASSERT_EQ(Render({Path(std::string(same) + ".lem"), "-o", Path("in-range.bmp")}), tool::kExitSuccess);
        EXPECT_EQ(RenderTelling({Path(name), "-o", Path("clamped.bmp")}), tool::kExitSuccess);
        EXPECT_TRUE(Told("angle of view")) << told_;
        EXPECT_EQ(Bytes("clamped.bmp"), Bytes("in-range.bmp")) << name;
    }
}

}  // namespace
}  // namespace tarn::test
