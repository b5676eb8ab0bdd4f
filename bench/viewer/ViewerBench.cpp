// The viewer on a virtual display (run under xvfb-run -a): the preview's
// redraw after one control of the parameters dialog changes, on the sample
// map; a full redraw of a 500 x 500 map in a 640 x 480 panel beside the
// panel drawing alone and tarntool render's DrawScene of the same frame
// (timed off screen by offscreen_frame_timer in the same run); and how soon
// Abort ends a long draw.
#include "controls/Messages.h"
#include "model/LemFileIO.h"
#include "model/MapFactory.h"
#include "model/SettingsStore.h"
#include "model/TerrainSlots.h"
#include "viewer/render/ViewNet.h"
#include "viewer/ui/GLPanel.h"
#include "viewer/ui/Hints.h"
#include "viewer/ui/PreviewDisplay.h"
#include "viewer/ui/Projparm.h"
#include "viewer/ui/TerrainDetails.h"
#include "viewer/ui/Viewform.h"

#include <QApplication>
#include <QPushButton>
#include <QProcess>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <functional>

namespace tarn {
namespace {

namespace fs = std::filesystem;
constexpr int kSide = 500;
constexpr QSize kPanel{640, 480};

fs::path BenchFolder()
{
    const fs::path folder = fs::temp_directory_path() / "tarn-viewer-bench";
    fs::create_directories(folder);
    return folder;
}

// Rolling hills with a few terrains, seen from the south-west.
fs::path MakeLargeMap(int fractalDepth)
{
    const fs::path file = BenchFolder() / ("large-" + std::to_string(fractalDepth) + ".lem");
    TNet net;
    CreateMap(net, {MapUnits::Metric, kSide, kSide, 20}, DefaultTerrainPalette());
    for (int row = 0; row < kSide; ++row)
        for (int column = 0; column < kSide; ++column)
            net.GetPoint(row * kSide + column + 1)->Height = static_cast<std::int16_t>(
                400 + 250 * std::sin(row * 0.031) * std::cos(column * 0.023) + 80 * std::sin((row + column) * 0.11));
    net.UpdateSquares();
    for (int i = 1; i <= net.SquareCount(); i += 11)
        net.GetSquare(i)->Terrain = static_cast<std::int16_t>(i % 7 + 1);
    auto& h = net.MapHeader;
    h.MinHeight = 70;
    h.MaxHeight = 730;
    h.VerticalScale = 1;
    h.ViewAngle = 30;
    h.DrawingScheme = kSchemeGradients;
    h.DrawTerrains = 1;
    h.GridMode = 2;
    h.SkyColour = RGB(120, 160, 230);
    h.LightColour = RGB(255, 255, 255);
    h.LightAlt = 40;
    h.LightAz = 135;
    h.ShadingDensity = 50;
    h.ShadingContrast = 50;
    h.LightDiffusion = 20;
    h.MistLevel = 5000;
    h.BackgroundType = kSolidBackground;
    h.FractalDepth = static_cast<std::int16_t>(fractalDepth);
    h.FractValues[0] = 40;
    h.CameraPos = {-700, -900, 500};
    h.TargetPos = {0, 0, 0};
    SaveLemFile(file, net);
    return file;
}

// Runs the action once the next modal dialog shows.
void WhenModal(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        }
    });
    timer->start(10);
}

// A viewer with a map loaded and drawn, its panel 640 x 480.
struct TLoadedViewer {
    MemorySettingsStore settings;
    ScopedMessageSink quiet{[](const QString&, const QString&) {}};
    TViewer viewer{settings};

    explicit TLoadedViewer(const fs::path& map)
    {
        viewer.show();
        QApplication::processEvents();
        auto* panel = viewer.findChild<TGLPanel*>("MainGLPanel");
        viewer.resize(viewer.size() + kPanel - panel->size());
        QApplication::processEvents();
        WhenModal([](QWidget* dialog) { dialog->findChild<QPushButton*>("OKBtn")->click(); });
        viewer.LoadMap(QString::fromStdString(map.string()));
    }
    QToolButton* Button(const char* name) { return viewer.findChild<QToolButton*>(name); }
};

