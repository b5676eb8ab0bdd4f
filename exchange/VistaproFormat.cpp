#include "exchange/VistaproFormat.h"

#include "exchange/ExchangeMessages.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/StreamIO.h"
#include "exchange/VistaproRows.h"
#include "model/Errors.h"
#include "model/MapFactory.h"
#include "model/Net.h"

#include <array>

namespace tarn {

namespace {

constexpr std::array<std::string_view, 1> kExtensions{"dem"};
constexpr TFormatDescription kDescription{
    .name = "vistapro",
    .title = "Vistapro DEM",
    .extensions = kExtensions,
    .canRead = true,
    .canWrite = true,
    .target = ImportTarget::NewMap,
};

// The map Vistapro files are made for.
constexpr int kVistaproSpacing = 30;
constexpr TNewMapParameters kVistaproMap{MapUnits::Metric, kVistaproSide, kVistaproSide, kVistaproSpacing};

// The header and every row at the longest length its 16-bit count allows;
// anything after the last row is never looked at.
constexpr std::size_t kLongestFile = kVistaproHeaderBytes + kVistaproSide * (2 + 0xFFFF);

}  // namespace

const TFormatDescription& TVistaproFormat::Description() const { return kDescription; }

FileVerdict TVistaproFormat::Identify(std::span<const std::uint8_t> head) const
{
    if (!HasVistaproTitle(head))
        return FileVerdict::NotMine;
    // A header cut short, or one with no row after it.
    return head.size() < kVistaproHeaderBytes + 2 ? FileVerdict::Damaged : FileVerdict::Mine;
}

ImportOutcome TVistaproFormat::Read(std::istream& in, TNet& net, const TImportParameters& parameters,
                                    IProgress& progress) const
{
    TExchangeProgress status(progress, kImporting, kDescription.title);
    const std::vector<std::uint8_t> bytes = ReadAllBytes(in, kLongestFile, msg::CorruptVistapro);
    if (!HasVistaproTitle(bytes))
        throw EInvalidData(msg::ForeignImport);
    // The whole file is decoded before the map is touched, so a damaged
    // file leaves the open map as it was.
    const TVistaproGrid grid = DecodeVistaproFile(bytes);
    CreateMap(net, kVistaproMap, parameters.palette);
    StoreVistaproGrid(grid, net);
    status.Tick(1, 1);
    return ImportOutcome::Completed;
}

void TVistaproFormat::Write(const TNet& net, std::ostream& out, const TExportParameters&, IProgress& progress) const
{
    TExchangeProgress status(progress, kExporting, kDescription.title);
    WriteOrThrow(out, EncodeVistaproFile(VistaproGridOf(net)));
    status.Tick(1, 1);
}

std::string_view TVistaproFormat::ExportWarning(const TNet& net) const
{
    const bool compatible = net.MapHeader.MapUnits == static_cast<std::int16_t>(MapUnits::Metric) &&
                            net.MapHeader.Spacing == kVistaproSpacing;
    return compatible ? std::string_view() : std::string_view(msg::VistaproIncompatible);
}

}  // namespace tarn
