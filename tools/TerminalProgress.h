#pragma once

#include "model/Progress.h"

#include <cstdio>
#include <string>

namespace tarn::tool {

// Shows a long operation's step and percentage as one line on a terminal;
// shows nothing when the stream is not a terminal.
class TerminalProgress final : public IProgress {
public:
    explicit TerminalProgress(std::FILE* stream = stderr);
    ~TerminalProgress() override;

    void setCaptions(std::string_view operation, std::string_view step) override;
    void setPercent(int percent) override;
    void hideProgress() override;
    bool pump() override { return true; }

private:
    void draw();

    std::FILE* stream_;
    bool enabled_;
    bool shown_ = false;
    std::string caption_;
    int percent_ = 0;
};

}  // namespace tarn::tool
