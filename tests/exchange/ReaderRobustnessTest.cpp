// Every reader against empty, cut, garbled and random files: each must end
// with a result or a coded message, never with a crash, a hang or another
// kind of exception.
#include "ExchangeTestSupport.h"
#include "exchange/FormatRegistry.h"
#include "fixtures/NtfLayout.h"
#include "fixtures/UsgsDemLayout.h"

#include <gtest/gtest.h>

#include <random>

namespace tarn {
namespace {

using namespace test;

std::string SampleFile(const std::string& format)
{
    if (format == "ntf")
        return fixtures::BuildNtfTile({});
    if (format == "usgs-dem")
        return fixtures::BuildUsgsDem({});
    TNet net;
    MakeGrid(net, 21, 20);
    for (std::size_t i = 0; i < net.Points().size(); ++i)
        net.Points()[i].Height = static_cast<std::int16_t>(i * 3);
    // Rasters read through the geospatial library are tried as GeoTIFFs.
    return WriteText(*FindFormat(format == "gdal" ? "geotiff" : format), net);
}

// Reads into an open 30 x 30 map, once as each format first offers and once
// loading at an offset with sampling.
void ReadBothWays(const TFormatDriver& format, const std::string& bytes)
{
    TImportParameters offered;
    offered.digital.sample = format.Description().defaultSample;
    TImportParameters loading;
    loading.digital.autoSize = false;
    loading.digital.sample = 3;
    loading.digital.xOffset = 2;
    loading.digital.originY = 5;
    for (const auto& parameters : {offered, loading}) {
        TNet net;
        MakeGrid(net, 30, 30);
        try {
            ReadText(format, bytes, net, parameters);
        } catch (const ETarnError&) {
        }
        ASSERT_LE(net.Points().size(), 250000u);
    }
}

class ReaderRobustness : public ::testing::TestWithParam<std::string> {
protected:
    const TFormatDriver& Format() const { return *FindFormat(GetParam()); }
};

TEST_P(ReaderRobustness, EmptyFilesAndFilesOfBlanks)
{
    ReadBothWays(Format(), "");
    ReadBothWays(Format(), std::string(3000, ' '));
    ReadBothWays(Format(), std::string(3000, '\n'));
    ReadBothWays(Format(), std::string(100, '\0'));
}

TEST_P(ReaderRobustness, FilesCutAnywhere)
{
    const std::string file = SampleFile(GetParam());
    const std::size_t step = std::max<std::size_t>(1, file.size() / 97);
    for (std::size_t length = 0; length < file.size(); length += step)
        ReadBothWays(Format(), file.substr(0, length));
    for (std::size_t length = 0; length < std::min<std::size_t>(file.size(), 64); ++length)
        ReadBothWays(Format(), file.substr(0, length));
}

TEST_P(ReaderRobustness, FilesWithBytesChanged)
{
    const std::string file = SampleFile(GetParam());
    std::mt19937 random(1234);
    for (int round = 0; round < 60; ++round) {
        std::string garbled = file;
        const int changes = 1 + round % 8;
        for (int i = 0; i < changes; ++i) {
            const std::size_t at = std::uniform_int_distribution<std::size_t>(0, garbled.size() - 1)(random);
            const char replacements[] = {'9', '-', '\n', ' ', '\0', '%', ',', 'D', '\xff'};
            garbled[at] = replacements[std::uniform_int_distribution<int>(0, 8)(random)];
        }
        ReadBothWays(Format(), garbled);
    }
}

TEST_P(ReaderRobustness, RandomBytes)
{
    std::mt19937 random(99);
    for (int round = 0; round < 40; ++round) {
        std::string bytes(std::uniform_int_distribution<std::size_t>(0, 6000)(random), '\0');
        for (auto& byte : bytes)
            byte = static_cast<char>(random());
        ReadBothWays(Format(), bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryReader, ReaderRobustness,
                         ::testing::Values("ascii", "bmp", "ntf", "usgs-dem", "pgm", "xyz", "vistapro", "gdal"),
                         [](const auto& parameter) {
                             std::string name = parameter.param;
                             std::erase(name, '-');
                             return name;
                         });

TEST(ReaderRobustnessCoverage, EveryReaderIsTried)
{
    int readers = 0;
    for (const auto* format : AllFormats())
        readers += format->Description().canRead ? 1 : 0;
    EXPECT_EQ(readers, 8);
}

}  // namespace
}  // namespace tarn
