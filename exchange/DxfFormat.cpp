#include "exchange/DxfFormat.h"

#include "exchange/ExchangeProgress.h"
#include "exchange/StreamIO.h"
#include "model/Net.h"

#include <array>
#include <charconv>
#include <string>

namespace tarn {

namespace {

constexpr std::array<std::string_view, 1> kExtensions{"dxf"};
constexpr TFormatDescription kDescription{
    .name = "dxf",
    .title = "AutoCAD r12 DXF",
    .extensions = kExtensions,
    .canRead = false,
    .canWrite = true,
};

// World units per foot (Imperial) or per metre of height.
double HeightFactor(const TMapHeader& header)
{
    switch (static_cast<MapUnits>(header.MapUnits)) {
    case MapUnits::Imperial:
        return header.UnitScale / 5280.0;
    case MapUnits::Metric:
        return header.UnitScale * 0.001;
    case MapUnits::MicroMetric:
        break;
    }
    return header.UnitScale * 0.05;
}

void AppendInteger(std::string& text, int value)
{
    char digits[16];
    text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// Right-aligned in 8 characters with 2 decimals, wider when it must be.
void AppendHeight(std::string& text, double value)
{
    char digits[48];
    const auto end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 2).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    if (length < 8)
        text.append(8 - length, ' ');
    text.append(digits, length);
}

// Lines joined with the line end after each.
std::string Lines(std::initializer_list<std::string_view> lines)
{
    std::string text;
    for (const auto line : lines) {
        text += line;
        text += kLineEnd;
    }
    return text;
}

}  // namespace

const TFormatDescription& TDxfFormat::Description() const { return kDescription; }

void TDxfFormat::Write(const TNet& net, std::ostream& out, const TExportParameters&, IProgress& progress) const
{
    TExchangeProgress status(progress, kExporting, kDescription.title);
    const auto& h = net.MapHeader;
    const double factor = HeightFactor(h);
    std::string text = Lines({" 0", "SECTION", " 2", "ENTITIES", " 0", "POLYLINE", " 8", "0", " 66", "     1", " 10",
                              "0", " 20", "0", " 30", "0", " 70", "     16", " 71", "    " + std::to_string(h.Rows),
                              " 72", "    " + std::to_string(h.Columns)});
    // Each vertex: its layer, then x, y and z, then the mesh vertex flag.
    const std::string vertexHead = Lines({" 0", "VERTEX", " 8", "0", " 10"});
    const std::string beforeY = std::string(kLineEnd) + " 20" + std::string(kLineEnd);
    const std::string beforeZ = std::string(kLineEnd) + " 30" + std::string(kLineEnd);
    const std::string vertexTail = std::string(kLineEnd) + Lines({" 70", "    64"});
    const auto& points = net.Points();
    text.reserve(text.size() + points.size() * 80 + 64);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto& point = points[i];
        text += vertexHead;
        AppendInteger(text, point.X + 500);
        text += beforeY;
        AppendInteger(text, point.Y + 500);
        text += beforeZ;
        AppendHeight(text, point.Height * factor);
        text += vertexTail;
        status.Tick(static_cast<long long>(i + 1), static_cast<long long>(points.size()));
    }
    text += Lines({" 0", "SEQEND", " 8", "0", " 0", "ENDSEC", " 0", "EOF"});
    WriteOrThrow(out, text);
}

}  // namespace tarn
