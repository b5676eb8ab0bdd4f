#include "viewer/ui/TerrainsPage.h"

#include "controls/FlEdit.h"
#include "model/TerrainSlots.h"
#include "viewer/ui/FormKit.h"
#include "viewer/ui/HeaderText.h"
#include "viewer/ui/Swatch.h"
#include "viewer/ui/TerrainDetails.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace tarn {

namespace {
constexpr std::array<const char*, kFirstUserTerrain> kStandardCaptions{"Standard", "Water", "Forest", "Buildings",
                                                                        "Road",     "Rocks", "Sand",   "Snow"};
constexpr double kLargestFractValue = 9999;
constexpr double kLargestWaterFractValue = 100;
constexpr int kWaterSlot = 1;
constexpr int kStandardSlot = 0;

QString SlotName(const char* prefix, int slot, int width)
{
    return QString("%1%2").arg(prefix).arg(slot, width, 10, QChar('0'));
}
}  // namespace

TTerrainsPage::TTerrainsPage(TTerrainColourDetailsDlg& details, QWidget* parent)
    : TScenePage(parent), details_(details)
{
    setObjectName("TerrainsPage");
    colourDialog_ = MakeColourDialog(this, "TerrainColorDialog");
    auto* column = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(BuildStandardGroup());
    groups->addWidget(BuildUserGroup(), 1);
    column->addLayout(groups, 1);
    auto* buttons = new QHBoxLayout;
    QPushButton* setColour = MakeButton(this, "SetTerrainBut", "Set Colour");
    QPushButton* defaults = MakeButton(this, "Defaults", "Defaults", "Reset defaults terrain configurations");
    QPushButton* details_button = MakeButton(this, "SetColourDetailsButton", "Colour Details");
    buttons->addWidget(setColour);
    buttons->addWidget(defaults);
    buttons->addWidget(details_button);
    buttons->addStretch();
    column->addLayout(buttons);
    connect(setColour, &QPushButton::clicked, this, &TTerrainsPage::SetTerrainButClick);
    connect(defaults, &QPushButton::clicked, this, &TTerrainsPage::DefaultsClick);
    connect(details_button, &QPushButton::clicked, this, &TTerrainsPage::SetColourDetailsButtonClick);
}

void TTerrainsPage::AddSlot(QWidget* group, int slot, int row, int column)
{
    auto* grid = static_cast<QGridLayout*>(group->layout());
    const QString caption = slot < kFirstUserTerrain ? QString(kStandardCaptions[static_cast<std::size_t>(slot)])
                                                     : QString("User terrain %1").arg(slot - kFirstUserTerrain + 1);
    auto* swatch = new TColourSwatch(group, SlotName("Shape", slot, 2).toLatin1().constData(), caption + " colour");
    auto* fract = MakeNumberEdit(group, SlotName("Float", slot, 0).toLatin1().constData(),
                                 caption + " fractalization", 0,
                                 slot == kWaterSlot ? kLargestWaterFractValue : kLargestFractValue);
    fract->setFixedWidth(52);
    grid->addWidget(swatch, row, column);
    if (slot < kFirstUserTerrain) {
        grid->addWidget(new QLabel(caption, group), row, column + 1);
    } else {
        auto* name = MakeLineEdit(group, SlotName("Edit", slot, 0).toLatin1().constData(), caption + " name");
        name->setMaxLength(static_cast<int>(kMaxTerrainNameLength));
        grid->addWidget(name, row, column + 1);
        names_[static_cast<std::size_t>(slot)] = name;
    }
    grid->addWidget(fract, row, column + 2);
    swatches_[static_cast<std::size_t>(slot)] = swatch;
    fractValues_[static_cast<std::size_t>(slot)] = fract;
    connect(swatch, &TColourSwatch::Clicked, this, [this, slot] { SelectShape(slot); });
}

QWidget* TTerrainsPage::BuildStandardGroup()
{
    QGroupBox* group = MakeGroup(this, "Standard Terrains");
    new QGridLayout(group);
    for (int slot = 0; slot < kFirstUserTerrain; ++slot)
        AddSlot(group, slot, slot, 0);
    static_cast<QGridLayout*>(group->layout())->setRowStretch(kFirstUserTerrain, 1);
    return group;
}

