// Drawing a 500 x 500 map at 640 x 480 through OSMesa: DrawScene at fractal
// depth 0 (first frame, after a parameter change, animation frames, the
// square walk without the kept surface) and depth 3, beside a bare loop that
// sends the same four lit triangles per square in immediate mode with no
// per-square logic. Frames per second are counted in wall-clock time: the
// rasteriser works in threads of its own.
#include "BenchMap.h"
#include "viewer/render/offscreen/OffscreenContext.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tarn {
namespace {

using bench::kBenchMapSide;
constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr long long kTriangles = 4LL * (kBenchMapSide - 1) * (kBenchMapSide - 1);

struct Scene {
    TOffscreenContext context{kWidth, kHeight};
    std::unique_ptr<TViewNet> net = bench::MakeBenchMap(kWidth, kHeight);
    Scene() { net->InitContext(); }
};

void Report(benchmark::State& state)
{
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["triangles/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * kTriangles), benchmark::Counter::kIsRate);
}

// The four triangles of every square (corner, centre, next corner) with
// their normals and node colours, as flat lists for the bare loop.
struct TBareTriangles {
    std::vector<std::array<float, 3>> normals;      // one per triangle
    std::vector<std::array<float, 4>> colours;      // three per triangle
    std::vector<std::array<float, 3>> positions;    // three per triangle
};

TBareTriangles CollectTriangles(TViewNet& net)
{
    TBareTriangles t;
    for (int index = 1; index <= net.SquareCount(); ++index) {
        const auto corners = net.SquareCorners(index);
        const TColourRecord record = net.BuildColourRecord(index);
        std::array<std::array<double, 3>, 4> p;
        std::array<double, 3> centre{};
        for (std::size_t k = 0; k < 4; ++k) {
            p[k] = net.ScenePosition(corners[k]);
            for (std::size_t axis = 0; axis < 3; ++axis)
                centre[axis] += p[k][axis] / 4;
        }
        for (std::size_t k = 0; k < 4; ++k) {
            const auto& a = p[k];
            const auto& c = p[(k + 1) % 4];
            const double ux = a[0] - centre[0], uy = a[1] - centre[1], uz = a[2] - centre[2];
            const double vx = centre[0] - c[0], vy = centre[1] - c[1], vz = centre[2] - c[2];
            double n[3] = {uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
            const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
            t.normals.push_back({static_cast<float>(n[0] / length), static_cast<float>(n[1] / length),
                                 static_cast<float>(n[2] / length)});
            const std::array<const std::array<double, 3>*, 3> points{&a, &centre, &c};
            for (const auto* point : points)
                t.positions.push_back(
                    {static_cast<float>((*point)[0]), static_cast<float>((*point)[1]), static_cast<float>((*point)[2])});
            const auto& ca = record.nodeColour[k];
            const auto& cc = record.nodeColour[(k + 1) % 4];
            t.colours.push_back({ca.red, ca.green, ca.blue, ca.alpha});
            t.colours.push_back({(ca.red + cc.red) / 2, (ca.green + cc.green) / 2, (ca.blue + cc.blue) / 2, 1});
            t.colours.push_back({cc.red, cc.green, cc.blue, cc.alpha});
        }
    }
    return t;
}

// The reference: one glBegin per square, a normal per triangle, colour and
// vertex per point, nothing else.
void SendBareTriangles(const TBareTriangles& t)
{
    for (std::size_t square = 0; square < t.normals.size(); square += 4) {
        glBegin(GL_TRIANGLES);
        for (std::size_t triangle = square; triangle < square + 4; ++triangle) {
            glNormal3fv(t.normals[triangle].data());
            for (std::size_t v = triangle * 3; v < triangle * 3 + 3; ++v) {
                glColor4fv(t.colours[v].data());
                glVertex3fv(t.positions[v].data());
            }
        }
        glEnd();
    }
}

void BM_BareImmediateLoop(benchmark::State& state)
{
    Scene scene;
    scene.net->DrawScene(0, 0, nullptr);  // camera, light and material as a frame leaves them
    const TBareTriangles t = CollectTriangles(*scene.net);
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SendBareTriangles(t);
        glFinish();
    }
    Report(state);
}
BENCHMARK(BM_BareImmediateLoop)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();

// The bare loop compiled once into a display list and replayed: the speed
// of the kept surface's row lists.
void BM_BareDisplayList(benchmark::State& state)
{
    Scene scene;
    scene.net->DrawScene(0, 0, nullptr);
    const TBareTriangles t = CollectTriangles(*scene.net);
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    SendBareTriangles(t);
    glEndList();
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glCallList(list);
        glFinish();
    }
    glDeleteLists(list, 1);
    Report(state);
}
BENCHMARK(BM_BareDisplayList)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();

// A parameter changes before every frame: the surface is built again (into
// the memory the last one used) and drawn.
void BM_DrawSceneDepth0ParameterChange(benchmark::State& state)
{
    Scene scene;
    int frame = 0;
    for (auto _ : state) {
        scene.net->MapHeader.TerrainColours[3] = RGB(100 + frame++ % 100, 60, 60);
        scene.net->DrawScene(0, 0, nullptr);
        glFinish();
    }
    Report(state);
}
BENCHMARK(BM_DrawSceneDepth0ParameterChange)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();

// The first frame of a newly loaded map: the surface's memory is taken anew,
// then built and drawn.
void BM_DrawSceneDepth0FirstFrame(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state) {
        scene.net->ReleaseSceneCache();
        scene.net->DrawScene(0, 0, nullptr);
        glFinish();
    }
    Report(state);
}
BENCHMARK(BM_DrawSceneDepth0FirstFrame)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();

