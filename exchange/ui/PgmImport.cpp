#include "exchange/ui/PgmImport.h"

#include "controls/FlEdit.h"
#include "model/MapFactory.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <array>
#include <cmath>

namespace tarn {

namespace {

constexpr int kHelpTopic = 22;

// What choosing a map type does to the spacing field, as in the New Map
// dialog: its caption and the spacing it starts from. The range is the
// one a new map of that type allows.
struct TUnitSpacing {
    const char* caption;
    double spacing;
};
constexpr std::array<TUnitSpacing, 3> kUnitSpacings{{
    {"GridPointSpacing (Feet)", 600},
    {"GridPointSpacing (Metres)", 200},
    {"GridPointSpacing (Metres)", 10},
}};

}  // namespace

TPGMImportForm::TPGMImportForm(QWidget* parent, THelpHandler showHelp) : QDialog(parent)
{
    setObjectName("PGMImportForm");
    setWindowTitle("Pixel Greymap Import");
    const TGreymapImportOptions defaults;

    MapUnitsCombo = new QComboBox(this);
    MapUnitsCombo->setObjectName("MapUnitsCombo");
    MapUnitsCombo->setAccessibleName("Map type");
    MapUnitsCombo->addItems({"Imperial", "Metric", "MicroMetric"});
    MapUnitsCombo->setPlaceholderText("Metric");
    MapUnitsCombo->setCurrentIndex(-1);
    SpacingMaskEdit = new TFloatEdit(this);
    SpacingMaskEdit->setObjectName("SpacingMaskEdit");
    SpacingMaskEdit->setAccessibleName("Grid spacing");
    SpacingMaskEdit->SetDigits(0);
    SpacingMaskEdit->SetMax(9999);
    SpacingMaskEdit->SetMin(1);
    SpacingMaskEdit->SetValue(defaults.spacing);
    SpacingLabel = new QLabel("Grid spacing", this);
    SpacingLabel->setObjectName("SpacingLabel");
    SpacingLabel->setBuddy(SpacingMaskEdit);

    auto* form = new QFormLayout;
    form->addRow("Map type", MapUnitsCombo);
    form->addRow(SpacingLabel, SpacingMaskEdit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(OkCancelHelpButtons(*this, std::move(showHelp), kHelpTopic));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(MapUnitsCombo, &QComboBox::activated, this, [this] { MapUnitsComboChange(); });
}

void TPGMImportForm::MapUnitsComboChange()
{
    const int index = MapUnitsCombo->currentIndex();
    if (index < 0)
        return;
    const auto units = static_cast<MapUnits>(index);
    const TSpacingRange range = NewMapSpacingRange(units);
    SpacingLabel->setText(kUnitSpacings[static_cast<std::size_t>(index)].caption);
    SpacingMaskEdit->SetDigits(units == MapUnits::MicroMetric ? 1 : 0);
    SpacingMaskEdit->SetMax(range.highest);
    SpacingMaskEdit->SetMin(range.lowest);
    SpacingMaskEdit->SetValue(kUnitSpacings[static_cast<std::size_t>(index)].spacing);
}

TGreymapImportOptions TPGMImportForm::Options() const
{
    const int index = MapUnitsCombo->currentIndex();
    if (index < 0)
        return {MapUnits::Metric, std::trunc(SpacingMaskEdit->Value())};
    return {static_cast<MapUnits>(index), SpacingMaskEdit->Value()};
}

}  // namespace tarn
