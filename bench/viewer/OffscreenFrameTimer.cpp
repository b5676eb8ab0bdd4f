// Times tarntool render's drawing of a map off screen: loads the map, makes
// an OSMesa context of the given size, draws one frame to warm up and then
// the same frame again and again, and prints the mean milliseconds a
// DrawScene took. The viewer benchmark runs it to compare in the same run.
//
// usage: offscreen_frame_timer MAP.lem WIDTH HEIGHT FRAMES
#include "model/LemFileIO.h"
#include "viewer/render/ViewNet.h"
#include "viewer/render/offscreen/OffscreenContext.h"

#include <GL/gl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 5)
        return 2;
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    const int frames = std::atoi(argv[4]);
    tarn::TViewNet net;
    tarn::NullProgress quiet;
    if (!tarn::LoadLemFile(argv[1], net, quiet) || frames < 1)
        return 1;
    tarn::TOffscreenContext context(width, height);
    net.InitContext();
    net.SetViewSize(width, height);
    net.DrawScene(0, net.MapHeader.FractalDepth, nullptr);
    glFinish();
    const auto start = std::chrono::steady_clock::now();
    for (int frame = 0; frame < frames; ++frame) {
        net.DrawScene(0, net.MapHeader.FractalDepth, nullptr);
        glFinish();
    }
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%.3f\n", elapsed.count() / frames);
    return 0;
}
