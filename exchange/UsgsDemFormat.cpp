#include "exchange/UsgsDemFormat.h"

#include "exchange/ExchangeMessages.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/GridPlacement.h"
#include "exchange/StreamIO.h"
#include "exchange/TextScanner.h"
#include "model/Errors.h"
#include "model/Net.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace tarn {

namespace {

constexpr std::array<std::string_view, 1> kExtensions{"dem"};
constexpr TFormatDescription kDescription{
    .name = "usgs-dem",
    .title = "USGS DEM",
    .extensions = kExtensions,
    .canRead = true,
    .canWrite = false,
    .target = ImportTarget::OpenMap,
    .quietFailures = true,
    .readOptions = TOptionSet::Digital,
};

constexpr std::size_t kBlock = 1024;
// Far beyond the largest elevation model a map can hold.
constexpr std::size_t kMaxFileBytes = 256u * 1024 * 1024;
// Where an A record that stops short of a full block (the earliest layout)
// hands over to the first profile.
constexpr std::size_t kShortHeaderEnd = 864;
constexpr long long kVoid = -32767;
constexpr double kFeetToMetres = 0.3048;
constexpr double kMetresToFeet = 3.2808398950131233596;

// A field of the A record at the 1-based columns first..first+width-1.
std::string_view Field(std::string_view record, std::size_t first, std::size_t width)
{
    return first <= record.size() ? record.substr(first - 1, width) : std::string_view{};
}

// What the profiles need from the A record.
struct TDemHeader {
    int elevationUnit = 0;  // 1 feet, 2 metres
    long long profiles = 0;
    double zResolution = 1;
    // The southern edge of the grid of profile starts, and its step; a step
    // of 0 when the record does not give them.
    double southY = 0;
    double yResolution = 0;
};

FileVerdict JudgeHeader(std::string_view record)
{
    constexpr std::size_t kPatternCodeEnd = 162;
    if (record.size() < kPatternCodeEnd)
        return FileVerdict::NotMine;
    const auto pattern = ParseTrimmedInteger(Field(record, 151, 6));
    const auto reference = ParseTrimmedInteger(Field(record, 157, 6));
    if (!pattern || (*pattern != 1 && *pattern != 2) || !reference || *reference < 0 || *reference > 3)
        return FileVerdict::NotMine;
    const auto profiles = ParseTrimmedInteger(Field(record, 859, 6));
    return profiles && *profiles > 0 ? FileVerdict::Mine : FileVerdict::Damaged;
}

TDemHeader ReadHeader(std::string_view record)
{
    TDemHeader header;
    header.elevationUnit = static_cast<int>(ParseTrimmedInteger(Field(record, 535, 6)).value_or(0));
    header.profiles = ParseTrimmedInteger(Field(record, 859, 6)).value_or(0);
    const double z = ParseReal(Field(record, 841, 12)).value_or(1);
    header.zResolution = z > 0 ? z : 1;
    // Corners south-west, north-west, north-east, south-east, each x then y.
    const auto southWestY = ParseReal(Field(record, 571, 24));
    const auto southEastY = ParseReal(Field(record, 715, 24));
    const auto yResolution = ParseReal(Field(record, 829, 12));
    if (southWestY && southEastY && yResolution && *yResolution > 0) {
        // Profiles start on whole steps of the resolution inside the corners.
        header.yResolution = *yResolution;
        header.southY = std::ceil(std::min(*southWestY, *southEastY) / *yResolution - 1e-6) * *yResolution;
    }
    return header;
}

// The two integers that open the profile record at `at`, when both are 1.
bool FirstProfileAt(std::span<const std::uint8_t> bytes, std::size_t at)
{
    if (at >= bytes.size())
        return false;
    TByteStreamBuffer buffer(bytes.subspan(at));
    TTextScanner scanner(buffer);
    const auto row = scanner.ReadInteger();
    const auto column = scanner.ReadInteger();
    return row == 1 && column == 1;
}

// Where the profiles begin: after a line break that ends the A record,
// else at the second block, else where the earliest layout put them.
std::size_t DataStart(std::span<const std::uint8_t> bytes, std::size_t headerLength)
{
    if (headerLength < bytes.size() && (bytes[headerLength] == '\r' || bytes[headerLength] == '\n')) {
        std::size_t at = headerLength + 1;
        if (bytes[headerLength] == '\r' && at < bytes.size() && bytes[at] == '\n')
            ++at;
        return at;
    }
    if (!FirstProfileAt(bytes, kBlock) && FirstProfileAt(bytes, kShortHeaderEnd))
        return kShortHeaderEnd;
    return std::min(kBlock, bytes.size());
}

// An elevation in the map's units, or null for a void.
std::int16_t MapHeight(long long raw, double datum, const TDemHeader& header, MapUnits units)
{
    if (raw <= kVoid)
        return kNullHeight;
    double value = datum + static_cast<double>(raw) * header.zResolution;
    if (value < -1000)
        return kNullHeight;
    const bool feet = header.elevationUnit == 1;
    const bool metres = header.elevationUnit == 2;
    if (feet && units == MapUnits::Metric)
        value *= kFeetToMetres;
    else if (metres && units == MapUnits::Imperial)
        value *= kMetresToFeet;
    else if (units == MapUnits::MicroMetric && (feet || metres))
        value *= feet ? kFeetToMetres * 10 : 10;  // tenths of a metre
    return StoredHeight(value);
}

}  // namespace

