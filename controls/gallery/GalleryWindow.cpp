#include "controls/gallery/GalleryWindow.h"

#include "controls/Animate.h"
#include "controls/Chart.h"
#include "controls/EnhTrackBar.h"
#include "controls/Flatimge.h"
#include "controls/FlEdit.h"
#include "controls/GlobeStrip.h"
#include "controls/GradientEditor.h"
#include "controls/Hemisphere.h"
#include "controls/longprogress.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace tarn {

namespace {

QGroupBox* Group(const QString& title, QWidget* content)
{
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

QWidget* NumericControls()
{
    auto* panel = new QWidget;
    auto* form = new QFormLayout(panel);
    auto* spacing = new TFloatEdit;
    spacing->SetMax(65536);
    spacing->SetMin(100);
    spacing->SetDigits(0);
    spacing->SetValue(250);
    form->addRow("Spacing", spacing);
    auto* ratio = new TFloatEdit;
    ratio->SetDigits(3);
    ratio->SetMax(99.999);
    ratio->SetValue(1);
    form->addRow("X:Y Ratio", ratio);
    auto* bar = new TEnhTrackBar;
    bar->setRange(0, 100);
    bar->setValue(35);
    form->addRow("Mist Density", bar);
    return panel;
}

QWidget* Hemispheres()
{
    auto* panel = new QWidget;
    auto* layout = new QGridLayout(panel);
    auto* light = new THemisphere;
    light->setFixedSize(110, 220);
    light->SetStepCount(6);
    light->SetAzimuth(135);
    light->SetAltitude(40);
    auto* compass = new THemisphere;
    compass->setFixedSize(110, 110);
    compass->SetAzimuthOnly(true);
    compass->SetStepCount(4);
    compass->SetTransparent(true);
    compass->SetAzimuth(300);
    compass->SetAltitude(90);
    layout->addWidget(light, 0, 0);
    layout->addWidget(compass, 0, 1, Qt::AlignTop);
    return panel;
}

QWidget* Pictures()
{
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    auto* holder = new QWidget;
    holder->setFixedSize(210, 210);
    auto* flat = new TFlatImage(holder);
    flat->move(5, 5);
    flat->SetNodeSize(101, 51);
    for (int row = 0; row < 51; ++row)
        for (int column = 0; column < 101; ++column) {
            const double hill = std::exp(-(std::pow(column - 60, 2) + std::pow(row - 20, 2)) / 300.0);
            flat->SetNodeHeight(column, row, static_cast<int>(1000 * hill + 3 * ((row * 7 + column * 13) % 10)));
        }
    layout->addWidget(holder);
    auto* globe = new TAnimated;
    globe->setFixedSize(48, 48);
    globe->SetBitMap(MakeGlobeStrip(48, 30));
    globe->SetFrameCount(30);
    globe->SetInterval(80);
    globe->SetPlay(true);
    layout->addWidget(globe);
    return panel;
}

TChart* SectionLikeChart()
{
    auto* chart = new TChart;
    chart->SetAxisTitles("Distance", "Height");
    chart->SetBackgroundColour(QColor(0xC0, 0xC0, 0xC0));
    chart->SetXRange(0, 1200);
    chart->SetYRange(0, 450);
    const int series = chart->AddSeries(Qt::blue);
    for (int d = 0; d <= 1150; d += 25)
        chart->AddPoint(series, d, 180 + 120 * std::sin(d / 170.0) + 40 * std::cos(d / 53.0));
    const int markers = chart->AddSeries(Qt::red, TChart::SeriesStyle::Markers);
    for (int d : {0, 400, 800, 1150})
        chart->AddPoint(markers, d, 380);
    chart->setMinimumSize(380, 240);
    return chart;
}

// Drives the progress dialog as a long operation would: a step every tenth
// of a second for a few seconds, ending early when Cancel is pressed. The
// steps run from a timer, so the gallery's event loop stays the only one.
void RunPretendedOperation(TLongProgressDlg& progress)
{
    constexpr int kSteps = 50;
    progress.Begin("Interpolation", "Gridding heights...");
    auto* ticker = new QTimer(&progress);
    ticker->setInterval(100);
    QObject::connect(ticker, &QTimer::timeout, &progress, [&progress, ticker, step = 0]() mutable {
        if (!progress.Continue() || ++step > kSteps) {
            ticker->stop();
            ticker->deleteLater();
            progress.End();
            return;
        }
        progress.SetActivity(QString("Gridding heights... %1%").arg(step * 100 / kSteps));
    });
    ticker->start();
}

}  // namespace

std::unique_ptr<QWidget> MakeGalleryWindow()
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle("Shared controls");
    auto* grid = new QGridLayout(window.get());
    grid->addWidget(Group("Numbers and track bar", NumericControls()), 0, 0);
    grid->addWidget(Group("Hemispheres", Hemispheres()), 1, 0);
    grid->addWidget(Group("Flat image and globe", Pictures()), 0, 1, 2, 1);
    auto* gradient = new TGradientEditor;
    gradient->GradientTypeComboBoxChange(0);
    grid->addWidget(Group("Gradient Parameters", gradient), 0, 2, 2, 1);
    grid->addWidget(Group("Cross-section style chart", SectionLikeChart()), 2, 0, 1, 3);

    auto* progress = new TLongProgressDlg(window.get());
    progress->setObjectName("ProgressDemo");
    auto* start = new QPushButton("Long operation...");
    start->setObjectName("LongOperationButton");
    grid->addWidget(start, 3, 0, Qt::AlignLeft);
    QObject::connect(start, &QPushButton::clicked, progress, [progress] { RunPretendedOperation(*progress); });
    // The operation starts once the gallery is on the screen.
    QTimer::singleShot(0, progress, [progress] { RunPretendedOperation(*progress); });
    return window;
}

}  // namespace tarn
