#include "analysis/gridding/GridLibrary.h"

#include "analysis/gridding/GridFiles.h"
#include "analysis/gridding/GriddingMessages.h"
#include "model/Errors.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace tarn::gridding {

namespace {

// The user interface's callback seen as a progress observer.
class CallbackProgress final : public IProgress {
public:
    explicit CallbackProgress(const ProgressCallback& callback) : callback_(callback) {}
    void setCaptions(std::string_view, std::string_view) override {}
    void setPercent(int) override {}
    void hideProgress() override {}
    bool pump() override { return !callback_ || callback_() != 0; }

private:
    const ProgressCallback& callback_;
};

void PutMessage(char* message, const char* text)
{
    const std::size_t length = std::min(std::strlen(text), kMessageSize - 1);
    std::memcpy(message, text, length);
    message[length] = '\0';
}

GriddingOptions EngineOptions(const GridOptionsRecord& record)
{
    return {record.taughtness1, record.taughtness2, record.useGradients, record.optimiseForSpeed, record.extrapolate};
}

}  // namespace

// Runs one step; a coded failure goes into the message buffer and ends the
// run. Steps after a failure, or out of order, do nothing but say so.
template <typename Step>
void GridLibrary::runStep(char* message, Step step)
{
    if (stage_ == Stage::Failed)
        return;
    try {
        step();
    } catch (const ETarnError& error) {
        stage_ = Stage::Failed;
        PutMessage(message, error.what());
    } catch (const std::bad_alloc&) {
        stage_ = Stage::Failed;
        PutMessage(message, tarn::msg::MemoryAllocation);
    }
}

void GridLibrary::InitGrid()
{
    stage_ = Stage::Initialised;
    options_ = {};
    known_.clear();
    slopes_.reset();
}

void GridLibrary::SetOptions(const std::uint8_t* record)
{
    if (stage_ != Stage::Initialised)
        return;
    options_ = DecodeOptionsRecord(std::span<const std::uint8_t, kOptionsRecordSize>(record, kOptionsRecordSize));
    stage_ = Stage::Configured;
}

void GridLibrary::ReadData(char* message)
{
    runStep(message, [this] {
        if (stage_ != Stage::Configured)
            throw ETarnError(msg::OutOfOrder);
        CheckAreaSize(options_.columns, options_.rows);
        known_ = ReadInputFile(options_.inputFile, options_);
        if (known_.empty())
            throw ETarnError(msg::NoKnownHeights);
        stage_ = Stage::DataRead;
    });
}

void GridLibrary::Gradient(char* message, const ProgressCallback& callback)
{
    runStep(message, [&] {
        if (stage_ != Stage::DataRead)
            throw ETarnError(msg::OutOfOrder);
        CallbackProgress progress(callback);
        slopes_ = CalculateGradients(options_.columns, options_.rows, known_, progress);
    });
}

void GridLibrary::MakeGrid(char* message, const ProgressCallback& callback)
{
    runStep(message, [&] {
        if (stage_ != Stage::DataRead)
            throw ETarnError(msg::OutOfOrder);
        CallbackProgress progress(callback);
        const std::optional<HeightGrid> grid = MakeHeightGrid(options_.columns, options_.rows, known_,
                                                              EngineOptions(options_), slopes_ ? &*slopes_ : nullptr,
                                                              progress);
        if (grid)
            WriteOutputFile(options_.outputFile, *grid);
    });
}

void GridLibrary::DoneGrid()
{
    InitGrid();
    stage_ = Stage::Idle;
}

}  // namespace tarn::gridding
