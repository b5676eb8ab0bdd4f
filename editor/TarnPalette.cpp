#include "editor/Tarn.h"

#include "controls/EnhTrackBar.h"
#include "controls/FlEdit.h"
#include "editor/HeightBands.h"
#include "editor/MapSizeText.h"
#include "editor/QtColour.h"
#include "editor/Shape.h"
#include "editor/ToolGlyphs.h"
#include "model/TerrainSlots.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarn {

namespace {

struct TPenColour {
    TColorRef colour;
    const char* name;  // what a screen reader calls the swatch
};
constexpr std::array<TPenColour, 16> kPenColours{{{RGB(128, 128, 128), "gray"},
                                                   {RGB(192, 192, 192), "silver"},
                                                   {RGB(0, 128, 128), "teal"},
                                                   {RGB(0, 255, 0), "lime"},
                                                   {RGB(128, 0, 0), "maroon"},
                                                   {RGB(128, 0, 128), "purple"},
                                                   {RGB(255, 0, 255), "fuchsia"},
                                                   {RGB(0, 255, 255), "aqua"},
                                                   {RGB(0, 128, 0), "green"},
                                                   {RGB(128, 128, 0), "olive"},
                                                   {RGB(255, 255, 0), "yellow"},
                                                   {RGB(255, 0, 0), "red"},
                                                   {RGB(0, 0, 255), "blue"},
                                                   {RGB(0, 0, 128), "navy"},
                                                   {RGB(0, 0, 0), "black"},
                                                   {RGB(255, 255, 255), "white"}}};

struct TShapeButtonInfo {
    const char* name;
    const char* hint;
};
constexpr TShapeButtonInfo kShapeButtons[] = {
    {"SelectButton", "Select object"}, {"PenButton", "Freehand pen"}, {"LineButton", "Straight line"},
    {"SegLineButton", "Segmented line"}, {"EllipseButton", "Ellipse"}, {"SymbolButton", "Symbol"},
};

TShape* Swatch(QWidget* parent, const QString& name, TColorRef colour, QSize size = {22, 14})
{
    auto* shape = new TShape(parent);
    shape->setObjectName(name);
    shape->setFixedSize(size);
    shape->SetBrushColour(ToQColor(colour));
    return shape;
}

QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QVBoxLayout* TabColumn(QWidget* tab)
{
    auto* column = new QVBoxLayout(tab);
    column->setContentsMargins(4, 6, 4, 4);
    column->setSpacing(6);
    return column;
}

}  // namespace

QWidget* TTarnForm::BuildPalette()
{
    auto* scrollBox = new QScrollArea(this);
    scrollBox->setObjectName("PaletteScrollBox");
    scrollBox->setAccessibleName("Palette");
    scrollBox->setWidgetResizable(true);
    scrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollBox->setFixedWidth(215);
    auto* palettePanel = new QWidget;
    palettePanel->setObjectName("PalettePanel");
    auto* column = new QVBoxLayout(palettePanel);
    column->setContentsMargins(0, 0, 0, 0);
    PageControl1 = new QTabWidget(palettePanel);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setUsesScrollButtons(false);
    PageControl1->tabBar()->setExpanding(true);
    PageControl1->setStyleSheet("QTabBar::tab { padding: 3px 4px; }");
    PageControl1->addTab(BuildHeightsTab(), "Heights");
    PageControl1->addTab(BuildTerrainsTab(), "Terrains");
    PageControl1->addTab(BuildObjectsTab(), "Objects");
    PageControl1->addTab(BuildMapTab(), "Map");
    PageControl1->setCurrentIndex(3);
    column->addWidget(PageControl1);
    scrollBox->setWidget(palettePanel);
    return scrollBox;
}

