#include "editor/tools/ContourHeightQuestion.h"

#include "editor/DefNet.h"
#include "editor/HeightDlg.h"

namespace tarn {

TContourHeightQuestion AskWithSetHeightDialog(TSetHeightDlg& dialog)
{
    return [&dialog](TDefineNet& net, bool unitsFormat) -> std::optional<std::int16_t> {
        const auto units = static_cast<MapUnits>(net.MapHeader.MapUnits);
        dialog.PrepareForContour(unitsFormat ? std::optional(units) : std::nullopt, net.HeightMemory.LastHeight);
        if (dialog.exec() != TSetHeightDlg::kOkResult)
            return std::nullopt;
        // The typed height goes through the rule every height tool applies,
        // which also remembers it as the last and the default height.
        TGridPoint contour;
        ApplyHeight(contour, units, {THeightAction::SetHeight, 0}, dialog.Height(), net.HeightMemory);
        return contour.Height;
    };
}

}  // namespace tarn
