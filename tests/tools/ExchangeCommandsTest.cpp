// tarntool import, export and formats as a user runs them.
#include "model/LemFileIO.h"
#include "model/Net.h"
#include "model/Progress.h"
#include "ToolRun.h"

#include <gtest/gtest.h>

using namespace tarn;
using namespace tarn::test;

namespace {

std::string Fixture(const std::string& file) { return "'" + std::string(TARN_TEST_DATA) + "/" + file + "'"; }

TNet Load(const fs::path& file)
{
    TNet net;
    NullProgress quiet;
    EXPECT_TRUE(LoadLemFile(file, net, quiet)) << file;
    return net;
}

int HeightAt(const TNet& net, int c, int rowFromSouth)
{
    return net.GetPoint(c + net.MapHeader.Columns * (net.MapHeader.Rows - rowFromSouth))->Height;
}

}  // namespace

TEST_F(Tarntool, FormatsListsEveryFormatWithWhatItCanDo)
{
    const auto run = RunTool("formats");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.output.find("usgs-dem   yes   -     .dem"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("dxf        -     yes   .dxf"), std::string::npos);
    EXPECT_NE(run.output.find("ntf        yes   yes   .ntf"), std::string::npos);
}

TEST_F(Tarntool, ImportMakesNewMapsSizedToTheData)
{
    ASSERT_EQ(RunTool("import xyz " + Fixture("xyz/heights-21x20.xyz") + " -o " + In("x.lem")).output, "");
    const TNet xyz = Load(folder / "x.lem");
    EXPECT_EQ(xyz.MapHeader.Columns, 21);
    EXPECT_EQ(xyz.MapHeader.Rows, 20);
    EXPECT_EQ(HeightAt(xyz, 1, 1), 37 + 11 - 20);
    EXPECT_EQ(HeightAt(xyz, 4, 4), kNullHeight);

    ASSERT_EQ(RunTool("import bmp " + Fixture("bmp/heights-21x20.bmp") + " --max-height 2000 --spacing 20 -o " +
                      In("b.lem")).exitCode, 0);
    const TNet bmp = Load(folder / "b.lem");
    EXPECT_EQ(bmp.MapHeader.Spacing, 20);
    EXPECT_EQ(bmp.MapHeader.MaxHeight, 2000);

    ASSERT_EQ(RunTool("import pgm " + Fixture("pgm/heights-21x20.pgm") + " --units imperial --spacing 600 -o " +
                      In("p.lem")).exitCode, 0);
    const TNet pgm = Load(folder / "p.lem");
    EXPECT_EQ(pgm.MapHeader.MapUnits, static_cast<int>(MapUnits::Imperial));
    EXPECT_EQ(pgm.MapHeader.Spacing, 600);

    ASSERT_EQ(RunTool("import ntf " + Fixture("ntf/tile-21x20.ntf") + " --sample 1 -o " + In("n.lem")).exitCode, 0);
    const TNet ntf = Load(folder / "n.lem");
    EXPECT_EQ(ntf.MapHeader.Columns, 21);
    EXPECT_EQ(HeightAt(ntf, 3, 2), 32);
}

TEST_F(Tarntool, ImportLoadsIntoTheStartUpMapOrTheMapNamedByInto)
{
    // NTF samples every 4th value unless told otherwise.
    ASSERT_EQ(RunTool("import ntf " + Fixture("ntf/tile-21x20.ntf") + " --load -o " + In("n.lem")).exitCode, 0);
    const TNet ntf = Load(folder / "n.lem");
    EXPECT_EQ(ntf.MapHeader.Columns, 51);
    EXPECT_EQ(ntf.MapHeader.Spacing, 10);
    EXPECT_EQ(HeightAt(ntf, 2, 1), 51);
    EXPECT_EQ(HeightAt(ntf, 7, 1), kNullHeight);

    // Feet into the Metric start-up map.
    ASSERT_EQ(RunTool("import usgs-dem " + Fixture("usgs-dem/quad-3-profiles.dem") + " --default-height 5 -o " +
                      In("d.lem")).exitCode, 0);
    const TNet dem = Load(folder / "d.lem");
    EXPECT_EQ(HeightAt(dem, 1, 1), 12) << "round(41 ft * 0.3048)";
    EXPECT_EQ(HeightAt(dem, 51, 51), 5);

    ASSERT_EQ(RunTool("new --columns 30 --rows 30 --spacing 20 " + In("m.lem")).exitCode, 0);
    ASSERT_EQ(RunTool("import ascii " + Fixture("ascii/heights-21x20.txt") + " --into " + In("m.lem") + " -o " +
                      In("a.lem")).exitCode, 0);
    const TNet ascii = Load(folder / "a.lem");
    EXPECT_EQ(ascii.MapHeader.Columns, 30);
    EXPECT_EQ(ascii.MapHeader.Spacing, 20);
    EXPECT_NE(ascii.Points()[0].Height, kNullHeight);
}

