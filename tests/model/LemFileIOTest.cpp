// Saving never destroys the previous file; opening reports what went wrong.
#include "TestFolder.h"
#include "TestMaps.h"

#include "model/Errors.h"
#include "model/LemFileIO.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>
#include <unistd.h>

using namespace tarn;
using namespace tarn::test;
namespace fs = std::filesystem;

namespace {

class LemFileIO : public TestFolder {
protected:
    // Saves a map of the given width, in a child process, and exits with 7
    // when the save was refused with E0007.
    [[noreturn]] static void SaveAndExit(const fs::path& path, int columns)
    {
        TNet net;
        MakeMap(net, columns, columns);
        try {
            SaveLemFile(path, net);
        } catch (const ETarnError& error) {
            std::_Exit(std::string(error.what()) == "E0007 Error saving lem file" ? 7 : 1);
        }
        std::_Exit(0);
    }

    // The superuser may write anywhere, so the child gives up that right first.
    [[noreturn]] static void SaveWithoutPrivileges(const fs::path& path)
    {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            std::_Exit(2);
        SaveAndExit(path, 30);
    }

    // Files may not grow past 3000 bytes: a 250000-node map fails half way,
    // as on a full disk.
    [[noreturn]] static void SaveWithFileSizeLimit(const fs::path& path)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{3000, 3000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        SaveAndExit(path, 500);
    }
};

}  // namespace

TEST_F(LemFileIO, SavesAndLoadsThroughTheFileSystem)
{
    TNet net;
    ASSERT_TRUE(LoadBytes(net, SmallMapFile()));
    const auto path = folder / "map with blanks.lem";
    SaveLemFile(path, net);
    EXPECT_EQ(ReadAll(path), SmallMapFile());
    TNet reread;
    NullProgress quiet;
    EXPECT_TRUE(LoadLemFile(path, reread, quiet));
    EXPECT_EQ(reread.SaveToBytes(), SmallMapFile());
    EXPECT_EQ(FilesInFolder(), 1u);  // no temporary left behind
}

TEST_F(LemFileIO, OpeningAMissingFileOrAFolderIsReported)
{
    TNet net;
    NullProgress quiet;
    for (const auto& path : {folder / "absent.lem", folder}) {
        try {
            LoadLemFile(path, net, quiet);
            ADD_FAILURE() << path;
        } catch (const ETarnError& error) {
            EXPECT_EQ(error.code(), "E0060");
        }
    }
}

TEST_F(LemFileIO, FailedSaveIntoAnUnwritableFolderLeavesThePreviousFileUntouched)
{
    const auto path = folder / "map.lem";
    WriteAll(path, SmallMapFile());
    fs::permissions(folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EXIT(SaveWithoutPrivileges(path), ::testing::ExitedWithCode(7), "");
    EXPECT_EQ(ReadAll(path), SmallMapFile());
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(LemFileIO, SaveIntoAMissingFolderReportsE0007)
{
    TNet net;
    MakeMap(net, 20, 20);
    try {
        SaveLemFile(folder / "no such folder" / "map.lem", net);
        FAIL() << "saved";
    } catch (const ETarnError& error) {
        EXPECT_EQ(error.code(), "E0007");
    }
}

TEST_F(LemFileIO, WriteFailureHalfWayLeavesThePreviousFileAndNoTemporary)
{
    const auto path = folder / "map.lem";
    WriteAll(path, SmallMapFile());
    EXPECT_EXIT(SaveWithFileSizeLimit(path), ::testing::ExitedWithCode(7), "");
    EXPECT_EQ(ReadAll(path), SmallMapFile());
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(LemFileIO, SaveKeepsThePermissionsOfTheFileItReplaces)
{
    const auto path = folder / "map.lem";
    WriteAll(path, SmallMapFile());
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    TNet net;
    MakeMap(net, 20, 20);
    SaveLemFile(path, net);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(ReadAll(path).size(), 4110u);
}

TEST_F(LemFileIO, HeaderRewriteInPlaceKeepsTheRestOfTheFile)
{
    const auto path = folder / "map.lem";
    const Bytes original = SmallMapFile();
    WriteAll(path, original);
    TNet net;
    ASSERT_TRUE(LoadBytes(net, original));
    net.MapHeader.LightAz = 222;
    RewriteLemHeader(path, net.MapHeader);
    const Bytes after = ReadAll(path);
    ASSERT_EQ(after.size(), original.size());
    EXPECT_EQ(Get<std::int16_t>(after, 266), 222);
    EXPECT_TRUE(std::equal(after.begin() + 2576, after.end(), original.begin() + 2576));

    // Files that are not maps, or too short to hold a header, are left alone.
    const auto shortFile = folder / "short.lem";
    WriteAll(shortFile, Bytes(original.begin(), original.begin() + 100));
    EXPECT_THROW(RewriteLemHeader(shortFile, net.MapHeader), ETarnError);
    EXPECT_EQ(ReadAll(shortFile).size(), 100u);
    EXPECT_THROW(RewriteLemHeader(folder / "absent.lem", net.MapHeader), ETarnError);
    EXPECT_FALSE(fs::exists(folder / "absent.lem"));
}

namespace {

// A pipe opened by mistake blocks for ever; the alarm ends the test instead.
class HangGuard {
public:
    HangGuard() { ::alarm(60); }
    ~HangGuard() { ::alarm(0); }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;
};

// Saving through symbolic links writes the file they lead to; anything that
// is not a regular file is refused and left as it was.
class LemSaveTarget : public LemFileIO {
protected:
    static Bytes NewMapBytes()
    {
        TNet net;
        MakeMap(net, 20, 20);
        return net.SaveToBytes();
    }
    static void Save(const fs::path& path)
    {
        TNet net;
        MakeMap(net, 20, 20);
        SaveLemFile(path, net);
    }
    static void ExpectRefused(const fs::path& path)
    {
        try {
            Save(path);
            ADD_FAILURE() << "saved to " << path;
        } catch (const ETarnError& error) {
            EXPECT_STREQ(error.what(), "E0007 Error saving lem file");
        }
    }
};

}  // namespace

TEST_F(LemSaveTarget, ALinkToAMapStaysALinkAndTheMapIsSaved)
{
    const auto map = folder / "maps" / "real.lem";
    fs::create_directories(map.parent_path());
    WriteAll(map, SmallMapFile());
    const auto link = folder / "link.lem";
    fs::create_symlink("maps/real.lem", link);
    Save(link);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), "maps/real.lem");
    EXPECT_EQ(ReadAll(map), NewMapBytes());
    EXPECT_EQ(std::distance(fs::directory_iterator(map.parent_path()), {}), 1);  // no temporary beside the map
}

TEST_F(LemSaveTarget, AChainOfLinksIsFollowedToItsEnd)
{
    fs::create_directories(folder / "a" / "b");
    const auto map = folder / "a" / "b" / "real.lem";
    WriteAll(map, SmallMapFile());
    fs::create_symlink("b/real.lem", folder / "a" / "second.lem");  // relative to its own folder
    fs::create_symlink(folder / "a" / "second.lem", folder / "first.lem");
    Save(folder / "first.lem");
    EXPECT_TRUE(fs::is_symlink(folder / "first.lem"));
    EXPECT_TRUE(fs::is_symlink(folder / "a" / "second.lem"));
    EXPECT_EQ(ReadAll(map), NewMapBytes());
}

TEST_F(LemSaveTarget, ADanglingLinkGetsItsTargetCreated)
{
    const auto link = folder / "link.lem";
    fs::create_symlink("new.lem", link);
    Save(link);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadAll(folder / "new.lem"), NewMapBytes());
}

