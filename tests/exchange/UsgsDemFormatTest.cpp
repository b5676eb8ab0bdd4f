// USGS Digital Elevation Models in their ASCII layout.
#include "ExchangeTestSupport.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/UsgsDemFormat.h"
#include "fixtures/UsgsDemLayout.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using namespace test;
using fixtures::BuildUsgsDem;
using fixtures::TUsgsDemLayout;

const TUsgsDemFormat kDem;

// An open map to load into, cleared to null by the default options.
TNet OpenMap(MapUnits units = MapUnits::Metric, int columns = 8, int rows = 8)
{
    TNet net;
    MakeGrid(net, columns, rows, units);
    return net;
}

TImportParameters NullCleared()
{
    TImportParameters parameters;
    parameters.digital.autoSize = false;
    parameters.digital.defaultHeight = kNullHeight;
    return parameters;
}

TEST(UsgsDemImport, ElevationsInFeetAreConvertedIntoAMetricMap)
{
    TUsgsDemLayout layout;
    layout.elevationUnit = 1;
    layout.elevation = [](int, int j) { return j == 1 ? 1000 : 3281; };
    TNet net = OpenMap();
    ASSERT_EQ(ReadText(kDem, BuildUsgsDem(layout), net, NullCleared()), ImportOutcome::Completed);
    EXPECT_EQ(HeightAt(net, 1, 1), 305) << "round(1000 * 0.3048)";
    EXPECT_EQ(HeightAt(net, 3, 4), 1000) << "round(3281 * 0.3048)";
    EXPECT_EQ(HeightAt(net, 4, 1), kNullHeight) << "east of the three profiles";
    EXPECT_EQ(HeightAt(net, 1, 5), kNullHeight) << "north of the four elevations";
}

TEST(UsgsDemImport, ElevationsAreConvertedToEachMapsUnits)
{
    const auto heightIn = [](MapUnits units, int elevationUnit) {
        TUsgsDemLayout layout;
        layout.elevationUnit = elevationUnit;
        layout.elevation = [](int, int) { return 100; };
        TNet net = OpenMap(units);
        ReadText(kDem, BuildUsgsDem(layout), net, NullCleared());
        return HeightAt(net, 1, 1);
    };
    EXPECT_EQ(heightIn(MapUnits::Imperial, 2), 328) << "metres to feet";
    EXPECT_EQ(heightIn(MapUnits::Imperial, 1), 100);
    EXPECT_EQ(heightIn(MapUnits::Metric, 2), 100);
    EXPECT_EQ(heightIn(MapUnits::MicroMetric, 2), 1000) << "tenths of a metre";
    EXPECT_EQ(heightIn(MapUnits::MicroMetric, 1), 305);
}

TEST(UsgsDemImport, ReadsBlocksWithOrWithoutLineBreaksAndBothHeaderLayouts)
{
    TUsgsDemLayout layout;
    layout.profiles = 5;
    layout.count = [](int p) { return 6 + p; };
    for (const std::string blockEnd : {"", "\r\n", "\n"})
        for (const bool laterFields : {false, true}) {
            layout.blockEnd = blockEnd;
            layout.laterFields = laterFields;
            TNet net = OpenMap();
            ASSERT_EQ(ReadText(kDem, BuildUsgsDem(layout), net, NullCleared()), ImportOutcome::Completed);
            EXPECT_EQ(HeightAt(net, 1, 1), 101) << blockEnd.size() << laterFields;
            EXPECT_EQ(HeightAt(net, 5, 8), 508) << blockEnd.size() << laterFields;
        }
    layout.blockEnd = "";
    layout.shortHeader = true;
    TNet net = OpenMap();
    ASSERT_EQ(ReadText(kDem, BuildUsgsDem(layout), net, NullCleared()), ImportOutcome::Completed);
    EXPECT_EQ(HeightAt(net, 2, 3), 203) << "profiles right after a header of 864 characters";
    // A header whose trailing blanks were cut, ended by a line break.
    std::string cut = BuildUsgsDem({});
    cut.replace(900, 124, "\r\n");
    TNet trimmed = OpenMap();
    ASSERT_EQ(ReadText(kDem, cut, trimmed, NullCleared()), ImportOutcome::Completed);
    EXPECT_EQ(HeightAt(trimmed, 3, 4), 304);
}

