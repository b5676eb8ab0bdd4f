#include "viewer/ui/PanoParms.h"

#include "controls/HelpWindow.h"
#include "viewer/anim/ShortName.h"
#include "viewer/ui/FormKit.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarn {

namespace {
// The help page on pictures, panoramas and animations.
constexpr int kHelpContext = 21;
}  // namespace

TPanoParmsDlg::TPanoParmsDlg(const QString& panoramaFile, THelpWindow* help, QWidget* parent) : QDialog(parent)
{
    setObjectName("PanoParmsDlg");
    setWindowTitle("Panorama Parameters");
    auto* column = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    panoramaFile_ = MakeLineEdit(this, "PanoramaFile", "panorama file", true);
    panoramaFile_->setToolTip("panorama file");
    panoramaFile_->setText(panoramaFile);
    auto* caption = MakeCaption(this, "Panorama Bitmap", panoramaFile_);
    caption->setObjectName("Label20");
    auto* choose = MakeButton(this, "GetPanoramaFile", "...", "Choose the panorama bitmap");
    row->addWidget(caption);
    row->addWidget(panoramaFile_, 1);
    row->addWidget(choose);
    column->addLayout(row);

    savePanoramaDialog_ =
        MakeSaveFileDialog(this, "SavePanoramaDialog", "Panorama Bitmap", "Bitmap (*.bmp)", "bmp");

    connect(choose, &QPushButton::clicked, this, &TPanoParmsDlg::GetPanoramaFileClick);
    AddOkCancelHelpRow(this, column, [help] {
        if (help)
            help->ShowTopic(kHelpContext);
    });
}

QString TPanoParmsDlg::PanoramaFile() const
{
    return panoramaFile_->text();
}

void TPanoParmsDlg::GetPanoramaFileClick()
{
    if (savePanoramaDialog_->exec() != QDialog::Accepted || savePanoramaDialog_->selectedFiles().isEmpty())
        return;
    const auto chosen = savePanoramaDialog_->selectedFiles().front().toStdString();
    panoramaFile_->setText(QString::fromStdString(ShortFileName(chosen, ProgramFolder().toStdString())));
}

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

}  // namespace tarn
