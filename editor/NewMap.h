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
// with the ground size shown as the user types and two presets. OK (by
// mouse or Enter) checks every field; a value no map can be made from is
// reported with its coded message and the dialog stays open with the focus
// in the field to correct. Nothing typed is ever changed silently.
class TCreateMapDialog : public QDialog {
    Q_OBJECT

public:
    using THelpHandler = std::function<void(int topic)>;

    explicit TCreateMapDialog(QWidget* parent = nullptr, THelpHandler showHelp = {});

    // What OK accepted; nothing before the dialog was closed with OK.
    const std::optional<TNewMapParameters>& Parameters() const { return accepted_; }

    void accept() override;

private:
    void MapUnitsComboChange();
    void SetDefaultButtonClick();
    void CalculateMapSize();
    void ApplySpacingFormat(const QString& label, int digits, double min, double max, double spacing);
    // The parameters the fields stand for, or nothing after reporting the
    // field to correct.
    std::optional<TNewMapParameters> CheckedParameters();
    TFloatEdit* FieldToCorrect(const TNewMapParameters& refused) const;
    void Refuse(const char* message, TFloatEdit* field);

    QComboBox* MapUnitsCombo;
    QLabel* SpacingLabel;
    TFloatEdit* SpacingMaskEdit;
    TFloatEdit* XMaskEdit;
    TFloatEdit* YMaskEdit;
    QLabel* MapSizeLabel;
    QComboBox* DefaultCombo;
    THelpHandler showHelp_;
    std::optional<TNewMapParameters> accepted_;
};

// A spacing text as typed (trimmed, with the edit's decimal separator) and
// a grid point count; nothing when the text is no such number.
std::optional<double> ParseSpacingText(const QString& text, QChar decimalSeparator = '.');
std::optional<int> ParseCountText(const QString& text);

// The New Map dialog's three texts as parameters: the spacing a real, the
// counts whole numbers, each trimmed first; nothing when one does not convert.
std::optional<TNewMapParameters> ParseNewMapTexts(int unitsIndex, const QString& spacing, const QString& columns,
                                                  const QString& rows, QChar decimalSeparator = '.');

}  // namespace tarn
