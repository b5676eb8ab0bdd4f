#pragma once

#include "exchange/FormatParameters.h"
#include "exchange/ui/DialogButtons.h"

#include <QDialog>

class QComboBox;
class QLabel;

namespace tarn {

class TFloatEdit;

// "Pixel Greymap Import": the new map's type and grid spacing. The type
// list starts with no entry chosen, showing "Metric", which is what it
// then stands for.
class TPGMImportForm : public QDialog {
    Q_OBJECT

public:
    explicit TPGMImportForm(QWidget* parent = nullptr, THelpHandler showHelp = {});

    // With no map type chosen the spacing is cut to a whole number.
    TGreymapImportOptions Options() const;

private:
    void MapUnitsComboChange();

    QComboBox* MapUnitsCombo;
    QLabel* SpacingLabel;
    TFloatEdit* SpacingMaskEdit;
};

}  // namespace tarn