const TFormatDescription& TUsgsDemFormat::Description() const { return kDescription; }

FileVerdict TUsgsDemFormat::Identify(std::span<const std::uint8_t> head) const
{
    const std::string_view text(reinterpret_cast<const char*>(head.data()), std::min(head.size(), kBlock));
    return JudgeHeader(text.substr(0, text.find_first_of("\r\n")));
}

ImportOutcome TUsgsDemFormat::Read(std::istream& in, TNet& net, const TImportParameters& parameters,
                                   IProgress& progress) const
{
    CheckImportParameters(parameters);
    const auto& options = parameters.digital;
    TExchangeProgress status(progress, kImporting, kDescription.title);
    const auto bytes = ReadAllBytes(in, kMaxFileBytes, msg::DamagedImport);
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const std::string_view record = text.substr(0, std::min(text.find_first_of("\r\n"), kBlock));
    switch (JudgeHeader(record)) {
    case FileVerdict::NotMine:
        throw EInvalidData(msg::ForeignImport);
    case FileVerdict::Damaged:
        throw EInvalidData(msg::DamagedImport);
    case FileVerdict::Mine:
        break;
    }
    const TDemHeader header = ReadHeader(record);
    if (options.overwrite)
        ClearForImport(net, StoredHeight(static_cast<long long>(options.defaultHeight)));

    TByteStreamBuffer buffer{std::span<const std::uint8_t>(bytes).subspan(DataStart(bytes, record.size()))};
    TTextScanner scanner(buffer);
    const int columns = net.MapHeader.Columns;
    const int rows = net.MapHeader.Rows;
    const auto units = static_cast<MapUnits>(net.MapHeader.MapUnits);
    const long long capacity = static_cast<long long>(columns) * rows;
    auto& points = net.Points();
    const int s = options.sample;
    THeightRange range;
    long long placed = 0;
    int mapColumn = 0;
    for (long long p = 1; p <= header.profiles; ++p) {
        const auto rowId = scanner.ReadInteger();
        const auto columnId = scanner.ReadInteger();
        const auto count = scanner.ReadInteger();
        const auto profileColumns = scanner.ReadInteger();
        if (!rowId || !columnId || !count || !profileColumns || *count < 0)
            AbandonImport(net, msg::DamagedImport);
        // Five reals of 24 characters: the first elevation's x and y, the
        // local datum the elevations are measured from, their minimum and
        // maximum.
        const std::string reals = scanner.Take(120);
        const std::string_view realsView(reals);
        const double startY = ParseReal(Field(realsView, 25, 24)).value_or(header.southY);
        const double datum = ParseReal(Field(realsView, 49, 24)).value_or(0);
        // Rows of the profile's first elevation below the northernmost
        // start, counted in whole steps from the grid's southern edge.
        const long long shift =
            header.yResolution > 0
                ? std::llround(std::clamp((startY - header.southY) / header.yResolution, -1e6, 1e6))
                : 0;
        const bool columnKept = p > options.xOffset && p % s == 0;
        mapColumn += columnKept ? 1 : 0;
        for (long long j = 1; j <= *count; ++j) {
            const auto raw = scanner.ReadInteger();
            if (!raw)
                AbandonImport(net, msg::DamagedImport);
            const long long row = j + shift;
            if (!columnKept || row <= options.yOffset || row % s != 0 || placed >= capacity)
                continue;
            const long long mapRow = row / s - options.yOffset / s;
            const auto node = mapColumn <= columns && mapRow <= rows
                                  ? PlaceOnGrid(columns, rows, mapColumn, mapRow, options.originX, options.originY)
                                  : std::nullopt;
            if (!node)
                continue;
            auto& height = points[*node - 1].Height;
            height = MapHeight(*raw, datum, header, units);
            ++placed;
            if (height != kNullHeight)
                range.Note(height);
        }
        if (!status.Tick(p, header.profiles)) {
            net.UpdateSquares();
            return ImportOutcome::Cancelled;
        }
    }
    net.UpdateSquares();
    range.ApplyLiftingZeroTo(net.MapHeader);
    return placed > 0 ? ImportOutcome::Completed : ImportOutcome::NothingStored;
}

}  // namespace tarn
