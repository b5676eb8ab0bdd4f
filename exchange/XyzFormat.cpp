#include "exchange/XyzFormat.h"

#include "exchange/ExchangeMessages.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/GridPlacement.h"
#include "exchange/StreamIO.h"
#include "exchange/TextScanner.h"
#include "model/Errors.h"
#include "model/MapFactory.h"
#include "model/Net.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <charconv>
#include <cstdio>

namespace tarn {

namespace {

constexpr std::array<std::string_view, 1> kExtensions{"xyz"};
constexpr TFormatDescription kDescription{
    .name = "xyz",
    .title = "Glenmarrowscape x,y,z,attr",
    .extensions = kExtensions,
    .canRead = true,
    .canWrite = true,
    .target = ImportTarget::Either,
    .quietFailures = true,
    .readOptions = TOptionSet::Digital,
};

constexpr std::size_t kMaxLine = 4096;
constexpr std::size_t kMaxAttribute = 8;
constexpr double kSkippedHeight = -1001;
// Coordinates are cut to this before they are made whole numbers.
constexpr double kCoordinateLimit = 1e15;
constexpr std::string_view kFreeLine = "Exported from Glenmarrowscape";
constexpr int kFirstLegendSlot = 8;

// The comma-separated fields of a line; those past the seventh are not
// needed and stay in the seventh.
struct TFields {
    std::array<std::string_view, 7> field;
    std::size_t count = 0;
    std::string_view operator[](std::size_t i) const { return field[i]; }
    std::size_t size() const { return count; }
};

TFields SplitCommas(std::string_view line)
{
    TFields fields;
    for (std::size_t at = 0;;) {
        const auto comma = fields.count + 1 < fields.field.size() ? line.find(',', at) : std::string_view::npos;
        fields.field[fields.count++] = line.substr(at, comma == std::string_view::npos ? std::string_view::npos : comma - at);
        if (comma == std::string_view::npos)
            return fields;
        at = comma + 1;
    }
}

long long Whole(double value) { return static_cast<long long>(std::trunc(std::clamp(value, -kCoordinateLimit, kCoordinateLimit))); }

// What the first line says.
struct TXyzHeader {
    MapUnits units = MapUnits::Metric;
    bool tenths = false;  // heights in the file are metres, the map keeps tenths
    long long x0 = 0, y0 = 0, x1 = 0, y1 = 0, xStep = 0, yStep = 0;
    bool attributes = false;
};

std::optional<MapUnits> UnitsOfLetter(char letter)
{
    switch (letter) {
    case 'I':
    case 'i':
        return MapUnits::Imperial;
    case 'M':
    case 'm':
        return MapUnits::Metric;
    case 'U':
    case 'u':
        return MapUnits::MicroMetric;
    default:
        return std::nullopt;
    }
}

// The header, or the verdict on a line that is none.
FileVerdict ReadHeader(std::string_view line, TXyzHeader& header)
{
    const auto units = line.empty() ? std::nullopt : UnitsOfLetter(line[0]);
    if (!units || line.size() < 2 || line[1] != ',')
        return FileVerdict::NotMine;
    header.units = *units;
    header.tenths = *units == MapUnits::MicroMetric;
    const auto fields = SplitCommas(line.substr(2));
    if (fields.size() < 6)
        return FileVerdict::Damaged;
    long long* targets[6] = {&header.x0, &header.y0, &header.x1, &header.y1, &header.xStep, &header.yStep};
    for (int i = 0; i < 6; ++i) {
        const auto value = ParseReal(fields[i]);
        if (!value)
            return FileVerdict::Damaged;
        *targets[i] = Whole(*value);
    }
    if (header.xStep <= 0 || header.yStep <= 0)
        return FileVerdict::Damaged;
    const auto flag = fields.size() > 6 ? TrimBlanks(fields[6]) : std::string_view{};
    header.attributes = !flag.empty() && (flag[0] == 'A' || flag[0] == 'a');
    return FileVerdict::Mine;
}

// Nodes along one side of a new map: the file's nodes from the offset on,
// every s-th of them.
int SideOf(long long low, long long high, long long step, int offset, int s)
{
    const long long last = (high - low) / step - offset;
    return last < 0 ? 0 : static_cast<int>(std::min(last / s + 1, 1'000'000LL));
}

// The map column or row (0-based) of a file coordinate, when it is kept.
std::optional<long long> GridIndex(long long distance, long long divisor, int offset, int s)
{
    const long long index = distance / divisor - offset;
    if (index % s != 0)
        return std::nullopt;
    return index / s;
}

void AppendInteger(std::string& text, long long value)
{
    char digits[24];
    text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// A height with one decimal: metres from tenths of a metre, or whole
// heights followed by ".0".
void AppendOneDecimal(std::string& text, int height, bool tenths)
{
    if (!tenths) {
        AppendInteger(text, height);
        text += ".0";
        return;
    }
    if (height < 0)
        text += '-';
    const int magnitude = height < 0 ? -height : height;
    AppendInteger(text, magnitude / 10);
    text += '.';
    text += static_cast<char>('0' + magnitude % 10);
}

}  // namespace

std::optional<int> TerrainOfAttribute(std::string_view attribute)
{
    if (attribute.empty())
        return std::nullopt;
    const char first = static_cast<char>(attribute[0] & ~0x20);  // upper case
    if (first >= 'A' && first <= 'I')
        return first - 'A';
    const auto number = ParseTrimmedInteger(attribute);
    if (!number)
        return std::nullopt;
    const long long terrain = *number + 7;
    return terrain >= 0 && terrain < kTerrainSlots ? static_cast<int>(terrain) : 0;
}

std::string AttributeOfTerrain(int terrain)
{
    if (terrain >= kFirstLegendSlot && terrain < kTerrainSlots)
        return std::to_string(terrain - 7);
    return std::string(1, static_cast<char>('A' + (terrain > 0 && terrain < kFirstLegendSlot ? terrain : 0)));
}

const TFormatDescription& TXyzFormat::Description() const { return kDescription; }

FileVerdict TXyzFormat::Identify(std::span<const std::uint8_t> head) const
{
    const std::string_view text(reinterpret_cast<const char*>(head.data()), head.size());
    if (text.size() < 2)
        return FileVerdict::NotMine;
    const auto end = text.find_first_of("\r\n");
    if (end == std::string_view::npos && head.size() >= kIdentifyBytes)
        return UnitsOfLetter(text[0]) && text[1] == ',' ? FileVerdict::Damaged : FileVerdict::NotMine;
    TXyzHeader header;
    return ReadHeader(text.substr(0, end), header);
}

ImportOutcome TXyzFormat::Read(std::istream& in, TNet& net, const TImportParameters& parameters,
                               IProgress& progress) const
{
    CheckImportParameters(parameters);
    const auto& options = parameters.digital;
    TExchangeProgress status(progress, kImporting, kDescription.title);
    const long long size = RemainingBytes(in);
    TTextScanner scanner(in);
    std::string line;
    TXyzHeader header;
    scanner.ReadLine(line, kMaxLine);
    switch (ReadHeader(line, header)) {
    case FileVerdict::NotMine:
        throw EInvalidData(msg::ForeignImport);
    case FileVerdict::Damaged:
        throw EInvalidData(msg::DamagedImport);
    case FileVerdict::Mine:
        break;
    }
    const int s = options.sample;
    if (options.autoSize) {
        const int columns = SideOf(header.x0, header.x1, header.xStep, options.xOffset, s);
        const int rows = SideOf(header.y0, header.y1, header.yStep, options.yOffset, s);
        CreateMap(net, {header.units, columns, rows, static_cast<double>(s * header.xStep)}, parameters.palette);
    }
    // The free line, the legend's length and the legend.
    std::optional<long long> legend;
    if (!scanner.ReadLine(line, kMaxLine) || !scanner.ReadLine(line, kMaxLine) || !(legend = ParseTrimmedInteger(line)))
        throw EInvalidData(msg::DamagedImport);
    for (long long i = 0; i < *legend; ++i)
        if (!scanner.ReadLine(line, kMaxLine) || !ParseTrimmedInteger(SplitCommas(line)[0]))
            throw EInvalidData(msg::DamagedImport);

    if (options.overwrite)
        ClearForImport(net, options.nullDefault ? kNullHeight : StoredHeight(static_cast<long long>(options.defaultHeight)));
    const int columns = net.MapHeader.Columns;
    const int rows = net.MapHeader.Rows;
    const long long divisor = std::max(1, net.MapHeader.Spacing / s);
    auto& points = net.Points();
    auto& squares = net.Squares();
    THeightRange range;
    while (scanner.ReadLine(line, kMaxLine)) {
        if (TrimBlanks(line).empty())
            continue;
        const auto fields = SplitCommas(line);
        const auto x = fields.size() >= 3 ? ParseReal(fields[0]) : std::nullopt;
        const auto y = fields.size() >= 3 ? ParseReal(fields[1]) : std::nullopt;
        const auto z = fields.size() >= 3 ? ParseReal(fields[2]) : std::nullopt;
        if (!x || !y || !z)
            AbandonImport(net, msg::DamagedImport);
        if (*z == kSkippedHeight)
            continue;
        const auto column = GridIndex(Whole(*x) - header.x0, divisor, options.xOffset, s);
        const auto row = GridIndex(Whole(*y) - header.y0, divisor, options.yOffset, s);
        if (!column || !row)
            continue;
        if (*column >= 0 && *column < columns && *row >= 0 && *row < rows)
            if (const auto node = PlaceOnGrid(columns, rows, *column + 1, *row + 1, options.originX, options.originY)) {
                points[*node - 1].Height = StoredHeight(header.tenths ? *z * 10 : *z);
                range.Note(points[*node - 1].Height);
            }
        if (header.attributes && fields.size() >= 4) {
            const std::string_view text = TrimBlanks(fields[3]);
            const auto attribute = text.substr(0, std::min(text.find(' '), kMaxAttribute));
            const auto terrain = attribute.empty() ? std::optional<int>(std::nullopt) : TerrainOfAttribute(attribute);
            if (!attribute.empty() && !terrain)
                AbandonImport(net, msg::DamagedImport);
            const bool onSquare = *column >= 0 && *column < columns - 1 && *row >= 0 && *row < rows - 1;
            if (terrain && onSquare)
                if (const auto square =
                        PlaceOnGrid(columns - 1, rows - 1, *column + 1, *row + 1, options.originX, options.originY))
                    squares[*square - 1].Terrain = static_cast<std::int16_t>(*terrain);
        }
        if (!status.Tick(scanner.Position(), size)) {
            net.UpdateSquares();
            return ImportOutcome::Cancelled;
        }
    }
    net.UpdateSquares();
    range.ApplyLiftingZeroTo(net.MapHeader);
    return range.Any() ? ImportOutcome::Completed : ImportOutcome::NothingStored;
}

void TXyzFormat::Write(const TNet& net, std::ostream& out, const TExportParameters&, IProgress& progress) const
{
    TExchangeProgress status(progress, kExporting, kDescription.title);
    const auto& h = net.MapHeader;
    const int columns = h.Columns;
    const int rows = h.Rows;
    const long long spacing = h.Spacing;
    const auto units = static_cast<MapUnits>(h.MapUnits);
    const char letter = units == MapUnits::Imperial ? 'i' : units == MapUnits::MicroMetric ? 'u' : 'm';
    const bool tenths = units == MapUnits::MicroMetric;

    std::string text;
    text.reserve(static_cast<std::size_t>(columns) * rows * 24 + 1024);
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%c,0,0,%lld,%lld,%lld,%lld,attr", letter, (columns - 1) * spacing,
                  (rows - 1) * spacing, spacing, spacing);
    text += buffer;
    text += kLineEnd;
    text += kFreeLine;
    text += kLineEnd;
    text += std::to_string(kTerrainSlots - kFirstLegendSlot);
    text += kLineEnd;
    for (int slot = kFirstLegendSlot; slot < kTerrainSlots; ++slot) {
        text += std::to_string(slot - 7) + "," + std::to_string(h.TerrainColours[slot]) + "," +
                h.TerrainNames[slot].text();
        text += kLineEnd;
    }
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            const TGridPoint* node = net.GetPoint(c + columns * (rows - r));
            if (!node || node->Height == kNullHeight)
                continue;
            // The square north-east of the node; nodes on the eastern and
            // northern edges have none.
            const TGridSquare* square = c < columns && r < rows ? net.GetSquare(c + (columns - 1) * (rows - r - 1)) : nullptr;
            AppendInteger(text, (c - 1) * spacing);
            text += ',';
            AppendInteger(text, (r - 1) * spacing);
            text += ',';
            AppendOneDecimal(text, node->Height, tenths);
            text += ',';
            text += AttributeOfTerrain(square ? square->Terrain : 0);
            text += kLineEnd;
        }
        status.Tick(r, rows);
    }
    WriteOrThrow(out, text);
}

}  // namespace tarn
