#include "exchange/GdalRasterFormat.h"

#include "exchange/ExchangeMessages.h"
#include "exchange/GdalLibrary.h"
#include "exchange/GdalRasterRead.h"
#include "exchange/StreamIO.h"

#include <gdal_priv.h>

#include <array>

namespace tarn {

namespace {

// The commonest; GdalRasterReaders() lists all the library knows.
constexpr std::array<std::string_view, 4> kExtensions{"tif", "tiff", "hgt", "asc"};
constexpr TFormatDescription kDescription{
    .name = "gdal",
    .title = "Any raster GDAL reads",
    .extensions = kExtensions,
    .canRead = true,
    .canWrite = false,
    .target = ImportTarget::NewMap,
    .readOptions = TOptionSet::Raster,
};

// A raster read from a stream is held in memory, up to this size.
constexpr std::size_t kLargestStreamedRaster = std::size_t{1} << 31;

}  // namespace

const TFormatDescription& TGdalRasterFormat::Description() const { return kDescription; }

FileVerdict TGdalRasterFormat::Identify(std::span<const std::uint8_t> head) const
{
    // Only the TIFF family is told by its first bytes; other rasters are
    // known to the library by their names and side files.
    constexpr std::array<std::array<std::uint8_t, 4>, 4> kTiffMagic{{
        {'I', 'I', 42, 0}, {'M', 'M', 0, 42}, {'I', 'I', 43, 0}, {'M', 'M', 0, 43}}};
    for (const auto& magic : kTiffMagic)
        if (head.size() >= magic.size() && std::equal(magic.begin(), magic.end(), head.begin()))
            return FileVerdict::Mine;
    return FileVerdict::NotMine;
}

ImportOutcome TGdalRasterFormat::Read(std::istream& in, TNet& net, const TImportParameters& parameters,
                                      IProgress& progress) const
{
    const auto bytes = ReadAllBytes(in, kLargestStreamedRaster, msg::RasterUnreadable);
    UseGdal();
    const TGdalMemoryFile file("raster", bytes);
    std::vector<std::string> dropped;
    return ReadGdalRaster(file.Path(), net, parameters, progress, dropped);
}

ImportOutcome TGdalRasterFormat::ReadFile(const std::filesystem::path& file, TNet& net,
                                          const TImportParameters& parameters, IProgress& progress,
                                          std::vector<std::string>& warnings) const
{
    return ReadGdalRaster(file.string(), net, parameters, progress, warnings);
}

std::vector<std::string> GdalRasterReaders()
{
    UseGdal();
    std::vector<std::string> readers;
    auto& drivers = *GetGDALDriverManager();
    for (int i = 0; i < drivers.GetDriverCount(); ++i) {
        GDALDriver& driver = *drivers.GetDriver(i);
        if (!driver.GetMetadataItem(GDAL_DCAP_RASTER) || !driver.GetMetadataItem(GDAL_DCAP_OPEN))
            continue;
        std::string line = driver.GetDescription();
        line += ": ";
        const char* title = driver.GetMetadataItem(GDAL_DMD_LONGNAME);
        line += title ? title : "";
        if (const char* extensions = driver.GetMetadataItem(GDAL_DMD_EXTENSIONS)) {
            line += " (";
            line += extensions;
            line += ')';
        }
        readers.push_back(std::move(line));
    }
    return readers;
}

}  // namespace tarn
