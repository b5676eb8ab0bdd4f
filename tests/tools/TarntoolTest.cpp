// tarntool as a user runs it: exit codes, messages and the files it writes.
#include "model/LemFileIO.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"
#include "ToolRun.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

using namespace tarn::test;

TEST_F(Tarntool, NewWritesTheEmptyMapAndRefusesGridsOutsideTheLimits)
{
    EXPECT_EQ(RunTool("new --columns 20 --rows 20 --spacing 10 " + In("a.lem")).exitCode, 0);
    EXPECT_EQ(fs::file_size(folder / "a.lem"), 4110u);

    const auto tooFew = RunTool("new --columns 19 --rows 21 --spacing 10 " + In("b.lem"));
    EXPECT_EQ(tooFew.exitCode, 1);
    EXPECT_EQ(tooFew.output, "E0006 Create Map Failed: has too few grid points\n");
    const auto tooMany = RunTool("new --units imperial --columns 501 --rows 500 --spacing 10 " + In("b.lem"));
    EXPECT_EQ(tooMany.exitCode, 1);
    EXPECT_EQ(tooMany.output, "E0005 Create Map Failed: too many grid points\n");
    EXPECT_FALSE(fs::exists(folder / "b.lem"));
    EXPECT_EQ(RunTool("new --units micrometric --columns 500 --rows 500 --spacing 0.5 " + In("c.lem")).exitCode, 0);
}

TEST_F(Tarntool, NewUsesTheTerrainPaletteSavedInTheSettings)
{
    fs::create_directories(folder / "Marrowind" / "Tarnhollow");
    std::ofstream(folder / "Marrowind" / "Tarnhollow" / "2.0.ini") << "[Terrains]\nTerrainName9=Bog\nTerrainColor9=255\n";
    ASSERT_EQ(RunTool("new --columns 20 --rows 20 --spacing 10 " + In("a.lem")).exitCode, 0);
    const auto info = RunTool("info " + In("a.lem")).output;
    const auto bog = info.find("\"Name\": \"Bog\"");
    ASSERT_NE(bog, std::string::npos) << info;
    EXPECT_EQ(info.find("\"Colour\": 255", bog), info.find("\"Colour\"", bog));
}

TEST_F(Tarntool, UsageErrorsExitWithTwoAndExplain)
{
    for (const char* arguments : {"", "frobnicate", "new --columns x --rows 20 --spacing 1 a.lem",
                                  "new --columns 20 --rows 20 a.lem", "new --units furlongs --columns 20 --rows 20 --spacing 1 a.lem",
                                  "copy one.lem", "info a.lem --colour red",
                                  // 2^32 + 20 is no int; it must not wrap round to 20 columns
                                  "new --columns 4294967316 --rows 20 --spacing 10 a.lem"}) {
        const auto run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments << "\n" << run.output;
        EXPECT_NE(run.output.find("usage: tarntool"), std::string::npos) << arguments;
    }
}

