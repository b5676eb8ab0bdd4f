// Vistapro DEM rows packed and unpacked, whole files written and read.
#include "exchange/ExchangeMessages.h"
#include "exchange/VistaproRows.h"
#include "model/Errors.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace tarn {
namespace {

using Bytes = std::vector<std::uint8_t>;

void MakeMap(TNet& net, int columns, int rows, double spacing = 30)
{
    CreateMap(net, {MapUnits::Metric, columns, rows, spacing}, DefaultTerrainPalette());
}

TGridPoint& Node(TNet& net, int column, int rowFromSouth)
{
    return *net.GetPoint(column + net.MapHeader.Columns * (net.MapHeader.Rows - rowFromSouth));
}

TVistaproRow RowOf(int (*height)(int column))
{
    TVistaproRow row{};
    for (int column = 0; column < kVistaproSide; ++column)
        row[static_cast<std::size_t>(column)] = static_cast<std::int16_t>(height(column));
    return row;
}

// Every step of the row a jump: 0, 1000, 0, 1000, ...
TVistaproRow RoughRow()
{
    return RowOf([](int column) { return column % 2 == 0 ? 0 : 1000; });
}

// The 16-bit length and the bytes of each row, as a file holds them.
Bytes FileOfRows(const std::vector<Bytes>& rows)
{
    Bytes file(kVistaproHeaderBytes, 0);
    for (const auto& row : rows) {
        file.push_back(static_cast<std::uint8_t>(row.size() >> 8));
        file.push_back(static_cast<std::uint8_t>(row.size() & 0xFF));
        file.insert(file.end(), row.begin(), row.end());
    }
    return file;
}

// The message of the damaged-file refusal, or "" when the bytes were read.
std::string Refusal(const Bytes& file)
{
    try {
        (void)DecodeVistaproFile(file);
    } catch (const EInvalidData& error) {
        return error.what();
    }
    return "";
}

TEST(VistaproRows, ARoughRowNeedsMoreThan770BytesAndComesBackWhole)
{
    const TVistaproRow rough = RoughRow();
    const Bytes packed = PackVistaproRow(rough);
    // 2 bytes for the first height and 3 for each jump, no byte repeated
    // three times: 773 bytes before packing, 780 after.
    EXPECT_EQ(packed.size(), 780u);
    EXPECT_EQ(UnpackVistaproRow(packed), rough);
    const TVistaproRow extremes = RowOf([](int column) { return column % 3 == 0 ? -32768 : 32767; });
    EXPECT_EQ(UnpackVistaproRow(PackVistaproRow(extremes)), extremes);
}

TEST(VistaproRows, GentleAndFlatRowsPackSmall)
{
    const TVistaproRow flat = RowOf([](int) { return 100; });
    // 00 64 as it stands, then 129 and 128 zero steps.
    EXPECT_EQ(PackVistaproRow(flat), (Bytes{0x01, 0x00, 0x64, 0x80, 0x00, 0x81, 0x00}));
    const TVistaproRow slope = RowOf([](int column) { return 500 - 3 * column + (column % 5 == 0 ? 100 : 0); });
    const Bytes packed = PackVistaproRow(slope);
    EXPECT_LT(packed.size(), 400u);
    EXPECT_EQ(UnpackVistaproRow(packed), slope);
}

TEST(VistaproRows, ReadsRowsPackedOtherwiseThanOurWriterWouldPackThem)
{
    // One-byte literal blocks, two long repeats, a repeat of only two bytes
    // and a literal block holding a jump, as other writers may choose them.
    const Bytes packed = {0x00, 0x00, 0x00, 0x07, 0x00, 0xFE,  // 0007: 7, then a step of -2
                          0x80, 0x00, 0x88, 0x00,              // 129 + 121 steps of 0
                          0x02, 0x80, 0x03, 0xE8,              // a jump to 1000
                          0xFF, 0x00,                          // two steps of 0
                          0x04, 0x02, 0x80, 0xFF, 0xFC, 0x00}; // +2, a jump to -4, 0
    TVistaproRow expected{};
    expected.fill(5);
    expected[0] = 7;
    for (const std::size_t column : {252u, 253u, 254u})
        expected[column] = 1000;
    expected[255] = 1002;
    expected[256] = expected[257] = -4;
    EXPECT_EQ(UnpackVistaproRow(packed), expected);
}

TEST(VistaproFile, AMetricMapOf258By258Spacing30ComesBackNodeForNode)
{
    TNet map;
    MakeMap(map, 258, 258);
    for (int row = 1; row <= 258; ++row)
        for (int column = 1; column <= 258; ++column) {
            // Hills, rough corners, a null patch and heights below zero.
            int height = static_cast<int>(400 + 300 * std::sin(column * 0.05) * std::cos(row * 0.04));
            if (column < 30 && row < 30)
                height = (column * 7919 + row * 104729) % 3000 - 500;
            if (column > 200 && row > 200)
                height = kNullHeight;
            Node(map, column, row).Height = static_cast<std::int16_t>(height);
        }
    const Bytes file = EncodeVistaproFile(VistaproGridOf(map));

    TNet loaded;
    MakeMap(loaded, 258, 258);
    StoreVistaproGrid(DecodeVistaproFile(file), loaded);
    EXPECT_EQ(loaded.Points(), map.Points());
    EXPECT_EQ(loaded.MapHeader.MinHeight, kNullHeight);
    EXPECT_EQ(loaded.MapHeader.MaxHeight, std::max_element(map.Points().begin(), map.Points().end(),
                                                           [](const TGridPoint& a, const TGridPoint& b) {
                                                               return a.Height < b.Height;
                                                           })->Height);
    EXPECT_EQ(loaded.GetSquare(1)->NullCorner, 0);
    EXPECT_EQ(loaded.GetSquare(257 * 257)->NullCorner, 0);
    EXPECT_EQ(loaded.GetSquare(257)->NullCorner, 1) << "the north-east square lies in the null patch";
}

TEST(VistaproFile, HeaderThenRowsFromTheSouthEachAfterItsBigEndianLength)
{
    TNet map;
    MakeMap(map, 258, 258);
    for (int row = 1; row <= 258; ++row)
        for (int column = 1; column <= 258; ++column)
            Node(map, column, row).Height = static_cast<std::int16_t>(row * 3);
    const Bytes file = EncodeVistaproFile(VistaproGridOf(map));

    ASSERT_GT(file.size(), kVistaproHeaderBytes);
    EXPECT_TRUE(HasVistaproTitle(file));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.data())), "Vista DEM File");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.data() + 32)), "Generated by Glenmarrowscape");
    EXPECT_NE(file[64], 0) << "a maker text";
    EXPECT_EQ((Bytes{file.begin() + 128, file.begin() + 136}), (Bytes{0, 0, 0, 1, 0, 0, 0, 0}));
    EXPECT_TRUE(std::all_of(file.begin() + 136, file.begin() + 1024, [](std::uint8_t b) { return b == 0; }));

    std::size_t at = kVistaproHeaderBytes;
    for (int row = 1; row <= 258; ++row) {
        const std::size_t length = static_cast<std::size_t>(file[at] << 8 | file[at + 1]);
        ASSERT_LE(at + 2 + length, file.size());
        const TVistaproRow heights = UnpackVistaproRow(std::span(file).subspan(at + 2, length));
        EXPECT_EQ(heights[0], row * 3) << "row " << row;
        EXPECT_EQ(heights[257], row * 3) << "row " << row;
        at += 2 + length;
    }
    EXPECT_EQ(at, file.size());
}

