#include "tools/TerminalProgress.h"

#include <unistd.h>

namespace tarn::tool {

namespace {
constexpr int kBarWidth = 30;
}

TerminalProgress::TerminalProgress(std::FILE* stream) : stream_(stream), enabled_(::isatty(::fileno(stream)) != 0) {}

TerminalProgress::~TerminalProgress() { hideProgress(); }

void TerminalProgress::setCaptions(std::string_view operation, std::string_view step)
{
    caption_ = std::string(operation);
    if (!step.empty())
        caption_.append(": ").append(step);
    draw();
}

void TerminalProgress::setPercent(int percent)
{
    percent_ = percent;
    draw();
}

void TerminalProgress::hideProgress()
{
    if (enabled_ && shown_)
        std::fputs("\r\033[K", stream_);
    shown_ = false;
}

void TerminalProgress::draw()
{
    if (!enabled_)
        return;
    const int filled = percent_ * kBarWidth / 100;
    std::fprintf(stream_, "\r\033[K[%-*.*s] %3d%% %s", kBarWidth, filled,
                 "##############################", percent_, caption_.c_str());
    std::fflush(stream_);
    shown_ = true;
}

}  // namespace tarn::tool
