#pragma once

#include "model/Progress.h"

#include <QLabel>
#include <QStatusBar>

namespace tarn {

// Panel 0 of the status bar: a magenta progress bar while an operation runs.
class TProgressPanel : public QWidget {
    Q_OBJECT

public:
    explicit TProgressPanel(QWidget* parent = nullptr);
    // -1 hides the bar.
    void SetPercent(int percent);
    int Percent() const { return percent_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int percent_ = -1;
};

// The editor's status bar: panels of 100, 150, 250 and 200 pixels. Panel 0
// draws progress; panels 1 and 2 show the running operation and its step.
class TStatusPanels : public QStatusBar {
    Q_OBJECT

public:
    explicit TStatusPanels(QWidget* parent = nullptr);

    TProgressPanel* ProgressPanel() const { return progress_; }
    QLabel* Panel(int index) const;

private:
    TProgressPanel* progress_;
    QLabel* panels_[3];
};

// Shows a long operation's progress on the status bar and lets the window
// repaint between steps.
class TStatusProgress final : public IProgress {
public:
    explicit TStatusProgress(TStatusPanels& panels) : panels_(panels) {}
    void setCaptions(std::string_view operation, std::string_view step) override;
    void setPercent(int percent) override;
    void hideProgress() override;
    bool pump() override;

private:
    TStatusPanels& panels_;
};

}  // namespace tarn
