#include "exchange/PgmFormat.h"

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
#include <charconv>
#include <vector>

namespace tarn {

namespace {

constexpr std::array<std::string_view, 1> kExtensions{"pgm"};
constexpr TFormatDescription kDescription{
    .name = "pgm",
    .title = "Pixel Greymap",
    .extensions = kExtensions,
    .canRead = true,
    .canWrite = true,
    .target = ImportTarget::NewMap,
    .quietFailures = true,
    .readOptions = TOptionSet::Greymap,
};

constexpr std::size_t kMaxHeaderLine = 4096;
constexpr std::size_t kMaxWord = 32;
constexpr int kHeaderNumbers = 3;  // width, height, largest grey value
// Larger sides are refused by the map's own checks; this only keeps them
// within an int.
constexpr long long kSideLimit = 1'000'000;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// Appends the numbers of one header line, up to its comment; false when a
// word is not a number.
bool LineNumbers(std::string_view line, std::vector<long long>& numbers)
{
    line = line.substr(0, line.find('#'));
    std::size_t at = 0;
    while (true) {
        while (at < line.size() && IsBlank(line[at]))
            ++at;
        if (at == line.size())
            return true;
        std::size_t end = at;
        while (end < line.size() && !IsBlank(line[end]))
            ++end;
        const auto value = ParseTrimmedInteger(line.substr(at, end - at));
        if (!value)
            return false;
        numbers.push_back(*value);
        at = end;
    }
}

// The numbers of the header and any values that share its last line. The
// magic "P2" opens the first line; the second line is passed over when it
// is neither a comment nor numbers, as older exports wrote a plain text
// line there.
std::optional<std::vector<long long>> HeaderNumbers(TTextScanner& scanner)
{
    std::string line;
    if (!scanner.ReadLine(line, kMaxHeaderLine))
        return std::nullopt;
    const auto magic = line.find("P2");
    if (magic == std::string::npos)
        return std::nullopt;
    std::vector<long long> numbers;
    if (!LineNumbers(std::string_view(line).substr(magic + 2), numbers))
        return std::nullopt;
    for (int number = 2; static_cast<int>(numbers.size()) < kHeaderNumbers; ++number) {
        if (!scanner.ReadLine(line, kMaxHeaderLine))
            return std::nullopt;
        const std::string_view text = TrimBlanks(line);
        const bool freeText = number == 2 && !text.empty() && text.front() != '#' &&
                              !(text.front() >= '0' && text.front() <= '9');
        if (!freeText && !LineNumbers(text, numbers))
            return std::nullopt;
    }
    return numbers;
}

}  // namespace

const TFormatDescription& TPgmFormat::Description() const { return kDescription; }

FileVerdict TPgmFormat::Identify(std::span<const std::uint8_t> head) const
{
    const std::string_view text(reinterpret_cast<const char*>(head.data()), head.size());
    if (text.substr(0, 2) != "P2" || (text.size() > 2 && !IsBlank(text[2])))
        return FileVerdict::NotMine;
    TByteStreamBuffer buffer(head);
    TTextScanner scanner(buffer);
    const auto numbers = HeaderNumbers(scanner);
    const bool sensible = numbers && (*numbers)[0] > 0 && (*numbers)[1] > 0 && (*numbers)[2] >= 0;
    return sensible ? FileVerdict::Mine : FileVerdict::Damaged;
}

ImportOutcome TPgmFormat::Read(std::istream& in, TNet& net, const TImportParameters& parameters,
                               IProgress& progress) const
{
    CheckImportParameters(parameters);
    TExchangeProgress status(progress, kImporting, kDescription.title);
    TTextScanner scanner(in);
    const auto numbers = HeaderNumbers(scanner);
    if (!numbers)
        throw EInvalidData(msg::ForeignImport);
    const auto side = [](long long value) { return static_cast<int>(std::clamp(value, 0LL, kSideLimit)); };
    const int width = side((*numbers)[0]);
    const int height = side((*numbers)[1]);
    CreateMap(net, {parameters.greymap.units, width, height, parameters.greymap.spacing}, parameters.palette);

    auto& points = net.Points();
    THeightRange range;
    const auto store = [&](std::size_t index, long long value) {
        points[index].Height = StoredHeight(value);
        range.Note(points[index].Height);
    };
    // Values that shared the header's last line come first.
    std::size_t index = 0;
    for (auto it = numbers->begin() + kHeaderNumbers; it != numbers->end() && index < points.size(); ++it)
        store(index++, *it);
    for (; index < points.size(); ++index) {
        const std::string word = scanner.ReadWord(kMaxWord);
        const auto value = ParseTrimmedInteger(word);
        if (!value)
            AbandonImport(net, msg::DamagedImport);
        store(index, *value);
        if (index % static_cast<std::size_t>(width) == 0 && !status.Tick(static_cast<long long>(index), static_cast<long long>(points.size()))) {
            net.UpdateSquares();
            return ImportOutcome::Cancelled;
        }
    }
    net.UpdateSquares();
    range.ApplyTo(net.MapHeader);
    return ImportOutcome::Completed;
}

void TPgmFormat::Write(const TNet& net, std::ostream& out, const TExportParameters&, IProgress& progress) const
{
    TExchangeProgress status(progress, kExporting, kDescription.title);
    const auto& header = net.MapHeader;
    const int columns = header.Columns;
    const int rows = header.Rows;
    std::string text = "P2";
    text += kLineEnd;
    // A comment, so that other programs read the file too.
    text += "# Exported from Glenmarrowscape";
    text += kLineEnd;
    text += std::to_string(columns) + " " + std::to_string(rows);
    text += kLineEnd;
    text += std::to_string(header.MaxHeight - header.MinHeight + 1000);
    text += kLineEnd;
    char number[16];
    for (int r = 0; r < rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            const TGridPoint* node = net.GetPoint(r * columns + c);
            const int value = (node ? node->Height : kNullHeight) - header.MinHeight;
            text.append(number, std::to_chars(number, number + sizeof number, value).ptr);
            text += ' ';
        }
        text += ' ';
        text += kLineEnd;
        status.Tick(r + 1, rows);
    }
    WriteOrThrow(out, text);
}

}  // namespace tarn
