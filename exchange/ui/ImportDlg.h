#pragma once

#include "exchange/FormatDriver.h"
#include "exchange/ui/DialogButtons.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace tarn {

// "Digital Data Import": where in the file to start, whether to make a new
// map sized to the data or load into the open one (and where, and what to
// clear it to), and how often to sample. One instance lives as long as the
// editor, so the values stay from one import to the next.
class TImportForm : public QDialog {
    Q_OBJECT

public:
    explicit TImportForm(QWidget* parent = nullptr, THelpHandler showHelp = {});

    // Readies the dialog for one format: its first sample step, and the
    // load layout alone (auto-size unchecked and disabled) for a format that
    // only loads into the open map; otherwise auto-size is offered again and
    // the layout follows the checked button.
    void Prepare(const TFormatDescription& format);

    TDigitalImportOptions Options() const;

    // Enable and disable the fields as the two buttons do, without changing
    // which one is checked.
    void AutoSize();
    void LoadSize();

private:
    void NullCheckClick();

    QSpinBox* XOffsetSpin;
    QSpinBox* YOffsetSpin;
    QRadioButton* AutoSizeRadio;
    QRadioButton* LoadRadio;
    QLabel* XOriginLabel;
    QSpinBox* XOriginSpin;
    QLabel* YOriginLabel;
    QSpinBox* YOriginSpin;
    QLabel* DefaultLabel;
    QSpinBox* DefaultSpin;
    QCheckBox* OverwriteCheck;
    QCheckBox* NullCheck;
    QSpinBox* SampleSpin;
};

}  // namespace tarn
