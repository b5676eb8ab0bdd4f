#include "exchange/ui/VrmlDlg.h"

#include "controls/FlEdit.h"
#include "model/SettingsStore.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <charconv>
#include <string>

namespace tarn {

namespace {

constexpr int kHelpTopic = 15;
constexpr std::string_view kSection = "VRML";
constexpr std::string_view kPolygons = "Polygons";
constexpr std::string_view kTolerance = "Tolerance";
constexpr std::string_view kTextureMap = "TextureMap";
constexpr std::string_view kBackgroundColor = "BackgroundColor";

QColor ToQColor(TColorRef colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }
TColorRef FromQColor(const QColor& colour) { return RGB(colour.red(), colour.green(), colour.blue()); }

TFloatEdit* ScaleEdit(QWidget* parent, const char* name, const char* accessibleName)
{
    auto* edit = new TFloatEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    edit->SetDigits(2);
    edit->SetMax(TPolygonExportOptions::kMaxScale);
    edit->SetMin(TPolygonExportOptions::kMinScale);
    return edit;
}

}  // namespace

TVRMLForm::TVRMLForm(ISettingsStore& settings, QWidget* parent, THelpHandler showHelp)
    : QDialog(parent), settings_(settings)
{
    setObjectName("VRMLForm");
    setWindowTitle("Polygon Optimization Parameters");

    auto* optimisation = new QGroupBox("Optimisation", this);
    PolygonsEdit = new QSpinBox(optimisation);
    PolygonsEdit->setObjectName("PolygonsEdit");
    PolygonsEdit->setToolTip("Number of polygons in model");
    PolygonsEdit->setAccessibleName("Polygons");
    PolygonsEdit->setRange(TPolygonExportOptions::kMinPolygons, TPolygonExportOptions::kMaxPolygons);
    PolygonsEdit->setSingleStep(100);
    ToleranceEdit = new TFloatEdit(optimisation);
    ToleranceEdit->setObjectName("ToleranceEdit");
    ToleranceEdit->setToolTip("Height tolerance");
    ToleranceEdit->setAccessibleName("Tolerance");
    ToleranceEdit->SetDigits(1);
    ToleranceEdit->SetMax(9999);
    ToleranceEdit->SetMin(0);
    auto* optimisationForm = new QFormLayout(optimisation);
    optimisationForm->addRow("Polygons", PolygonsEdit);
    optimisationForm->addRow("Tolerance", ToleranceEdit);

    VRMLGroupBox = new QGroupBox("VRML Parameters", this);
    VRMLGroupBox->setObjectName("VRMLGroupBox");
    VRMLOverlayFile = new QLineEdit(VRMLGroupBox);
    VRMLOverlayFile->setObjectName("VRMLOverlayFile");
    VRMLOverlayFile->setAccessibleName("Texture map");
    VRMLTextureLabel = new QLabel("Texture map", VRMLGroupBox);
    VRMLTextureLabel->setObjectName("VRMLTextureLabel");
    VRMLTextureLabel->setBuddy(VRMLOverlayFile);
    BackgroundShape = new QFrame(VRMLGroupBox);
    BackgroundShape->setObjectName("BackgroundShape");
    BackgroundShape->setFrameStyle(QFrame::Box | QFrame::Plain);
    BackgroundShape->setFixedSize(40, 24);
    BackgroundShape->setAutoFillBackground(true);
    SetBackgroundButton = new QPushButton("Background Colour", VRMLGroupBox);
    SetBackgroundButton->setObjectName("SetBackgroundButton");
    BackgroundColorDialog = new QColorDialog(this);
    BackgroundColorDialog->setObjectName("BackgroundColorDialog");
    BackgroundColorDialog->setOption(QColorDialog::DontUseNativeDialog);
    auto* vrmlForm = new QFormLayout(VRMLGroupBox);
    vrmlForm->addRow(VRMLTextureLabel, VRMLOverlayFile);
    auto* backgroundRow = new QHBoxLayout;
    backgroundRow->addWidget(BackgroundShape);
    backgroundRow->addWidget(SetBackgroundButton);
    backgroundRow->addStretch(1);
    vrmlForm->addRow(backgroundRow);

    auto* scaling = new QGroupBox("Scaling", this);
    VerticalEdit = ScaleEdit(scaling, "VerticalEdit", "Vertical");
    HorizontalEdit = ScaleEdit(scaling, "HorizontalEdit", "Horizontal");
    auto* scalingForm = new QFormLayout(scaling);
    scalingForm->addRow("Vertical", VerticalEdit);
    scalingForm->addRow("Horizontal", HorizontalEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(optimisation);
    layout->addWidget(VRMLGroupBox);
    layout->addWidget(scaling);
    layout->addWidget(OkCancelHelpButtons(*this, std::move(showHelp), kHelpTopic));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(SetBackgroundButton, &QPushButton::clicked, this, [this] { SetBackgroundButtonClick(); });
}

void TVRMLForm::Prepare(const TMapHeader& header, bool textured)
{
    textured_ = textured;
    const TModelScale scale = StartingModelScale(header);
    HorizontalEdit->SetValue(scale.horizontal);
    VerticalEdit->SetValue(scale.vertical);
    const TPolygonExportOptions defaults;
    PolygonsEdit->setValue(static_cast<int>(
        settings_.ReadInteger(kEditorSettingsKey, kSection, kPolygons).value_or(defaults.polygons)));
    const std::string tolerance = settings_.ReadText(kEditorSettingsKey, kSection, kTolerance).value_or("");
    double toleranceValue = defaults.tolerance;
    std::from_chars(tolerance.data(), tolerance.data() + tolerance.size(), toleranceValue);
    ToleranceEdit->SetValue(toleranceValue);
    VRMLGroupBox->setEnabled(textured);
    if (textured) {
        VRMLOverlayFile->setText(QString::fromStdString(
            settings_.ReadText(kEditorSettingsKey, kSection, kTextureMap).value_or(defaults.textureMap)));
        ShowBackground(static_cast<TColorRef>(
            settings_.ReadInteger(kEditorSettingsKey, kSection, kBackgroundColor).value_or(defaults.backgroundColour)));
    } else {
        VRMLOverlayFile->clear();
        ShowBackground(0);
    }
}

TPolygonExportOptions TVRMLForm::Options() const
{
    TPolygonExportOptions options;
    options.polygons = PolygonsEdit->value();
    options.tolerance = ToleranceEdit->Value();
    options.scale = TModelScale{VerticalEdit->Value(), HorizontalEdit->Value()};
    options.textureMap = VRMLOverlayFile->text().toStdString();
    options.backgroundColour = background_;
    return options;
}

void TVRMLForm::accept()
{
    const TPolygonExportOptions options = Options();
    settings_.WriteInteger(kEditorSettingsKey, kSection, kPolygons, options.polygons);
    settings_.WriteText(kEditorSettingsKey, kSection, kTolerance, ToleranceEdit->Format(options.tolerance).toStdString());
    if (textured_) {
        settings_.WriteText(kEditorSettingsKey, kSection, kTextureMap, options.textureMap);
        settings_.WriteInteger(kEditorSettingsKey, kSection, kBackgroundColor, options.backgroundColour);
    }
    QDialog::accept();
}

void TVRMLForm::SetBackgroundButtonClick()
{
    BackgroundColorDialog->setCurrentColor(ToQColor(background_));
    if (BackgroundColorDialog->exec() == QDialog::Accepted)
        ShowBackground(FromQColor(BackgroundColorDialog->currentColor()));
}

void TVRMLForm::ShowBackground(TColorRef colour)
{
    background_ = colour;
    QPalette palette = BackgroundShape->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    BackgroundShape->setPalette(palette);
}

}  // namespace tarn