TEST(VistaproFile, RoughRowsFillTheirWholeRecords)
{
    TVistaproGrid grid(kVistaproSide, RoughRow());
    const Bytes file = EncodeVistaproFile(grid);
    EXPECT_EQ(file.size(), kVistaproHeaderBytes + 258u * (2u + 780u));
    EXPECT_EQ(file[kVistaproHeaderBytes], 0x03);
    EXPECT_EQ(file[kVistaproHeaderBytes + 1], 0x0C) << "780 as a big-endian 16-bit number";
    EXPECT_EQ(DecodeVistaproFile(file), grid);
}

TEST(VistaproFile, SmallerMapsArePaddedWithZerosAndLargerOnesCut)
{
    TNet small;
    MakeMap(small, 20, 30);
    for (auto& point : small.Points())
        point.Height = 77;
    Node(small, 20, 30).Height = 12;  // the north-east corner
    const TVistaproGrid grid = DecodeVistaproFile(EncodeVistaproFile(VistaproGridOf(small)));
    EXPECT_EQ(grid[0][0], 77);
    EXPECT_EQ(grid[29][19], 12);
    EXPECT_EQ(grid[29][20], 0);
    EXPECT_EQ(grid[30][0], 0);

    TNet large;
    MakeMap(large, 300, 280);
    Node(large, 258, 258).Height = 5;
    Node(large, 259, 258).Height = 6;
    EXPECT_EQ(VistaproGridOf(large)[257][257], 5);

    // Read into a map of another size: what has no node is dropped.
    TNet target;
    MakeMap(target, 20, 30);
    StoreVistaproGrid(grid, target);
    EXPECT_EQ(target.Points(), small.Points());
    EXPECT_EQ(target.MapHeader.MaxHeight, 77);
    EXPECT_EQ(target.MapHeader.MinHeight, 12);
}