TEST_F(Tarntool, EveryCommandHasHelp)
{
    for (const char* command : {"new", "info", "copy", "check", "sample"}) {
        const auto run = RunTool(std::string(command) + " --help");
        EXPECT_EQ(run.exitCode, 0) << command;
        EXPECT_EQ(run.output.rfind(std::string("usage: tarntool ") + command, 0), 0u) << run.output;
    }
    const auto overview = RunTool("--help");
    EXPECT_EQ(overview.exitCode, 0);
    EXPECT_NE(overview.output.find("sample"), std::string::npos);
    const auto help = RunTool("help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.output, overview.output);
}

TEST_F(Tarntool, CopyIsByteIdenticalAndCheckTellsValidFromRefused)
{
    ASSERT_EQ(RunTool("sample --size 40 " + In("s.lem")).exitCode, 0);
    EXPECT_EQ(RunTool("copy " + In("s.lem") + " " + In("t.lem")).exitCode, 0);
    EXPECT_EQ(ReadAll(folder / "s.lem"), ReadAll(folder / "t.lem"));
    EXPECT_EQ(RunTool("check " + In("s.lem")).exitCode, 0);

    std::string damaged = ReadAll(folder / "s.lem");
    damaged.resize(damaged.size() / 2);
    std::ofstream(folder / "cut.lem", std::ios::binary) << damaged;
    const auto cut = RunTool("check " + In("cut.lem"));
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_EQ(cut.output.rfind("E0061 Lem file is corrupt: the file ends inside the heights", 0), 0u) << cut.output;

    std::ofstream(folder / "text.lem") << "just some text, not a map";
    const auto foreign = RunTool("check " + In("text.lem"));
    EXPECT_EQ(foreign.exitCode, 1);
    EXPECT_EQ(foreign.output.substr(0, 5), "E0046");

    // A refused copy leaves an existing target alone.
    EXPECT_EQ(RunTool("copy " + In("cut.lem") + " " + In("t.lem")).exitCode, 1);
    EXPECT_EQ(ReadAll(folder / "s.lem"), ReadAll(folder / "t.lem"));
    EXPECT_EQ(RunTool("check " + In("missing.lem")).output.substr(0, 5), "E0060");
}

TEST_F(Tarntool, InfoPrintsTheHeaderCountsAndHeightRange)
{
    ASSERT_EQ(RunTool("sample --size 40 " + In("s.lem")).exitCode, 0);
    const auto run = RunTool("info " + In("s.lem"));
    ASSERT_EQ(run.exitCode, 0);
    for (const char* expected : {"\"Columns\": 40", "\"Spacing\": 30", "\"MapUnitsName\": \"Metric\"",
                                 "\"Nodes\": 1600", "\"Squares\": 1521", "\"Overlays\": 8", "\"Labels\": 4",
                                 "\"Lowest\": ", "\"ViewAngle\": 30", "\"Name\": \"Forest\"", "\"West\": "})
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected;
    EXPECT_EQ(run.output.front(), '{');
    EXPECT_EQ(run.output.substr(run.output.size() - 2), "}\n");
}

TEST_F(Tarntool, InfoBriefSummarisesTheMapInAFewLines)
{
    ASSERT_EQ(RunTool("sample --size 40 " + In("s.lem")).exitCode, 0);
    const auto sample = RunTool("info --brief " + In("s.lem"));
    ASSERT_EQ(sample.exitCode, 0);
    EXPECT_EQ(sample.output.rfind("s.lem: Metric map\n"
                                  "  Grid:     40 x 40 nodes, 30 m apart\n"
                                  "  Size:     1170 m x 1170 m\n"
                                  "  Heights:  160 m to ",
                                  0),
              0u)
        << sample.output;
    EXPECT_NE(sample.output.find("\n  Overlays: 8 (2 ellipses, 2 lines, 2 pen strokes, 2 spots)\n"
                                 "  Labels:   4 (Loch Tarn, Ben Carrow, Kilmory, Sgurr Beag)\n"),
              std::string::npos)
        << sample.output;

    // MicroMetric heights are tenths of a metre; label texts are Windows Western bytes.
    tarn::TNet net;
    tarn::CreateMap(net, {tarn::MapUnits::MicroMetric, 21, 20, 0.5}, tarn::DefaultTerrainPalette());
    net.GetPoint(1)->Height = 123;
    net.GetPoint(2)->Height = -45;
    for (const char* text : {"Caf\xE9", "B", "C", "D", "E", "F", "G"}) {
        net.Labels.push_back(std::make_unique<tarn::TEnhString>());
        net.Labels.back()->Text = text;
    }
    tarn::SaveLemFile(folder / "m.lem", net);
    const auto micro = RunTool("info --brief " + In("m.lem"));
    EXPECT_EQ(micro.output, "m.lem: MicroMetric map\n"
                            "  Grid:     21 x 20 nodes, 0.5 m apart\n"
                            "  Size:     10 m x 9.5 m\n"
                            "  Heights:  -4.5 m to 12.3 m, 418 nodes without a height\n"
                            "  Overlays: none\n"
                            "  Labels:   7 (Caf\u00e9, B, C, D, E and 2 more)\n");
}

TEST_F(Tarntool, InfoJsonEscapesTextsAndWritesNumbersAndNesting)
{
    tarn::TNet net;
    tarn::CreateMap(net, {tarn::MapUnits::Metric, 20, 20, 10}, tarn::DefaultTerrainPalette());
    auto& h = net.MapHeader;
    // Map texts are Windows Western bytes: 0xE9 is "é", 0x80 the euro sign.
    h.TerrainNames[9].setText("Loch \"Tarn\"\n\\\x01\xE9\x80");
    h.LightAlt = -5;
    h.VerticalScale = 0.1;
    h.TargetPos = {std::numeric_limits<double>::infinity(), -2.5, 1e20};
    tarn::SaveLemFile(folder / "odd.lem", net);

    const auto run = RunTool("info " + In("odd.lem"));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string& out = run.output;
    EXPECT_NE(out.find("\"Name\": \"Loch \\\"Tarn\\\"\\n\\\\\\u0001\u00e9\u20ac\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"VerticalScale\": 0.1,"), std::string::npos);
    EXPECT_NE(out.find("\"ViewAngle\": 30,"), std::string::npos) << "a whole real is written without a fraction";
    EXPECT_NE(out.find("\"TargetPos\": [\n      null,\n      -2.5,\n      1e+20\n    ],"), std::string::npos);
    EXPECT_NE(out.find("\"LightAlt\": -5,"), std::string::npos);
    EXPECT_NE(out.find("\"HeightRange\": {}\n}"), std::string::npos) << "every node is null";

    const auto json = nlohmann::json::parse(out);
    EXPECT_EQ(json["Header"]["Terrains"][9]["Name"], "Loch \"Tarn\"\n\\\x01\u00e9\u20ac");
    EXPECT_EQ(json["Header"]["Terrains"].size(), 24u);
    EXPECT_EQ(json["Header"]["Bounds"]["East"], 500);
    EXPECT_EQ(json["Nodes"], 400);
}

// ---- maps at the edges of what the header can hold -------------------------

namespace {

// Header offsets of the grid fields.
constexpr std::size_t kWorldWidthOffset = 7;
constexpr std::size_t kExtentXOffset = 17;
constexpr std::size_t kBoundsOffset = 36;
constexpr std::size_t kBoundsEnd = 60;

void PutInt16(std::string& bytes, std::size_t offset, std::int16_t value)
{
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
}

}  // namespace

TEST_F(Tarntool, NewRefusesSpacingsWhoseHeaderFieldsCannotBeStored)
{
    // 19 m wide: the extent rounds to 0 tenths of a km; 100000 m does not fit the spacing field.
    for (const char* spacing : {"1", "100000", "inf", "nan", "0", "-5"}) {
        const auto run = RunTool(std::string("new --columns 20 --rows 20 --spacing ") + spacing + " " + In("a.lem"));
        EXPECT_EQ(run.exitCode, 1) << spacing << "\n" << run.output;
        EXPECT_EQ(run.output.rfind("E0004 Invalid map size parameters: ", 0), 0u) << spacing << "\n" << run.output;
        EXPECT_FALSE(fs::exists(folder / "a.lem")) << spacing;
    }
    EXPECT_NE(RunTool("new --columns 20 --rows 20 --spacing 1 " + In("a.lem")).output.find("MicroMetric"),
              std::string::npos);
    // The same small map in MicroMetric units is stored whole and checks clean after a copy.
    ASSERT_EQ(RunTool("new --units micrometric --columns 20 --rows 20 --spacing 1 " + In("m.lem")).exitCode, 0);
    ASSERT_EQ(RunTool("copy " + In("m.lem") + " " + In("n.lem")).exitCode, 0);
    EXPECT_EQ(RunTool("check " + In("n.lem")).exitCode, 0);
}

TEST_F(Tarntool, CheckReportsEveryHeaderFieldThatContradictsTheOthers)
{
    ASSERT_EQ(RunTool("new --columns 20 --rows 20 --spacing 10 " + In("a.lem")).exitCode, 0);
    std::string bytes = ReadAll(folder / "a.lem");
    PutInt16(bytes, kExtentXOffset, 50);      // 5 km, while 19 gaps of 10 m make 0.2 km
    PutInt16(bytes, kWorldWidthOffset, 123);  // not what the scale gives for the extent
    std::ofstream(folder / "bad.lem", std::ios::binary) << bytes;

    const auto run = RunTool("check " + In("bad.lem"));
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("ExtentX 50"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("WorldWidth 123"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("valid"), std::string::npos) << run.output;
}

TEST_F(Tarntool, CopyRewritesOnlyTheBoundsOfANewMapAndSaysSo)
{
    ASSERT_EQ(RunTool("new --columns 20 --rows 20 --spacing 10 " + In("a.lem")).exitCode, 0);
    ASSERT_EQ(RunTool("copy " + In("a.lem") + " " + In("b.lem")).exitCode, 0);
    ASSERT_EQ(RunTool("copy " + In("b.lem") + " " + In("c.lem")).exitCode, 0);
    const std::string made = ReadAll(folder / "a.lem");
    const std::string copied = ReadAll(folder / "b.lem");
    ASSERT_EQ(made.size(), copied.size());
    for (std::size_t i = 0; i < made.size(); ++i) {
        if (i < kBoundsOffset || i >= kBoundsEnd) {
            ASSERT_EQ(made[i], copied[i]) << "byte " << i;
        }
    }
    EXPECT_NE(made.substr(kBoundsOffset, kBoundsEnd - kBoundsOffset),
              copied.substr(kBoundsOffset, kBoundsEnd - kBoundsOffset));
    EXPECT_EQ(copied, ReadAll(folder / "c.lem"));  // a loaded map copies unchanged

    const auto help = RunTool("copy --help").output;
    EXPECT_NE(help.find("bounds"), std::string::npos) << help;
    EXPECT_EQ(help.find("The copy of a valid file is identical"), std::string::npos) << help;
}

TEST_F(Tarntool, CheckWarnsOfBytesAfterTheLastLabel)
{
    ASSERT_EQ(RunTool("sample --size 20 " + In("s.lem")).exitCode, 0);
    std::ofstream(folder / "s.lem", std::ios::binary | std::ios::app) << "junk";
    const auto run = RunTool("check " + In("s.lem"));
    EXPECT_EQ(run.exitCode, 0) << run.output;  // a warning only
    EXPECT_NE(run.output.find("warning: 4 bytes after the last label"), std::string::npos) << run.output;
}
