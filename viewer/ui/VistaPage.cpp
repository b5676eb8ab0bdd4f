#include "viewer/ui/VistaPage.h"

#include "viewer/ui/FormKit.h"
#include "viewer/ui/SceneConversions.h"
#include "viewer/ui/Swatch.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarn {

namespace {
constexpr std::array<const char*, 3> kGroups{"Tree", "Bare", "Snow"};

QIcon SwatchIcon(TColorRef colour)
{
    QPixmap pixmap(22, 16);
    pixmap.fill(QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

void SetQuietly(QSpinBox* spin, int value)
{
    const QSignalBlocker quiet(spin);
    spin->setValue(value);
}
}  // namespace

TVistaPage::TVistaPage(QWidget* parent) : TScenePage(parent), swatchGroup_(new QButtonGroup(this))
{
    setObjectName("VistaSheet");
    colourDialog_ = MakeColourDialog(this, "VistaColorDialog");
    auto* row = new QHBoxLayout(this);
    row->addWidget(BuildSwatchGroup());
    row->addWidget(BuildIntelligenceGroup(), 1);
}

QWidget* TVistaPage::BuildSwatchGroup()
{
    QGroupBox* group = MakeGroup(this, "Colours");
    auto* grid = new QGridLayout(group);
    swatchGroup_->setExclusive(true);
    for (int i = 0; i < kVistaEntries; ++i) {
        const int band = i / 4;
        const QString name = QString("%1%2").arg(kGroups[band]).arg(i % 4 + 1);
        if (i % 4 == 0)
            grid->addWidget(new QLabel(kGroups[band], group), 0, band);
        auto* swatch = new QToolButton(group);
        swatch->setObjectName(name);
        swatch->setAccessibleName(name);
        swatch->setToolTip(name);
        swatch->setCheckable(true);
        swatch->setIconSize(QSize(22, 16));
        swatchGroup_->addButton(swatch, i);
        grid->addWidget(swatch, 1 + i % 4, band);
        swatches_[static_cast<std::size_t>(i)] = swatch;
    }
    swatches_[0]->setChecked(true);
    connect(swatchGroup_, &QButtonGroup::idClicked, this, &TVistaPage::SwatchClicked);
    QPushButton* setColour = MakeButton(group, "VistaColourBut", "Set Colour");
    spread_ = MakeCheck(group, "SpreadCheck", "Spread Colours");
    grid->addWidget(setColour, 5, 0, 1, 3);
    grid->addWidget(spread_, 6, 0, 1, 3);
    grid->setRowStretch(7, 1);
    connect(setColour, &QPushButton::clicked, this, &TVistaPage::SetVistaColourClick);
    return group;
}

QWidget* TVistaPage::BuildIntelligenceGroup()
{
    QGroupBox* group = MakeGroup(this, "Intelligence");
    auto* grid = new QGridLayout(group);
    cliffAngle_ = AddSpinRow(grid, 0, 0, "CliffAngleSpinEdit", "Cliff Criticality", 0, 100);
    valleyAngle_ = AddSpinRow(grid, 1, 0, "ValleyAngleSpinEdit", "Valley Criticality", 0, 100);
    treeLine_ = AddSpinRow(grid, 2, 0, "TreeLine", "Tree Line", 0, 100);
    treeDamping_ = AddSpinRow(grid, 2, 2, "TreeDampingSpinEdit", "Damping", 0, 100);
    snowLine_ = AddSpinRow(grid, 3, 0, "SnowLine", "Snow Line", 0, 100);
    snowDamping_ = AddSpinRow(grid, 3, 2, "SnowDampingSpinEdit", "Damping", 0, 100);
    treeDamping_->setAccessibleName("Tree Damping");
    snowDamping_->setAccessibleName("Snow Damping");
    cliffEffect_ = MakeCheck(group, "CliffEffectCheck", "Cliff Effect");
    cliffOverride_ = MakeCheck(group, "CliffOverrideCheck", "Override terrains");
    valleyEffect_ = MakeCheck(group, "ValleyEffectCheck", "Valley Effect");
    valleyOverride_ = MakeCheck(group, "ValleyOverrideCheck", "Override terrains");
    cliffOverride_->setAccessibleName("Cliff Effect: Override terrains");
    valleyOverride_->setAccessibleName("Valley Effect: Override terrains");
    grid->addWidget(cliffEffect_, 4, 0, 1, 2);
    grid->addWidget(cliffOverride_, 4, 2, 1, 2);
    grid->addWidget(valleyEffect_, 5, 0, 1, 2);
    grid->addWidget(valleyOverride_, 5, 2, 1, 2);
    grid->setRowStretch(6, 1);
    connect(treeLine_, &QSpinBox::valueChanged, this, &TVistaPage::TreeLineChanged);
    connect(snowLine_, &QSpinBox::valueChanged, this, &TVistaPage::SnowLineChanged);
    return group;
}

void TVistaPage::ShowColours()
{
    for (int i = 0; i < kVistaEntries; ++i)
        swatches_[static_cast<std::size_t>(i)]->setIcon(SwatchIcon(colours_[static_cast<std::size_t>(i)]));
}

void TVistaPage::SwatchClicked(int index)
{
    if (spread_->isChecked() && SpreadVistaColours(colours_, lastSwatch_, index)) {
        spread_->setChecked(false);
        ShowColours();
        emit Changed();
    }
    lastSwatch_ = index;
}

void TVistaPage::SetVistaColourClick()
{
    const int index = swatchGroup_->checkedId();
    if (index < 0)
        return;
    if (const auto colour = ChooseColour(*colourDialog_, colours_[static_cast<std::size_t>(index)])) {
        colours_[static_cast<std::size_t>(index)] = *colour;
        ShowColours();
        emit Changed();
    }
}

void TVistaPage::SetLines(int tree, int snow)
{
    SetQuietly(treeLine_, tree);
    SetQuietly(snowLine_, snow);
}

void TVistaPage::TreeLineChanged()
{
    const TTreeSnowLines lines = WithTreeLine(treeLine_->value(), snowLine_->value());
    SetLines(lines.tree, lines.snow);
    emit Changed();
}

void TVistaPage::SnowLineChanged()
{
    const TTreeSnowLines lines = WithSnowLine(treeLine_->value(), snowLine_->value());
    SetLines(lines.tree, lines.snow);
    emit Changed();
}

void TVistaPage::Load(const TMapHeader& header)
{
    colours_ = header.VistaColours;
    ShowColours();
    SetLines(header.TreeLine, header.SnowLine);
    SetQuietly(treeDamping_, header.TreeDamping);
    SetQuietly(snowDamping_, header.SnowDamping);
    SetQuietly(cliffAngle_, header.CliffAngle);
    SetQuietly(valleyAngle_, header.ValleyAngle);
    cliffEffect_->setChecked(header.CliffEffect != 0);
    valleyEffect_->setChecked(header.ValleyEffect != 0);
    cliffOverride_->setChecked(header.CliffOverride != 0);
    valleyOverride_->setChecked(header.ValleyOverride != 0);
}

void TVistaPage::Store(TMapHeader& header) const
{
    header.VistaColours = colours_;
    header.TreeLine = static_cast<std::uint8_t>(treeLine_->value());
    header.SnowLine = static_cast<std::uint8_t>(snowLine_->value());
    header.TreeDamping = static_cast<std::uint8_t>(treeDamping_->value());
    header.SnowDamping = static_cast<std::uint8_t>(snowDamping_->value());
    header.CliffAngle = static_cast<std::uint8_t>(cliffAngle_->value());
    header.ValleyAngle = static_cast<std::uint8_t>(valleyAngle_->value());
    header.CliffEffect = cliffEffect_->isChecked() ? 1 : 0;
    header.ValleyEffect = valleyEffect_->isChecked() ? 1 : 0;
    header.CliffOverride = cliffOverride_->isChecked() ? 1 : 0;
    header.ValleyOverride = valleyOverride_->isChecked() ? 1 : 0;
}

void TVistaPage::PutValues(TParameterValues& values) const
{
    values.VistaColours = colours_;
    values.TreeLine = treeLine_->value();
    values.SnowLine = snowLine_->value();
    values.TreeDamping = treeDamping_->value();
    values.SnowDamping = snowDamping_->value();
    values.CliffEffect = cliffEffect_->isChecked();
    values.CliffOverride = cliffOverride_->isChecked();
    values.CliffAngle = cliffAngle_->value();
    values.ValleyEffect = valleyEffect_->isChecked();
    values.ValleyOverride = valleyOverride_->isChecked();
    values.ValleyAngle = valleyAngle_->value();
}

void TVistaPage::TakeValues(const TParameterValues& values)
{
    colours_ = values.VistaColours;
    ShowColours();
    SetLines(values.TreeLine, values.SnowLine);
    SetQuietly(treeDamping_, values.TreeDamping);
    SetQuietly(snowDamping_, values.SnowDamping);
    SetQuietly(cliffAngle_, values.CliffAngle);
    SetQuietly(valleyAngle_, values.ValleyAngle);
    cliffEffect_->setChecked(values.CliffEffect);
    cliffOverride_->setChecked(values.CliffOverride);
    valleyEffect_->setChecked(values.ValleyEffect);
    valleyOverride_->setChecked(values.ValleyOverride);
}

}  // namespace tarn
