#include "exchange/Heightmap16.h"

#include "exchange/ExchangeMessages.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/MapMetres.h"
#include "exchange/StreamIO.h"
#include "model/AtomicFile.h"
#include "model/Net.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace tarn {

namespace {

constexpr std::array<std::string_view, 2> kRawExtensions{"raw", "r16"};
constexpr TFormatDescription kRawDescription{
    .name = "raw16",
    .title = "16-bit raw heightmap",
    .extensions = kRawExtensions,
    .canRead = false,
    .canWrite = true,
};

constexpr double kLargestValue = 65535;

std::uint16_t Scaled(int height, int lowest, int highest)
{
    if (height < -1000 || highest <= lowest)
        return 0;
    const double share = (static_cast<double>(height) - lowest) / (highest - lowest);
    return static_cast<std::uint16_t>(std::nearbyint(std::clamp(share, 0.0, 1.0) * kLargestValue));
}

std::string Field(const char* name, double value, bool last = false)
{
    char text[96];
    std::snprintf(text, sizeof text, "  \"%s\": %.10g%s\n", name, value, last ? "" : ",");
    return text;
}

}  // namespace

int NearestEngineSide(int side)
{
    int below = 3;
    while ((below - 1) * 2 + 1 <= side)
        below = (below - 1) * 2 + 1;
    const int above = (below - 1) * 2 + 1;
    return side - below < above - side ? below : above;
}

THeightmap16 MakeHeightmap16(const TNet& net, bool square)
{
    const auto& header = net.MapHeader;
    const int columns = header.Columns;
    const int rows = header.Rows;
    THeightmap16 heightmap{columns, rows, {}};
    if (square)
        heightmap.columns = heightmap.rows = NearestEngineSide(std::max(columns, rows));
    heightmap.values.assign(static_cast<std::size_t>(heightmap.columns) * static_cast<std::size_t>(heightmap.rows), 0);
    const int across = std::min(columns, heightmap.columns);
    const int down = std::min(rows, heightmap.rows);
    for (int r = 0; r < down; ++r)
        for (int c = 0; c < across; ++c) {
            const TGridPoint* node = net.GetPoint(r * columns + c + 1);
            heightmap.values[static_cast<std::size_t>(r) * static_cast<std::size_t>(heightmap.columns) +
                             static_cast<std::size_t>(c)] =
                Scaled(node ? node->Height : kNullHeight, header.MinHeight, header.MaxHeight);
        }
    return heightmap;
}

std::string HeightmapSideText(const TMapHeader& header, const THeightmap16& heightmap)
{
    const double unit = HeightUnitMetres(header);
    const double spacing = NodeSpacingMetres(header);
    std::string text = "{\n";
    text += Field("columns", heightmap.columns);
    text += Field("rows", heightmap.rows);
    text += Field("spacingMetres", spacing);
    text += Field("widthMetres", (heightmap.columns - 1) * spacing);
    text += Field("depthMetres", (heightmap.rows - 1) * spacing);
    text += Field("value0Metres", header.MinHeight * unit);
    text += Field("value65535Metres", std::max(header.MaxHeight, header.MinHeight) * unit);
    text += "  \"nullValue\": 0\n}\n";
    return text;
}

std::filesystem::path HeightmapSidePath(const std::filesystem::path& file)
{
    auto side = file;
    return side.replace_extension(".json");
}

void THeightmap16Format::WriteFile(const TNet& net, const std::filesystem::path& file,
                                   const TExportParameters& parameters, IProgress& progress) const
{
    TFormatDriver::WriteFile(net, file, parameters, progress);
    const std::string side = HeightmapSideText(net.MapHeader, MakeHeightmap16(net, parameters.raster.square));
    WriteFileAtomically(HeightmapSidePath(file),
                        std::span(reinterpret_cast<const std::uint8_t*>(side.data()), side.size()),
                        msg::ErrorWritingExport);
}

const TFormatDescription& TRaw16Format::Description() const { return kRawDescription; }

void TRaw16Format::Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
                         IProgress& progress) const
{
    const TExchangeProgress status(progress, kExporting, kRawDescription.title);
    const THeightmap16 heightmap = MakeHeightmap16(net, parameters.raster.square);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(heightmap.values.size() * 2);
    for (const std::uint16_t value : heightmap.values) {
        bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    WriteOrThrow(out, bytes);
}

}  // namespace tarn
