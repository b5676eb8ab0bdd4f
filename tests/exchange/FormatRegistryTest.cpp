// The registry the menus, dialogs and tarntool read, and files on disk.
#include "ExchangeTestSupport.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/FormatFiles.h"
#include "exchange/FormatRegistry.h"
#include "fixtures/NtfLayout.h"
#include "fixtures/UsgsDemLayout.h"
#include "tests/common/TempPath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace tarn {
namespace {

using namespace test;

TEST(FormatRegistry, ListsEveryDriverOnceUnderItsShortName)
{
    std::vector<std::string> names;
    for (const auto* format : AllFormats())
        names.emplace_back(format->Description().name);
    EXPECT_EQ(names, (std::vector<std::string>{"ascii", "bmp", "ntf", "usgs-dem", "pgm", "xyz", "dxf", "vistapro",
                                               "tin", "vrml", "gdal", "geotiff", "png16", "raw16", "obj", "gltf"}));
    for (const auto* format : AllFormats()) {
        EXPECT_EQ(FindFormat(format->Description().name), format);
        EXPECT_FALSE(format->Description().extensions.empty());
        EXPECT_TRUE(format->Description().canRead || format->Description().canWrite);
    }
    EXPECT_EQ(FindFormat(""), nullptr);
}

TEST(FormatRegistry, TheImportDialogsFilterSelectsReadersByIndex)
{
    EXPECT_EQ(FilterText(ImportFilters()),
              "Ascii text (*.txt)|*.txt|Graphics file (bmp)|*.bmp|UK OS NTF Panorama (*.ntf)|*.ntf|USGS DEM "
              "(*.dem)|*.dem|Pixel Greymap (*.pgm)|*.pgm|Vistapro DEM (*.dem)|*.dem|Glenmarrowscape x,y,z,attr "
              "(*.xyz)|*.xyz|GeoTIFF or SRTM tile (*.tif *.hgt)|*.tif *.tiff *.hgt|Any raster GDAL reads (*)|*");
    const std::vector<std::string> expected{"ascii", "bmp", "ntf", "usgs-dem", "pgm", "vistapro", "xyz", "gdal", "gdal"};
    for (int index = 1; index <= 9; ++index) {
        const auto* format = ImportFormatAt(index);
        EXPECT_EQ(format ? std::string(format->Description().name) : "", expected[index - 1]) << index;
    }
    EXPECT_EQ(ImportFormatAt(0), nullptr);
    EXPECT_EQ(ImportFormatAt(10), nullptr);
}

TEST(FormatRegistry, TheExportDialogsFilterSelectsWritersByIndex)
{
    EXPECT_EQ(FilterText(ExportFilters()),
              "Ascii (*.txt)|*.txt|AutoCAD r12 DXF (*.dxf)|*.dxf|Bitmap (*.bmp)|*.bmp|Pixel Greymap (*.pgm)|*.pgm|UK "
              "OS NTF (Panorama) (*.ntf)|*.dem|Triangle Mesh Surface (*.tin)|*.tin|Vistapro 3  DEM (*.dem)|*.dem|"
              "Glenmarrowscape X,Y,Z,Attr (*.xyz)|*.xyz|Virtual Reality VRML (*.wrl)|*.wrl|GeoTIFF 16-bit (*.tif)|*.tif "
              "*.tiff|16-bit PNG heightmap (*.png)|*.png|16-bit RAW heightmap (*.raw)|*.raw|Wavefront OBJ mesh "
              "(*.obj)|*.obj|glTF mesh (*.glb *.gltf)|*.glb *.gltf");
    EXPECT_EQ(kExportDialogTitle, "Export Digital Terrain Data");
    const std::vector<std::string> expected{"ascii", "dxf", "bmp",   "pgm",   "ntf", "tin",  "vistapro",
                                            "xyz",   "vrml", "geotiff", "png16", "raw16", "obj", "gltf"};
    for (int index = 1; index <= 14; ++index) {
        const auto* format = ExportFormatAt(index);
        EXPECT_EQ(format ? std::string(format->Description().name) : "", expected[index - 1]) << index;
    }
    EXPECT_EQ(ExportFormatAt(15), nullptr);
    EXPECT_EQ(ImportFormatAt(2), ExportFormatAt(3)) << "one driver reads and writes pictures";
}

// One small file of each readable format.
std::vector<std::pair<std::string, std::string>> SampleFiles()
{
    TNet net;
    MakeGrid(net, 21, 20);
    for (std::size_t i = 0; i < net.Points().size(); ++i)
        net.Points()[i].Height = static_cast<std::int16_t>(i);
    return {{"ascii", WriteText(*FindFormat("ascii"), net)},
            {"bmp", WriteText(*FindFormat("bmp"), net)},
            {"ntf", fixtures::BuildNtfTile({})},
            {"usgs-dem", fixtures::BuildUsgsDem({})},
            {"pgm", WriteText(*FindFormat("pgm"), net)},
            {"xyz", WriteText(*FindFormat("xyz"), net)},
            {"vistapro", WriteText(*FindFormat("vistapro"), net)}};
}

TEST(FormatRegistry, EachReaderClaimsItsOwnFilesAndNoOtherReadersFiles)
{
    for (const auto& [owner, file] : SampleFiles()) {
        const std::string head = file.substr(0, kIdentifyBytes);
        for (const auto* format : AllFormats()) {
            const FileVerdict expected = format->Description().name == owner ? FileVerdict::Mine : FileVerdict::NotMine;
            EXPECT_EQ(IdentifyText(*format, head), expected) << format->Description().name << " on " << owner;
        }
    }
}

TEST(FormatRegistry, TheFixtureFilesOfEachFormatAreReadWhole)
{
    int files = 0;
    for (const auto* format : AllFormats()) {
        const std::filesystem::path folder = std::filesystem::path(TARN_TEST_DATA) / format->Description().name;
        if (!std::filesystem::exists(folder))
            continue;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            TNet net;
            MakeGrid(net, 21, 20);
            NullProgress quiet;
            TImportParameters parameters;
            parameters.digital.sample = 1;
            EXPECT_EQ(IdentifyFile(*format, entry.path()), FileVerdict::Mine) << entry.path();
            EXPECT_EQ(ImportFile(*format, entry.path(), net, parameters, quiet), ImportOutcome::Completed)
                << entry.path();
            ++files;
        }
    }
    EXPECT_EQ(files, 8);
}

