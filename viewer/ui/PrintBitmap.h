#pragma once

#include <QDialog>
#include <QSize>

class QComboBox;
class QFileDialog;
class QLineEdit;

namespace tarn {

class THelpWindow;

// "Create Print Bitmap": the size of a picture larger than the window and
// the file it is written to. Made once and kept, so it remembers both.
class TPrintBitmapDlg : public QDialog {
    Q_OBJECT

public:
    TPrintBitmapDlg(THelpWindow* help, QWidget* parent = nullptr);

    QSize BitmapSize() const;
    // The file name typed or chosen, in its short form; empty when none.
    QString FileName() const;

    // Refuses an empty file name with a message and stays open.
    void accept() override;

private:
    void GetOverlayClick();

    QComboBox* sizeCombo_;
    QLineEdit* printFile_;
    QFileDialog* saveBmpDialog_;
};

}  // namespace tarn