// The same still picture drawn again (a Redraw): after the first pass
// (which builds the surface) and the second (which compiles its row
// lists), each row comes from the triangles of it that reach the picture,
// or from its list when it keeps most of them.
void BM_DrawSceneDepth0Redraw(benchmark::State& state)
{
    Scene scene;
    scene.net->DrawScene(0, 0, nullptr);
    scene.net->DrawScene(0, 0, nullptr);
    for (auto _ : state) {
        scene.net->DrawScene(0, 0, nullptr);
        glFinish();
    }
    Report(state);
}
BENCHMARK(BM_DrawSceneDepth0Redraw)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();

// Frames of an animation: the camera moves, the map and its colours stay;
// from the second frame the surface is drawn as a redraw is (the first two
// frames are drawn before the timing starts).
void BM_DrawSceneDepth0Animation(benchmark::State& state)
{
    Scene scene;
    auto& camera = scene.net->MapHeader.CameraPos;
    int frame = 0;
    for (; frame < 2; ++frame) {
        scene.net->SetFrameInfo(frame, 1000);
        scene.net->DrawScene(0, 0, nullptr);
    }
    for (auto _ : state) {
        camera[0] = -700 + 5.0 * (frame % 40);
        scene.net->SetFrameInfo(frame++, 1000);
        scene.net->DrawScene(0, 0, nullptr);
        glFinish();
    }
    Report(state);
}
BENCHMARK(BM_DrawSceneDepth0Animation)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();

// The square walk without the kept surface: every square in immediate mode.
void BM_DrawSceneDepth0SquareWalk(benchmark::State& state)
{
    Scene scene;
    scene.net->UseSceneCache = false;
    for (auto _ : state) {
        scene.net->DrawScene(0, 0, nullptr);
        glFinish();
    }
    Report(state);
}
BENCHMARK(BM_DrawSceneDepth0SquareWalk)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();

// Fractal depth 3, the picture drawn again (the relief noise of the lattice
// points is kept from the pass before).
void BM_DrawSceneDepth3(benchmark::State& state)
{
    Scene scene;
    scene.net->DrawScene(0, 3, nullptr);
    for (auto _ : state) {
        scene.net->DrawScene(0, 3, nullptr);
        glFinish();
    }
    Report(state);
}
BENCHMARK(BM_DrawSceneDepth3)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();

// Fractal depth 3 for a newly loaded map: the noise is worked out anew.
void BM_DrawSceneDepth3FirstFrame(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state) {
        scene.net->ReleaseSceneCache();
        scene.net->DrawScene(0, 3, nullptr);
        glFinish();
    }
    Report(state);
}
BENCHMARK(BM_DrawSceneDepth3FirstFrame)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();

// The frames above timed in turn with the bare loop, round after round, so
// that a machine whose speed drifts (other work on a shared host) slows
// them alike: each counter is the median, over the rounds, of the frame's
// time divided by the bare loop's time in the same round.
void BM_RatiosToTheBareLoop(benchmark::State& state)
{
    Scene scene;
    TViewNet& net = *scene.net;
    net.DrawScene(0, 0, nullptr);
    const TBareTriangles t = CollectTriangles(net);
    const auto milliseconds = [](auto&& draw) {
        const auto start = std::chrono::steady_clock::now();
        draw();
        glFinish();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    const auto draw = [&net] { net.DrawScene(0, 0, nullptr); };
    // The floor that display lists give: the bare loop replayed from one.
    const GLuint bareList = glGenLists(1);
    glNewList(bareList, GL_COMPILE);
    SendBareTriangles(t);
    glEndList();
    std::vector<std::pair<std::string, std::vector<double>>> ratios{
        {"parameter change", {}}, {"cold first frame", {}}, {"still redraw", {}}, {"animation frame", {}},
        {"fractal depth 3", {}},  {"bare display list", {}}};
    int frame = 0;
    for (auto _ : state) {
        const double bare = milliseconds([&] {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            SendBareTriangles(t);
        });
        net.MapHeader.TerrainColours[3] = RGB(100 + frame % 100, 60, 60);
        ratios[0].second.push_back(milliseconds(draw) / bare);
        net.ReleaseSceneCache();
        ratios[1].second.push_back(milliseconds(draw) / bare);
        draw();  // the second pass over the surface compiles its row lists
        ratios[2].second.push_back(milliseconds(draw) / bare);
        net.MapHeader.CameraPos[0] = -700 + 5.0 * (frame % 40);
        net.SetFrameInfo(++frame, 1000);
        ratios[3].second.push_back(milliseconds(draw) / bare);
        net.SetFrameInfo(0, 0);
        net.DrawScene(0, 3, nullptr);  // works out the relief noise the next pass keeps
        ratios[4].second.push_back(milliseconds([&net] { net.DrawScene(0, 3, nullptr); }) / bare);
        ratios[5].second.push_back(milliseconds([&] {
                                       glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
                                       glCallList(bareList);
                                   }) /
                                   bare);
    }
    glDeleteLists(bareList, 1);
    for (auto& [name, values] : ratios) {
        std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
        state.counters[name] = values[values.size() / 2];
    }
}
BENCHMARK(BM_RatiosToTheBareLoop)->Unit(benchmark::kMillisecond)->MinTime(20)->UseRealTime();

}  // namespace
}  // namespace tarn