TEST_F(Tarntool, ImportRefusalsAndUsageErrors)
{
    const auto foreign = RunTool("import pgm " + Fixture("xyz/heights-21x20.xyz") + " -o " + In("p.lem"));
    EXPECT_EQ(foreign.exitCode, 1);
    EXPECT_EQ(foreign.output, "E0112 Import file is not of the chosen format\n");
    EXPECT_FALSE(fs::exists(folder / "p.lem"));

    const auto into = RunTool("import bmp " + Fixture("bmp/heights-21x20.bmp") + " --into " + In("m.lem") + " -o " +
                              In("b.lem"));
    EXPECT_EQ(into.exitCode, 2);
    EXPECT_NE(into.output.find("bmp makes a new map; --into does not apply"), std::string::npos);
    EXPECT_EQ(RunTool("import ntf " + Fixture("ntf/tile-21x20.ntf") + " --auto-size --load -o " + In("n.lem")).exitCode,
              2);
    EXPECT_EQ(RunTool("import vistapro " + In("missing.dem") + " -o " + In("v.lem")).exitCode, 2);
    EXPECT_EQ(RunTool("import ntf " + Fixture("ntf/tile-21x20.ntf") + " --sample 11 -o " + In("n.lem")).exitCode, 2);
    EXPECT_EQ(RunTool("import ascii " + In("missing.txt") + " -o " + In("a.lem")).exitCode, 2);
    EXPECT_EQ(RunTool("import ascii " + Fixture("ascii/heights-21x20.txt")).exitCode, 2) << "no output named";
}

TEST_F(Tarntool, ExportWritesEveryWritableFormatAndReadsBackWhatItWrote)
{
    ASSERT_EQ(RunTool("import xyz " + Fixture("xyz/heights-21x20.xyz") + " -o " + In("x.lem")).exitCode, 0);
    ASSERT_EQ(RunTool("export xyz " + In("x.lem") + " " + In("again.xyz")).exitCode, 0);
    EXPECT_EQ(ReadAll(folder / "again.xyz"), ReadAll(std::string(TARN_TEST_DATA) + "/xyz/heights-21x20.xyz"));
    for (const std::string format : {"ascii", "dxf", "bmp", "pgm", "ntf"}) {
        EXPECT_EQ(RunTool("export " + format + " " + In("x.lem") + " " + In("out." + format)).exitCode, 0) << format;
        EXPECT_GT(fs::file_size(folder / ("out." + format)), 100u) << format;
    }
    EXPECT_EQ(RunTool("export usgs-dem " + In("x.lem") + " " + In("out.dem")).exitCode, 2) << "read only";
    const auto missing = RunTool("export ascii " + In("missing.lem") + " " + In("out.txt"));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.output.substr(0, 5), "E0060");
}

TEST_F(Tarntool, VistaproExportWarnsOfOtherSpacingsAndImportsBackAs258By258)
{
    ASSERT_EQ(RunTool("import xyz " + Fixture("xyz/heights-21x20.xyz") + " -o " + In("x.lem")).exitCode, 0);
    const auto exported = RunTool("export vistapro " + In("x.lem") + " " + In("out.dem"));
    EXPECT_EQ(exported.exitCode, 0);
    EXPECT_EQ(exported.output, "E0014 Map parameters are not Vistapro compatible\n");
    ASSERT_EQ(RunTool("import vistapro " + In("out.dem") + " -o " + In("v.lem")).output, "");
    const TNet vistapro = Load(folder / "v.lem");
    const TNet xyz = Load(folder / "x.lem");
    EXPECT_EQ(vistapro.MapHeader.Columns, 258);
    EXPECT_EQ(vistapro.MapHeader.Spacing, 30);
    EXPECT_EQ(HeightAt(vistapro, 1, 1), HeightAt(xyz, 1, 1));
    EXPECT_EQ(HeightAt(vistapro, 21, 20), HeightAt(xyz, 21, 20));
    // Metric with spacing 30: no warning.
    EXPECT_EQ(RunTool("export vistapro " + In("v.lem") + " " + In("again.dem")).output, "");
    EXPECT_EQ(ReadAll(folder / "again.dem"), ReadAll(folder / "out.dem"));
}

TEST_F(Tarntool, PolygonExportsTakeTheDialogsOptions)
{
    ASSERT_EQ(RunTool("import bmp " + Fixture("bmp/heights-21x20.bmp") + " -o " + In("b.lem")).exitCode, 0);
    ASSERT_EQ(RunTool("export tin " + In("b.lem") + " " + In("out.tin") + " --polygons 100 --tolerance 0 "
                      "--horizontal 10 --vertical 2").output, "");
    const std::string tin = ReadAll(folder / "out.tin");
    EXPECT_NE(tin.find("\n200 190 "), std::string::npos) << "the north-east corner, 20 and 19 steps of 10 away";
    EXPECT_LE(std::stoi(tin.substr(tin.find("TRIANGLES ") + 10)), 100);

    ASSERT_EQ(RunTool("export vrml " + In("b.lem") + " " + In("out.wrl") + " --texture hills.jpg --background 255")
                  .exitCode, 0);
    const std::string world = ReadAll(folder / "out.wrl");
    EXPECT_NE(world.find("skyColor [ 1 0 0 ]"), std::string::npos);
    EXPECT_NE(world.find("url \"hills.jpg\""), std::string::npos);

    // Fewer triangles than the dialog allows: the writer refuses before it writes.
    const auto fewer = RunTool("export tin " + In("b.lem") + " " + In("x.tin") + " --polygons 99");
    EXPECT_EQ(fewer.exitCode, 1);
    EXPECT_NE(fewer.output.find("E0116"), std::string::npos) << fewer.output;
    EXPECT_EQ(RunTool("export vrml " + In("b.lem") + " " + In("x.wrl") + " --vertical 0").exitCode, 2);
    EXPECT_FALSE(fs::exists(folder / "x.tin"));
}