class FormatFiles : public ::testing::Test {
protected:
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::filesystem::path File(const char* name) const
    {
        std::filesystem::create_directories(folder_);
        return folder_ / name;
    }

private:
    std::filesystem::path folder_ = UniqueTempPath("tarn-format-files");
};

TEST_F(FormatFiles, ExportsAreWrittenWholeAndReadBack)
{
    TNet net;
    MakeGrid(net, 21, 20);
    net.Points()[5].Height = 321;
    NullProgress quiet;
    const auto file = File("heights.xyz");
    ExportFile(*FindFormat("xyz"), net, file, {}, quiet);
    EXPECT_EQ(IdentifyFile(*FindFormat("xyz"), file), FileVerdict::Mine);
    EXPECT_EQ(IdentifyFile(*FindFormat("pgm"), file), FileVerdict::NotMine);
    TNet copy;
    ASSERT_EQ(ImportFile(*FindFormat("xyz"), file, copy, {}, quiet), ImportOutcome::Completed);
    EXPECT_EQ(copy.Points()[5].Height, 321);
}

TEST_F(FormatFiles, FilesThatCannotBeOpenedOrWrittenGiveCodedMessages)
{
    TNet net;
    MakeGrid(net, 21, 20);
    NullProgress quiet;
    try {
        ImportFile(*FindFormat("ascii"), File("missing.txt"), net, {}, quiet);
        ADD_FAILURE();
    } catch (const ETarnError& error) {
        EXPECT_STREQ(error.what(), msg::ErrorOpeningImport);
    }
    try {
        ExportFile(*FindFormat("ascii"), net, File("no-such-folder") / "heights.txt", {}, quiet);
        ADD_FAILURE();
    } catch (const ETarnError& error) {
        EXPECT_STREQ(error.what(), msg::ErrorWritingExport);
    }
    EXPECT_EQ(IdentifyFile(*FindFormat("ascii"), File("missing.txt")), FileVerdict::NotMine);
}

}  // namespace
}  // namespace tarn
