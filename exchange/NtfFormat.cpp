#include "exchange/NtfFormat.h"

#include "exchange/ExchangeMessages.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/GridPlacement.h"
#include "exchange/NtfRecords.h"
#include "exchange/StreamIO.h"
#include "exchange/TextScanner.h"
#include "model/Errors.h"
#include "model/MapFactory.h"
#include "model/Net.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tarn {

namespace {

constexpr std::array<std::string_view, 1> kExtensions{"ntf"};
constexpr TFormatDescription kDescription{
    .name = "ntf",
    .title = "UK OS NTF Panorama",
    .extensions = kExtensions,
    .canRead = true,
    .canWrite = true,
    .target = ImportTarget::Either,
    .defaultSample = 4,
    .readOptions = TOptionSet::Digital,
};

// The size of a Panorama tile, and its spacing in metres.
constexpr int kTileSide = 401;
constexpr double kTileSpacing = 50;

// Grid header record: the numbers of columns and rows.
constexpr std::string_view kGridHeader = "50";
constexpr std::size_t kColumnsField = 13;
constexpr std::size_t kRowsField = 17;
// Grid record: the offset and scale (in thousandths) of its values, their
// number, then the values of 4 characters each.
constexpr std::string_view kGridRecord = "51";
constexpr std::size_t kValueOffsetField = 56;
constexpr std::size_t kValueScaleField = 66;
constexpr std::size_t kValueCountField = 76;
constexpr std::size_t kFirstValueField = 84;
constexpr std::size_t kValueWidth = 4;
constexpr std::string_view kEndOfVolume = "99";

bool Begins(std::string_view record, std::string_view descriptor) { return record.substr(0, 2) == descriptor; }

// A grid dimension from the grid header, when it holds a sensible one.
int Dimension(std::string_view record, std::size_t field, int otherwise)
{
    const auto value = ParseTrimmedInteger(NtfField(record, field, 4));
    return value && *value >= 1 ? static_cast<int>(*value) : otherwise;
}

// What a grid record's values are multiplied by and added to. Tiles with
// these fields empty or zero hold plain metres.
struct TValueScale {
    double offset = 0;
    double scale = 1;
};
TValueScale ValueScaleOf(std::string_view record)
{
    TValueScale result;
    result.offset = static_cast<double>(ParseTrimmedInteger(NtfField(record, kValueOffsetField, 10)).value_or(0));
    const auto thousandths = ParseTrimmedInteger(NtfField(record, kValueScaleField, 10));
    if (thousandths && *thousandths != 0)
        result.scale = static_cast<double>(*thousandths) * 0.001;
    return result;
}

// A height field: zero-padded, the sign first ("-042") or, as earlier
// writers padded it, after the zeros ("0-42").
std::optional<long long> HeightValue(std::string_view field)
{
    field = TrimBlanks(field);
    const auto sign = field.find('-');
    if (sign != std::string_view::npos && sign > 0 && field.find_first_not_of('0') == sign)
        field.remove_prefix(sign);
    return ParseTrimmedInteger(field);
}

// The header every tile begins with. The attribute descriptions carry two
// backslashes as their field ends, as the tiles have always been written.
constexpr std::array<std::string_view, 42> kTileHeader{
    R"(01ORDNANCE SURVEY                                       50200V \\0%)",
    R"(02GLENMARROWSCAPE     GENERATED           19960122                    000000001%)",
    R"(00                    00000000                    00000000000%)",
    R"(03GRID_ID   010I10  GRID IDENTITY\\          \\          \\          \\  0%)",
    R"(03N_COLUMNS 004I4   NUMBER OF COLUMNS IN DTM\\    \\    \\    \\  0%)",
    R"(03N_ROWS    004I4   NUMBER OF ROWS IN DTM\\    \\    \\    \\  0%)",
    R"(03N_PLANES  004I4   NUMBER OF PLANES IN DTM\\    \\    \\    \\  0%)",
    R"(03COL_START 004I4   FIRST COLUMN IN GRIDREC\\    \\    \\    \\  0%)",
    R"(03COL_END   004I4   LAST COLUMN IN GRIDREC\\    \\    \\    \\  0%)",
    R"(03ROW_START 004I4   FIRST ROW IN GRIDREC\\    \\    \\    \\  0%)",
    R"(03ROW_END   004I4   LAST ROW IN GRIDREC\\    \\    \\    \\  0%)",
    R"(03PLA_START 004I4   FIRST PLANE IN GRIDREC\\    \\    \\    \\  0%)",
    R"(03PLA_END   004I4   LAST PLANE IN GRIDREC\\    \\    \\    \\  0%)",
    R"(03COL_INV   001I1   COLUMN INVERSION (0 = FALSE)\\ \\ \\ \\010%)",
    R"(03ROW_INV   001I1   ROW INVERSION (0 = FALSE)\\ \\ \\ \\010%)",
    R"(03PLA_INV   001I1   PLANE INVERSION (0 = FALSE)\\ \\ \\ \\010%)",
    R"(03ORDER     001I1   DATA ORDER (1 = COL,ROW,PLA)\\ \\ \\ \\170%)",
    R"(03INTERPRET 001I1   GRID DATA TYPE (1 = NUMERIC)\\ \\ \\ \\120%)",
    R"(03V_OFFSET  010I10  GRID VALUE OFFSET\\          \\          \\          \\  0%)",
    R"(03V_SCALE   010R10,3GRID VAL SCALE FACTOR\\0000001000\\          \\          \\  0%)",
    R"(03N_GRIDVAL 008I8   NUMBER OF VALUES IN GRIDREC\\        \\        \\        \\  0%)",
    R"(03GRIDVAL   004I4   HEIGHT VALUE IN METRES\\    \\-100\\4000\\  0%)",
    R"(03SURVEY    007A7   METHOD AND DATE OF SURVEY\\       \\       \\       \\  0%)",
    R"(03CHANGE    007A7   TYPE AND DATE OF CHANGE\\       \\       \\       \\  0%)",
    R"(03X_COORD   010I10  X CORNER VALUE\\          \\          \\          \\  0%)",
    R"(03Y_COORD   010I10  Y CORNER VALUE\\          \\          \\          \\  0%)",
    R"(03Z_COORD   006I6   Z CORNER VALUE\\      \\      \\      \\  0%)",
    R"(0450GRIDHREC  29REC_DESCR cGRID_ID   cN_COLUMNS cN_ROWS    cN_PLANES  c1%)",
    R"(00X_COORD   cY_COORD   cZ_COORD   oX_COORD   cY_COORD   cZ_COORD   o1%)",
    R"(00X_COORD   cY_COORD   cZ_COORD   oX_COORD   cY_COORD   cZ_COORD   o1%)",
    R"(00X_COORD   cY_COORD   cZ_COORD   oX_COORD   cY_COORD   cZ_COORD   o1%)",
    R"(00X_COORD   cY_COORD   cZ_COORD   oX_COORD   cY_COORD   cZ_COORD   o0%)",
    R"(0451GRIDREC   19REC_DESCR cGRID_ID   cSURVEY    cCHANGE    oCOL_START c1%)",
    R"(00COL_END   cROW_START cROW_END   cPLA_START cPLA_END   cCOL_INV   c1%)",
    R"(00ROW_INV   cPLA_INV   cORDER     cINTERPRET cV_OFFSET  oV_SCALE   o1%)",
    R"(00N_GRIDVAL c(GRIDVAL   c)0%)",
    R"(07          21000002000000100000000200000010000000000000000000000000000000001%)",
    R"(00000000000000000000000000020000000002000000000005001996012219960122199601220%)",
    R"(50000000000004010401000100000000000000000000000000000000000000000000000000001%)",
    R"(0000000000000000000000000000000000000000000000000000000%)",
    R"(0000000000000000000000000000000000000000000000000000000%)",
    R"(0000000000000000000000000000000000000000000000000000000%)",
};
constexpr int kValuesPerRecord = 19;

}  // namespace

