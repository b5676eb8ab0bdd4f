#include "tools/MapSummary.h"

#include "model/LengthText.h"
#include "model/Net.h"
#include "model/TextCodec.h"
#include "tools/HeightRange.h"

#include <array>

namespace tarn::tool {

namespace {

constexpr std::size_t kLabelsShown = 5;

std::string UnitsName(const TMapHeader& h)
{
    static const char* const kUnits[] = {"Imperial", "Metric", "MicroMetric"};
    return h.MapUnits >= 0 && h.MapUnits <= 2 ? kUnits[h.MapUnits] : "unknown units";
}

// The distance across `nodes` nodes in feet or metres. The spacing field
// holds whole units only, so a MicroMetric map's ground size is taken from
// its extent, in tenths of a metre.
double Across(const TMapHeader& h, int nodes, int extent)
{
    if (h.MapUnits == static_cast<int>(MapUnits::MicroMetric))
        return extent * 0.1;
    return (nodes - 1.0) * h.Spacing;
}

// Feet or metres, to the tenth of a metre on a MicroMetric map.
std::string Distance(const TMapHeader& h, double feetOrMetres)
{
    const bool imperial = h.MapUnits == static_cast<int>(MapUnits::Imperial);
    const bool tenths = h.MapUnits == static_cast<int>(MapUnits::MicroMetric);
    return DecimalText(feetOrMetres, tenths ? 1 : 0) + (imperial ? " ft" : " m");
}

std::string Heights(const TMapHeader& h, const THeightRange& range)
{
    if (!range.any)
        return "none, every node is null";
    // MicroMetric heights are stored in tenths of a metre.
    const double unit = h.MapUnits == static_cast<int>(MapUnits::MicroMetric) ? 0.1 : 1;
    std::string text = Distance(h, range.lowest * unit) + " to " + Distance(h, range.highest * unit);
    if (range.nullNodes > 0)
        text += ", " + std::to_string(range.nullNodes) + " nodes without a height";
    return text;
}

std::string Overlays(const TNet& net)
{
    if (net.Overlays.empty())
        return "none";
    static const char* const kKinds[] = {"ellipses", "lines", "pen strokes", "spots"};
    std::array<int, 4> counts{};
    for (const auto& object : net.Overlays)
        ++counts[static_cast<std::size_t>(object->Kind())];
    std::string kinds;
    for (std::size_t kind = 0; kind < counts.size(); ++kind)
        if (counts[kind] > 0)
            kinds += (kinds.empty() ? "" : ", ") + std::to_string(counts[kind]) + " " + kKinds[kind];
    return std::to_string(net.Overlays.size()) + " (" + kinds + ")";
}

std::string Labels(const TNet& net)
{
    if (net.Labels.empty())
        return "none";
    std::string texts;
    for (std::size_t i = 0; i < net.Labels.size() && i < kLabelsShown; ++i)
        texts += (i == 0 ? "" : ", ") + WindowsWesternToUtf8(net.Labels[i]->Text);
    if (net.Labels.size() > kLabelsShown)
        texts += " and " + std::to_string(net.Labels.size() - kLabelsShown) + " more";
    return std::to_string(net.Labels.size()) + " (" + texts + ")";
}

}  // namespace

std::string MapSummary(const std::filesystem::path& file, const TNet& net)
{
    const auto& h = net.MapHeader;
    const double width = Across(h, h.Columns, h.ExtentX);
    const double depth = Across(h, h.Rows, h.ExtentY);
    const double spacing = h.Columns > 1 ? width / (h.Columns - 1) : 0;
    return file.filename().string() + ": " + UnitsName(h) + " map\n" +
           "  Grid:     " + std::to_string(h.Columns) + " x " + std::to_string(h.Rows) + " nodes, " +
           Distance(h, spacing) + " apart\n" +
           "  Size:     " + Distance(h, width) + " x " + Distance(h, depth) + "\n" +
           "  Heights:  " + Heights(h, HeightRangeOf(net)) + "\n" +
           "  Overlays: " + Overlays(net) + "\n" +
           "  Labels:   " + Labels(net) + "\n";
}

}  // namespace tarn::tool
