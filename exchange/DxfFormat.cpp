#include "exchange/DxfFormat.h"

#include "exchange/ExchangeProgress.h"
#include "exchange/StreamIO.h"
#include "model/Net.h"

#include <array>
#include <cstdio>
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

class TDxfText {
public:
    void Line(std::string_view line)
    {
        text_ += line;
        text_ += kLineEnd;
    }
    template <typename... Texts>
    void Lines(Texts... lines)
    {
        (Line(lines), ...);
    }
    const std::string& Text() const { return text_; }
    void Reserve(std::size_t size) { text_.reserve(size); }

private:
    std::string text_;
};

}  // namespace

const TFormatDescription& TDxfFormat::Description() const { return kDescription; }

void TDxfFormat::Write(const TNet& net, std::ostream& out, const TExportParameters&, IProgress& progress) const
{
    TExchangeProgress status(progress, kExporting, kDescription.title);
    const auto& h = net.MapHeader;
    const double factor = HeightFactor(h);
    TDxfText dxf;
    dxf.Reserve(net.Points().size() * 80 + 512);
    dxf.Lines(" 0", "SECTION", " 2", "ENTITIES");
    dxf.Lines(" 0", "POLYLINE", " 8", "0", " 66", "     1", " 10", "0", " 20", "0", " 30", "0", " 70", "     16");
    dxf.Lines(" 71", "    " + std::to_string(h.Rows), " 72", "    " + std::to_string(h.Columns));
    const auto& points = net.Points();
    char height[32];
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto& point = points[i];
        std::snprintf(height, sizeof height, "%8.2f", point.Height * factor);
        dxf.Lines(" 0", "VERTEX", " 8", "0", " 10", std::to_string(point.X + 500), " 20",
                  std::to_string(point.Y + 500), " 30", height, " 70", "    64");
        status.Tick(static_cast<long long>(i + 1), static_cast<long long>(points.size()));
    }
    dxf.Lines(" 0", "SEQEND", " 8", "0", " 0", "ENDSEC", " 0", "EOF");
    WriteOrThrow(out, dxf.Text());
}

}  // namespace tarn
