#include "editor/FractalParameters.h"

#include "controls/Chart.h"
#include "controls/GradImage.h"
#include "controls/GradientEditor.h"
#include "controls/Hemisphere.h"
#include "exchange/ui/DialogButtons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarn {

namespace {

constexpr int kHelpTopic = 36;
constexpr int kStartAltitude = 45;
constexpr int kStartAzimuth = 90;
const QStringList kRoughnessNames{"High", "Medium", "Low", "None"};
constexpr int kNoneIndex = 3;

QComboBox* RoughnessList(QWidget* parent, const char* name, const char* caption, const char* hint)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(kRoughnessNames);
    list->setCurrentIndex(kNoneIndex);
    list->setToolTip(hint);
    list->setAccessibleName(caption);
    return list;
}

QSpinBox* AngleSpin(QWidget* parent, const char* name, const char* caption, int highest, int value)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(0, highest);
    spin->setValue(value);
    spin->setAccessibleName(caption);
    return spin;
}

// High, Medium and Low are codes 1 to 3; anything else is None.
fractal::TRoughness RoughnessOf(const QComboBox& list)
{
    const int index = list.currentIndex();
    return index >= 0 && index < kNoneIndex ? static_cast<fractal::TRoughness>(index + 1)
                                            : fractal::TRoughness::None;
}

QPushButton* Button(QWidget* parent, const char* caption, const char* name)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TFractalParametersForm::TFractalParametersForm(QWidget* parent, THelpHandler showHelp)
    : QDialog(parent), showHelp_(std::move(showHelp))
{
    setObjectName("FractalParametersForm");
    setWindowTitle("Fractal Overlay");
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildGradientGroup(), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildLightGroup());
    right->addWidget(BuildFractalGroup());
    right->addStretch(1);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(BuildButtons());

    saveDialog_ = new QFileDialog(this, "Generated Bitmap", {}, "Bitmap (*.bmp)");
    saveDialog_->setObjectName("SaveInternalDialog");
    saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
    saveDialog_->setDefaultSuffix("bmp");
}

QWidget* TFractalParametersForm::BuildGradientGroup()
{
    auto* group = new QGroupBox("Gradient Parameters", this);
    group->setObjectName("GradientGroup");
    auto* row = new QHBoxLayout(group);
    gradient_ = new TGradientEditor(group);
    // Tall enough for the curves' scale to show its numbers.
    gradient_->GradientGraph()->setMinimumSize(320, 260);
    row->addWidget(gradient_, 1);
    // The preview stands beside the editor at the height of its curves.
    gradient_->layout()->removeWidget(gradient_->GradImage());
    gradient_->GradImage()->setParent(group);
    gradient_->GradImage()->setAccessibleName("Gradient preview");
    row->addWidget(gradient_->GradImage());
    return group;
}

QWidget* TFractalParametersForm::BuildLightGroup()
{
    auto* group = new QGroupBox("Light Source", this);
    group->setObjectName("LightGroup");
    auto* form = new QFormLayout;
    lightAlt_ = AngleSpin(group, "LightAlt", "Altitude", 90, kStartAltitude);
    lightAz_ = AngleSpin(group, "LightAz", "Azimuth", 355, kStartAzimuth);
    form->addRow("Altitude", lightAlt_);
    form->addRow("Azimuth", lightAz_);
    hemisphere_ = new THemisphere(group);
    hemisphere_->setObjectName("LightHemisphere");
    hemisphere_->setAccessibleName("Light direction");
    hemisphere_->setFixedSize(80, 120);
    hemisphere_->SetAltitude(kStartAltitude);
    hemisphere_->SetAzimuth(kStartAzimuth);
    auto* row = new QHBoxLayout(group);
    row->addLayout(form);
    row->addWidget(hemisphere_);

    connect(lightAlt_, &QSpinBox::valueChanged, hemisphere_, &THemisphere::SetAltitude);
    connect(lightAz_, &QSpinBox::valueChanged, hemisphere_, &THemisphere::SetAzimuth);
    connect(hemisphere_, &THemisphere::AltChange, this, [this](int altitude) {
        const QSignalBlocker quiet(lightAlt_);
        lightAlt_->setValue(altitude);
    });
    connect(hemisphere_, &THemisphere::AzChange, this, [this](int azimuth) {
        const QSignalBlocker quiet(lightAz_);
        lightAz_->setValue(azimuth);
    });
    return group;
}

QWidget* TFractalParametersForm::BuildFractalGroup()
{
    auto* group = new QGroupBox("Fractalization", this);
    group->setObjectName("FractalGroup");
    auto* form = new QFormLayout(group);
    level_ = RoughnessList(group, "FractalLevel", "Fractal Level", "Fractalization level for internal overlay");
    density_ =
        RoughnessList(group, "FractalDensity", "Fractal Density", "Fractalization density for internal overlay");
    form->addRow("Fractal Level", level_);
    form->addRow("Fractal Density", density_);

    internalFile_ = new QLineEdit(group);
    internalFile_->setObjectName("InternalFile");
    internalFile_->setReadOnly(true);
    internalFile_->setAccessibleName("Generated Bitmap");
    internalFile_->setMinimumWidth(160);
    QPushButton* choose = Button(group, "...", "GetInternal");
    choose->setFixedWidth(32);
    choose->setAccessibleName("Choose the generated bitmap");
    choose->setToolTip("Choose the generated bitmap");
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(internalFile_, 1);
    fileRow->addWidget(choose);
    form->addRow("Generated Bitmap", fileRow);
    connect(choose, &QPushButton::clicked, this, &TFractalParametersForm::GetInternalClick);
    return group;
}

QWidget* TFractalParametersForm::BuildButtons()
{
    return OkCancelHelpButtons(*this, showHelp_, kHelpTopic);
}

void TFractalParametersForm::Prepare(const TGradient& gradient, int lightAltitude, int lightAzimuth)
{
    gradient_->Load(gradient);
    hemisphere_->SetAltitude(lightAltitude);
    hemisphere_->SetAzimuth(lightAzimuth);
    level_->setCurrentIndex(kNoneIndex);
    density_->setCurrentIndex(kNoneIndex);
}

void TFractalParametersForm::GetInternalClick()
{
    if (!internalFile_->text().isEmpty())
        saveDialog_->selectFile(internalFile_->text());
    if (saveDialog_->exec() == QDialog::Accepted && !saveDialog_->selectedFiles().isEmpty())
        internalFile_->setText(saveDialog_->selectedFiles().first());
}

const TGradient& TFractalParametersForm::Gradient() const
{
    return gradient_->Gradient();
}

int TFractalParametersForm::LightAltitude() const
{
    return hemisphere_->Altitude();
}

int TFractalParametersForm::LightAzimuth() const
{
    return hemisphere_->Azimuth();
}

fractal::TRoughness TFractalParametersForm::Level() const
{
    return RoughnessOf(*level_);
}

fractal::TRoughness TFractalParametersForm::Density() const
{
    return RoughnessOf(*density_);
}

QString TFractalParametersForm::InternalFile() const
{
    return internalFile_->text();
}

}  // namespace tarn