QWidget* TTarnForm::BuildHeightsTab()
{
    auto* tab = new QWidget;
    tab->setObjectName("TabSheet1");
    auto* column = TabColumn(tab);
    auto* legend = new QGridLayout;
    legend->setVerticalSpacing(2);
    for (std::size_t i = 0; i < HeightShapes.size(); ++i) {
        const QString number = QString::number(i + 1);
        HeightShapes[i] = Swatch(tab, "HeightShape" + number, kBandColourTable[i]);
        HeightLabels[i] = NamedLabel(tab, "HeightLabel" + number);
        legend->addWidget(HeightShapes[i], static_cast<int>(i), 0);
        legend->addWidget(HeightLabels[i], static_cast<int>(i), 1);
    }
    HeightLabels.back()->setText("Null");
    column->addLayout(legend);

    MaxHeightSpin = new QSpinBox(tab);
    MaxHeightSpin->setObjectName("MaxHeightSpin");
    MaxHeightSpin->setRange(0, 32000);
    MaxHeightSpin->setSingleStep(100);
    MaxHeightSpin->setValue(1000);
    // The rules between the two spins apply once a value is complete (Enter,
    // leaving the field, an arrow), not to each digit as it is typed.
    MaxHeightSpin->setKeyboardTracking(false);
    MinHeightSpin = new QSpinBox(tab);
    MinHeightSpin->setObjectName("MinHeightSpin");
    MinHeightSpin->setRange(-1000, 32000);
    MinHeightSpin->setSingleStep(100);
    MinHeightSpin->setValue(0);
    MinHeightSpin->setKeyboardTracking(false);
    auto* spins = new QFormLayout;
    spins->addRow("Max Height", MaxHeightSpin);
    spins->addRow("Min Height", MinHeightSpin);
    column->addLayout(spins);
    column->addStretch(1);
    connect(MaxHeightSpin, &QSpinBox::valueChanged, this, [this] { MaxHeightSpinChange(); });
    connect(MinHeightSpin, &QSpinBox::valueChanged, this, [this] { MinHeightSpinChange(); });
    return tab;
}

QWidget* TTarnForm::BuildTerrainsTab()
{
    auto* tab = new QWidget;
    tab->setObjectName("TabSheet2");
    auto* column = TabColumn(tab);
    auto* swatches = new QGridLayout;
    swatches->setVerticalSpacing(2);
    const TTerrainPalette defaults = DefaultTerrainPalette();
    for (int slot = 0; slot < kTerrainSlots; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        TerShapes[index] = Swatch(tab, QString("TerShape%1").arg(slot), defaults.colours[index]);
        TerShapes[index]->setAccessibleName(QString("Terrain %1").arg(slot));
        TerLabels[index] = NamedLabel(tab, QString("TerLabel%1").arg(slot), QString::fromStdString(defaults.names[index]));
        swatches->addWidget(TerShapes[index], slot, 0);
        swatches->addWidget(TerLabels[index], slot, 1);
        connect(TerShapes[index], &TShape::MouseUp, this, [this, slot] { SelectTerrain(slot); });
    }
    column->addLayout(swatches);
    auto* editTerrains = new QPushButton("Edit Terrains", tab);
    editTerrains->setObjectName("EditTerrainsButton");
    connect(editTerrains, &QPushButton::clicked, this, [this] { ColourSettingsClick(); });
    column->addWidget(editTerrains);
    auto* selected = new QGroupBox("Selected Terrain", tab);
    SelectTerrainLabel = NamedLabel(selected, "SelectTerrainLabel", "Water");
    (new QVBoxLayout(selected))->addWidget(SelectTerrainLabel);
    column->addWidget(selected);
    column->addStretch(1);
    return tab;
}

QWidget* TTarnForm::BuildObjectsTab()
{
    auto* tab = new QWidget;
    tab->setObjectName("TabSheet3");
    auto* column = TabColumn(tab);

    auto* colours = new QGroupBox("Pen Colour", tab);
    auto* colourGrid = new QGridLayout(colours);
    colourGrid->setSpacing(3);
    for (std::size_t i = 0; i < kPenColours.size(); ++i) {
        TShape* swatch = Swatch(colours, QString("LineColShape%1").arg(i + 1), kPenColours[i].colour, {24, 16});
        swatch->setAccessibleName(QString("Pen colour %1").arg(kPenColours[i].name));
        colourGrid->addWidget(swatch, static_cast<int>(i / 4), static_cast<int>(i % 4));
        connect(swatch, &TShape::MouseUp, this, [this, colour = kPenColours[i].colour] { SetPenColour(colour); });
    }
    column->addWidget(colours);

    auto* widths = new QGroupBox("Line Width", tab);
    auto* widthColumn = new QVBoxLayout(widths);
    widthColumn->setSpacing(4);
    for (int width = 1; width <= 5; ++width) {
        TShape* bar = Swatch(widths, QString("LineWidthShape%1").arg(width), kBlack, {120, width + 2});
        bar->SetPenWidth(0);
        bar->setAccessibleName(QString("Line width %1").arg(width));
        widthColumn->addWidget(bar);
        connect(bar, &TShape::MouseUp, this, [this, width] { SetPenWidth(width); });
    }
    column->addWidget(widths);

    auto* shapes = new QGroupBox("Shape", tab);
    auto* shapeRow = new QGridLayout(shapes);
    auto* shapeGroup = new QButtonGroup(shapes);
    int shapeCode = 1;
    for (const TShapeButtonInfo& info : kShapeButtons) {
        auto* button = new QToolButton(shapes);
        button->setObjectName(info.name);
        button->setToolTip(info.hint);
        button->setAccessibleName(info.hint);
        button->setIcon(ToolGlyph(info.name));
        button->setIconSize(QSize(20, 20));
        button->setFixedSize(27, 27);
        button->setCheckable(true);
        button->setChecked(shapeCode == 1);
        shapeGroup->addButton(button, shapeCode);
        shapeRow->addWidget(button, (shapeCode - 1) / 3, (shapeCode - 1) % 3);
        ++shapeCode;
    }
    connect(shapeGroup, &QButtonGroup::idClicked, this, [this](int shape) { DefineNet->SetShape(shape); });
    column->addWidget(shapes);

    auto* sample = new QGroupBox("Sample", tab);
    auto* samplePanel = new QWidget(sample);
    samplePanel->setAutoFillBackground(true);
    QPalette white = samplePanel->palette();
    white.setColor(QPalette::Window, Qt::white);
    samplePanel->setPalette(white);
    samplePanel->setFixedHeight(24);
    LineSampleShape = new TShape(samplePanel);
    LineSampleShape->setObjectName("LineSampleShape");
    auto* sampleRow = new QVBoxLayout(samplePanel);
    sampleRow->addWidget(LineSampleShape, 0, Qt::AlignVCenter);
    (new QVBoxLayout(sample))->addWidget(samplePanel);
    column->addWidget(sample);
    column->addStretch(1);
    return tab;
}

