// Grid fields of a header that contradict each other, found in the header
// alone and in a file as stored.
#include "TestMaps.h"

#include "model/Errors.h"
#include "model/HeaderConsistency.h"
#include "model/LemFileCheck.h"
#include "model/LemFileIO.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace tarn;
using namespace tarn::test;
namespace fs = std::filesystem;

namespace {

using Findings = std::vector<std::string>;

// The finding that contains `text`, or "" when none does.
std::string FindingWith(const Findings& findings, const std::string& text)
{
    for (const auto& finding : findings)
        if (finding.find(text) != std::string::npos)
            return finding;
    return {};
}

}  // namespace

TEST(HeaderConsistency, NewMapsAgreeWithThemselvesAsMadeAndAsLoaded)
{
    const TNewMapParameters maps[] = {{MapUnits::Metric, 20, 20, 10},
                                      {MapUnits::Imperial, 51, 51, 600},
                                      {MapUnits::MicroMetric, 500, 500, 0.5},
                                      {MapUnits::Metric, 30, 250, 10.7}};
    for (const auto& p : maps) {
        TNet net;
        MakeMap(net, p.columns, p.rows, p.units, p.spacing);
        EXPECT_EQ(FindHeaderContradictions(net.MapHeader), Findings{}) << p.columns << " x " << p.rows;
        TNet loaded;
        LoadBytes(loaded, net.SaveToBytes());
        EXPECT_EQ(FindHeaderContradictions(loaded.MapHeader), Findings{}) << p.columns << " x " << p.rows;
    }
}

TEST(HeaderConsistency, EachFieldAtOddsWithTheOthersIsNamedWithWhatWasExpected)
{
    TNet net;
    MakeMap(net, 20, 20);  // Metric, 10 m: extents 2, scale 5000, world 500, bounds +-250
    const std::pair<std::function<void(TMapHeader&)>, std::string> cases[] = {
        {[](TMapHeader& h) { h.ExtentX = 50; }, "ExtentX 50 does not match 20 columns with Spacing 10 (2 expected)"},
        {[](TMapHeader& h) { h.ExtentY = 3; }, "ExtentY 3 does not match 20 rows with Spacing 10 (2 expected)"},
        // The spacing field holds whole metres: 10 to 11 m apart.
        {[](TMapHeader& h) { h.Columns = 400; }, "ExtentX 2 does not match 400 columns with Spacing 10 (40 to 44 expected)"},
        {[](TMapHeader& h) { h.Spacing = 32767; }, "Spacing 32767 lies outside 1 to 9999"},
        {[](TMapHeader& h) { h.UnitScale = 4999; }, "UnitScale 4999 does not match the shorter extent 2 (5000 expected)"},
        {[](TMapHeader& h) { h.ShortSide = 7; }, "ShortSide 7 does not match the shorter extent 2 (1 expected)"},
        {[](TMapHeader& h) { h.WorldWidth = 123; }, "WorldWidth 123 does not match UnitScale 5000 and ExtentX 2 (500 expected)"},
        {[](TMapHeader& h) { h.WorldHeight = 501; }, "WorldHeight 501 does not match"},
        {[](TMapHeader& h) { h.Bounds[2] = Real48::fromDouble(100); },
         "Bounds -250, -250, 100, 250 (West, South, East, North) are neither the new map's -250, -250, 250, 250 nor "
         "the corners -500, -500, 500, 500"},
        {[](TMapHeader& h) { h.MapUnits = 7; }, "MapUnits 7 is none of 0 (Imperial), 1 (Metric) and 2 (MicroMetric)"},
    };
    for (const auto& [change, expected] : cases) {
        TMapHeader header = net.MapHeader;
        change(header);
        const auto findings = FindHeaderContradictions(header);
        EXPECT_NE(FindingWith(findings, expected), "") << expected << "\nfound:\n"
                                                       << ::testing::PrintToString(findings);
    }
}

TEST(HeaderConsistency, TheHeaderOfATinyMetricMapAsItWasOnceStoredIsReported)
{
    // What a 20 x 20 map 1 m apart used to get: no extent, the largest scale,
    // a negative world and mirrored bounds, so every node sat at one point.
    TNet net;
    MakeMap(net, 20, 20);
    auto& h = net.MapHeader;
    h.Spacing = 1;
    h.ExtentX = h.ExtentY = 0;
    h.UnitScale = 32767;
    h.ShortSide = 1;
    h.WorldWidth = h.WorldHeight = -3277;
    h.Bounds = {Real48::fromDouble(1638), Real48::fromDouble(1638), Real48::fromDouble(-1638),
                Real48::fromDouble(-1638)};
    const auto findings = FindHeaderContradictions(h);
    for (const char* expected : {"ExtentX 0 is below 2", "ExtentY 0 is below 2",
                                 "WorldWidth -3277 gives the 20 columns less than one world unit each",
                                 "WorldHeight -3277 gives the 20 rows", "are mirrored or empty"})
        EXPECT_NE(FindingWith(findings, expected), "") << expected << "\n" << ::testing::PrintToString(findings);
}

class LemFileCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = fs::temp_directory_path() / ("tarn-check-" + std::to_string(::getpid()) + ".lem");
        MakeMap(made, 20, 20);
    }
    void TearDown() override { fs::remove(path); }
    void Write(const Bytes& bytes) const
    {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
    }

    fs::path path;
    TNet made;
};

TEST_F(LemFileCheck, CountsTheBytesAfterTheLastLabel)
{
    auto bytes = SmallMapFile();
    Write(bytes);
    TNet net;
    NullProgress quiet;
    auto findings = InspectLemFile(path, net, quiet);
    ASSERT_TRUE(findings);
    EXPECT_EQ(findings->trailingBytes, 0u);
    EXPECT_EQ(findings->contradictions, Findings{});
    EXPECT_EQ(net.Labels.size(), 3u);

    bytes.insert(bytes.end(), {'j', 'u', 'n', 'k', 0});
    Write(bytes);
    findings = InspectLemFile(path, net, quiet);
    ASSERT_TRUE(findings);
    EXPECT_EQ(findings->trailingBytes, 5u);
}

TEST_F(LemFileCheck, ChecksTheHeaderAsStoredNotAsTheLoadRewroteIt)
{
    made.MapHeader.Bounds[0] = Real48::fromDouble(-1);  // a load replaces the bounds with the corners
    Write(made.SaveToBytes());
    TNet net;
    NullProgress quiet;
    const auto findings = InspectLemFile(path, net, quiet);
    ASSERT_TRUE(findings);
    ASSERT_EQ(findings->contradictions.size(), 1u);
    EXPECT_EQ(findings->contradictions[0].rfind("Bounds -1, -250, 250, 250", 0), 0u) << findings->contradictions[0];
    EXPECT_THROW(InspectLemFile(path.string() + ".missing", net, quiet), ETarnError);
}
