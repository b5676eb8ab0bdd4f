#include "exchange/AsciiGridFormat.h"

#include "exchange/ExchangeMessages.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/GridPlacement.h"
#include "exchange/StreamIO.h"
#include "exchange/TextScanner.h"
#include "model/Errors.h"
#include "model/Net.h"

#include <array>
#include <charconv>
#include <string>

namespace tarn {

namespace {

constexpr std::array<std::string_view, 1> kExtensions{"txt"};
constexpr TFormatDescription kDescription{
    .name = "ascii",
    .title = "ASCII heights",
    .extensions = kExtensions,
    .canRead = true,
    .canWrite = true,
    .target = ImportTarget::OpenMap,
};

// No integer a height can be read from is longer.
constexpr std::size_t kMaxWord = 32;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

}  // namespace

const TFormatDescription& TAsciiGridFormat::Description() const { return kDescription; }

FileVerdict TAsciiGridFormat::Identify(std::span<const std::uint8_t> head) const
{
    const std::string_view text(reinterpret_cast<const char*>(head.data()), head.size());
    // A word that runs to the end of a full head may be cut short, so it is
    // not judged.
    const bool cut = head.size() >= kIdentifyBytes && !IsSpace(text.back());
    std::size_t at = 0;
    int words = 0;
    while (true) {
        while (at < text.size() && IsSpace(text[at]))
            ++at;
        if (at == text.size())
            break;
        const std::size_t end = std::min(text.find_first_of(" \t\r\n\f\v", at), text.size());
        if (end == text.size() && cut)
            break;
        if (!ParseTrimmedInteger(text.substr(at, end - at)))
            return words == 0 ? FileVerdict::NotMine : FileVerdict::Damaged;
        ++words;
        at = end;
    }
    return words > 0 ? FileVerdict::Mine : FileVerdict::NotMine;
}

ImportOutcome TAsciiGridFormat::Read(std::istream& in, TNet& net, const TImportParameters&,
                                     IProgress& progress) const
{
    TExchangeProgress status(progress, kImporting, kDescription.title);
    const long long size = RemainingBytes(in);
    TTextScanner scanner(in);
    ClearForImport(net, kNullHeight);
    auto& points = net.Points();
    THeightRange range;
    std::size_t index = 0;
    for (std::string word; !(word = scanner.ReadWord(kMaxWord)).empty(); ++index) {
        const auto value = ParseTrimmedInteger(word);
        if (!value)
            AbandonImport(net, msg::ImportValueNotNumber);
        if (index < points.size()) {
            points[index].Height = StoredHeight(*value);
            range.Note(points[index].Height);
        }
        if (!status.Tick(scanner.Position(), size)) {
            net.UpdateSquares();
            return ImportOutcome::Cancelled;
        }
    }
    net.UpdateSquares();
    range.ApplyTo(net.MapHeader);
    return range.Any() ? ImportOutcome::Completed : ImportOutcome::NothingStored;
}

void TAsciiGridFormat::Write(const TNet& net, std::ostream& out, const TExportParameters&,
                             IProgress& progress) const
{
    TExchangeProgress status(progress, kExporting, kDescription.title);
    std::string text;
    text.reserve(net.Points().size() * 6);
    char number[16];
    for (const auto& point : net.Points()) {
        const auto end = std::to_chars(number, number + sizeof number, point.Height).ptr;
        text.append(number, end);
        text.push_back(' ');
    }
    WriteOrThrow(out, text);
}

}  // namespace tarn