TEST(UsgsDemImport, ProfilesLongerThanOneBlockContinueInTheNextBlocks)
{
    TUsgsDemLayout layout;
    layout.profiles = 2;
    layout.count = [](int) { return 400; };  // 146 + 170 + 84 elevations
    layout.elevation = [](int p, int j) { return p * 1000 + j; };
    TNet net = OpenMap(MapUnits::Metric, 2, 400);
    ASSERT_EQ(ReadText(kDem, BuildUsgsDem(layout), net, NullCleared()), ImportOutcome::Completed);
    for (int r = 1; r <= 400; ++r)
        ASSERT_EQ(HeightAt(net, 2, r), 2000 + r) << r;
}

TEST(UsgsDemImport, ElevationsAreStepsOfTheResolutionAboveEachProfilesDatum)
{
    // Reals in Fortran notation: a datum of 10.5 and a z resolution of 0.1.
    TUsgsDemLayout layout;
    layout.zResolution = 0.1;
    layout.datum = [](int p) { return p == 2 ? 10.5 : 0.0; };
    layout.elevation = [](int, int j) { return j == 3 ? -32767 : 1234; };
    const std::string dem = BuildUsgsDem(layout);
    ASSERT_NE(dem.find("0.105000000000000D+02"), std::string::npos);
    TNet net = OpenMap();
    ReadText(kDem, dem, net, NullCleared());
    EXPECT_EQ(HeightAt(net, 1, 1), 123);
    EXPECT_EQ(HeightAt(net, 2, 1), 134);
    EXPECT_EQ(HeightAt(net, 2, 3), kNullHeight) << "a void";
    EXPECT_EQ(net.MapHeader.MinHeight, 123) << "voids are no heights";
    EXPECT_EQ(net.MapHeader.MaxHeight, 134);
}

TEST(UsgsDemImport, ProfilesStartingFurtherNorthAreRaisedByTheirStart)
{
    // A quadrangle of the UTM grid: its southern edge slants, so the middle
    // profile begins two steps north of the edge's lowest point.
    TUsgsDemLayout layout;
    layout.southWestY = 4150012.5;
    layout.southEastY = 4150070.0;
    layout.startY = [](int p) { return p == 2 ? 4150080.0 : 4150020.0; };
    layout.elevation = [](int p, int j) { return p * 100 + j; };
    TNet net = OpenMap();
    ReadText(kDem, BuildUsgsDem(layout), net, NullCleared());
    EXPECT_EQ(HeightAt(net, 1, 1), 101);
    EXPECT_EQ(HeightAt(net, 2, 1), kNullHeight);
    EXPECT_EQ(HeightAt(net, 2, 3), 201);
    EXPECT_EQ(HeightAt(net, 2, 6), 204);
}

TEST(UsgsDemImport, OffsetsSamplingAndOriginPlaceTheKeptElevations)
{
    TUsgsDemLayout layout;
    layout.profiles = 6;
    layout.count = [](int) { return 9; };
    TNet net = OpenMap(MapUnits::Metric, 10, 10);
    TImportParameters parameters = NullCleared();
    auto& d = parameters.digital;
    d.sample = 2;
    d.xOffset = 2;
    d.yOffset = 3;
    d.originX = 1;
    d.originY = 2;
    ReadText(kDem, BuildUsgsDem(layout), net, parameters);
    // Profiles 4 and 6, elevations 4, 6 and 8, from map column 2 and row 3.
    EXPECT_EQ(HeightAt(net, 2, 3), 404);
    EXPECT_EQ(HeightAt(net, 2, 5), 408);
    EXPECT_EQ(HeightAt(net, 3, 4), 606);
    EXPECT_EQ(HeightAt(net, 4, 3), kNullHeight);
    EXPECT_EQ(HeightAt(net, 2, 6), kNullHeight);
}

