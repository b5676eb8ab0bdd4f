#include "viewer/ui/ActorsPage.h"

#include "model/SettingsStore.h"
#include "viewer/ui/FormKit.h"
#include "viewer/ui/HeaderText.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarn {

namespace {
constexpr int kFirstActorSlot = 2;
constexpr int kActorNameLength = 16;
}  // namespace

TActorsPage::TActorsPage(ISettingsStore& settings, QWidget* parent) : TScenePage(parent), settings_(settings)
{
    setObjectName("ActorsPage");
    povDialog_ = MakeOpenFileDialog(this, "OpenPovDialog", "Open", "Povray (Actor) (*.POV *.pov)");

    auto* column = new QVBoxLayout(this);
    QGroupBox* actors = MakeGroup(this, "Actors");
    drawAllActors_ = MakeCheck(actors, "DrawAllActors", "Draw All Objects");
    (new QVBoxLayout(actors))->addWidget(drawAllActors_);
    column->addWidget(actors);

    QGroupBox* terrains = MakeGroup(this, "Terrains");
    auto* row = new QHBoxLayout(terrains);
    terrainList_ = new QListWidget(terrains);
    terrainList_->setObjectName("TerrainList");
    terrainList_->setAccessibleName("Terrains");
    terrainList_->setFixedWidth(150);
    row->addWidget(terrainList_);
    row->addWidget(BuildSlotGroup(), 1);
    column->addWidget(terrains, 1);

    connect(terrainList_, &QListWidget::currentRowChanged, this, [this](int index) {
        if (index >= 0)
            ShowSlot(index + kFirstActorSlot);
    });
}

template <typename Control, typename Signal, typename Write>
void TActorsPage::Bind(Control* control, Signal signal, Write write)
{
    connect(control, signal, this, [this, write](auto value) {
        if (!showing_)
            write(Record(), value);
    });
}

QWidget* TActorsPage::BuildSlotGroup()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    povFile_ = MakeLineEdit(panel, "POVFile", "Description file", true);
    QPushButton* getPov = MakeButton(panel, "GetPOV", "...", "Choose the actor file");
    getPov->setAccessibleName("Choose the actor file");
    grid->addWidget(MakeCaption(panel, "Description file", povFile_), 0, 0);
    grid->addWidget(povFile_, 0, 1);
    grid->addWidget(getPov, 0, 2);
    drawActor_ = MakeCheck(panel, "DrawActor", "Draw objects for this terrain");
    grid->addWidget(drawActor_, 1, 0, 1, 3);
    actorHeight_ = AddSpinRow(grid, 2, 0, "ActorHeight", "Actor height", 1, 10000);
    actorHeight_->setSingleStep(10);
    orientation_ = AddSpinRow(grid, 3, 0, "ActorOrientationSpinEdit", "Orientation", 0, 359);
    centre_ = MakeCheck(panel, "CentreActor", "Centre placement");
    standardTerrain_ = MakeCheck(panel, "StandardTerrain", "Use standard terrain colour");
    grid->addWidget(centre_, 4, 0, 1, 3);
    grid->addWidget(standardTerrain_, 5, 0, 1, 3);
    density_ = AddSpinRow(grid, 6, 0, "ActorDensitySpin", "Placement density %", 0, 100);
    randomOrientation_ = MakeCheck(panel, "ActorRandomOrientationCheck", "Random orientation");
    grid->addWidget(randomOrientation_, 7, 0, 1, 3);
    heightVariation_ = AddSpinRow(grid, 8, 0, "ActorHeightVariationSpinEdit", "Actor height variation %", 0, 80);
    grid->setRowStretch(9, 1);

    connect(getPov, &QPushButton::clicked, this, &TActorsPage::GetPOVClick);
    Bind(drawActor_, &QCheckBox::toggled, [](TTerrainActor& r, bool on) { r.DrawActor = on ? 1 : 0; });
    Bind(actorHeight_, &QSpinBox::valueChanged,
         [](TTerrainActor& r, int value) { r.ActorHeight = static_cast<std::int16_t>(value); });
    Bind(orientation_, &QSpinBox::valueChanged,
         [](TTerrainActor& r, int value) { r.ActorOrientation = static_cast<std::int16_t>(value); });
    Bind(centre_, &QCheckBox::toggled, [](TTerrainActor& r, bool on) { r.NotCentred = on ? 0 : 1; });
    Bind(standardTerrain_, &QCheckBox::toggled, [](TTerrainActor& r, bool on) { r.StandardTerrain = on ? 1 : 0; });
    Bind(density_, &QSpinBox::valueChanged,
         [](TTerrainActor& r, int value) { r.ActorDensity = static_cast<std::uint8_t>(value); });
    Bind(randomOrientation_, &QCheckBox::toggled,
         [](TTerrainActor& r, bool on) { r.RandomOrientation = on ? 1 : 0; });
    Bind(heightVariation_, &QSpinBox::valueChanged,
         [](TTerrainActor& r, int value) { r.HeightVariation = static_cast<std::uint8_t>(value); });
    return panel;
}

void TActorsPage::ShowSlot(int slot)
{
    slot_ = slot;
    const TTerrainActor& record = records_[static_cast<std::size_t>(slot)];
    showing_ = true;
    povFile_->setText(FromHeaderText(files_[static_cast<std::size_t>(slot)].text()));
    drawActor_->setChecked(record.DrawActor != 0);
    actorHeight_->setValue(record.ActorHeight);
    orientation_->setValue(record.ActorOrientation);
    centre_->setChecked(record.NotCentred == 0);
    standardTerrain_->setChecked(record.StandardTerrain != 0);
    density_->setValue(record.ActorDensity);
    randomOrientation_->setChecked(record.RandomOrientation != 0);
    heightVariation_->setValue(record.HeightVariation);
    showing_ = false;
}

void TActorsPage::GetPOVClick()
{
    if (povDialog_->exec() != QDialog::Accepted || povDialog_->selectedFiles().isEmpty())
        return;
    const QFileInfo chosen(povDialog_->selectedFiles().first());
    settings_.WriteText(kViewerSettingsKey, "General", "ActorDirectory", chosen.absolutePath().toStdString());
    // The name keeps its case: file names are case-sensitive here, and a
    // lower-cased name would not find the file when the actor is loaded.
    const QString name = chosen.fileName();
    povFile_->setText(name);
    files_[static_cast<std::size_t>(slot_)].setText(ToHeaderText(name.left(kActorNameLength)));
}

void TActorsPage::Load(const TMapHeader& header)
{
    files_ = header.ActorFiles;
    records_ = header.TerrainActors;
    drawAllActors_->setChecked(header.DrawAllActors != 0);
    terrainList_->clear();
    for (int slot = kFirstActorSlot; slot < kTerrainSlots; ++slot)
        terrainList_->addItem(FromHeaderText(header.TerrainNames[static_cast<std::size_t>(slot)].text()));
    terrainList_->setCurrentRow(0);
    ShowSlot(kFirstActorSlot);
}

void TActorsPage::Store(TMapHeader& header) const
{
    header.DrawAllActors = drawAllActors_->isChecked() ? 1 : 0;
    header.ActorFiles = files_;
    header.TerrainActors = records_;
}

}  // namespace tarn
