#include "editor/NewMap.h"

#include "controls/FlEdit.h"
#include "controls/Messages.h"
#include "editor/MapSizeText.h"
#include "model/Errors.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <cmath>

namespace tarn {

namespace {

struct TUnitFormat {
    const char* label;
    int digits;
    double min;
    double max;
    double spacing;
};

constexpr std::array<TUnitFormat, 3> kUnitFormats{{
    {"GridPointSpacing (Feet)", 0, 1, 9999, 600},
    {"GridPointSpacing (Metres)", 0, 1, 9999, 200},
    {"GridPointSpacing (Metres)", 1, 0.1, 999.9, 10},
}};

struct TPreset {
    const char* name;
    double spacing;
    int points;
};

constexpr std::array<TPreset, 2> kPresets{{{"Vistapro DEM", 30, 258}, {"UK OS Panorama NTF", 50, 401}}};
constexpr int kStartPoints = 51;

TFloatEdit* CountEdit(QWidget* parent, const char* name)
{
    auto* edit = new TFloatEdit(parent);
    edit->setObjectName(name);
    edit->SetDigits(0);
    edit->SetMax(99999);
    edit->SetMin(21);
    edit->SetValue(21);
    // OK checks the counts together; a half-typed count stays as it is.
    edit->SetCheckOnLeave(false);
    return edit;
}

}  // namespace

std::optional<double> ParseSpacingText(const QString& text, QChar decimalSeparator)
{
    QString plain = text.trimmed();
    plain.replace(decimalSeparator, '.');
    bool ok = false;
    const double spacing = plain.toDouble(&ok);
    if (!ok || !std::isfinite(spacing))
        return std::nullopt;
    return spacing;
}

std::optional<int> ParseCountText(const QString& text)
{
    bool ok = false;
    const int count = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return count;
}

std::optional<TNewMapParameters> ParseNewMapTexts(int unitsIndex, const QString& spacing, const QString& columns,
                                                  const QString& rows, QChar decimalSeparator)
{
    const auto spacingValue = ParseSpacingText(spacing, decimalSeparator);
    const auto columnCount = ParseCountText(columns);
    const auto rowCount = ParseCountText(rows);
    if (!spacingValue || !columnCount || !rowCount || unitsIndex < 0 || unitsIndex > 2)
        return std::nullopt;
    return TNewMapParameters{static_cast<MapUnits>(unitsIndex), *columnCount, *rowCount, *spacingValue};
}

TCreateMapDialog::TCreateMapDialog(QWidget* parent, THelpHandler showHelp)
    : QDialog(parent), showHelp_(std::move(showHelp))
{
    setObjectName("CreateMapDialog");
    setWindowTitle("Create New Map");
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);

    auto* sizeGroup = new QGroupBox("Map Size Definition", this);
    MapUnitsCombo = new QComboBox(sizeGroup);
    MapUnitsCombo->setObjectName("MapUnitsCombo");
    MapUnitsCombo->addItems({"Imperial", "Metric", "MicroMetric"});
    SpacingLabel = new QLabel("Grid point spacing: ", sizeGroup);
    SpacingLabel->setObjectName("SpacingLabel");
    SpacingMaskEdit = new TFloatEdit(sizeGroup);
    SpacingMaskEdit->setObjectName("SpacingMaskEdit");
    SpacingMaskEdit->setText("1.0");
    SpacingMaskEdit->SetCheckOnLeave(false);
    SpacingLabel->setBuddy(SpacingMaskEdit);
    XMaskEdit = CountEdit(sizeGroup, "XMaskEdit");
    YMaskEdit = CountEdit(sizeGroup, "YMaskEdit");
    MapSizeLabel = new QLabel("MapSize: 999km x 999km", sizeGroup);
    MapSizeLabel->setObjectName("MapSizeLabel");
    MapSizeLabel->setMinimumWidth(220);
    auto* sizeForm = new QFormLayout(sizeGroup);
    sizeForm->addRow("Map type", MapUnitsCombo);
    sizeForm->addRow(SpacingLabel, SpacingMaskEdit);
    sizeForm->addRow("Grid points (x axis):", XMaskEdit);
    sizeForm->addRow("Grid points (y axis):", YMaskEdit);
    sizeForm->addRow(MapSizeLabel);