TEST(UsgsDemImport, ClearsToTheDefaultHeightEvenWithNullAsDefault)
{
    TNet net = OpenMap();
    TImportParameters parameters;
    parameters.digital.defaultHeight = 7;
    parameters.digital.nullDefault = true;
    ReadText(kDem, BuildUsgsDem({}), net, parameters);
    EXPECT_EQ(HeightAt(net, 8, 8), 7);
    EXPECT_EQ(HeightAt(net, 1, 1), 101);
    parameters.digital.overwrite = false;
    SetHeightAt(net, 8, 8, 55);
    ReadText(kDem, BuildUsgsDem({}), net, parameters);
    EXPECT_EQ(HeightAt(net, 8, 8), 55);
}

TEST(UsgsDemImport, AFlatZeroModelGetsAMaximumOf100)
{
    TUsgsDemLayout layout;
    layout.elevation = [](int, int) { return 0; };
    TNet net = OpenMap();
    ReadText(kDem, BuildUsgsDem(layout), net, NullCleared());
    EXPECT_EQ(net.MapHeader.MaxHeight, 100);
    EXPECT_EQ(net.MapHeader.MinHeight, 0);
}

TEST(UsgsDemImport, DamagedModelsEndTheImportKeepingWhatWasStored)
{
    TUsgsDemLayout layout;
    layout.profiles = 3;
    const std::string dem = BuildUsgsDem(layout);
    TNet net = OpenMap();
    net.MapHeader.MaxHeight = 4321;
    // Cut inside the second profile's elevations.
    EXPECT_EQ(ReadError(kDem, dem.substr(0, 2048 + 150), net, NullCleared()), msg::DamagedImport);
    EXPECT_EQ(HeightAt(net, 1, 4), 104);
    EXPECT_EQ(net.MapHeader.MaxHeight, 4321) << "the height range is left alone";
    // More profiles claimed than there are.
    std::string claimed = dem;
    claimed.replace(858, 6, "999999");
    EXPECT_EQ(ReadError(kDem, claimed, net, NullCleared()), msg::DamagedImport);
    EXPECT_EQ(HeightAt(net, 3, 1), 301);
    // A profile claiming a billion elevations.
    std::string counted = dem;
    counted.replace(1024 + 12, 6, "999999");
    EXPECT_EQ(ReadError(kDem, counted, net, NullCleared()), msg::DamagedImport);
    // An elevation that is no number.
    std::string garbled = dem;
    garbled.replace(1024 + 144, 6, "  12x4");
    EXPECT_EQ(ReadError(kDem, garbled, net, NullCleared()), msg::DamagedImport);
    // No profiles at all, a header cut short, and no header at all.
    std::string none = dem;
    none.replace(858, 6, "     0");
    EXPECT_EQ(ReadError(kDem, none, net, NullCleared()), msg::DamagedImport);
    EXPECT_EQ(ReadError(kDem, dem.substr(0, 700), net, NullCleared()), msg::DamagedImport);
    EXPECT_EQ(ReadError(kDem, "P2\n3 2 255\n", net, NullCleared()), msg::ForeignImport);
    EXPECT_EQ(ReadError(kDem, "", net, NullCleared()), msg::ForeignImport);
}

TEST(UsgsDemFormat, IdentifiesTheHeaderRecord)
{
    const std::string dem = BuildUsgsDem({});
    EXPECT_EQ(IdentifyText(kDem, std::string_view(dem).substr(0, kIdentifyBytes)), FileVerdict::Mine);
    EXPECT_EQ(IdentifyText(kDem, std::string_view(dem).substr(0, 500)), FileVerdict::Damaged);
    EXPECT_EQ(IdentifyText(kDem, std::string(2000, ' ')), FileVerdict::NotMine);
    EXPECT_EQ(IdentifyText(kDem, "1 2 3"), FileVerdict::NotMine);
    EXPECT_TRUE(kDem.Description().quietFailures);
    EXPECT_FALSE(kDem.Description().canWrite);
}

}  // namespace
}  // namespace tarn