QWidget* TTarnForm::BuildMapTab()
{
    auto* tab = new QWidget;
    tab->setObjectName("TabSheet4");
    auto* column = TabColumn(tab);

    auto* show = new QGroupBox("Show", tab);
    auto* showColumn = new QVBoxLayout(show);
    const std::pair<const char*, const char*> checks[] = {
        {"HeightsCheck", "Heights"}, {"TerrainCheck", "Terrains"}, {"ObjectsCheck", "Objects"}, {"BackCheck", "Background"}};
    bool TDefineNet::*const layers[] = {&TDefineNet::ShowHeights, &TDefineNet::ShowTerrains, &TDefineNet::ShowObjects,
                                        &TDefineNet::ShowBackground};
    for (std::size_t i = 0; i < std::size(checks); ++i) {
        auto* check = new QCheckBox(checks[i].second, show);
        check->setObjectName(checks[i].first);
        check->setChecked(true);
        showColumn->addWidget(check);
        connect(check, &QCheckBox::toggled, this, [this, layer = layers[i]](bool shown) { ShowLayer(layer, shown); });
    }
    column->addWidget(show);

    auto* definition = new QGroupBox("Map Definition", tab);
    auto* definitionColumn = new QVBoxLayout(definition);
    definitionColumn->setSpacing(1);
    MapSizeLabel = NamedLabel(definition, "MapSizeLabel");
    GridSpacingLabel = NamedLabel(definition, "GridSpacingLabel");
    GridSizeLabel = NamedLabel(definition, "GridSizeLabel");
    for (const auto& [heading, value] : {std::pair{"Map Size", MapSizeLabel}, std::pair{"Grid spacing", GridSpacingLabel},
                                         std::pair{"Grid size", GridSizeLabel}}) {
        auto* title = new QLabel(heading, definition);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        definitionColumn->addWidget(title);
        value->setIndent(8);
        definitionColumn->addWidget(value);
    }
    column->addWidget(definition);

    auto* trace = new QGroupBox("Trace Parameters", tab);
    auto* traceForm = new QVBoxLayout(trace);
    auto* toleranceLabel = new QLabel("Colour Tolerance", trace);
    traceForm->addWidget(toleranceLabel);
    AutoToleranceBar = new TEnhTrackBar(Qt::Horizontal, trace);
    toleranceLabel->setBuddy(AutoToleranceBar);
    AutoToleranceBar->setObjectName("AutoToleranceBar");
    AutoToleranceBar->setRange(0, 100);
    AutoToleranceBar->setTickInterval(5);
    AutoToleranceBar->setTickPosition(QSlider::TicksBelow);
    AutoToleranceBar->setValue(50);
    traceForm->addWidget(AutoToleranceBar);
    DensityEdit = new QSpinBox(trace);
    DensityEdit->setObjectName("DensityEdit");
    DensityEdit->setRange(1, 99);
    DensityEdit->setValue(3);
    DensityEdit->setKeyboardTracking(false);
    auto* densityRow = new QFormLayout;
    densityRow->addRow("Density", DensityEdit);
    traceForm->addLayout(densityRow);
    connect(AutoToleranceBar, &QSlider::valueChanged, this, [this](int value) { DefineNet->TraceTolerance = value; });
    connect(DensityEdit, &QSpinBox::valueChanged, this, [this](int value) { DefineNet->TraceDensity = value; });
    column->addWidget(trace);

    auto* section = new QGroupBox("Section", tab);
    XYRatioFloatEdit = new TFloatEdit(section);
    XYRatioFloatEdit->setObjectName("XYRatioFloatEdit");
    XYRatioFloatEdit->SetDigits(3);
    XYRatioFloatEdit->SetMax(99.999);
    XYRatioFloatEdit->SetValue(1.0);
    auto* sectionRow = new QFormLayout(section);
    sectionRow->addRow("X:Y Ratio", XYRatioFloatEdit);
    connect(XYRatioFloatEdit, &TFloatEdit::ValueChanged, this, [this](double value) { DefineNet->SectionRatio = value; });
    column->addWidget(section);
    column->addStretch(1);
    return tab;
}

