#include "exchange/GdalRasterRead.h"

#include "exchange/ExchangeMessages.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/GdalLibrary.h"
#include "exchange/RasterGridSize.h"
#include "exchange/RasterSamples.h"
#include "model/Errors.h"

#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string_view>

namespace tarn {

namespace {

constexpr std::string_view kTitle = "GDAL raster";

[[noreturn]] void Refuse(const std::string& message) { throw EInvalidData(message); }

std::string WithReason(const char* message, const std::string& reason)
{
    std::string text = message;
    text += ": ";
    text += reason;
    return text;
}

GDALRasterBand& ChosenBand(GDALDataset& dataset, int chosen)
{
    const int bands = dataset.GetRasterCount();
    if (bands < 1)
        Refuse(WithReason(msg::RasterUnreadable, "it holds no raster band"));
    if (chosen == 0 && bands > 1)
        Refuse(WithReason(msg::RasterNeedsBand, "it has " + std::to_string(bands)));
    if (chosen > bands)
        Refuse(WithReason(msg::RasterNoSuchBand, "it has " + std::to_string(bands) + (bands == 1 ? " band" : " bands")));
    return *dataset.GetRasterBand(std::max(chosen, 1));
}

// Metres in one degree of latitude and of longitude at a latitude, on the
// raster's ellipsoid.
struct TDegreeLengths {
    double latitude = 0;
    double longitude = 0;
};

TDegreeLengths DegreeLengths(const OGRSpatialReference& srs, double latitude)
{
    const double a = srs.GetSemiMajor();
    const double inverseFlattening = srs.GetInvFlattening();
    const double f = inverseFlattening > 0 ? 1 / inverseFlattening : 0;
    const double e2 = f * (2 - f);
    const double phi = latitude * std::numbers::pi / 180;
    const double w = 1 - e2 * std::sin(phi) * std::sin(phi);
    const double radian = std::numbers::pi / 180;
    return {a * (1 - e2) / std::pow(w, 1.5) * radian, a / std::sqrt(w) * std::cos(phi) * radian};
}

std::string Number(const char* format, double value)
{
    char text[48];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Where the raster lies and how large its pixels are on the ground.
struct TRasterGeometry {
    TRasterFootprint footprint;
    bool eastToWest = false;    // columns run from east to west
    bool southToNorth = false;  // rows run from south to north
};

TRasterGeometry Geometry(GDALDataset& dataset, std::vector<std::string>& warnings)
{
    TRasterGeometry geometry;
    auto& footprint = geometry.footprint;
    footprint.columns = dataset.GetRasterXSize();
    footprint.rows = dataset.GetRasterYSize();
    std::array<double, 6> transform{0, 1, 0, 0, 0, -1};
    if (dataset.GetGeoTransform(transform.data()) != CE_None) {
        warnings.push_back("the raster has no georeferencing; its pixels are taken as 1 m apart");
        return geometry;
    }
    if (transform[2] != 0 || transform[4] != 0)
        Refuse(msg::RasterRotated);
    if (!(std::isfinite(transform[1]) && std::isfinite(transform[5])) || transform[1] == 0 || transform[5] == 0)
        Refuse(WithReason(msg::RasterUnreadable, "its pixels have no size"));
    geometry.eastToWest = transform[1] < 0;
    geometry.southToNorth = transform[5] > 0;
    double width = std::abs(transform[1]);
    double height = std::abs(transform[5]);
    const OGRSpatialReference* srs = dataset.GetSpatialRef();
    if (srs && srs->IsGeographic()) {
        const double latitude = std::clamp(transform[3] + transform[5] * footprint.rows / 2, -89.0, 89.0);
        const TDegreeLengths degree = DegreeLengths(*srs, latitude);
        width *= degree.longitude;
        height *= degree.latitude;
        warnings.push_back("the raster is in degrees; its pixels are taken as " + Number("%.2f m", width) + " by " +
                           Number("%.2f m", height) + ", their size at its centre latitude " +
                           Number("%.4f", latitude));
    } else if (srs) {
        const double metres = srs->GetLinearUnits();
        width *= metres;
        height *= metres;
    }
    footprint.pixelWidth = width;
    footprint.pixelHeight = height;
    return geometry;
}

bool Named(std::string_view unit, std::initializer_list<std::string_view> names)
{
    return std::any_of(names.begin(), names.end(), [unit](std::string_view name) {
        return unit.size() == name.size() &&
               std::equal(unit.begin(), unit.end(), name.begin(),
                          [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    });
}

// Metres in one unit of the band's heights.
double HeightUnit(GDALRasterBand& band, std::vector<std::string>& warnings)
{
    const std::string_view unit = band.GetUnitType();
    if (unit.empty() || Named(unit, {"m", "metre", "meter", "metres", "meters"}))
        return 1;
    if (Named(unit, {"ft", "foot", "feet", "international foot"}))
        return 0.3048;
    if (Named(unit, {"us-ft", "ft-us", "us survey foot", "us_survey_foot", "foot_us"}))
        return 1200.0 / 3937;
    warnings.push_back("the raster's heights are in \"" + std::string(unit) + "\", taken as metres");
    return 1;
}

GDALRIOResampleAlg Algorithm(RasterResampling resampling)
{
    switch (resampling) {
    case RasterResampling::Average:
        return GRIORA_Average;
    case RasterResampling::Bilinear:
        return GRIORA_Bilinear;
    case RasterResampling::Nearest:
        break;
    }
    return GRIORA_NearestNeighbour;
}

struct TReadProgress {
    TExchangeProgress& status;
    bool stopped = false;
};

int ReportRead(double complete, const char*, void* data)
{
    auto& read = *static_cast<TReadProgress*>(data);
    constexpr long long kSteps = 1000;
    if (!read.status.Tick(std::llround(std::clamp(complete, 0.0, 1.0) * kSteps), kSteps))
        read.stopped = true;
    return read.stopped ? FALSE : TRUE;
}

// The band's values at the grid size, nodata as NaN, scaled to heights.
// Nothing when the user stopped the read.
std::optional<std::vector<double>> ReadValues(GDALRasterBand& band, TGridSize size, RasterResampling resampling,
                                              IProgress& progress)
{
    std::vector<double> values(static_cast<std::size_t>(size.columns) * static_cast<std::size_t>(size.rows));
    TExchangeProgress status(progress, kImporting, kTitle);
    TReadProgress read{status};
    GDALRasterIOExtraArg extra;
    INIT_RASTERIO_EXTRA_ARG(extra);
    extra.eResampleAlg = Algorithm(resampling);
    extra.pfnProgress = ReportRead;
    extra.pProgressData = &read;
    const CPLErr result = band.RasterIO(GF_Read, 0, 0, band.GetXSize(), band.GetYSize(), values.data(), size.columns,
                                        size.rows, GDT_Float64, 0, 0, &extra);
    if (read.stopped)
        return std::nullopt;
    if (result != CE_None)
        Refuse(TGdalErrors::Explained(msg::RasterUnreadable));
    int hasNodata = FALSE;
    const double nodata = band.GetNoDataValue(&hasNodata);
    const double scale = band.GetScale();
    const double offset = band.GetOffset();
    for (double& value : values)
        value = hasNodata && value == nodata ? std::nan("") : value * scale + offset;
    return values;
}

void Orient(std::vector<double>& values, TGridSize size, const TRasterGeometry& geometry)
{
    const auto columns = static_cast<std::size_t>(size.columns);
    if (geometry.eastToWest)
        for (std::size_t row = 0; row < static_cast<std::size_t>(size.rows); ++row)
            std::reverse(values.begin() + static_cast<std::ptrdiff_t>(row * columns),
                         values.begin() + static_cast<std::ptrdiff_t>((row + 1) * columns));
    if (geometry.southToNorth)
        for (std::size_t top = 0, bottom = static_cast<std::size_t>(size.rows) - 1; top < bottom; ++top, --bottom)
            std::swap_ranges(values.begin() + static_cast<std::ptrdiff_t>(top * columns),
                             values.begin() + static_cast<std::ptrdiff_t>((top + 1) * columns),
                             values.begin() + static_cast<std::ptrdiff_t>(bottom * columns));
}

}  // namespace

ImportOutcome ReadGdalRaster(const std::string& path, TNet& net, const TImportParameters& parameters,
                             IProgress& progress, std::vector<std::string>& warnings)
{
    UseGdal();
    const TGdalErrors errors;
    const GDALDatasetUniquePtr dataset(GDALDataset::Open(path.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY | GDAL_OF_VERBOSE_ERROR));
    if (!dataset)
        Refuse(TGdalErrors::Explained(msg::RasterUnreadable));
    const auto& options = parameters.raster;
    GDALRasterBand& band = ChosenBand(*dataset, options.band);
    std::vector<std::string> notes;
    const TRasterGeometry geometry = Geometry(*dataset, notes);
    const double heightUnit = HeightUnit(band, notes);
    const TGridSize size = ChooseGridSize(geometry.footprint, options);

    auto values = ReadValues(band, size, options.resampling, progress);
    if (!values)
        return ImportOutcome::Cancelled;
    Orient(*values, size, geometry);
    const auto& footprint = geometry.footprint;
    TRasterSamples samples{size.columns, size.rows, std::move(*values), std::nullopt,
                           footprint.columns * footprint.pixelWidth / size.columns,
                           footprint.rows * footprint.pixelHeight / size.rows, heightUnit};
    TRasterStoreReport report = StoreRasterSamples(samples, net, options.units, parameters.palette);
    warnings.insert(warnings.end(), notes.begin(), notes.end());
    warnings.insert(warnings.end(), report.warnings.begin(), report.warnings.end());
    return report.anyHeight ? ImportOutcome::Completed : ImportOutcome::NothingStored;
}

}  // namespace tarn
