// The crash-safe write shared by every file the programs save.
#include "TestFolder.h"

#include "model/AtomicFile.h"
#include "model/Errors.h"

#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>
#include <sys/stat.h>

using namespace tarn;
using namespace tarn::test;
namespace fs = std::filesystem;

namespace {

using AtomicFile = TestFolder;

constexpr const char* kRefusal = "E0090 Error writing picture file";

}  // namespace

TEST_F(AtomicFile, AWriterStreamsAnyLengthIntoANewFile)
{
    const auto path = folder / "long.bin";
    Bytes expected;
    WriteFileAtomically(
        path,
        [&expected](std::ostream& out) {
            for (int i = 0; i < 300000; ++i) {
                const auto byte = static_cast<std::uint8_t>(i * 7 + i / 256);
                expected.push_back(byte);
                out.put(static_cast<char>(byte));
            }
        },
        kRefusal);
    EXPECT_EQ(ReadAll(path), expected);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(static_cast<mode_t>(fs::status(path).permissions()), 0666 & ~mask);
}

TEST_F(AtomicFile, AFailingWriterLeavesThePreviousFileAndNoTemporary)
{
    const auto path = folder / "kept.bin";
    WriteAll(path, {1, 2, 3});
    const auto failing = [](std::ostream& out) {
        out << "half of it";
        throw std::runtime_error("the writer gave up");
    };
    EXPECT_THROW(WriteFileAtomically(path, failing, kRefusal), std::runtime_error);
    EXPECT_EQ(ReadAll(path), (Bytes{1, 2, 3}));
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(AtomicFile, RefusalsCarryTheCallersMessage)
{
    const Bytes bytes{4, 5, 6};
    for (const auto& path : {folder, folder / "missing folder" / "x.bmp"}) {
        try {
            WriteFileAtomically(path, bytes, kRefusal);
            ADD_FAILURE() << "wrote " << path;
        } catch (const ETarnError& error) {
            EXPECT_STREQ(error.what(), kRefusal);
        }
    }
}
