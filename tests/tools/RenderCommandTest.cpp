// tarntool render, run in the test's process.
#include "../render/RenderFixture.h"

#include "model/LemFileIO.h"
#include "tools/Command.h"
#include "tools/Tarntool.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
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

    std::filesystem::path folder_;
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

}  // namespace
}  // namespace tarn::test
