#include "exchange/BmpFormat.h"

#include "exchange/BmpCodec.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/MSBitmap.h"
#include "exchange/StreamIO.h"
#include "model/MapFactory.h"
#include "model/Net.h"

#include <array>
#include <cmath>

namespace tarn {

namespace {

constexpr std::array<std::string_view, 1> kExtensions{"bmp"};
constexpr TFormatDescription kDescription{
    .name = "bmp",
    .title = "BMP picture",
    .extensions = kExtensions,
    .canRead = true,
    .canWrite = true,
    .target = ImportTarget::NewMap,
    .readOptions = TOptionSet::Picture,
};

// Far more than any picture a map can be made of needs.
constexpr std::size_t kMaxFileBytes = 256u * 1024 * 1024;
constexpr double kLargestValue = 16777215.0;

// The pixel's channels as one number, the first channel of the order the
// most significant.
std::uint32_t PixelValue(const TDibPicture::Rgb& p, ChannelOrder order)
{
    const auto join = [](std::uint32_t a, std::uint32_t b, std::uint32_t c) { return a << 16 | b << 8 | c; };
    switch (order) {
    case ChannelOrder::RGB:
        return join(p.red, p.green, p.blue);
    case ChannelOrder::RBG:
        return join(p.red, p.blue, p.green);
    case ChannelOrder::GBR:
        return join(p.green, p.blue, p.red);
    case ChannelOrder::GRB:
        return join(p.green, p.red, p.blue);
    case ChannelOrder::BRG:
        return join(p.blue, p.red, p.green);
    case ChannelOrder::BGR:
        break;
    }
    return join(p.blue, p.green, p.red);
}

}  // namespace

const TFormatDescription& TBmpFormat::Description() const { return kDescription; }

FileVerdict TBmpFormat::Identify(std::span<const std::uint8_t> head) const
{
    if (head.size() < 2 || head[0] != 'B' || head[1] != 'M')
        return FileVerdict::NotMine;
    try {
        ReadBmpSize(head);
        return FileVerdict::Mine;
    } catch (const EInvalidData&) {
        return FileVerdict::Damaged;
    }
}

ImportOutcome TBmpFormat::Read(std::istream& in, TNet& net, const TImportParameters& parameters,
                               IProgress& progress) const
{
    CheckImportParameters(parameters);
    TExchangeProgress status(progress, kImporting, kDescription.title);
    const auto bytes = ReadAllBytes(in, kMaxFileBytes, msg::UnreadablePicture);
    const TPictureSize size = ReadBmpSize(bytes);
    const TNewMapParameters map{MapUnits::Metric, size.width, size.height, parameters.picture.spacing};
    // A picture no map can be made of is refused before it is unpacked.
    CheckNewMapParameters(map);
    const TDibPicture picture = ReadBmpBytes(bytes);
    CreateMap(net, map, parameters.palette);

    const int maximum = parameters.picture.maxHeight;
    auto& points = net.Points();
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const double value = PixelValue(picture.PixelAt(x, y), parameters.picture.order);
            const auto depth = static_cast<int>(std::nearbyint(maximum * value / kLargestValue));
            points[static_cast<std::size_t>(y) * picture.width + x].Height = static_cast<std::int16_t>(maximum - depth);
        }
        if (!status.Tick(y + 1, picture.height)) {
            net.UpdateSquares();
            return ImportOutcome::Cancelled;
        }
    }
    net.UpdateSquares();
    // The heights a picture can give span 0 (white) to the maximum (black).
    net.MapHeader.MinHeight = 0;
    net.MapHeader.MaxHeight = static_cast<std::int16_t>(maximum);
    return ImportOutcome::Completed;
}

void TBmpFormat::Write(const TNet& net, std::ostream& out, const TExportParameters&, IProgress& progress) const
{
    TExchangeProgress status(progress, kExporting, kDescription.title);
    const int columns = net.MapHeader.Columns;
    const int rows = net.MapHeader.Rows;
    TMSBitmap bitmap(columns, rows);
    const double low = net.MapHeader.MinHeight;
    const double span = net.MapHeader.MaxHeight - low;
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            const TGridPoint* node = net.GetPoint(c + columns * (r - 1));
            const double grey = node && span != 0 ? std::trunc((node->Height - low) / span * 255) : -1;
            const bool shown = grey >= 0 && grey <= 255;
            const int g = static_cast<int>(grey);
            bitmap.SetPixel(c - 1, r, shown ? RGB(g, g, g) : kWhite);
        }
        status.Tick(r, rows);
    }
    WriteOrThrow(out, bitmap.Image());
}

}  // namespace tarn