TEST(VistaproFile, HeightsBelowMinus1000BecomeNull)
{
    TVistaproGrid grid(kVistaproSide, RowOf([](int column) { return column == 0 ? -2000 : (column == 1 ? -1000 : 50); }));
    TNet map;
    MakeMap(map, 258, 258);
    StoreVistaproGrid(DecodeVistaproFile(EncodeVistaproFile(grid)), map);
    EXPECT_EQ(Node(map, 1, 1).Height, kNullHeight);
    EXPECT_EQ(Node(map, 2, 1).Height, -1000);
    EXPECT_EQ(Node(map, 3, 1).Height, 50);
    EXPECT_EQ(map.MapHeader.MinHeight, kNullHeight);
    EXPECT_EQ(map.MapHeader.MaxHeight, 50);
}

TEST(VistaproFile, TheFixtureWrittenByTheCodecReadsBack)
{
    std::ifstream in(TARN_TEST_DATA "/vistapro/one-hill.dem", std::ios::binary);
    const Bytes file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_TRUE(HasVistaproTitle(file));
    const TVistaproGrid grid = DecodeVistaproFile(file);
    // Flat ground at 100 with a cone whose peak, 612, stands at column 40 of
    // row 30 from the south.
    EXPECT_EQ(grid[0][0], 100);
    EXPECT_EQ(grid[29][39], 612);
    EXPECT_EQ(grid[29][40], 580);
    EXPECT_EQ(grid[257][257], 100);
}

TEST(VistaproFile, DamagedFilesAreRefusedNamingWhatIsWrong)
{
    const Bytes flatRow = {0x01, 0x00, 0x64, 0x80, 0x00, 0x81, 0x00};
    const std::vector<Bytes> flatRows(kVistaproSide, flatRow);
    const auto withRow = [&](int index, const Bytes& row) {
        auto rows = flatRows;
        rows[static_cast<std::size_t>(index)] = row;
        return FileOfRows(rows);
    };
    const std::string damaged = msg::CorruptVistapro;
    EXPECT_EQ(Refusal(FileOfRows(flatRows)), "");
    const std::pair<Bytes, std::string> cases[] = {
        {{}, ": the file ends inside its 2048-byte header"},
        {Bytes(2047, 0), ": the file ends inside its 2048-byte header"},
        {Bytes(2048, 0), ": the file ends before row 1"},
        {Bytes(2049, 0), ": the file ends before row 1"},
        {withRow(0, {}), ": row 1 holds no heights"},
        {withRow(3, {0x00, 0x05}), ": row 4 holds no heights"},
        {withRow(5, {0x01, 0x00, 0x64, 0x80, 0x00}), ": row 6 ends after 130 heights"},
        {withRow(6, {0x01, 0x00, 0x64, 0x80, 0x00, 0x81, 0x00, 0x00, 0x00}), ": row 7 holds more than 258 heights"},
        {withRow(7, {0x05, 0x00, 0x64}), ": row 8 ends inside a run of bytes"},
        {withRow(8, {0x01, 0x00, 0x64, 0x80}), ": row 9 ends inside a run of bytes"},
        {withRow(9, {0x01, 0x7F, 0xFF, 0x80, 0x01, 0x81, 0x00}), ": row 10 steps beyond the 16-bit heights"},
        {withRow(10, {0x01, 0x00, 0x64, 0x80, 0x00, 0x80, 0x00, 0x80, 0x00, 0x80, 0x00, 0x80, 0x00, 0x80, 0x00,
                      0x80, 0x00}),
         ": row 11 unpacks to more bytes than 258 heights take"},
        {withRow(11, {0x01, 0x00, 0x64, 0x80, 0x00, 0x82, 0x00, 0x01, 0x80, 0x05}), ": row 12 ends inside a height"},
    };
    for (const auto& [file, reason] : cases)
        EXPECT_EQ(Refusal(file), damaged + reason);

    // A length that claims more than the file holds.
    Bytes longClaim = FileOfRows(flatRows);
    const std::size_t lastRow = longClaim.size() - flatRow.size() - 2;
    longClaim[lastRow] = 0xFF;
    EXPECT_EQ(Refusal(longClaim), damaged + ": row 258 runs past the end of the file");
}

TEST(VistaproFile, EveryTruncationOfAFileIsRefused)
{
    TVistaproGrid grid(kVistaproSide, RoughRow());
    grid[100] = RowOf([](int column) { return column * 5; });
    const Bytes file = EncodeVistaproFile(grid);
    for (std::size_t size = 0; size < file.size(); size += 97) {
        const std::string refusal = Refusal(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size)));
        EXPECT_EQ(refusal.substr(0, std::string(msg::CorruptVistapro).size()), msg::CorruptVistapro) << size;
    }
    Bytes padded = file;
    padded.insert(padded.end(), 100, 0xAB);
    EXPECT_EQ(DecodeVistaproFile(padded), grid) << "bytes after the last row are ignored";
}

}  // namespace
}  // namespace tarn
