#include "viewer/ui/DrawingPage.h"

#include "viewer/ui/BackgroundPage.h"
#include "viewer/ui/FormKit.h"
#include "viewer/ui/GeneralSchemePage.h"
#include "viewer/ui/GradientsPage.h"
#include "viewer/ui/OverlayPage.h"
#include "viewer/ui/SceneConversions.h"
#include "viewer/ui/VistaPage.h"
#include "viewer/ui/WaterPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarn {

TDrawingPage::TDrawingPage(ISettingsStore& settings, QWidget* parent)
    : TScenePage(parent),
      schemes_(new QComboBox(this)),
      schemePages_(new QTabWidget(this)),
      background_(new TBackgroundPage(settings, schemePages_)),
      overlay_(new TOverlayPage(schemePages_)),
      gradients_(new TGradientsPage(schemePages_))
{
    setObjectName("DrawingPage");
    auto* column = new QVBoxLayout(this);
    QGroupBox* schemeGroup = MakeGroup(this, "Drawing Scheme");
    schemes_->setObjectName("SchemesBox");
    schemes_->setAccessibleName("Drawing Scheme");
    for (const std::string_view name : kSchemeNames)
        schemes_->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    auto* schemeRow = new QHBoxLayout(schemeGroup);
    schemeRow->addWidget(schemes_);
    schemeRow->addStretch();
    column->addWidget(schemeGroup);

    schemePages_->setObjectName("SchemePageControl");
    schemePages_->tabBar()->setAccessibleName("Scheme pages");
    pages_ = {new TGeneralSchemePage(schemePages_), background_, new TWaterPage(schemePages_), overlay_, gradients_,
              new TVistaPage(schemePages_)};
    const char* captions[] = {"General", "Background", "Water", "Overlay Scheme", "Gradients Scheme", "Vista Scheme"};
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        schemePages_->addTab(pages_[i], captions[i]);
        connect(pages_[i], &TScenePage::Changed, this, &TScenePage::Changed);
    }
    column->addWidget(schemePages_, 1);
    connect(schemePages_, &QTabWidget::currentChanged, this, [this](int index) {
        if (schemePages_->widget(index) == gradients_)
            gradients_->RebuildGradient();
    });
    connect(schemes_, &QComboBox::currentIndexChanged, this, &TScenePage::Changed);
}

void TDrawingPage::Load(const TMapHeader& header)
{
    const std::string_view scheme = SchemeNameOf(header.DrawingScheme);
    schemes_->setCurrentText(QString::fromLatin1(scheme.data(), static_cast<qsizetype>(scheme.size())));
    for (TScenePage* page : pages_)
        page->Load(header);
}

void TDrawingPage::Store(TMapHeader& header) const
{
    for (const TScenePage* page : pages_)
        page->Store(header);
    header.DrawingScheme = DrawingSchemeOf(schemes_->currentText().toStdString());
}

void TDrawingPage::PutValues(TParameterValues& values) const
{
    for (const TScenePage* page : pages_)
        page->PutValues(values);
}

void TDrawingPage::TakeValues(const TParameterValues& values)
{
    for (TScenePage* page : pages_)
        page->TakeValues(values);
}

void TDrawingPage::SaveSettings() const
{
    background_->SaveSettings();
}

}  // namespace tarn
