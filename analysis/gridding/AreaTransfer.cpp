#include "analysis/gridding/AreaTransfer.h"

#include "analysis/gridding/GriddingMessages.h"
#include "analysis/gridding/NumberText.h"
#include "model/Errors.h"
#include "model/MapHeader.h"

#include <algorithm>
#include <fstream>

namespace tarn::gridding {

namespace {

constexpr int kUnitsPerStep = 10;
// The output of the largest area with generous spacing.
constexpr std::size_t kLargestOutputFile = 64u << 20;

TGridPoint& NodeAt(TNet& net, int column, int row)
{
    return net.Points()[static_cast<std::size_t>(row) * static_cast<std::size_t>(net.MapHeader.Columns) +
                        static_cast<std::size_t>(column)];
}

const TGridPoint& NodeAt(const TNet& net, int column, int row)
{
    return net.Points()[static_cast<std::size_t>(row) * static_cast<std::size_t>(net.MapHeader.Columns) +
                        static_cast<std::size_t>(column)];
}

}  // namespace

void CheckAreaOnMap(const TNet& net, const InterpolationArea& area)
{
    const int columns = net.MapHeader.Columns;
    const int rows = net.MapHeader.Rows;
    if (area.left < 0 || area.top < 0 || area.left > area.right || area.top > area.bottom ||
        area.right >= columns || area.bottom >= rows ||
        net.Points().size() != static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows))
        throw ETarnError(msg::InvalidParameters);
}

std::vector<KnownNode> KnownNodesInArea(const TNet& net, const InterpolationArea& area)
{
    CheckAreaOnMap(net, area);
    std::vector<KnownNode> known;
    for (int row = area.top; row <= area.bottom; ++row)
        for (int column = area.left; column <= area.right; ++column) {
            const std::int16_t height = NodeAt(net, column, row).Height;
            if (height != kNullHeight)
                known.push_back({column - area.left, row - area.top, static_cast<double>(height)});
        }
    return known;
}

std::optional<WrittenRange> ApplyToNullNodes(TNet& net, const InterpolationArea& area,
                                             const std::vector<double>& values, int minHeight)
{
    CheckAreaOnMap(net, area);
    std::optional<WrittenRange> range;
    std::size_t next = 0;
    for (int row = area.top; row <= area.bottom; ++row)
        for (int column = area.left; column <= area.right; ++column) {
            if (next == values.size())
                return range;
            const double value = values[next++];
            TGridPoint& node = NodeAt(net, column, row);
            if (node.Height != kNullHeight)
                continue;
            std::int16_t height = RoundToInt16(value);
            if (height != kNullHeight) {
                range = range ? WrittenRange{std::min<int>(range->lowest, height), std::max<int>(range->highest, height)}
                              : WrittenRange{height, height};
                if (height < minHeight)
                    height = static_cast<std::int16_t>(minHeight);
            }
            node.Height = height;
        }
    return range;
}

void WriteInputFile(const TNet& net, const InterpolationArea& area, const std::filesystem::path& path)
{
    CheckAreaOnMap(net, area);
    const int rows = net.MapHeader.Rows;
    std::string text;
    for (int row = area.bottom; row >= area.top; --row)
        for (int column = area.left; column <= area.right; ++column) {
            const std::int16_t height = NodeAt(net, column, row).Height;
            if (height == kNullHeight)
                continue;
            text += std::to_string(column * kUnitsPerStep) + ' ' + std::to_string((rows - 1 - row) * kUnitsPerStep) +
                    ' ' + std::to_string(height) + '\n';
        }
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    if (!stream.write(text.data(), static_cast<std::streamsize>(text.size())) || !stream.flush())
        throw ETarnError(msg::TemporaryFile);
}

std::vector<double> ReadOutputFile(const std::filesystem::path& path, std::size_t count)
{
    std::vector<double> values;
    const std::optional<std::string> text = ReadTextFile(path, kLargestOutputFile);
    if (!text)
        return values;
    NumberScanner scanner(*text);
    double value = 0;
    while (values.size() < count && scanner.next(value) == NumberScanner::Result::Number)
        values.push_back(value);
    return values;
}

GridOptionsRecord OptionsRecordFor(const TNet& net, const InterpolationArea& area, const GriddingOptions& options,
                                   const std::string& inputFile, const std::string& outputFile)
{
    const int rows = net.MapHeader.Rows;
    GridOptionsRecord record;
    record.inputFile = inputFile;
    record.outputFile = outputFile;
    record.useGradients = options.useGradients;
    record.columns = area.columns();
    record.rows = area.rows();
    record.optimiseForSpeed = options.optimiseForSpeed;
    record.taughtness1 = options.taughtness1;
    record.taughtness2 = options.taughtness2;
    record.xMinimum = area.left * kUnitsPerStep;
    record.yMinimum = (rows - 1 - area.bottom) * kUnitsPerStep;
    record.xMaximum = area.right * kUnitsPerStep;
    record.yMaximum = (rows - 1 - area.top) * kUnitsPerStep;
    record.nullValue = static_cast<int>(kNoHeight);
    record.extrapolate = options.extrapolate;
    return record;
}

}  // namespace tarn::gridding
