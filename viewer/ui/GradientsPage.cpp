#include "viewer/ui/GradientsPage.h"

#include "controls/Chart.h"
#include "controls/GradImage.h"
#include "controls/GradientEditor.h"
#include "viewer/ui/FormKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tarn {

TGradientsPage::TGradientsPage(QWidget* parent) : TScenePage(parent), editor_(new TGradientEditor(this))
{
    setObjectName("GradientsSheet");
    auto* row = new QHBoxLayout(this);
    QGroupBox* parameters = MakeGroup(this, "Gradient Parameters");
    auto* column = new QVBoxLayout(parameters);
    editor_->GradientGraph()->setAccessibleName("Profile Graph");
    column->addWidget(MakeCaption(parameters, "Profile Graph", editor_->GradientGraph()));
    column->addWidget(editor_, 1);
    // The list of standard profiles stands on a row of its own with its
    // caption.
    auto* schemes = editor_->findChild<QComboBox*>("GradientTypeComboBox");
    editor_->layout()->removeWidget(schemes);
    schemes->setParent(parameters);
    schemes->setAccessibleName("Standard Profiles");
    auto* schemeRow = new QHBoxLayout;
    schemeRow->addWidget(MakeCaption(parameters, "Standard Profiles", schemes));
    schemeRow->addWidget(schemes, 1);
    column->addLayout(schemeRow);
    drawTerrains_ = MakeCheck(parameters, "DrawTerrainsCheckBox", "DrawTerrains");
    column->addWidget(drawTerrains_);
    row->addWidget(parameters, 1);

    // The strip of the gradient stands in a group of its own.
    QGroupBox* profile = MakeGroup(this, "Gradient Profile");
    auto* profileColumn = new QVBoxLayout(profile);
    profileColumn->addWidget(editor_->GradImage());
    row->addWidget(profile);

    connect(editor_, &TGradientEditor::GradientChanged, this, &TScenePage::Changed);
    connect(drawTerrains_, &QCheckBox::toggled, this, &TScenePage::Changed);
}

void TGradientsPage::Load(const TMapHeader& header)
{
    editor_->Load(header.GradientColours);
    drawTerrains_->setChecked(header.DrawTerrains != 0);
}

void TGradientsPage::Store(TMapHeader& header) const
{
    header.GradientColours = editor_->Gradient();
    header.DrawTerrains = drawTerrains_->isChecked() ? 1 : 0;
}

void TGradientsPage::PutValues(TParameterValues& values) const
{
    values.Gradient = editor_->Gradient();
}

void TGradientsPage::TakeValues(const TParameterValues& values)
{
    editor_->Load(values.Gradient);
}

void TGradientsPage::RebuildGradient()
{
    editor_->RebuildGradient();
}

}  // namespace tarn
