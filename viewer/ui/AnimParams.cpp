#include "viewer/ui/AnimParams.h"

#include "controls/HelpWindow.h"
#include "viewer/ui/FormKit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarn {

namespace {

constexpr int kHelpContext = 53;
const QSize kFrameSizes[] = {{275, 200}, {320, 240}, {415, 300}, {550, 400}};

}  // namespace

TAnimParams::TAnimParams(THelpWindow* help, QWidget* parent) : QDialog(parent)
{
    setObjectName("AnimParams");
    setWindowTitle("Flight Animation Parameters");
    auto* column = new QVBoxLayout(this);

    auto* fields = new QGridLayout;
    filePattern_ = MakeLineEdit(this, "FilePattern", "BMP file prefix - up to 5 chars");
    filePattern_->setMaxLength(5);
    filePattern_->setToolTip("BMP file prefix - up to 5 chars");
    fields->addWidget(MakeCaption(this, "File prefix", filePattern_), 0, 0);
    fields->addWidget(filePattern_, 0, 1);
    viewAngle_ = MakeSpin(this, "ViewAngle", "Viewing Angle (level flight = 0)", 0, 90);
    fields->addWidget(MakeCaption(this, "Viewing Angle (level flight = 0)", viewAngle_), 1, 0);
    fields->addWidget(viewAngle_, 1, 1);
    column->addLayout(fields);

    auto* sizeGroup = MakeGroup(this, "Frame size");
    auto* sizeColumn = new QVBoxLayout(sizeGroup);
    for (int i = 0; i < 4; ++i) {
        const QString caption = QString("%1 x %2").arg(kFrameSizes[i].width()).arg(kFrameSizes[i].height());
        sizes_[i] = new QRadioButton(caption, sizeGroup);
        sizes_[i]->setObjectName(QString("Size%1").arg(i + 1));
        sizes_[i]->setAccessibleName(caption);
        sizeColumn->addWidget(sizes_[i]);
    }
    sizes_[0]->setChecked(true);
    column->addWidget(sizeGroup);

    antiAlias_ = MakeCheck(this, "AntiAlias", "Perform antialiasing");
    const bool deepColour = screen() && screen()->depth() > 8;
    antiAlias_->setChecked(deepColour);
    antiAlias_->setEnabled(deepColour);
    column->addWidget(antiAlias_);

    AddOkCancelHelpRow(this, column, [help] {
        if (help)
            help->ShowTopic(kHelpContext);
    });
}

QString TAnimParams::Prefix() const
{
    return filePattern_->text();
}

std::optional<QSize> TAnimParams::FrameSize() const
{
    for (int i = 0; i < 4; ++i)
        if (sizes_[i]->isChecked())
            return kFrameSizes[i];
    return std::nullopt;
}

int TAnimParams::ViewAngle() const
{
    return viewAngle_->value();
}

bool TAnimParams::AntiAlias() const
{
    return antiAlias_->isChecked();
}

}  // namespace tarn
