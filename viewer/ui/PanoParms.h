#pragma once

#include <QDialog>

class QFileDialog;
class QLineEdit;

namespace tarn {

class THelpWindow;

// "Panorama Parameters": the bitmap a panorama is written to, chosen with a
// save dialog and shown in its short form.
class TPanoParmsDlg : public QDialog {
    Q_OBJECT

public:
    TPanoParmsDlg(const QString& panoramaFile, THelpWindow* help, QWidget* parent = nullptr);

    QString PanoramaFile() const;

private:
    void GetPanoramaFileClick();

    QLineEdit* panoramaFile_;
    QFileDialog* savePanoramaDialog_;
};

// The folder the program was started from, as ShortFileName compares it.
QString ProgramFolder();

}  // namespace tarn