TEST_F(LemSaveTarget, ALinkLoopIsRefused)
{
    fs::create_symlink("b.lem", folder / "a.lem");
    fs::create_symlink("a.lem", folder / "b.lem");
    ExpectRefused(folder / "a.lem");
    EXPECT_TRUE(fs::is_symlink(folder / "a.lem"));
    EXPECT_EQ(FilesInFolder(), 2u);
}

TEST_F(LemSaveTarget, FoldersPipesAndDevicesAreRefusedAndLeftAlone)
{
    const HangGuard guard;
    // A pipe nobody reads would block whoever opens it for writing.
    const auto pipe = folder / "pipe.lem";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    ExpectRefused(pipe);
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));

    fs::create_directory(folder / "dir.lem");
    ExpectRefused(folder / "dir.lem");
    EXPECT_TRUE(fs::is_directory(folder / "dir.lem"));

    const auto deviceLink = folder / "null.lem";
    fs::create_symlink("/dev/null", deviceLink);
    ExpectRefused(deviceLink);
    EXPECT_TRUE(fs::is_symlink(deviceLink));
    EXPECT_EQ(FilesInFolder(), 3u);

    // Only once a link to the device is refused is the device itself named:
    // run with privileges, a faulty save would replace it.
    ASSERT_TRUE(fs::is_character_file("/dev/null"));
    ASSERT_FALSE(HasFailure());
    ExpectRefused("/dev/null");
    EXPECT_TRUE(fs::is_character_file(fs::symlink_status("/dev/null")));
}

TEST_F(LemSaveTarget, HeaderRewriteGoesThroughLinksAndRefusesWhatIsNotAFile)
{
    const HangGuard guard;
    TNet net;
    ASSERT_TRUE(LoadBytes(net, SmallMapFile()));
    net.MapHeader.LightAz = 222;
    const auto map = folder / "real.lem";
    WriteAll(map, SmallMapFile());
    fs::create_symlink("real.lem", folder / "link.lem");
    RewriteLemHeader(folder / "link.lem", net.MapHeader);
    EXPECT_EQ(Get<std::int16_t>(ReadAll(map), 266), 222);

    const auto pipe = folder / "pipe.lem";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_THROW(RewriteLemHeader(pipe, net.MapHeader), ETarnError);
    EXPECT_THROW(RewriteLemHeader(folder, net.MapHeader), ETarnError);
}

TEST_F(LemSaveTarget, OpeningAPipeIsReportedWithoutWaitingForAWriter)
{
    const HangGuard guard;
    const auto pipe = folder / "pipe.lem";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    TNet net;
    NullProgress quiet;
    try {
        LoadLemFile(pipe, net, quiet);
        ADD_FAILURE() << "loaded";
    } catch (const ETarnError& error) {
        EXPECT_EQ(error.code(), "E0060");
    }
}
