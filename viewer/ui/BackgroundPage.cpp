#include "viewer/ui/BackgroundPage.h"

#include "model/SettingsStore.h"
#include "viewer/ui/FormKit.h"
#include "viewer/ui/SceneConversions.h"
#include "viewer/ui/Swatch.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tarn {

TBackgroundPage::TBackgroundPage(ISettingsStore& settings, QWidget* parent) : TScenePage(parent), settings_(settings)
{
    setObjectName("BackgroundSheet");
    colourDialog_ = MakeColourDialog(this, "SetColorDialog");
    bitmapDialog_ = MakeOpenFileDialog(this, "OpenBMPDialog", "Open", "Bitmaps (*.bmp)");
    auto* column = new QVBoxLayout(this);
    column->addWidget(BuildTypeGroup());
    column->addWidget(BuildFilesGroup());
    column->addWidget(BuildColoursGroup());
    column->addStretch();
}

QWidget* TBackgroundPage::BuildTypeGroup()
{
    QGroupBox* group = MakeGroup(this, "Background Type");
    auto* column = new QVBoxLayout(group);
    solid_ = new QRadioButton("Solid Colour", group);
    solid_->setObjectName("SolidRadio");
    graduated_ = new QRadioButton("Graduated", group);
    graduated_->setObjectName("GraduatedRadio");
    textured_ = new QRadioButton("Textured", group);
    textured_->setObjectName("SkyAndGroundRadio");
    for (QRadioButton* radio : {solid_, textured_, graduated_}) {
        radio->setAccessibleName(radio->text());
        column->addWidget(radio);
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                emit Changed();
        });
    }
    return group;
}

QWidget* TBackgroundPage::BuildFilesGroup()
{
    QGroupBox* group = MakeGroup(this, "Texture Files");
    auto* grid = new QGridLayout(group);
    skyFile_ = MakeLineEdit(group, "SkyFile", "Sky Bitmap");
    groundFile_ = MakeLineEdit(group, "GroundFile", "Ground Bitmap");
    QPushButton* getSky = MakeButton(group, "GetSkyFile", "...", "Choose the sky bitmap");
    QPushButton* getGround = MakeButton(group, "GetGroundFile", "...", "Choose the ground bitmap");
    getSky->setAccessibleName("Choose the sky bitmap");
    getGround->setAccessibleName("Choose the ground bitmap");
    QWidget* groundCaption = MakeCaption(group, "Ground Bitmap", groundFile_);
    grid->addWidget(MakeCaption(group, "Sky Bitmap", skyFile_), 0, 0);
    grid->addWidget(skyFile_, 0, 1);
    grid->addWidget(getSky, 0, 2);
    grid->addWidget(groundCaption, 1, 0);
    grid->addWidget(groundFile_, 1, 1);
    grid->addWidget(getGround, 1, 2);
    // The ground texture is not drawn; its controls stay hidden.
    for (QWidget* hidden : {groundCaption, static_cast<QWidget*>(groundFile_), static_cast<QWidget*>(getGround)})
        hidden->hide();
    connect(getSky, &QPushButton::clicked, this, [this] { ChooseFile(skyFile_); });
    connect(getGround, &QPushButton::clicked, this, [this] { ChooseFile(groundFile_); });
    return group;
}

TColourSwatch* TBackgroundPage::AddColour(QWidget* group, int row, const char* shapeName, const char* buttonName,
                                          const QString& caption)
{
    auto* grid = static_cast<QGridLayout*>(group->layout());
    auto* swatch = new TColourSwatch(group, shapeName, caption + " colour");
    QPushButton* button = MakeButton(group, buttonName, caption);
    grid->addWidget(swatch, row, 0);
    grid->addWidget(button, row, 1);
    const auto choose = [this, swatch] {
        if (const auto colour = ChooseColour(*colourDialog_, swatch->Colour())) {
            swatch->SetColour(*colour);
            emit Changed();
        }
    };
    connect(button, &QPushButton::clicked, this, choose);
    connect(swatch, &TColourSwatch::Clicked, this, choose);
    return swatch;
}

QWidget* TBackgroundPage::BuildColoursGroup()
{
    QGroupBox* group = MakeGroup(this, "General Colours");
    new QGridLayout(group);
    sky_ = AddColour(group, 0, "BackgroundShape", "SetBackgroundButton", "Sky/Background");
    mist_ = AddColour(group, 1, "MistShape", "SetMistButton", "Mist");
    ground_ = AddColour(group, 2, "GroundShape", "SetGroundButton", "Ground");
    light_ = AddColour(group, 3, "LightShape", "SetLightButton", "Light");
    return group;
}

void TBackgroundPage::ChooseFile(QLineEdit* edit)
{
    if (bitmapDialog_->exec() == QDialog::Accepted && !bitmapDialog_->selectedFiles().isEmpty())
        edit->setText(bitmapDialog_->selectedFiles().first());
}

void TBackgroundPage::Load(const TMapHeader& header)
{
    switch (BackgroundChoiceOf(header.BackgroundType)) {
    case TBackgroundChoice::Graduated:
        graduated_->setChecked(true);
        break;
    case TBackgroundChoice::Textured:
        textured_->setChecked(true);
        break;
    case TBackgroundChoice::Solid:
        solid_->setChecked(true);
        break;
    }
    skyFile_->setText(QString::fromStdString(settings_.ReadText(kViewerSettingsKey, "Drawing", "SkyFile").value_or("")));
    groundFile_->setText(
        QString::fromStdString(settings_.ReadText(kViewerSettingsKey, "Drawing", "GroundFile").value_or("")));
    sky_->SetColour(header.SkyColour);
    mist_->SetColour(header.MistColour);
    ground_->SetColour(header.GroundColour);
    light_->SetColour(header.LightColour);
}

void TBackgroundPage::Store(TMapHeader& header) const
{
    const TBackgroundChoice choice = textured_->isChecked()    ? TBackgroundChoice::Textured
                                     : graduated_->isChecked() ? TBackgroundChoice::Graduated
                                                               : TBackgroundChoice::Solid;
    header.BackgroundType = BackgroundTypeOf(choice);
    header.SkyColour = sky_->Colour();
    header.MistColour = mist_->Colour();
    header.GroundColour = ground_->Colour();
    header.LightColour = light_->Colour();
}

void TBackgroundPage::SaveSettings() const
{
    settings_.WriteText(kViewerSettingsKey, "Drawing", "SkyFile", skyFile_->text().toStdString());
    settings_.WriteText(kViewerSettingsKey, "Drawing", "GroundFile", groundFile_->text().toStdString());
}

void TBackgroundPage::PutValues(TParameterValues& values) const
{
    values.Sky = sky_->Colour();
    values.Mist = mist_->Colour();
    values.Ground = ground_->Colour();
}

void TBackgroundPage::TakeValues(const TParameterValues& values)
{
    sky_->SetColour(values.Sky);
    mist_->SetColour(values.Mist);
    ground_->SetColour(values.Ground);
}

}  // namespace tarn
