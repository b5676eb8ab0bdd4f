#include "editor/ColourSet.h"

#include "controls/Messages.h"
#include "editor/CommandSupport.h"
#include "editor/QtColour.h"
#include "editor/Shape.h"
#include "model/Errors.h"
#include "model/SettingsStore.h"
#include "model/TerrainConfig.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarn {

namespace {

constexpr int kHelpTopic = 11;

QPushButton* Button(QWidget* parent, const char* caption, const char* name)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

TColourSettingsDlg::TColourSettingsDlg(ISettingsStore& settings, QWidget* parent, THelpHandler showHelp)
    : QDialog(parent), settings_(settings), showHelp_(std::move(showHelp)), palette_(DefaultTerrainPalette())
{
    setObjectName("ColourSettingsDlg");
    setWindowTitle("Colour Settings");

    OpenConfigDialog = new QFileDialog(this, "Open", {}, "Terrain configuration (*.cfg)");
    OpenConfigDialog->setObjectName("OpenConfigDialog");
    OpenConfigDialog->setFileMode(QFileDialog::ExistingFile);
    OpenConfigDialog->setAcceptMode(QFileDialog::AcceptOpen);
    WriteConfigDialog = new QFileDialog(this, "Save As", {}, "Terrain configuration (*.cfg)");
    WriteConfigDialog->setObjectName("WriteConfigDialog");
    WriteConfigDialog->setAcceptMode(QFileDialog::AcceptSave);
    WriteConfigDialog->setDefaultSuffix("cfg");
    TerrainColorDialog = new QColorDialog(this);
    TerrainColorDialog->setObjectName("TerrainColorDialog");

    auto* groups = new QHBoxLayout;
    groups->addWidget(BuildStandardGroup());
    groups->addWidget(BuildUserGroup(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(BuildButtons());
    SetPalette(palette_);
}

TShape* TColourSettingsDlg::MakeShape(QWidget* parent, int slot)
{
    auto* shape = new TShape(parent, TShape::Form::RoundRect);
    shape->setObjectName(QString("Shape%1").arg(slot, 2, 10, QChar('0')));
    shape->setFixedSize(36, 20);
    shape->setAccessibleName(QString("Colour of terrain %1").arg(slot));
    if (slot > 0)
        connect(shape, &TShape::MouseDown, this, [this, slot] { SelectShape(slot); });
    Shapes[static_cast<std::size_t>(slot)] = shape;
    return shape;
}

QWidget* TColourSettingsDlg::BuildStandardGroup()
{
    auto* group = new QGroupBox("Standard Terrains", this);
    auto* grid = new QGridLayout(group);
    for (int slot = 0; slot < kFirstUserTerrain; ++slot) {
        grid->addWidget(MakeShape(group, slot), slot, 0);
        auto* label = new QLabel(QString::fromStdString(StandardTerrainCaption(slot)), group);
        label->setObjectName(QString("Label%1").arg(slot));
        Labels[static_cast<std::size_t>(slot)] = label;
        grid->addWidget(label, slot, 1);
    }
    grid->setRowStretch(kFirstUserTerrain, 1);
    return group;
}

QWidget* TColourSettingsDlg::BuildUserGroup()
{
    auto* group = new QGroupBox("User Defined Terrains", this);
    auto* grid = new QGridLayout(group);
    constexpr int kRowsPerColumn = 8;
    for (int slot = kFirstUserTerrain; slot < kTerrainSlots; ++slot) {
        const int row = (slot - kFirstUserTerrain) % kRowsPerColumn;
        const int column = (slot - kFirstUserTerrain) / kRowsPerColumn * 2;
        grid->addWidget(MakeShape(group, slot), row, column);
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QString("Edit%1").arg(slot));
        edit->setMaxLength(static_cast<int>(kMaxTerrainNameLength));
        edit->setAccessibleName(QString("Name of terrain %1").arg(slot));
        edit->setMinimumWidth(110);
        Edits[static_cast<std::size_t>(slot)] = edit;
        grid->addWidget(edit, row, column + 1);
    }
    return group;
}

QWidget* TColourSettingsDlg::BuildButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* setColour = Button(row, "Set Colour", "SetColourButton");
    auto* load = Button(row, "Load ", "Load");
    auto* save = Button(row, "Save", "Save");
    auto* loadDefaults = Button(row, "Load Defaults", "LoadDefaults");
    auto* saveDefaults = Button(row, "Save as Defaults", "SaveDefaults");
    auto* ok = Button(row, "OK", "OKButton");
    auto* cancel = Button(row, "Cancel", "CancelButton");
    auto* help = Button(row, "&Help", "HelpButton");
    ok->setDefault(true);
    for (QPushButton* button : {setColour, load, save, loadDefaults, saveDefaults})
        layout->addWidget(button);
    layout->addStretch(1);
    for (QPushButton* button : {ok, cancel, help})
        layout->addWidget(button);

    connect(setColour, &QPushButton::clicked, this, [this] { SetColourButtonClick(); });
    connect(load, &QPushButton::clicked, this, [this] { LoadClick(); });
    connect(save, &QPushButton::clicked, this, [this] { SaveClick(); });
    connect(loadDefaults, &QPushButton::clicked, this, [this] { LoadDefaultsClick(); });
    connect(saveDefaults, &QPushButton::clicked, this, [this] { SaveDefaultsClick(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (showHelp_)
            showHelp_(kHelpTopic);
    });
    return row;
}

void TColourSettingsDlg::SetPalette(const TTerrainPalette& palette)
{
    palette_ = palette;
    for (int slot = 0; slot < kTerrainSlots; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        Shapes[index]->SetBrushColour(ToQColor(palette.colours[index]));
        if (slot >= kFirstUserTerrain)
            Edits[index]->setText(QString::fromStdString(palette.names[index]));
    }
}

TTerrainPalette TColourSettingsDlg::Palette() const
{
    TTerrainPalette palette = palette_;
    for (int slot = 0; slot < kTerrainSlots; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        palette.colours[index] = FromQColor(Shapes[index]->BrushColour());
        if (slot >= kFirstUserTerrain)
            palette.names[index] = Edits[index]->text().toStdString();
    }
    return palette;
}

void TColourSettingsDlg::SelectShape(int slot)
{
    if (slot < 1 || slot >= kTerrainSlots)
        return;
    if (selected_ >= 0)
        Shapes[static_cast<std::size_t>(selected_)]->SetPenWidth(1);
    Shapes[static_cast<std::size_t>(slot)]->SetPenWidth(2);
    selected_ = slot;
}

void TColourSettingsDlg::SetColourButtonClick()
{
    if (selected_ < 0)
        return;
    TShape* shape = Shapes[static_cast<std::size_t>(selected_)];
    TerrainColorDialog->setCurrentColor(shape->BrushColour());
    if (TerrainColorDialog->exec() == QDialog::Accepted)
        shape->SetBrushColour(TerrainColorDialog->currentColor());
}

void TColourSettingsDlg::LoadDefaultsClick()
{
    SetPalette(ReadTerrainDefaults(settings_));
}

void TColourSettingsDlg::SaveDefaultsClick()
{
    SaveTerrainDefaults(settings_, Palette());
}

void TColourSettingsDlg::LoadClick()
{
    if (OpenConfigDialog->exec() == QDialog::Accepted && !OpenConfigDialog->selectedFiles().isEmpty())
        LoadFromFile(OpenConfigDialog->selectedFiles().first());
}

void TColourSettingsDlg::SaveClick()
{
    if (WriteConfigDialog->exec() == QDialog::Accepted && !WriteConfigDialog->selectedFiles().isEmpty())
        SaveToFile(WriteConfigDialog->selectedFiles().first());
}

void TColourSettingsDlg::LoadFromFile(const QString& path)
{
    try {
        const TTerrainPalette loaded = ReadTerrainConfig(ToPath(path));
        // The file names only the user slots; the standard names stay.
        TTerrainPalette palette = Palette();
        palette.colours = loaded.colours;
        for (int slot = kFirstUserTerrain; slot < kTerrainSlots; ++slot)
            palette.names[static_cast<std::size_t>(slot)] = loaded.names[static_cast<std::size_t>(slot)];
        SetPalette(palette);
    } catch (const ETarnError& error) {
        ShowMessage(QString::fromStdString(error.what()));
    }
}

void TColourSettingsDlg::SaveToFile(const QString& path)
{
    try {
        WriteTerrainConfig(ToPath(path), Palette());
    } catch (const ETarnError& error) {
        ShowMessage(QString::fromStdString(error.what()));
    }
}

}  // namespace tarn
