#include "viewer/ui/OverlayPage.h"

#include "viewer/ui/FormKit.h"
#include "viewer/ui/HeaderText.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tarn {

namespace {
constexpr int kLongestOverlayName = 80;
}  // namespace

TOverlayPage::TOverlayPage(QWidget* parent) : TScenePage(parent)
{
    setObjectName("OverlaySheet");
    bitmapDialog_ = MakeOpenFileDialog(this, "OpenBMPDialog", "Open", "Bitmaps (*.bmp)");

    auto* column = new QVBoxLayout(this);
    QGroupBox* group = MakeGroup(this, "Overlay Parameters");
    auto* grid = new QGridLayout(group);
    overlayFile_ = MakeLineEdit(group, "OverlayFile", "Overlay Bitmap");
    overlayFile_->setMaxLength(kLongestOverlayName);
    QPushButton* choose = MakeButton(group, "GetOverlay", "...", "Choose the overlay bitmap");
    choose->setAccessibleName("Choose the overlay bitmap");
    plotOverlay_ = MakeCheck(group, "PlotOverlayCheck", "Overlay Objects");
    grid->addWidget(MakeCaption(group, "Overlay Bitmap", overlayFile_), 0, 0);
    grid->addWidget(overlayFile_, 0, 1);
    grid->addWidget(choose, 0, 2);
    grid->addWidget(plotOverlay_, 1, 0, 1, 3);
    column->addWidget(group);
    column->addStretch();

    connect(choose, &QPushButton::clicked, this, [this] {
        if (bitmapDialog_->exec() == QDialog::Accepted && !bitmapDialog_->selectedFiles().isEmpty())
            overlayFile_->setText(bitmapDialog_->selectedFiles().first());
    });
    // A name typed in is as new a bitmap as one chosen.
    connect(overlayFile_, &QLineEdit::textChanged, this, [this] { overlayChanged_ = true; });
}

void TOverlayPage::Load(const TMapHeader& header)
{
    const QSignalBlocker quiet(overlayFile_);
    overlayFile_->setText(FromHeaderText(header.OverlayFile.text()));
    plotOverlay_->setChecked(header.PlotOverlayObjects == 1);
    overlayChanged_ = false;
}

void TOverlayPage::Store(TMapHeader& header) const
{
    header.OverlayFile.setText(ToHeaderText(OverlayFile().left(kLongestOverlayName)));
    header.PlotOverlayObjects = static_cast<std::int16_t>(plotOverlay_->isChecked() ? 1 : 0);
}

QString TOverlayPage::OverlayFile() const
{
    return overlayFile_->text();
}

}  // namespace tarn
