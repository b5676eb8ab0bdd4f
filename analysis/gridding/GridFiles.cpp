#include "analysis/gridding/GridFiles.h"

#include "analysis/gridding/GriddingMessages.h"
#include "analysis/gridding/NumberText.h"
#include "model/Errors.h"

#include <cmath>
#include <fstream>

namespace tarn::gridding {

namespace {

constexpr double kUnitsPerStep = 10;
// An input line takes at least 6 bytes ("0 0 0\n"); a file may hold each
// node of the largest area a few times over, no more.
constexpr std::size_t kLargestInputFile = 64u << 20;

}  // namespace

std::vector<KnownNode> ReadInputFile(const std::filesystem::path& path, const GridOptionsRecord& options)
{
    const std::optional<std::string> text = ReadTextFile(path, kLargestInputFile);
    if (!text)
        throw ETarnError(msg::ReadingInput);
    NumberScanner scanner(*text);
    std::vector<KnownNode> known;
    for (;;) {
        double point[3];
        for (std::size_t i = 0; i < 3; ++i) {
            const NumberScanner::Result result = scanner.next(point[i]);
            if (result == NumberScanner::Result::End && i == 0)
                return known;
            if (result != NumberScanner::Result::Number)
                throw ETarnError(msg::ReadingInput);
        }
        const double column = std::nearbyint((point[0] - options.xMinimum) / kUnitsPerStep);
        const double row = std::nearbyint((options.yMaximum - point[1]) / kUnitsPerStep);
        if (column >= 0 && column < options.columns && row >= 0 && row < options.rows)
            known.push_back({static_cast<int>(column), static_cast<int>(row), point[2]});
    }
}

void WriteOutputFile(const std::filesystem::path& path, const HeightGrid& grid)
{
    std::string text;
    text.reserve(grid.heights.size() * 13);
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
            if (column > 0)
                text += ' ';
            AppendFixed(text, grid.at(column, row), 12, 4);
        }
        text += '\n';
    }
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    if (!stream.write(text.data(), static_cast<std::streamsize>(text.size())) || !stream.flush())
        throw ETarnError(msg::WritingOutput);
}

}  // namespace tarn::gridding