    auto* defaultsGroup = new QGroupBox("Defaults", this);
    DefaultCombo = new QComboBox(defaultsGroup);
    DefaultCombo->setObjectName("DefaultCombo");
    DefaultCombo->setAccessibleName("Defaults");
    for (const TPreset& preset : kPresets)
        DefaultCombo->addItem(preset.name);
    auto* setDefault = new QPushButton("Set Default", defaultsGroup);
    setDefault->setObjectName("SetDefaultButton");
    auto* defaultsRow = new QHBoxLayout(defaultsGroup);
    defaultsRow->addWidget(DefaultCombo, 1);
    defaultsRow->addWidget(setDefault);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole)->setObjectName("CancelButton");
    auto* help = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
    help->setObjectName("Button3");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sizeGroup);
    layout->addWidget(defaultsGroup);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(MapUnitsCombo, &QComboBox::activated, this, [this] { MapUnitsComboChange(); });
    connect(setDefault, &QPushButton::clicked, this, [this] { SetDefaultButtonClick(); });
    for (TFloatEdit* edit : {SpacingMaskEdit, XMaskEdit, YMaskEdit})
        connect(edit, &QLineEdit::textChanged, this, [this] { CalculateMapSize(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &TCreateMapDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (showHelp_)
            showHelp_(10);
    });

    MapUnitsCombo->setCurrentIndex(static_cast<int>(MapUnits::Metric));
    MapUnitsComboChange();
    DefaultCombo->setCurrentIndex(0);
}

void TCreateMapDialog::ApplySpacingFormat(const QString& label, int digits, double min, double max, double spacing)
{
    SpacingLabel->setText(label);
    SpacingMaskEdit->SetDigits(digits);
    SpacingMaskEdit->SetMax(max);
    SpacingMaskEdit->SetMin(min);
    SpacingMaskEdit->SetValue(spacing);
}

void TCreateMapDialog::MapUnitsComboChange()
{
    const int index = std::clamp(MapUnitsCombo->currentIndex(), 0, 2);
    const TUnitFormat& format = kUnitFormats[static_cast<std::size_t>(index)];
    ApplySpacingFormat(format.label, format.digits, format.min, format.max, format.spacing);
    XMaskEdit->SetValue(kStartPoints);
    YMaskEdit->SetValue(kStartPoints);
}

void TCreateMapDialog::SetDefaultButtonClick()
{
    const int index = DefaultCombo->currentIndex();
    if (index >= 0 && index < static_cast<int>(kPresets.size())) {
        const TPreset& preset = kPresets[static_cast<std::size_t>(index)];
        MapUnitsCombo->setCurrentIndex(static_cast<int>(MapUnits::Metric));
        ApplySpacingFormat("GridPointSpacing (Metres)", 0, 1, 9999, preset.spacing);
        XMaskEdit->SetValue(preset.points);
        YMaskEdit->SetValue(preset.points);
    }
    CalculateMapSize();
}

void TCreateMapDialog::CalculateMapSize()
{
    const auto number = [](const TFloatEdit* edit) { return edit->Parse(edit->text().trimmed()).value_or(0.0); };
    const auto units = static_cast<MapUnits>(std::clamp(MapUnitsCombo->currentIndex(), 0, 2));
    MapSizeLabel->setText(MapSizeCaption(units, number(XMaskEdit), number(YMaskEdit), number(SpacingMaskEdit)));
}

void TCreateMapDialog::accept()
{
    accepted_ = CheckedParameters();
    if (accepted_)
        QDialog::accept();
}

std::optional<TNewMapParameters> TCreateMapDialog::CheckedParameters()
{
    const auto spacing = ParseSpacingText(SpacingMaskEdit->text(), SpacingMaskEdit->DecimalSeparator());
    if (!spacing || *spacing < SpacingMaskEdit->Min() || *spacing > SpacingMaskEdit->Max()) {
        Refuse(msg::InvalidMapSize, SpacingMaskEdit);
        return std::nullopt;
    }
    const auto columns = ParseCountText(XMaskEdit->text());
    const auto rows = ParseCountText(YMaskEdit->text());
    if (!columns || !rows) {
        Refuse(msg::InvalidMapSize, columns ? YMaskEdit : XMaskEdit);
        return std::nullopt;
    }
    const TNewMapParameters parameters{static_cast<MapUnits>(std::clamp(MapUnitsCombo->currentIndex(), 0, 2)),
                                       *columns, *rows, *spacing};
    try {
        CheckNewMapParameters(parameters);
    } catch (const ETarnError& error) {
        Refuse(error.what(), FieldToCorrect(parameters));
        return std::nullopt;
    }
    return parameters;
}

TFloatEdit* TCreateMapDialog::FieldToCorrect(const TNewMapParameters& parameters) const
{
    // Too many points, or a side the file cannot hold: the larger count is
    // the one to cut. Too few: the smaller one to raise. Else the spacing.
    TFloatEdit* larger = parameters.rows > parameters.columns ? YMaskEdit : XMaskEdit;
    TFloatEdit* smaller = parameters.rows < parameters.columns ? YMaskEdit : XMaskEdit;
    const long long points = static_cast<long long>(parameters.columns) * parameters.rows;
    if (points > kMaxGridPoints || std::max(parameters.columns, parameters.rows) > kMaxGridSide)
        return larger;
    if (points < kMinGridPoints || std::min(parameters.columns, parameters.rows) < 2)
        return smaller;
    return SpacingMaskEdit;
}

void TCreateMapDialog::Refuse(const char* message, TFloatEdit* field)
{
    ShowMessage(message);
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

}  // namespace tarn