std::string NtfHeightField(int height)
{
    const int value = height == kNullHeight ? 0 : std::clamp(height, -999, 9999);
    char field[8];
    std::snprintf(field, sizeof field, value < 0 ? "-%03d" : "%04d", value < 0 ? -value : value);
    return field;
}

const TFormatDescription& TNtfFormat::Description() const { return kDescription; }

FileVerdict TNtfFormat::Identify(std::span<const std::uint8_t> head) const
{
    const std::string_view text(reinterpret_cast<const char*>(head.data()), head.size());
    if (text.substr(0, 2) != "01")
        return FileVerdict::NotMine;
    const auto end = text.find_first_of("\r\n");
    if (end == std::string_view::npos && head.size() >= kIdentifyBytes)
        return FileVerdict::Damaged;  // no volume header is that long
    const std::string_view first = TrimBlanks(text.substr(0, end));
    const bool marked = first.size() >= 4 && first.back() == '%' && (first[first.size() - 2] == '0' || first[first.size() - 2] == '1');
    return marked ? FileVerdict::Mine : FileVerdict::Damaged;
}

ImportOutcome TNtfFormat::Read(std::istream& in, TNet& net, const TImportParameters& parameters,
                               IProgress& progress) const
{
    CheckImportParameters(parameters);
    const auto& options = parameters.digital;
    TExchangeProgress status(progress, kImporting, kDescription.title);
    TTextScanner scanner(in);
    TNtfRecordReader records(scanner);
    std::string record;
    if (!records.Next(record) || !Begins(record, "01"))
        throw EInvalidData(msg::ForeignImport);

    // The grid's size from its header, as far as the first grid record.
    int fileColumns = kTileSide;
    int fileRows = kTileSide;
    bool haveGrid = false;
    while (!haveGrid && records.Next(record)) {
        if (Begins(record, kGridHeader)) {
            fileColumns = Dimension(record, kColumnsField, kTileSide);
            fileRows = Dimension(record, kRowsField, kTileSide);
        }
        haveGrid = Begins(record, kGridRecord);
    }
    if (!haveGrid)
        throw EInvalidData(msg::ForeignImport);

    const int s = options.sample;
    if (options.autoSize)
        CreateMap(net, {MapUnits::Metric, (fileColumns - 1) / s + 1, (fileRows - 1) / s + 1, kTileSpacing},
                  parameters.palette);
    if (options.overwrite)
        ClearForImport(net, options.nullDefault ? kNullHeight : StoredHeight(static_cast<long long>(options.defaultHeight)));

    const int columns = net.MapHeader.Columns;
    const int rows = net.MapHeader.Rows;
    auto& points = net.Points();
    THeightRange range;
    int mapColumn = 0;
    for (int i = 1; i <= fileColumns; ++i) {
        const auto count = ParseTrimmedInteger(NtfField(record, kValueCountField, 8));
        if (!count || *count < 0 || *count > fileRows)
            AbandonImport(net, msg::DamagedImport);
        const TValueScale valueScale = ValueScaleOf(record);
        const bool columnKept = i > options.xOffset && (i - 1) % s == 0;
        mapColumn += columnKept ? 1 : 0;
        int mapRow = 0;
        for (int j = 1; j <= *count; ++j) {
            const auto value = HeightValue(NtfField(record, kFirstValueField + (j - 1) * kValueWidth, kValueWidth));
            if (!value)
                AbandonImport(net, msg::DamagedImport);
            if (!columnKept || j <= options.yOffset || (j - 1) % s != 0)
                continue;
            ++mapRow;
            const auto node = mapColumn <= columns && mapRow <= rows
                                  ? PlaceOnGrid(columns, rows, mapColumn, mapRow, options.originX, options.originY)
                                  : std::nullopt;
            if (node) {
                points[*node - 1].Height = StoredHeight(valueScale.offset + valueScale.scale * static_cast<double>(*value));
                range.Note(points[*node - 1].Height);
            }
        }
        if (!status.Tick(i, fileColumns)) {
            net.UpdateSquares();
            return ImportOutcome::Cancelled;
        }
        // The next grid record, passing over records of other kinds. The
        // volume may end early with its end record, but not by running out.
        bool next = false;
        bool ended = false;
        while (!next && !ended) {
            if (!records.Next(record)) {
                if (i < fileColumns)
                    AbandonImport(net, msg::DamagedImport);
                ended = true;
            } else {
                ended = Begins(record, kEndOfVolume);
                next = Begins(record, kGridRecord);
            }
        }
        if (ended)
            break;
    }
    net.UpdateSquares();
    range.ApplyLiftingZeroTo(net.MapHeader);
    return range.Any() ? ImportOutcome::Completed : ImportOutcome::NothingStored;
}

