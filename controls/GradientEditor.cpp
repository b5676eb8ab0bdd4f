#include "controls/GradientEditor.h"

#include "controls/Chart.h"
#include "controls/GradImage.h"

#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace tarn {

namespace {

constexpr double ChannelMax = 255;

std::optional<QColor> AskForColour(const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, nullptr, QObject::tr("Colour"));
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

int ChannelOf(TColorRef colour, int channel)
{
    return static_cast<int>((colour >> (8 * (channel - 1))) & 0xFF);
}

}  // namespace

TGradientEditor::TGradientEditor(QWidget* parent)
    : QWidget(parent),
      graph_(new TChart(this)),
      red_(new QRadioButton(tr("Red"), this)),
      green_(new QRadioButton(tr("Green"), this)),
      blue_(new QRadioButton(tr("Blue"), this)),
      colourButton_(new QPushButton(tr("Set Single Colour"), this)),
      schemes_(new QComboBox(this)),
      image_(new TGradientImage(this)),
      chooser_(AskForColour)
{
    graph_->setObjectName("GradientGraph");
    graph_->setAccessibleName(tr("Gradient curves"));
    graph_->SetXRange(0, GradientPointSpacing * (GradientPointCount - 1));
    graph_->SetYRange(-50, 305);
    for (const QColor& colour : {QColor(Qt::red), QColor(0, 170, 0), QColor(Qt::blue)})
        graph_->AddSeries(colour, TChart::SeriesStyle::LineWithMarkers);
    for (int channel = RedChannel; channel <= BlueChannel; ++channel)
        for (int k = 0; k < GradientPointCount; ++k)
            graph_->AddPoint(channel, PointX(k), 0);
    graph_->setMinimumSize(260, 180);
    connect(graph_, &TChart::MouseDown, this, &TGradientEditor::GradientGraphMouseDown);
    connect(graph_, &TChart::MouseMove, this, &TGradientEditor::GradientGraphMouseMove);
    connect(graph_, &TChart::MouseUp, this, &TGradientEditor::GradientGraphMouseUp);

    red_->setObjectName("RedGradient");
    green_->setObjectName("GreenGradient");
    blue_->setObjectName("BlueGradient");
    red_->setChecked(true);
    connect(red_, &QRadioButton::clicked, this, &TGradientEditor::RedGradientClick);
    connect(green_, &QRadioButton::clicked, this, &TGradientEditor::GreenGradientClick);
    connect(blue_, &QRadioButton::clicked, this, &TGradientEditor::BlueGradientClick);

    colourButton_->setObjectName("GradientColorBut");
    colourButton_->setToolTip(tr("Set colour for selected item"));
    connect(colourButton_, &QPushButton::clicked, this, &TGradientEditor::GradientColorButClick);

    schemes_->setObjectName("GradientTypeComboBox");
    schemes_->setAccessibleName(tr("Gradient scheme"));
    for (const char* name : GradientSchemeNames)
        schemes_->addItem(QString::fromLatin1(name));
    connect(schemes_, &QComboBox::activated, this, &TGradientEditor::GradientTypeComboBoxChange);

    image_->setObjectName("GradImage");
    image_->setFixedWidth(40);

    auto* channels = new QHBoxLayout;
    channels->addWidget(red_);
    channels->addWidget(green_);
    channels->addWidget(blue_);
    channels->addStretch();
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(graph_, 0, 0, 1, 2);
    layout->addWidget(image_, 0, 2, 3, 1);
    layout->addLayout(channels, 1, 0, 1, 2);
    layout->addWidget(colourButton_, 2, 0);
    layout->addWidget(schemes_, 2, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
}

void TGradientEditor::Load(const TGradient& gradient)
{
    gradient_ = gradient;
    for (int channel = RedChannel; channel <= BlueChannel; ++channel)
        for (int k = 0; k < GradientPointCount; ++k)
            graph_->SetYAt(channel, PointX(k), ChannelOf(gradient[static_cast<std::size_t>(k)], channel));
    image_->SetGradient(gradient_);
}

void TGradientEditor::RedGradientClick()
{
    channel_ = RedChannel;
}

void TGradientEditor::GreenGradientClick()
{
    channel_ = GreenChannel;
}

void TGradientEditor::BlueGradientClick()
{
    channel_ = BlueChannel;
}

void TGradientEditor::GradientGraphMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPoint position)
{
    dragPoint_ = graph_->PointAtMouseX(channel_, position.x());
    if (dragPoint_ == -1)
        return;
    dragX_ = graph_->Point(channel_, dragPoint_).x();
    dragging_ = true;
}

void TGradientEditor::GradientGraphMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint position)
{
    if (!dragging_ || dragPoint_ == -1)
        return;
    const double y = std::clamp(graph_->ValueAt(position).y(), 0.0, ChannelMax);
    graph_->SetYAt(channel_, dragX_, y);
}

void TGradientEditor::GradientGraphMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, QPoint)
{
    dragging_ = false;
    RebuildGradient();
}

void TGradientEditor::GradientColorButClick()
{
    const TColorRef first = gradient_[0];
    const std::optional<QColor> chosen = chooser_(QColor(RedOf(first), GreenOf(first), BlueOf(first)));
    if (!chosen)
        return;
    const int values[] = {chosen->red(), chosen->green(), chosen->blue()};
    for (int channel = RedChannel; channel <= BlueChannel; ++channel)
        for (int k = 1; k <= GradientPointCount; ++k)
            graph_->SetPointY(channel, k, values[channel - 1]);
    RebuildGradient();
}

void TGradientEditor::GradientTypeComboBoxChange(int scheme)
{
    if (scheme < 0 || scheme >= GradientSchemeCount)
        return;
    for (int k = 0; k < GradientPointCount; ++k) {
        const std::array<double, 3> point = GradientSchemePoint(scheme, k);
        for (int channel = RedChannel; channel <= BlueChannel; ++channel)
            graph_->SetYAt(channel, PointX(k), point[static_cast<std::size_t>(channel - 1)]);
    }
    RebuildGradient();
}

void TGradientEditor::RebuildGradient()
{
    for (int k = 0; k < GradientColourCount; ++k) {
        double rgb[3];
        for (int channel = RedChannel; channel <= BlueChannel; ++channel)
            rgb[channel - 1] = graph_->YAt(channel, PointX(k)).value_or(0);
        gradient_[static_cast<std::size_t>(k)] = GradientColour(rgb[0], rgb[1], rgb[2]);
    }
    image_->SetGradient(gradient_);
    emit GradientChanged();
}

}  // namespace tarn
