#include "editor/interpolate.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace tarn {

namespace {

constexpr int kHelpTopic = 5;

QCheckBox* Check(QWidget* parent, const char* name, const char* caption, bool checked)
{
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    check->setChecked(checked);
    return check;
}

QSpinBox* Spin(QWidget* parent, const char* name, int min, int max, int value)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(min, max);
    spin->setValue(value);
    return spin;
}

QLabel* LabelFor(QWidget* parent, const char* name, const char* caption, QWidget* field)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setBuddy(field);
    field->setAccessibleName(QString(caption).remove('&'));
    return label;
}

}  // namespace

TInterpolateDlg::TInterpolateDlg(QWidget* parent, THelpHandler showHelp)
    : QDialog(parent), showHelp_(std::move(showHelp))
{
    setObjectName("InterpolateDlg");
    setWindowTitle("Interpolation Parameters");
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);

    auto* methodGroup = new QGroupBox("Interpolation Method", this);
    methodGroup->setObjectName("GroupBox4");
    NearestRadio = new QRadioButton("Nearest Neighbour", methodGroup);
    NearestRadio->setObjectName("NearestRadio");
    NearestRadio->setChecked(true);
    TrendRadio = new QRadioButton("Trend Analysis", methodGroup);
    TrendRadio->setObjectName("TrendRadio");
    auto* methodColumn = new QVBoxLayout(methodGroup);
    methodColumn->addWidget(NearestRadio);
    methodColumn->addWidget(TrendRadio);

    // Taughtness is any whole number: the engine treats values below 0 as 0.
    constexpr int kAnyMin = std::numeric_limits<int>::min();
    constexpr int kAnyMax = std::numeric_limits<int>::max();
    auto* nearestGroup = new QGroupBox("Nearest Neighbour Interpolation", this);
    nearestGroup->setObjectName("GroupBox1");
    SpeedCheck = Check(nearestGroup, "SpeedCheck", "Optimise for speed", true);
    GradientCheck = Check(nearestGroup, "GradientCheck", "Use calculated gradients", true);
    ExtrapolateCheck = Check(nearestGroup, "ExtrapolateCheck", "Extrapolate", false);
    Taughtness1Spin = Spin(nearestGroup, "Taughtness1Spin", kAnyMin, kAnyMax, 1);
    Taughtness2Spin = Spin(nearestGroup, "Taughtness2Spin", kAnyMin, kAnyMax, 8);
    TaughtnessLabel1 = LabelFor(nearestGroup, "TaughtnessLabel1", "Taughtness #1", Taughtness1Spin);
    TaughtnessLabel2 = LabelFor(nearestGroup, "TaughtnessLabel2", "Taughtness #2", Taughtness2Spin);
    auto* nearestGrid = new QGridLayout(nearestGroup);
    nearestGrid->addWidget(SpeedCheck, 0, 0);
    nearestGrid->addWidget(GradientCheck, 1, 0);
    nearestGrid->addWidget(ExtrapolateCheck, 2, 0);
    nearestGrid->addWidget(TaughtnessLabel1, 0, 1);
    nearestGrid->addWidget(Taughtness1Spin, 0, 2);
    nearestGrid->addWidget(TaughtnessLabel2, 1, 1);
    nearestGrid->addWidget(Taughtness2Spin, 1, 2);

    auto* trendGroup = new QGroupBox("Trend Analysis/Smoothing (Whole Grid)", this);
    trendGroup->setObjectName("GroupBox2");
    TrendCheck = Check(trendGroup, "TrendCheck", "Trend Analysis", true);
    SmoothingCheck = Check(trendGroup, "SmoothingCheck", "Smoothing transform", true);
    auto* trendColumn = new QVBoxLayout(trendGroup);
    trendColumn->addWidget(TrendCheck);
    trendColumn->addWidget(SmoothingCheck);

    auto* commonGroup = new QGroupBox("Common Items", this);
    commonGroup->setObjectName("GroupBox3");
    MinHeightSpin = Spin(commonGroup, "MinHeightSpin", -1000, 10000, 0);
    auto* commonRow = new QHBoxLayout(commonGroup);
    commonRow->addWidget(LabelFor(commonGroup, "Label1", "Minimum Height", MinHeightSpin));
    commonRow->addWidget(MinHeightSpin);
    commonRow->addStretch(1);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("Button1");
    ok->setDefault(true);
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole)->setObjectName("Button2");
    auto* help = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
    help->setObjectName("Button3");

    auto* top = new QHBoxLayout;
    top->addWidget(methodGroup);
    top->addWidget(commonGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(nearestGroup);
    layout->addWidget(trendGroup);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Toggled rather than clicked, so that choosing with the arrow keys counts too.
    connect(NearestRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            NearestRadioClick();
        else
            TrendRadioClick();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (showHelp_)
            showHelp_(kHelpTopic);
    });
    EnableMethodControls(true);
}

TInterpolationSettings TInterpolateDlg::Settings() const
{
    TInterpolationSettings settings;
    settings.nearest = NearestRadio->isChecked();
    settings.spline.optimiseForSpeed = SpeedCheck->isChecked();
    settings.spline.useGradients = GradientCheck->isChecked();
    settings.spline.extrapolate = ExtrapolateCheck->isChecked();
    settings.spline.taughtness1 = Taughtness1Spin->value();
    settings.spline.taughtness2 = Taughtness2Spin->value();
    settings.trend = TrendCheck->isChecked();
    settings.smoothing = SmoothingCheck->isChecked();
    settings.minHeight = MinHeightSpin->value();
    return settings;
}

void TInterpolateDlg::NearestRadioClick()
{
    EnableMethodControls(true);
}

void TInterpolateDlg::TrendRadioClick()
{
    EnableMethodControls(false);
}

void TInterpolateDlg::EnableMethodControls(bool nearest)
{
    for (QWidget* control : {static_cast<QWidget*>(SpeedCheck), static_cast<QWidget*>(GradientCheck),
                             static_cast<QWidget*>(ExtrapolateCheck), static_cast<QWidget*>(Taughtness1Spin),
                             static_cast<QWidget*>(Taughtness2Spin), TaughtnessLabel1, TaughtnessLabel2})
        control->setEnabled(nearest);
    TrendCheck->setEnabled(!nearest);
    SmoothingCheck->setEnabled(!nearest);
}

}  // namespace tarn
