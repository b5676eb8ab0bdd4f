#pragma once

#include "exchange/FormatParameters.h"
#include "exchange/ui/DialogButtons.h"

#include <QDialog>

#include <array>

class QRadioButton;
class QSpinBox;

namespace tarn {

// "BMP Import Parameters": the order in which a pixel's channels make its
// value, the height black stands for and the new map's grid spacing.
class TBMPImportForm : public QDialog {
    Q_OBJECT

public:
    explicit TBMPImportForm(QWidget* parent = nullptr, THelpHandler showHelp = {});

    TPictureImportOptions Options() const;

private:
    std::array<QRadioButton*, 6> OrderRadios{};
    QSpinBox* MaxHeightEdit;
    QSpinBox* GridSpacingEdit;
};

}  // namespace tarn
