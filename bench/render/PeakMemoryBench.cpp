// Peak resident memory of one drawing pass of the bench map, for fractal
// depths 0, 3, 6 and 9 at 640 x 480 and 2560 x 1920. Each case runs in a
// fresh child process (render_peak_probe), whose peak resident size the
// kernel reports when it ends; the time is that of the whole child.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <string>

extern char** environ;

namespace {

void BM_PeakMemory(benchmark::State& state)
{
    const std::string width = std::to_string(state.range(0));
    const std::string height = std::to_string(state.range(1));
    const std::string depth = std::to_string(state.range(2));
    long peakKiB = 0;
    for (auto _ : state) {
        std::string probe = TARN_PEAK_PROBE;
        char* argv[] = {probe.data(), const_cast<char*>(width.c_str()), const_cast<char*>(height.c_str()),
                        const_cast<char*>(depth.c_str()), nullptr};
        pid_t child = 0;
        if (posix_spawn(&child, argv[0], nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("the probe could not be started");
            return;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the probe failed");
            return;
        }
        peakKiB = std::max(peakKiB, usage.ru_maxrss);
    }
    state.counters["peak_MB"] = static_cast<double>(peakKiB) / 1024.0;
}
BENCHMARK(BM_PeakMemory)
    ->ArgsProduct({{640}, {480}, {0, 3, 6, 9}})
    ->ArgsProduct({{2560}, {1920}, {0, 3, 6, 9}})
    ->ArgNames({"width", "height", "depth"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
