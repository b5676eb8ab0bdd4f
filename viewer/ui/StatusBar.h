#pragma once

#include "model/Progress.h"

#include <QLabel>
#include <QStatusBar>

#include <array>
#include <chrono>

namespace tarn {

class TGLPanel;

// Panel 0 of the viewer's status bar, drawn by the viewer: while a scene is
// drawn a magenta bar grows from (0, 2) to the bottom, one pixel per percent.
class TDrawProgressPanel : public QWidget {
    Q_OBJECT

public:
    explicit TDrawProgressPanel(QWidget* parent = nullptr);
    // -1 clears the bar.
    void SetPercent(int percent);
    int Percent() const { return percent_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int percent_ = -1;
};

// The status bar: panels of 100, 150, 250 and 200 pixels (the captions'
// panels at least that wide); panel 0 shows progress, panels 1 and 2 the
// operation and its step.
class TViewerStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit TViewerStatusBar(QWidget* parent = nullptr);
    TDrawProgressPanel* ProgressPanel() const { return progress_; }
    // Panels 1..3.
    QLabel* Panel(int index) const;

private:
    TDrawProgressPanel* progress_;
    std::array<QLabel*, 3> panels_{};
};

// The progress of a drawing pass on the status bar. Pumping lets every
// pending event run (so Abort gets through) and makes the panel's context
// current again; it answers false once the abort flag is set.
//
// Every repaint of the window during a draw costs a composition of the
// whole window with the OpenGL picture (about as long as drawing a tenth of
// a large map), so the captions and the bar are shown at most four times a
// second, and as they end.
class TDrawProgress final : public IProgress {
public:
    TDrawProgress(TViewerStatusBar& statusBar, TGLPanel& panel, const bool& abortFlag);
    void setCaptions(std::string_view operation, std::string_view step) override;
    void setPercent(int percent) override;
    void hideProgress() override;
    bool pump() override;

private:
    void ShowWhenDue();
    void Show();

    TViewerStatusBar& statusBar_;
    TGLPanel& panel_;
    const bool& abortFlag_;
    QString operation_;
    QString step_;
    int percent_ = -1;
    std::chrono::steady_clock::time_point lastShown_;
};

}  // namespace tarn
