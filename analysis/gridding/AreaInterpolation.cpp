#include "analysis/gridding/AreaInterpolation.h"

#include "analysis/gridding/GridLibrary.h"
#include "analysis/gridding/GriddingMessages.h"
#include "analysis/gridding/PrivateTempFolder.h"

namespace tarn::gridding {

namespace {

constexpr const char* kCaption = "Interpolation";

void CheckAreaSizeForRun(const TNet& net, const InterpolationArea& area)
{
    CheckAreaOnMap(net, area);
    if (area.columns() * area.rows() < 2)
        throw ETarnError(msg::AreaTooSmall);
}

// The progress window's continue flag: cleared for good by the first
// pump() that reports a cancel.
class ContinueFlag {
public:
    explicit ContinueFlag(IProgress& progress) : progress_(progress) {}
    bool stillSet()
    {
        set_ = set_ && progress_.pump();
        return set_;
    }
    std::int32_t callback() { return stillSet() ? 1 : 0; }

private:
    IProgress& progress_;
    bool set_ = true;
};

void ThrowIfFailed(GridLibrary& library, const char* message)
{
    if (message[0] == '\0')
        return;
    library.DoneGrid();
    throw EAbortInterpolation(message);
}

}  // namespace

InterpolationResult InterpolateThroughLibrary(TNet& net, const InterpolationArea& area, const SplineRun& run,
                                              IProgress& progress)
{
    CheckAreaSizeForRun(net, area);
    const PrivateTempFolder folder;
    const std::string inputFile = folder.file("~in.tmp");
    const std::string outputFile = folder.file("~out.tmp");
    WriteInputFile(net, area, inputFile);

    ContinueFlag flag(progress);
    const ProgressCallback callback = [&flag] { return flag.callback(); };
    progress.setCaptions(kCaption, "Generating parameters");
    progress.pump();
    const OptionsRecordBytes record =
        EncodeOptionsRecord(OptionsRecordFor(net, area, run.options, inputFile, outputFile));

    GridLibrary library;
    char message[kMessageSize] = {};
    library.InitGrid();
    progress.setCaptions(kCaption, "Initializing");
    library.SetOptions(record.data());
    library.ReadData(message);
    ThrowIfFailed(library, message);
    if (run.options.useGradients) {
        progress.setCaptions(kCaption, "Calculating gradients");
        library.Gradient(message, callback);
        ThrowIfFailed(library, message);
    }
    if (flag.stillSet()) {
        progress.setCaptions(kCaption, "Creating grid");
        library.MakeGrid(message, callback);
        ThrowIfFailed(library, message);
    }
    if (!flag.stillSet())
        return {true, std::nullopt};
    progress.setCaptions(kCaption, "Applying results");
    const std::vector<double> values =
        ReadOutputFile(outputFile, static_cast<std::size_t>(area.columns()) * static_cast<std::size_t>(area.rows()));
    return {false, ApplyToNullNodes(net, area, values, run.minHeight)};
}

InterpolationResult InterpolateArea(TNet& net, const InterpolationArea& area, const SplineRun& run,
                                    IProgress& progress)
{
    CheckAreaSizeForRun(net, area);
    const std::vector<KnownNode> known = KnownNodesInArea(net, area);
    const std::optional<HeightGrid> grid = GridHeights(area.columns(), area.rows(), known, run.options, progress);
    if (!grid)
        return {true, std::nullopt};
    return {false, ApplyToNullNodes(net, area, grid->heights, run.minHeight)};
}

}  // namespace tarn::gridding
