#pragma once

#include "model/MapFactory.h"

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;

namespace tarn {

class TFloatEdit;

// The "Create New Map" dialog: unit system, grid spacing and grid points,
// with the ground size shown as the user types and two presets.
class TCreateMapDialog : public QDialog {
    Q_OBJECT

public:
    using THelpHandler = std::function<void(int topic)>;

    explicit TCreateMapDialog(QWidget* parent = nullptr, THelpHandler showHelp = {});

    // The dialog's texts as new-map parameters, or nothing when one of them
    // is not a number.
    std::optional<TNewMapParameters> Parameters() const;

    void MapUnitsComboChange();
    void SetDefaultButtonClick();
    void CalculateMapSize();

    QComboBox* MapUnitsCombo;
    QLabel* SpacingLabel;
    TFloatEdit* SpacingMaskEdit;
    TFloatEdit* XMaskEdit;
    TFloatEdit* YMaskEdit;
    QLabel* MapSizeLabel;
    QComboBox* DefaultCombo;

private:
    void ApplySpacingFormat(const QString& label, int digits, double min, double max, double spacing);
    THelpHandler showHelp_;
};

// The New Map dialog's three texts as parameters: the spacing a real, the
// counts whole numbers, each trimmed first; nothing when one does not convert.
std::optional<TNewMapParameters> ParseNewMapTexts(int unitsIndex, const QString& spacing, const QString& columns,
                                                  const QString& rows, QChar decimalSeparator = '.');

}  // namespace tarn
