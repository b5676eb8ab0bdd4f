// Writing the view parameters back into a map file: the header only, never
// into a read-only file, and never leaving a half-written header.
#include "TestFolder.h"

#include "model/Errors.h"
#include "model/LemFileIO.h"
#include "model/Net.h"
#include "viewer/ui/HeaderWriteBack.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace tarn;
using namespace tarn::test;
namespace fs = std::filesystem;

namespace {

class HeaderWriteBack : public TestFolder {
protected:
    void SetUp() override
    {
        TestFolder::SetUp();
        map = CopyTestMap("tiny-sample.lem");
        original = ReadAll(map);
        NullProgress quiet;
        ASSERT_TRUE(LoadLemFile(map, net, quiet));
    }

    // Writes the header back in a child process whose files may not grow
    // past `limit` bytes (a full disk in small); exits 7 on E0007.
    [[noreturn]] static void WriteBackWithFileSizeLimit(const fs::path& path, const TMapHeader& header, rlim_t limit)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &fileSize);
        try {
            WriteBackViewParameters(path, header);
        } catch (const ETarnError& error) {
            std::_Exit(error.code() == "E0007" ? 7 : 1);
        }
        std::_Exit(0);
    }

    fs::path map;
    Bytes original;
    TNet net;
};

}  // namespace

TEST_F(HeaderWriteBack, ChangesOnlyTheFirst2576Bytes)
{
    net.MapHeader.LightAz = 222;
    net.MapHeader.ViewerMode = 3;
    net.MapHeader.CameraPos = {-12, 34, 560};
    EXPECT_TRUE(WriteBackViewParameters(map, net.MapHeader));
    const Bytes after = ReadAll(map);
    ASSERT_EQ(after.size(), original.size());
    EXPECT_TRUE(std::equal(after.begin() + 2576, after.end(), original.begin() + 2576));
    EXPECT_NE(Bytes(after.begin(), after.begin() + 2576), Bytes(original.begin(), original.begin() + 2576));
    TNet reread;
    NullProgress quiet;
    ASSERT_TRUE(LoadLemFile(map, reread, quiet));
    EXPECT_EQ(reread.MapHeader, net.MapHeader);
}

TEST_F(HeaderWriteBack, NeverTouchesAReadOnlyFile)
{
    net.MapHeader.LightAz = 222;
    fs::permissions(map, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(IsReadOnlyFile(map));
    // Even the superuser, whom the permissions do not stop, leaves it alone.
    EXPECT_FALSE(WriteBackViewParameters(map, net.MapHeader));
    EXPECT_EQ(ReadAll(map), original);
}

TEST_F(HeaderWriteBack, WritesNothingWithoutAnExistingFile)
{
    EXPECT_FALSE(WriteBackViewParameters({}, net.MapHeader));
    EXPECT_FALSE(WriteBackViewParameters(folder / "gone.lem", net.MapHeader));
    EXPECT_FALSE(fs::exists(folder / "gone.lem"));
    EXPECT_FALSE(WriteBackViewParameters(folder, net.MapHeader));
}

TEST_F(HeaderWriteBack, AWriteThatFailsPartWayLeavesTheOldHeader)
{
    net.MapHeader.LightAz = 222;
    net.MapHeader.TerrainColours.fill(RGB(1, 2, 3));  // bytes beyond 1000 change too
    EXPECT_EXIT(WriteBackWithFileSizeLimit(map, net.MapHeader, 1000), ::testing::ExitedWithCode(7), "");
    EXPECT_EQ(ReadAll(map), original);
}

TEST_F(HeaderWriteBack, AnUnchangedHeaderIsNotWrittenAtAll)
{
    // With no byte allowed to be written, the same header still succeeds.
    EXPECT_EXIT(WriteBackWithFileSizeLimit(map, net.MapHeader, 0), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadAll(map), original);
}

TEST_F(HeaderWriteBack, RefusesFilesThatAreNoMaps)
{
    const fs::path text = folder / "notes.lem";
    WriteAll(text, Bytes(3000, 'x'));
    EXPECT_THROW(WriteBackViewParameters(text, net.MapHeader), ETarnError);
    EXPECT_EQ(ReadAll(text), Bytes(3000, 'x'));
}
