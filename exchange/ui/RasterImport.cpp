#include "exchange/ui/RasterImport.h"

#include "exchange/ui/DialogFields.h"
#include "model/MapFactory.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarn {

namespace {

constexpr int kHelpTopic = 25;
constexpr int kMaxBand = 9999;

// A zero in these spins stands for the reader's own choice, shown in words.
QSpinBox* AutomaticSpin(QWidget* parent, const char* name, const QString& accessibleName, int max,
                        const QString& automatic)
{
    auto* spin = NamedSpin(parent, name, accessibleName, 0, max, 0);
    spin->setSpecialValueText(automatic);
    return spin;
}

QComboBox* NamedCombo(QWidget* parent, const char* name, const QString& accessibleName, const QStringList& items,
                      int current)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setAccessibleName(accessibleName);
    combo->addItems(items);
    combo->setCurrentIndex(current);
    return combo;
}

}  // namespace

TRasterImportForm::TRasterImportForm(QWidget* parent, THelpHandler showHelp) : QDialog(parent)
{
    setObjectName("RasterImportForm");
    setWindowTitle("Raster Import");
    const TRasterImportOptions defaults;

    BandSpin = AutomaticSpin(this, "BandSpin", "Band", kMaxBand, "The only band");
    ColumnsSpin = AutomaticSpin(this, "ColumnsSpin", "Grid columns", kMaxGridSide, "Largest");
    RowsSpin = AutomaticSpin(this, "RowsSpin", "Grid rows", kMaxGridSide, "Largest");
    // In the order of RasterResampling and MapUnits.
    ResamplingCombo = NamedCombo(this, "ResamplingCombo", "Resampling", {"Average", "Bilinear", "Nearest"},
                                 static_cast<int>(defaults.resampling));
    MapUnitsCombo = NamedCombo(this, "MapUnitsCombo", "Map type", {"Imperial", "Metric", "MicroMetric"},
                               static_cast<int>(defaults.units));

    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(this, "&Band", BandSpin), BandSpin);
    form->addRow(BuddyLabel(this, "Grid &columns", ColumnsSpin), ColumnsSpin);
    form->addRow(BuddyLabel(this, "Grid &rows", RowsSpin), RowsSpin);
    form->addRow(BuddyLabel(this, "Re&sampling", ResamplingCombo), ResamplingCombo);
    form->addRow(BuddyLabel(this, "Map &type", MapUnitsCombo), MapUnitsCombo);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(OkCancelHelpButtons(*this, std::move(showHelp), kHelpTopic));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TRasterImportOptions TRasterImportForm::Options() const
{
    TRasterImportOptions options;
    options.band = BandSpin->value();
    options.columns = ColumnsSpin->value();
    options.rows = RowsSpin->value();
    options.resampling = static_cast<RasterResampling>(ResamplingCombo->currentIndex());
    options.units = static_cast<MapUnits>(MapUnitsCombo->currentIndex());
    return options;
}

}  // namespace tarn
