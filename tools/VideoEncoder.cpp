#include "tools/VideoEncoder.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <vector>

extern char** environ;

namespace tarn::tool {

std::string EncodeVideo(const std::string& prefix, int first, int count, int fps, const std::string& output)
{
    const std::vector<std::string> words = {"ffmpeg", "-y", "-loglevel", "error", "-framerate", std::to_string(fps),
                                            "-start_number", std::to_string(first), "-i", prefix + "%03d.bmp",
                                            "-frames:v", std::to_string(count), "-c:v", "libx264", "-pix_fmt",
                                            "yuv420p", "-vf", "pad=ceil(iw/2)*2:ceil(ih/2)*2", output};
    std::vector<char*> argv;
    for (const auto& word : words)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = ::posix_spawnp(&child, "ffmpeg", nullptr, nullptr, argv.data(), environ);
    if (spawned == ENOENT)
        return "--video needs the ffmpeg program, which was not found (install the ffmpeg package); "
               "the frames were written";
    if (spawned != 0)
        return "ffmpeg could not be started; the frames were written";
    int status = 0;
    if (::waitpid(child, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "ffmpeg could not make " + output + "; the frames were written";
    return {};
}

}  // namespace tarn::tool