void TTarnForm::ShowLayer(bool TDefineNet::*layer, bool shown)
{
    DefineNet->*layer = shown;
    DefineNet->RedrawMap(true);
}

void TTarnForm::ShowHeightBands()
{
    const auto labels = HeightBandLabels(DefineNet->BandMin, DefineNet->BandMax,
                                         static_cast<MapUnits>(DefineNet->MapHeader.MapUnits));
    for (std::size_t i = 0; i < labels.size(); ++i)
        HeightLabels[i]->setText(QString::fromStdString(labels[i]));
}

void TTarnForm::MaxHeightSpinChange()
{
    const int maximum = MaxHeightSpin->value();
    const int floor = MinHeightSpin->value() + 100;
    if (floor < maximum) {
        DefineNet->BandMax = maximum;
    } else {
        DefineNet->BandMax = floor;
        MaxHeightSpin->setValue(floor);
    }
    ShowHeightBands();
}

void TTarnForm::MinHeightSpinChange()
{
    if (MinHeightSpin->value() < -1000)
        MinHeightSpin->setValue(-1000);
    const int minimum = MinHeightSpin->value();
    const int ceiling = MaxHeightSpin->value() - 100;
    if (minimum < ceiling) {
        DefineNet->BandMin = minimum;
    } else {
        DefineNet->BandMin = ceiling;
        MinHeightSpin->setValue(ceiling);
    }
    ShowHeightBands();
}

void TTarnForm::ShowTerrainPalette()
{
    const TTerrainPalette terrains = TerrainPaletteOf(DefineNet->MapHeader);
    for (std::size_t i = 0; i < TerShapes.size(); ++i) {
        TerShapes[i]->SetBrushColour(ToQColor(terrains.colours[i]));
        TerLabels[i]->setText(QString::fromStdString(terrains.names[i]));
    }
    SelectTerrain(DefineNet->CurrentTerrain);
}

void TTarnForm::SelectTerrain(int terrain)
{
    if (terrain < 0 || terrain >= kTerrainSlots)
        return;
    DefineNet->CurrentTerrain = terrain;
    SelectTerrainLabel->setText(TerLabels[static_cast<std::size_t>(terrain)]->text());
}

void TTarnForm::ShowMapDefinition()
{
    if (!mapPresent_) {
        for (QLabel* label : {MapSizeLabel, GridSizeLabel, GridSpacingLabel})
            label->setText("-");
        return;
    }
    const auto& header = DefineNet->MapHeader;
    const auto units = static_cast<MapUnits>(header.MapUnits);
    MapSizeLabel->setText(DisplayMapSize(units, header.Columns, header.Rows, header.Spacing));
    GridSizeLabel->setText(QString("%1 x %2").arg(header.Columns).arg(header.Rows));
    GridSpacingLabel->setText(QString::number(header.Spacing) + (units == MapUnits::Imperial ? "Ft" : "M"));
}

void TTarnForm::SetPenColour(TColorRef colour)
{
    DefineNet->PenColour = colour;
    ShowPenSample();
}

void TTarnForm::SetPenWidth(int width)
{
    DefineNet->PenWidth = width;
    ShowPenSample();
}

void TTarnForm::ShowPenSample()
{
    LineSampleShape->SetPenWidth(0);
    LineSampleShape->setFixedHeight(DefineNet->PenWidth + 2);
    LineSampleShape->SetBrushColour(ToQColor(DefineNet->PenColour));
}

}  // namespace tarn
