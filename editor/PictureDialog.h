#pragma once

#include <QFileDialog>

class QLabel;

namespace tarn {

// A file dialog for pictures that shows a small preview of the file the
// user points at.
class TPictureOpenDialog : public QFileDialog {
    Q_OBJECT

public:
    TPictureOpenDialog(QWidget* parent, const QString& filter);

    // The preview's picture, empty when the current file is no picture.
    QLabel* Preview() const { return preview_; }

private:
    void ShowPreview(const QString& path);

    QLabel* preview_;
};

}  // namespace tarn
