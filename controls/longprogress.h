// longprogress.h: TLongProgressDlg, the progress window of long operations, and its IProgress reporter.
#pragma once

#include "model/Progress.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace tarn {

class TAnimated;

// A stay-on-top window for long operations: a caption set by the caller, an
// activity text, a turning globe and a Cancel button. The operation calls
// Progress() between its steps; that lets the interface breathe and tells it
// whether to go on. While it shows, the other windows take no input, so no
// second command can start in the middle of the operation.
class TLongProgressDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int GlobeFrames = 30;
    static constexpr int GlobeSize = 48;

    explicit TLongProgressDlg(QWidget* parent = nullptr);

    // Shows the window for a new operation and sets Continue again.
    void Begin(const QString& caption, const QString& activity = {});
    // Hides the window once the operation has ended.
    void End();
    void SetActivity(const QString& text);

    // 0 once Cancel was pressed; otherwise processes pending events and returns 1.
    int Progress();
    // Progress() as a callback for code that takes a plain function.
    std::function<int()> ProgressCallback();
    bool Continue() const { return continue_; }

    void CancelClick();

protected:
    // Escape and closing the window both mean Cancel.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* activityLabel_;
    QPushButton* cancel_;
    TAnimated* globe_;
    bool continue_ = true;
};

// Lets a model operation that reports through IProgress drive the dialog:
// the step caption becomes the activity text and pump() asks the dialog
// whether to go on. Everything is also passed to an optional second sink,
// such as the status bar of the main window.
class TLongProgressReporter final : public IProgress {
public:
    explicit TLongProgressReporter(TLongProgressDlg& dialog, IProgress* also = nullptr);

    void setCaptions(std::string_view operation, std::string_view step) override;
    void setPercent(int percent) override;
    void hideProgress() override;
    bool pump() override;

private:
    TLongProgressDlg& dialog_;
    IProgress* also_;
};

}  // namespace tarn