void BM_PreviewRedrawAfterOneChange(benchmark::State& state)
{
    TViewNet map;
    NullProgress progress;
    LoadLemFile(fs::path(TARN_SOURCE_DIR) / "data" / "sample.lem", map, progress);
    MemorySettingsStore settings;
    THintSwitch hints;
    TPreviewForm preview;
    TTerrainColourDetailsDlg details;
    TProjParms dialog(settings, hints, preview, details, {});
    dialog.BuildPreview(map);
    TMapHeader header = map.MapHeader;
    WhenModal([&state](QWidget* shown) {
        auto* azimuth = shown->findChild<QSpinBox*>("LightAz");
        int value = 0;
        for (auto _ : state)
            azimuth->setValue(value++ % 356);
        shown->findChild<QPushButton*>("CancelBtn")->click();
    });
    dialog.EditSceneParameters(header, map);
}
BENCHMARK(BM_PreviewRedrawAfterOneChange)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_ViewerRedraw500x500(benchmark::State& state)
{
    TLoadedViewer loaded(MakeLargeMap(0));
    QToolButton* redraw = loaded.Button("RedrawButton");
    for (auto _ : state)
        redraw->click();
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ViewerRedraw500x500)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();

// The panel alone drawing the same frame, without the main window's
// progress and pumping; argument 1 reads the picture back, 0 does not.
void BM_PanelOnlyDrawScene(benchmark::State& state)
{
    TViewNet net;
    NullProgress quiet;
    LoadLemFile(MakeLargeMap(0), net, quiet);
    QWidget window;
    window.resize(kPanel);
    auto* panel = new TGLPanel(&window);
    panel->resize(kPanel);
    panel->GLObjectLoaded = state.range(0) != 0;
    panel->OnGLInit = [&net](TGLPanel&) { net.InitContext(); };
    panel->OnResize = [&net](TGLPanel& p) { net.SetViewSize(p.width(), p.height()); };
    panel->OnGLDraw = [&net](TGLPanel&) { net.DrawScene(0, 0, nullptr); };
    window.show();
    QApplication::processEvents();
    for (auto _ : state)
        panel->Redraw();
}
BENCHMARK(BM_PanelOnlyDrawScene)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();

// tarntool render's DrawScene of the same map and frame, off screen.
void BM_TarntoolDrawScene500x500(benchmark::State& state)
{
    const fs::path map = MakeLargeMap(0);
    for (auto _ : state) {
        QProcess timer;
        timer.start(TARN_FRAME_TIMER, {QString::fromStdString(map.string()), QString::number(kPanel.width()),
                                       QString::number(kPanel.height()), "20"});
        timer.waitForFinished(600000);
        const double milliseconds = timer.readAllStandardOutput().trimmed().toDouble();
        if (timer.exitCode() != 0 || milliseconds <= 0) {
            state.SkipWithError("offscreen_frame_timer failed");
            break;
        }
        state.SetIterationTime(milliseconds / 1000);
    }
}
BENCHMARK(BM_TarntoolDrawScene500x500)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

// From the moment Abort is clicked to the end of the draw, in a draw that
// would take seconds (fractal depth 5). The click is queued like a user's:
// it waits for the draw's next pump, which this time includes.
void BM_AbortDuringADraw(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    constexpr std::chrono::milliseconds kClickAfter{300};
    TLoadedViewer loaded(MakeLargeMap(0));
    QToolButton* abort = loaded.Button("AbortButton");
    const auto abortSoon = [abort, kClickAfter] {
        QTimer::singleShot(kClickAfter, abort, [abort] { abort->click(); });
        return Clock::now() + kClickAfter;
    };
    WhenModal([&](QWidget* dialog) {
        dialog->findChild<QSpinBox*>("FractalDepthEdit")->setValue(5);
        abortSoon();
        dialog->findChild<QPushButton*>("OKBtn")->click();
    });
    loaded.Button("ParametersButton")->click();
    for (auto _ : state) {
        const Clock::time_point clicked = abortSoon();
        loaded.Button("RedrawButton")->click();
        const std::chrono::duration<double> answered = Clock::now() - clicked;
        state.SetIterationTime(answered.count());
    }
}
BENCHMARK(BM_AbortDuringADraw)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

}  // namespace
}  // namespace tarn

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