void TNtfFormat::Write(const TNet& net, std::ostream& out, const TExportParameters&, IProgress& progress) const
{
    TExchangeProgress status(progress, kExporting, kDescription.title);
    const int columns = net.MapHeader.Columns;
    const int rows = net.MapHeader.Rows;
    std::string text;
    text.reserve(static_cast<std::size_t>(kTileSide) * 25 * 82 + 4096);
    for (const auto line : kTileHeader) {
        text += line;
        text += kLineEnd;
    }
    char columnNumber[8];
    for (int c = 1; c <= kTileSide; ++c) {
        std::snprintf(columnNumber, sizeof columnNumber, "%04d", c);
        text += "51000000000000000000000000";
        text += columnNumber;
        text += columnNumber;
        text += "000104010001000100011000000000000000010001%";
        text += kLineEnd;
        text += "00000004011%";
        text += kLineEnd;
        for (int r = 1; r <= kTileSide; ++r) {
            if ((r - 1) % kValuesPerRecord == 0)
                text += "00";
            const bool inside = c <= columns && r <= rows;
            const TGridPoint* node = inside ? net.GetPoint(c + columns * (rows - r)) : nullptr;
            text += NtfHeightField(node ? node->Height : 0);
            if (r == kTileSide || r % kValuesPerRecord == 0) {
                text += r == kTileSide ? "0%" : "1%";
                text += kLineEnd;
            }
        }
        status.Tick(c, kTileSide);
    }
    text += "99End Of Transfer Set0%";
    text += kLineEnd;
    WriteOrThrow(out, text);
}

}  // namespace tarn
