// The Vistapro DEM driver: files laid out byte by byte as Vistapro-format
// tools write them, our own files read back, the compatibility warning and
// damaged files.
#include "ExchangeTestSupport.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/FormatRegistry.h"
#include "exchange/VistaproRows.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarn {
namespace {

using namespace test;

const TFormatDriver& Vistapro() { return *FindFormat("vistapro"); }

void PutBigEndian(std::string& file, int value)
{
    file += static_cast<char>((value >> 8) & 0xFF);
    file += static_cast<char>(value & 0xFF);
}

// A file built from the layout alone: a 2048-byte header opening with the
// title, then 258 rows from the south, each a big-endian byte count and the
// packed row. Row r (0 the southern edge) starts at height 10 * r - 100 and
// climbs by one a node to the east: a literal block holding the first height
// as a big-endian 16-bit number, then repeats of the delta byte +1, 129 of
// them (control byte 128) and 128 more (control byte 129).
std::string LaidOutFile()
{
    std::string file = "Vista DEM File";
    file.resize(kVistaproHeaderBytes, '\0');
    for (int row = 0; row < kVistaproSide; ++row) {
        std::string packed;
        packed += '\x01';
        PutBigEndian(packed, 10 * row - 100);
        packed += "\x80\x01\x81\x01";
        PutBigEndian(file, static_cast<int>(packed.size()));
        file += packed;
    }
    return file;
}

TNet StartUpMap()
{
    TNet net;
    CreateMap(net, {MapUnits::Metric, 51, 51, 10}, DefaultTerrainPalette());
    return net;
}

TEST(VistaproFormat, ReadsAFileLaidOutAsTheFormatDescribesIt)
{
    const std::string file = LaidOutFile();
    EXPECT_EQ(IdentifyText(Vistapro(), file.substr(0, kIdentifyBytes)), FileVerdict::Mine);
    TNet net = StartUpMap();
    ASSERT_EQ(ReadText(Vistapro(), file, net), ImportOutcome::Completed);

    const auto& header = net.MapHeader;
    EXPECT_EQ(header.Columns, 258);
    EXPECT_EQ(header.Rows, 258);
    EXPECT_EQ(header.Spacing, 30);
    EXPECT_EQ(header.MapUnits, static_cast<int>(MapUnits::Metric));
    EXPECT_EQ(HeightAt(net, 1, 1), -100) << "the first row is the southern edge, its first height the west";
    EXPECT_EQ(HeightAt(net, 258, 1), -100 + 257);
    EXPECT_EQ(HeightAt(net, 1, 258), 10 * 257 - 100);
    EXPECT_EQ(HeightAt(net, 100, 40), 10 * 39 - 100 + 99);
    EXPECT_EQ(header.MaxHeight, 10 * 257 - 100 + 257);
    EXPECT_EQ(header.MinHeight, -100);
}

TEST(VistaproFormat, AMetricMapOf258By258Spacing30ExportsWithoutWarningAndReadsBack)
{
    TNet map;
    CreateMap(map, {MapUnits::Metric, 258, 258, 30}, DefaultTerrainPalette());
    for (int r = 1; r <= 258; ++r)
        for (int c = 1; c <= 258; ++c)
            SetHeightAt(map, c, r, static_cast<int>(700 + 600 * std::sin(c * 0.07) * std::cos(r * 0.05)) + (c * r) % 7);
    SetHeightAt(map, 17, 3, kNullHeight);
    SetHeightAt(map, 18, 3, 9000);
    map.UpdateSquares();
    EXPECT_EQ(Vistapro().ExportWarning(map), "");

    const std::string file = WriteText(Vistapro(), map);
    TNet copy = StartUpMap();
    ASSERT_EQ(ReadText(Vistapro(), file, copy), ImportOutcome::Completed);
    EXPECT_EQ(copy.Points(), map.Points());
    EXPECT_EQ(copy.MapHeader.Spacing, 30);
    EXPECT_EQ(copy.MapHeader.MinHeight, kNullHeight);
    EXPECT_EQ(copy.MapHeader.MaxHeight, 9000);
}

TEST(VistaproFormat, OtherUnitsOrSpacingsAreWarnedAboutAndWrittenAllTheSame)
{
    TNet net;
    for (const auto& [units, spacing] : {std::pair{MapUnits::Imperial, 30}, std::pair{MapUnits::MicroMetric, 30},
                                         std::pair{MapUnits::Metric, 10}}) {
        MakeGrid(net, 20, 20, units, spacing);
        EXPECT_EQ(Vistapro().ExportWarning(net), "E0014 Map parameters are not Vistapro compatible");
    }
    // The 20 x 20 map sits in the south-west corner; the rest is 0.
    SetHeightAt(net, 20, 20, 55);
    TNet copy;
    ReadText(Vistapro(), WriteText(Vistapro(), net), copy);
    EXPECT_EQ(HeightAt(copy, 20, 20), 55);
    EXPECT_EQ(HeightAt(copy, 21, 20), 0);
    EXPECT_EQ(HeightAt(copy, 258, 258), 0);
    EXPECT_EQ(Vistapro().ExportWarning(copy), "");
}

TEST(VistaproFormat, DamagedFilesAreRefusedAndTheOpenMapKept)
{
    const std::string whole = LaidOutFile();
    const std::string rowCountTooLong = [&] {
        std::string file = whole;
        file[kVistaproHeaderBytes] = '\x7F';
        return file;
    }();
    struct Case {
        const char* what;
        std::string file;
        FileVerdict verdict;
        const char* message;
    };
    const std::vector<Case> cases{
        {"empty", "", FileVerdict::NotMine, msg::ForeignImport},
        {"garbage", std::string(5000, '\xA5'), FileVerdict::NotMine, msg::ForeignImport},
        {"another format", "P2\n2 2\n255\n1 2 3 4\n", FileVerdict::NotMine, msg::ForeignImport},
        {"the title alone", "Vista DEM File", FileVerdict::Damaged, msg::CorruptVistapro},
        {"cut inside a row", whole.substr(0, whole.size() - 3), FileVerdict::Mine, msg::CorruptVistapro},
        {"cut after the header", whole.substr(0, kVistaproHeaderBytes), FileVerdict::Damaged, msg::CorruptVistapro},
        {"a row count past the end", rowCountTooLong, FileVerdict::Mine, msg::CorruptVistapro},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IdentifyText(Vistapro(), c.file.substr(0, kIdentifyBytes)), c.verdict) << c.what;
        TNet net = StartUpMap();
        net.Points()[0].Height = 77;
        EXPECT_EQ(ReadError(Vistapro(), c.file, net).substr(0, 5), std::string(c.message).substr(0, 5)) << c.what;
        EXPECT_EQ(net.MapHeader.Columns, 51) << c.what;
        EXPECT_EQ(net.Points()[0].Height, 77) << c.what;
    }
}

TEST(VistaproFormat, TheDialogsReachItAsImportSixAndExportSeven)
{
    EXPECT_EQ(ImportFormatAt(6), &Vistapro());
    EXPECT_EQ(ExportFormatAt(7), &Vistapro());
    EXPECT_EQ(Vistapro().Description().target, ImportTarget::NewMap);
}

}  // namespace
}  // namespace tarn
