// Shows every shared control in one window, for looking at them by eye.

#include "controls/Animate.h"
#include "controls/Chart.h"
#include "controls/EnhTrackBar.h"
#include "controls/Flatimge.h"
#include "controls/FlEdit.h"
#include "controls/GlobeStrip.h"
#include "controls/GradientEditor.h"
#include "controls/Hemisphere.h"
#include "controls/longprogress.h"

#include <QApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

using namespace tarn;

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

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Shared controls");
    auto* grid = new QGridLayout(&window);
    grid->addWidget(Group("Numbers and track bar", NumericControls()), 0, 0);
    grid->addWidget(Group("Hemispheres", Hemispheres()), 1, 0);
    grid->addWidget(Group("Flat image and globe", Pictures()), 0, 1, 2, 1);
    auto* gradient = new TGradientEditor;
    gradient->GradientTypeComboBoxChange(0);
    grid->addWidget(Group("Gradient Parameters", gradient), 0, 2, 2, 1);
    grid->addWidget(Group("Cross-section style chart", SectionLikeChart()), 2, 0, 1, 3);
    window.show();

    auto* progress = new TLongProgressDlg(&window);
    progress->Begin("Interpolation", "Gridding heights...");
    progress->move(window.geometry().right() - 320, window.geometry().bottom() - 150);
    // With --quit-after N the gallery closes itself after N milliseconds.
    const QStringList arguments = app.arguments();
    const int quitAt = arguments.indexOf("--quit-after");
    if (quitAt >= 0 && quitAt + 1 < arguments.size())
        QTimer::singleShot(arguments[quitAt + 1].toInt(), &app, [] { QApplication::exit(0); });
    return app.exec();
}
