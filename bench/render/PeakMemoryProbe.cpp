// Draws the bench map once at a given size and fractal depth and exits; the
// peak memory benchmark runs it as a child process and reads the child's
// peak resident size. Usage: render_peak_probe WIDTH HEIGHT DEPTH
#include "BenchMap.h"
#include "viewer/render/offscreen/OffscreenContext.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: render_peak_probe WIDTH HEIGHT DEPTH\n");
        return 2;
    }
    const int width = std::atoi(argv[1]);
    const int height = std::atoi(argv[2]);
    const int depth = std::atoi(argv[3]);
    tarn::TOffscreenContext context(width, height);
    const auto net = tarn::bench::MakeBenchMap(width, height);
    net->InitContext();
    net->DrawScene(0, depth, nullptr);
    glFinish();
    return 0;
}
