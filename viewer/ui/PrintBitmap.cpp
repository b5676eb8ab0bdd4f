#include "viewer/ui/PrintBitmap.h"

#include "controls/HelpWindow.h"
#include "controls/Messages.h"
#include "viewer/anim/ShortName.h"
#include "viewer/ui/FormKit.h"
#include "viewer/ui/PanoParms.h"
#include "viewer/ui/ViewerMessages.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarn {

namespace {

constexpr int kHelpContext = 22;
const QSize kBitmapSizes[] = {{800, 600},   {1024, 768},  {1600, 1200}, {2048, 1536}, {2400, 1800},
                              {3072, 2304}, {3200, 2400}, {4096, 3072}, {4000, 3000}, {5120, 3840}};

}  // namespace

TPrintBitmapDlg::TPrintBitmapDlg(THelpWindow* help, QWidget* parent) : QDialog(parent)
{
    setObjectName("PrintBitmapDlg");
    setWindowTitle("Create Print Bitmap");
    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    auto* fields = new QGridLayout;

    sizeCombo_ = new QComboBox(this);
    sizeCombo_->setObjectName("SizeCombo");
    sizeCombo_->setAccessibleName("Bitmap size");
    for (const QSize size : kBitmapSizes)
        sizeCombo_->addItem(QString("%1 x %2.").arg(size.width()).arg(size.height()), size);
    auto* sizeCaption = MakeCaption(this, "Bitmap size", sizeCombo_);
    sizeCaption->setObjectName("Label1");
    fields->addWidget(sizeCaption, 0, 0);
    fields->addWidget(sizeCombo_, 0, 1, 1, 2);

    printFile_ = MakeLineEdit(this, "PrintFile", "Save as");
    printFile_->setToolTip("Bitmap to be overlayed");
    printFile_->setText("print.bmp");
    auto* fileCaption = MakeCaption(this, "Save as", printFile_);
    fileCaption->setObjectName("Label2");
    auto* choose = MakeButton(this, "GetOverlay", "...", "Select overlay bitmap");
    choose->setAccessibleName("Choose the print bitmap file");
    // A narrow button beside a field wide enough for a folder and a name.
    choose->setFixedWidth(choose->sizeHint().height() + 8);
    printFile_->setMinimumWidth(printFile_->fontMetrics().horizontalAdvance('x') * 32);
    fields->addWidget(fileCaption, 1, 0);
    fields->addWidget(printFile_, 1, 1);
    fields->addWidget(choose, 1, 2);
    column->addLayout(fields);

    saveBmpDialog_ = MakeSaveFileDialog(this, "SaveBMPDialog", "Save Print Bitmap", "Bitmap (*.bmp)", "bmp");

    connect(choose, &QPushButton::clicked, this, &TPrintBitmapDlg::GetOverlayClick);
    AddOkCancelHelpRow(this, column, [help] {
        if (help)
            help->ShowTopic(kHelpContext);
    });
}

QSize TPrintBitmapDlg::BitmapSize() const
{
    return sizeCombo_->currentData().toSize();
}

QString TPrintBitmapDlg::FileName() const
{
    const auto typed = printFile_->text().trimmed().toStdString();
    return QString::fromStdString(ShortFileName(typed, ProgramFolder().toStdString()));
}

void TPrintBitmapDlg::accept()
{
    if (FileName().isEmpty()) {
        ShowMessage(msg::NoPrintFile);
        printFile_->setFocus();
        return;
    }
    QDialog::accept();
}

void TPrintBitmapDlg::GetOverlayClick()
{
    if (saveBmpDialog_->exec() != QDialog::Accepted || saveBmpDialog_->selectedFiles().isEmpty())
        return;
    const auto chosen = saveBmpDialog_->selectedFiles().front().toStdString();
    printFile_->setText(QString::fromStdString(ShortFileName(chosen, ProgramFolder().toStdString())));
}

}  // namespace tarn