QWidget* TTerrainsPage::BuildUserGroup()
{
    QGroupBox* group = MakeGroup(this, "User Defined Terrains");
    new QGridLayout(group);
    constexpr int kRows = 8;
    for (int slot = kFirstUserTerrain; slot < kTerrainSlots; ++slot) {
        const int index = slot - kFirstUserTerrain;
        AddSlot(group, slot, index % kRows, index / kRows * 3);
    }
    return group;
}

void TTerrainsPage::SelectShape(int slot)
{
    if (selected_ >= 0)
        swatches_[static_cast<std::size_t>(selected_)]->SetOutlineWidth(1);
    selected_ = slot;
    swatches_[static_cast<std::size_t>(slot)]->SetOutlineWidth(2);
}

void TTerrainsPage::SetTerrainButClick()
{
    if (selected_ < 0 || selected_ == kStandardSlot)
        return;
    TColourSwatch* swatch = swatches_[static_cast<std::size_t>(selected_)];
    if (const auto colour = ChooseColour(*colourDialog_, swatch->Colour())) {
        swatch->SetColour(*colour);
        emit Changed();
    }
}

void TTerrainsPage::DefaultsClick()
{
    const TTerrainPalette defaults = DefaultTerrainPalette();
    for (int slot = 0; slot < kTerrainSlots; ++slot) {
        swatches_[static_cast<std::size_t>(slot)]->SetColour(defaults.colours[static_cast<std::size_t>(slot)]);
        if (QLineEdit* name = names_[static_cast<std::size_t>(slot)])
            name->setText(QString::fromStdString(defaults.names[static_cast<std::size_t>(slot)]));
    }
    emit Changed();
}

void TTerrainsPage::SetColourDetailsButtonClick()
{
    if (selected_ < 0)
        return;
    const auto slot = static_cast<std::size_t>(selected_);
    if (const auto values = details_.Edit({specularity_[slot], shininess_[slot], emission_[slot]})) {
        specularity_[slot] = values->specularity;
        shininess_[slot] = values->shininess;
        emission_[slot] = values->emission;
        emit Changed();
    }
}

void TTerrainsPage::Load(const TMapHeader& header)
{
    for (std::size_t slot = 0; slot < kTerrainSlots; ++slot) {
        swatches_[slot]->SetColour(header.TerrainColours[slot]);
        fractValues_[slot]->SetValue(header.FractValues[slot]);
        if (names_[slot])
            names_[slot]->setText(FromHeaderText(header.TerrainNames[slot].text()));
    }
    specularity_ = header.Specularity;
    shininess_ = header.Shininess;
    emission_ = header.Emission;
}

void TTerrainsPage::Store(TMapHeader& header) const
{
    for (std::size_t slot = 0; slot < kTerrainSlots; ++slot) {
        header.TerrainColours[slot] = swatches_[slot]->Colour();
        header.FractValues[slot] = static_cast<std::int16_t>(std::trunc(fractValues_[slot]->Value()));
        if (names_[slot])
            header.TerrainNames[slot].setText(ToHeaderText(names_[slot]->text()).substr(0, kMaxTerrainNameLength));
    }
    header.Specularity = specularity_;
    header.Shininess = shininess_;
    header.Emission = emission_;
}

void TTerrainsPage::PutValues(TParameterValues& values) const
{
    for (std::size_t slot = 0; slot < kTerrainSlots; ++slot) {
        values.TerrainColours[slot] = swatches_[slot]->Colour();
        values.Fract[slot] = static_cast<int>(std::trunc(fractValues_[slot]->Value()));
        if (names_[slot])
            values.TerrainNames[slot] = ToHeaderText(names_[slot]->text());
    }
    values.Specularity = specularity_;
    values.Shininess = shininess_;
    values.Emission = emission_;
}

void TTerrainsPage::TakeValues(const TParameterValues& values)
{
    for (std::size_t slot = 0; slot < kTerrainSlots; ++slot) {
        swatches_[slot]->SetColour(values.TerrainColours[slot]);
        fractValues_[slot]->SetValue(values.Fract[slot]);
        if (names_[slot])
            names_[slot]->setText(FromHeaderText(values.TerrainNames[slot]));
    }
    specularity_ = values.Specularity;
    shininess_ = values.Shininess;
    emission_ = values.Emission;
}

}  // namespace tarn
