#include "exchange/ui/ImportDlg.h"

#include "exchange/ui/DialogFields.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace tarn {

namespace {

constexpr int kHelpTopic = 25;

}  // namespace

TImportForm::TImportForm(QWidget* parent, THelpHandler showHelp) : QDialog(parent)
{
    setObjectName("ImportForm");
    setWindowTitle("Digital Data Import");
    constexpr int maxOffset = TDigitalImportOptions::kMaxOffset;

    auto* sampleSize = new QGroupBox("Sample Size", this);
    XOffsetSpin = NamedSpin(sampleSize, "XOffsetSpin", "Start from X offset in file", 0, maxOffset, 0);
    YOffsetSpin = NamedSpin(sampleSize, "YOffsetSpin", "Start from Y offset in file", 0, maxOffset, 0);
    auto* sizeForm = new QFormLayout(sampleSize);
    sizeForm->addRow(BuddyLabel(sampleSize, "Start from X offset in file", XOffsetSpin), XOffsetSpin);
    sizeForm->addRow(BuddyLabel(sampleSize, "Start from Y offset in file", YOffsetSpin), YOffsetSpin);

    auto* options = new QGroupBox("Options", this);
    AutoSizeRadio = new QRadioButton("Create auto-sized map", options);
    AutoSizeRadio->setObjectName("AutoSizeRadio");
    AutoSizeRadio->setChecked(true);
    LoadRadio = new QRadioButton("Load into current map", options);
    LoadRadio->setObjectName("LoadRadio");
    XOriginSpin = NamedSpin(options, "XOriginSpin", "Origin X Coordinate", 0, maxOffset, 0);
    YOriginSpin = NamedSpin(options, "YOriginSpin", "Origin Y Coordinate", 0, maxOffset, 0);
    DefaultSpin = NamedSpin(options, "DefaultSpin", "Default height", std::numeric_limits<std::int16_t>::min(),
                       std::numeric_limits<std::int16_t>::max(), 0);
    XOriginLabel = BuddyLabel(options, "Origin X Coordinate", XOriginSpin);
    YOriginLabel = BuddyLabel(options, "Origin Y Coordinate", YOriginSpin);
    DefaultLabel = BuddyLabel(options, "Default height", DefaultSpin);
    OverwriteCheck = new QCheckBox("Overwrite existing data", options);
    OverwriteCheck->setObjectName("OverwriteCheck");
    OverwriteCheck->setChecked(true);
    NullCheck = new QCheckBox("Use Null as default height", options);
    NullCheck->setObjectName("NullCheck");
    NullCheck->setChecked(true);
    auto* optionsForm = new QFormLayout(options);
    optionsForm->addRow(AutoSizeRadio);
    optionsForm->addRow(LoadRadio);
    optionsForm->addRow(XOriginLabel, XOriginSpin);
    optionsForm->addRow(YOriginLabel, YOriginSpin);
    optionsForm->addRow(DefaultLabel, DefaultSpin);
    optionsForm->addRow(OverwriteCheck);
    optionsForm->addRow(NullCheck);

    auto* frequency = new QGroupBox("Sampling Frequency", this);
    SampleSpin = NamedSpin(frequency, "SampleSpin", "Sample at every", 1, TDigitalImportOptions::kMaxSample, 1);
    auto* frequencyRow = new QHBoxLayout(frequency);
    frequencyRow->addWidget(BuddyLabel(frequency, "Sample at every", SampleSpin));
    frequencyRow->addWidget(SampleSpin);
    frequencyRow->addWidget(new QLabel("points", frequency));
    frequencyRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sampleSize);
    layout->addWidget(options);
    layout->addWidget(frequency);
    layout->addWidget(OkCancelHelpButtons(*this, std::move(showHelp), kHelpTopic));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(AutoSizeRadio, &QRadioButton::clicked, this, [this] { AutoSize(); });
    connect(LoadRadio, &QRadioButton::clicked, this, [this] { LoadSize(); });
    connect(NullCheck, &QCheckBox::clicked, this, [this] { NullCheckClick(); });
    AutoSize();
}

void TImportForm::Prepare(const TFormatDescription& format)
{
    SampleSpin->setValue(format.defaultSample);
    const bool loadOnly = format.target == ImportTarget::OpenMap;
    AutoSizeRadio->setEnabled(!loadOnly);
    if (loadOnly)
        LoadRadio->setChecked(true);
    if (LoadRadio->isChecked())
        LoadSize();
    else
        AutoSize();
}

TDigitalImportOptions TImportForm::Options() const
{
    TDigitalImportOptions options;
    options.xOffset = XOffsetSpin->value();
    options.yOffset = YOffsetSpin->value();
    options.autoSize = AutoSizeRadio->isChecked();
    options.originX = XOriginSpin->value();
    options.originY = YOriginSpin->value();
    options.defaultHeight = DefaultSpin->value();
    options.overwrite = OverwriteCheck->isChecked();
    options.nullDefault = NullCheck->isChecked();
    options.sample = SampleSpin->value();
    return options;
}

void TImportForm::AutoSize()
{
    for (QWidget* field : std::initializer_list<QWidget*>{XOriginLabel, XOriginSpin, YOriginLabel, YOriginSpin,
                                                          DefaultLabel, DefaultSpin, OverwriteCheck, NullCheck})
        field->setEnabled(false);
}

void TImportForm::LoadSize()
{
    for (QWidget* field : std::initializer_list<QWidget*>{XOriginLabel, XOriginSpin, YOriginLabel, YOriginSpin,
                                                          DefaultLabel, OverwriteCheck, NullCheck})
        field->setEnabled(true);
    NullCheckClick();
}

void TImportForm::NullCheckClick() { DefaultSpin->setEnabled(!NullCheck->isChecked()); }

}  // namespace tarn
