// The gridding library's calls, options record and working files.
#include "analysis/gridding/GridFiles.h"
#include "analysis/gridding/GridLibrary.h"
#include "analysis/gridding/GriddingMessages.h"
#include "analysis/gridding/NumberText.h"
#include "analysis/gridding/OptionsRecord.h"
#include "analysis/gridding/PrivateTempFolder.h"
#include "model/Errors.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

namespace tarn::gridding {
namespace {

std::int32_t IntegerAt(const OptionsRecordBytes& bytes, std::size_t offset)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[offset]) |
                                     static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
                                     static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
                                     static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

std::string FieldAt(const OptionsRecordBytes& bytes, std::size_t offset, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(bytes.data() + offset), size);
}

std::string Padded(const std::string& text, std::size_t size)
{
    return text + std::string(size - text.size(), '\0');
}

GridOptionsRecord SampleRecord()
{
    GridOptionsRecord record;
    record.inputFile = "/tmp/tarnAbC123/~in.tmp";
    record.outputFile = "/tmp/tarnAbC123/~out.tmp";
    record.useGradients = false;
    record.columns = 12;
    record.rows = 7;
    record.optimiseForSpeed = true;
    record.taughtness1 = -3;
    record.taughtness2 = 8;
    record.xMinimum = 40;
    record.yMinimum = 250;
    record.xMaximum = 150;
    record.yMaximum = 310;
    record.extrapolate = true;
    return record;
}

TEST(OptionsRecord, LaysOutEveryFieldAtItsOffset)
{
    const OptionsRecordBytes bytes = EncodeOptionsRecord(SampleRecord());
    ASSERT_EQ(bytes.size(), 408u);
    EXPECT_EQ(FieldAt(bytes, 0, 32), Padded("/tmp/tarnAbC123/~in.tmp", 32));
    EXPECT_EQ(FieldAt(bytes, 32, 32), Padded("/tmp/tarnAbC123/~out.tmp", 32));
    const std::pair<std::size_t, std::int32_t> integers[] = {
        {64, 0},   {68, 0},  {72, 0},   {76, 0},  {80, 12},  {84, 7},    {88, 0},  {92, 1},   {96, 0},
        {100, 0},  {104, 1}, {108, -1}, {112, -3}, {116, 8}, {120, 1},   {124, 1}, {128, 1},  {132, 40},
        {136, 250}, {140, 150}, {144, 310}, {148, 0}, {152, 0}, {156, -1001}, {160, 1}, {164, 0}};
    for (const auto& [offset, value] : integers)
        EXPECT_EQ(IntegerAt(bytes, offset), value) << "offset " << offset;
    EXPECT_EQ(bytes[108], 0xFF) << "little-endian";
    EXPECT_EQ(bytes[80], 12);
    EXPECT_EQ(FieldAt(bytes, 168, 32), Padded("%lf%lf%*s", 32));
    EXPECT_EQ(FieldAt(bytes, 200, 32), Padded("%lf%lf%lf", 32));
    EXPECT_EQ(FieldAt(bytes, 232, 32), Padded("%12.4f", 32));
    EXPECT_EQ(FieldAt(bytes, 264, 48), Padded("%12.4f %8.3f %8.3f", 48));
    EXPECT_EQ(FieldAt(bytes, 312, 48), Padded("%12.4f %12.4f %12.4f", 48));
    EXPECT_EQ(FieldAt(bytes, 360, 48), Padded("%12.4f %12.4f %12.4f %8.3f %8.3f", 48));
    EXPECT_EQ(DecodeOptionsRecord(bytes), SampleRecord());
}

TEST(OptionsRecord, RefusesAFileNameThatDoesNotFitRatherThanCuttingIt)
{
    GridOptionsRecord record = SampleRecord();
    record.inputFile = std::string(31, 'a');
    EXPECT_NO_THROW(EncodeOptionsRecord(record));
    record.outputFile = std::string(32, 'b');
    try {
        EncodeOptionsRecord(record);
        FAIL() << "a 32-character name was accepted";
    } catch (const ETarnError& error) {
        EXPECT_STREQ(error.what(), "E0018 Errr creating temporary file");
    }
}

TEST(PrivateTempFolder, FitsTheRecordAndIsRemovedWithItsFiles)
{
    std::filesystem::path kept;
    {
        const PrivateTempFolder folder;
        kept = folder.path();
        EXPECT_TRUE(std::filesystem::is_directory(kept));
        EXPECT_LE(folder.file("~smooth.tmp").size(), kLongestFileName);
        std::ofstream(folder.file("~in.tmp")) << "1 2 3\n";
        const PrivateTempFolder other;
        EXPECT_NE(other.path(), kept) << "each run has a folder of its own";
    }
    EXPECT_FALSE(std::filesystem::exists(kept));
}

