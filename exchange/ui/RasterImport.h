#pragma once

#include "exchange/FormatParameters.h"
#include "exchange/ui/DialogButtons.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

namespace tarn {

// "Raster Import": which band of a georeferenced raster becomes the map,
// the map's grid (or the largest that fits the map's limit), how pixels are
// resampled to it and the new map's units.
class TRasterImportForm : public QDialog {
    Q_OBJECT

public:
    explicit TRasterImportForm(QWidget* parent = nullptr, THelpHandler showHelp = {});

    TRasterImportOptions Options() const;

private:
    QSpinBox* BandSpin;
    QSpinBox* ColumnsSpin;
    QSpinBox* RowsSpin;
    QComboBox* ResamplingCombo;
    QComboBox* MapUnitsCombo;
};

}  // namespace tarn
