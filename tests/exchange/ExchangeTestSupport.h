#pragma once

#include "exchange/FormatDriver.h"
#include "model/Errors.h"
#include "model/MapFactory.h"
#include "model/Net.h"
#include "model/Progress.h"
#include "model/TerrainSlots.h"

#include <chrono>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tarn::test {

// A map as CreateMap makes one, but of any size, so that the smallest
// grids of the format rules can be tried.
inline void MakeGrid(TNet& net, int columns, int rows, MapUnits units = MapUnits::Metric, int spacing = 10)
{
    net.Clear();
    auto& h = net.MapHeader;
    h.MapUnits = static_cast<std::int16_t>(units);
    h.Spacing = static_cast<std::int16_t>(spacing);
    h.MinHeight = 0;
    h.MaxHeight = 1000;
    const double perLargeUnit = units == MapUnits::Imperial ? 1.0 / 5280 : units == MapUnits::Metric ? 0.001 : 1;
    h.ExtentX = RoundToInt16((columns - 1) * spacing * 10 * perLargeUnit);
    h.ExtentY = RoundToInt16((rows - 1) * spacing * 10 * perLargeUnit);
    h.Columns = static_cast<std::int16_t>(columns);
    h.Rows = static_cast<std::int16_t>(rows);
    net.ComputeMapScale();
    net.ComputeWorldSize();
    net.BuildSquares(rows, columns);
    net.BuildPoints(rows, columns, -h.WorldWidth / 2, h.WorldWidth / 2, -h.WorldHeight / 2, h.WorldHeight / 2);
    ApplyNewMapValues(h);
    ApplyTerrainPalette(h, DefaultTerrainPalette());
}

// The height of the node in column c and row r counted from the south.
inline int HeightAt(const TNet& net, int c, int r)
{
    const auto* point = net.GetPoint(c + net.MapHeader.Columns * (net.MapHeader.Rows - r));
    return point ? point->Height : -99999;
}
inline void SetHeightAt(TNet& net, int c, int r, int height)
{
    net.GetPoint(c + net.MapHeader.Columns * (net.MapHeader.Rows - r))->Height = static_cast<std::int16_t>(height);
}

inline ImportOutcome ReadText(const TFormatDriver& format, std::string_view text, TNet& net,
                              const TImportParameters& parameters = {})
{
    std::istringstream in{std::string(text), std::ios::binary};
    NullProgress quiet;
    return format.Read(in, net, parameters, quiet);
}

inline std::string WriteText(const TFormatDriver& format, const TNet& net)
{
    std::ostringstream out(std::ios::binary);
    NullProgress quiet;
    format.Write(net, out, {}, quiet);
    return std::move(out).str();
}

inline FileVerdict IdentifyText(const TFormatDriver& format, std::string_view text)
{
    return format.Identify({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

// The coded message a reading ended with, or "" when it threw nothing.
inline std::string ReadError(const TFormatDriver& format, std::string_view text, TNet& net,
                             const TImportParameters& parameters = {})
{
    try {
        ReadText(format, text, net, parameters);
    } catch (const ETarnError& error) {
        return error.what();
    }
    return {};
}

// Splits a text file into its lines, without their ends.
inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// Asks to stop at the first pump; each percentage takes a little time, so
// a long enough read reaches a pump whatever the machine's speed.
class StoppingProgress final : public IProgress {
public:
    void setCaptions(std::string_view operation, std::string_view step) override
    {
        captions.push_back(std::string(operation) + "|" + std::string(step));
    }
    void setPercent(int) override { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }
    void hideProgress() override { ++hidden; }
    bool pump() override { return false; }

    std::vector<std::string> captions;
    int hidden = 0;
};

inline ImportOutcome ReadStopping(const TFormatDriver& format, std::string_view text, TNet& net,
                                  StoppingProgress& progress, const TImportParameters& parameters = {})
{
    std::istringstream in{std::string(text), std::ios::binary};
    return format.Read(in, net, parameters, progress);
}

}  // namespace tarn::test