TEST(PrivateTempFolder, FallsBackFromALongPathAndFailsWithE0018WhenNoneFits)
{
    const std::filesystem::path longParent = "/tmp/a-temporary-folder-with-a-very-long-name";
    const PrivateTempFolder fallback({longParent, "/tmp"});
    EXPECT_EQ(fallback.path().parent_path(), "/tmp");
    try {
        const PrivateTempFolder none({longParent});
        FAIL() << "a folder was made";
    } catch (const ETarnError& error) {
        EXPECT_STREQ(error.what(), msg::TemporaryFile);
    }
}

class GridLibraryRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        record_ = SampleRecord();
        record_.inputFile = folder_.file("~in.tmp");
        record_.outputFile = folder_.file("~out.tmp");
        // A 12 x 7 area whose west edge is x 40 and whose top row is y 310.
        record_.columns = 12;
        record_.rows = 7;
    }
    void writeInput(const std::string& text) { std::ofstream(record_.inputFile) << text; }
    std::string run(bool gradients = false)
    {
        const OptionsRecordBytes bytes = EncodeOptionsRecord(record_);
        char message[kMessageSize];
        std::memset(message, 0, sizeof message);
        library_.InitGrid();
        library_.SetOptions(bytes.data());
        library_.ReadData(message);
        if (gradients && !message[0])
            library_.Gradient(message, [] { return 1; });
        if (!message[0])
            library_.MakeGrid(message, [] { return 1; });
        EXPECT_EQ(message[kMessageSize - 1], '\0');
        return message;
    }
    std::vector<double> output()
    {
        const std::optional<std::string> text = ReadTextFile(record_.outputFile, 1 << 20);
        std::vector<double> values;
        if (!text)
            return values;
        NumberScanner scanner(*text);
        double value = 0;
        while (scanner.next(value) == NumberScanner::Result::Number)
            values.push_back(value);
        return values;
    }

    PrivateTempFolder folder_;
    GridOptionsRecord record_;
    GridLibrary library_;
};

TEST_F(GridLibraryRun, WritesOneValuePerNodeTopRowFirstAtTheInputsCoordinates)
{
    // Corners of the area: north-west (40, 310) and south-east (150, 250).
    writeInput("40 310 100\n150 310 200\n40 250 300\n150 250 400\n95 280 250\n");
    EXPECT_EQ(run(true), "");
    const std::vector<double> values = output();
    ASSERT_EQ(values.size(), 84u);
    EXPECT_DOUBLE_EQ(values[0], 100);
    EXPECT_DOUBLE_EQ(values[11], 200);
    EXPECT_DOUBLE_EQ(values[72], 300);
    EXPECT_DOUBLE_EQ(values[83], 400);
    const std::optional<std::string> text = ReadTextFile(record_.outputFile, 1 << 20);
    EXPECT_EQ(text->substr(0, 13), "    100.0000 ") << "each value as %12.4f";
}

TEST_F(GridLibraryRun, PutsPointsOnTheirNearestNodesAndLeavesOutThoseOutsideTheArea)
{
    writeInput("44 306 10\n1000 1000 99\n-500 280 99\n");
    record_.extrapolate = true;
    EXPECT_EQ(run(), "");
    const std::vector<double> values = output();
    ASSERT_EQ(values.size(), 84u);
    for (const double value : values)
        EXPECT_NEAR(value, 10, 1e-6);
}

TEST_F(GridLibraryRun, ReportsFailuresInTheMessageBuffer)
{
    writeInput("40 310 100\n150 310 abc\n");
    EXPECT_EQ(run(), msg::ReadingInput);
    writeInput("1000 1000 5\n");
    EXPECT_EQ(run(), msg::NoKnownHeights);
    std::filesystem::remove(record_.inputFile);
    EXPECT_EQ(run(), msg::ReadingInput);
    record_.columns = 1;
    record_.rows = 1;
    writeInput("40 310 100\n");
    EXPECT_EQ(run(), msg::InvalidParameters);
    EXPECT_FALSE(std::filesystem::exists(record_.outputFile));
}

TEST_F(GridLibraryRun, RefusesCallsOutOfOrderAndStaysQuietAfterAFailure)
{
    char message[kMessageSize] = {};
    library_.MakeGrid(message, [] { return 1; });
    EXPECT_STREQ(message, msg::OutOfOrder);
    char second[kMessageSize] = {};
    library_.ReadData(second);
    EXPECT_STREQ(second, "") << "the failed run is over until InitGrid";
}

TEST_F(GridLibraryRun, CancelStopsWithoutAMessageOrAnOutputFile)
{
    writeInput("40 310 100\n150 250 400\n95 280 250\n");
    const OptionsRecordBytes bytes = EncodeOptionsRecord(record_);
    char message[kMessageSize] = {};
    int calls = 0;
    library_.InitGrid();
    library_.SetOptions(bytes.data());
    library_.ReadData(message);
    library_.MakeGrid(message, [&calls] {
        ++calls;
        return 0;
    });
    EXPECT_STREQ(message, "");
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(std::filesystem::exists(record_.outputFile));
}

}  // namespace
}  // namespace tarn::gridding
