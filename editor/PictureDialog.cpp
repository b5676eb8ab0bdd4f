#include "editor/PictureDialog.h"

#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace tarn {

namespace {
constexpr int kPreviewSide = 160;
}

TPictureOpenDialog::TPictureOpenDialog(QWidget* parent, const QString& filter)
    : QFileDialog(parent, "Open", {}, filter), preview_(new QLabel(this))
{
    // The preview goes into the dialog's own layout, so the dialog is Qt's.
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    preview_->setObjectName("PicturePreview");
    preview_->setFixedSize(kPreviewSide, kPreviewSide);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(preview_, 0, grid->columnCount(), grid->rowCount(), 1);
    connect(this, &QFileDialog::currentChanged, this, &TPictureOpenDialog::ShowPreview);
}

void TPictureOpenDialog::ShowPreview(const QString& path)
{
    QImageReader reader(path);
    QSize size = reader.size();
    if (!reader.canRead() || size.isEmpty()) {
        preview_->setPixmap({});
        return;
    }
    // Read the picture already scaled down, so a large scan stays cheap.
    reader.setScaledSize(size.scaled(kPreviewSide - 4, kPreviewSide - 4, Qt::KeepAspectRatio));
    preview_->setPixmap(QPixmap::fromImage(reader.read()));
}

}  // namespace tarn
