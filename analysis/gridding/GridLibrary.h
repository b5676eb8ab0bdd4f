#pragma once

#include "analysis/gridding/Gridding.h"
#include "analysis/gridding/KnownNode.h"
#include "analysis/gridding/OptionsRecord.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tarn::gridding {

// Size of the message buffer of ReadData, Gradient and MakeGrid: a failure
// leaves a text of at most 120 characters and its terminator there.
inline constexpr std::size_t kMessageSize = 121;

// Called now and then during Gradient and MakeGrid; returns 0 when the user
// pressed Cancel (the call then stops at once and leaves the message empty),
// otherwise lets the user interface breathe and returns 1.
using ProgressCallback = std::function<std::int32_t()>;

// The gridding library's six calls, in the order of one run:
//   InitGrid, SetOptions(record), ReadData(message),
//   [Gradient(message, callback) when the record asks for gradients],
//   MakeGrid(message, callback), and DoneGrid after a failure.
// The input file holds the known nodes, the output file receives the grid
// (see GridFiles.h); both are named in the options record. A failing call
// writes its coded message into the buffer and later calls of the run do
// nothing until the next InitGrid.
class GridLibrary {
public:
    void InitGrid();
    // `record` points at the 408 bytes of the options record.
    void SetOptions(const std::uint8_t* record);
    void ReadData(char* message);
    void Gradient(char* message, const ProgressCallback& callback);
    void MakeGrid(char* message, const ProgressCallback& callback);
    void DoneGrid();

private:
    template <typename Step>
    void runStep(char* message, Step step);

    enum class Stage { Idle, Initialised, Configured, DataRead, Failed };
    Stage stage_ = Stage::Idle;
    GridOptionsRecord options_;
    std::vector<KnownNode> known_;
    std::optional<std::vector<NodeSlope>> slopes_;
};

}  // namespace tarn::gridding
