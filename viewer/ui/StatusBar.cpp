#include "viewer/ui/StatusBar.h"

#include "viewer/ui/GLPanel.h"

#include <QPainter>

#include <algorithm>

namespace tarn {

namespace {
constexpr int kProgressWidth = 100;
constexpr std::array<int, 3> kPanelWidths{150, 250, 200};
constexpr std::chrono::milliseconds kShowInterval{250};

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

TDrawProgressPanel::TDrawProgressPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName("StatusPanel0");
    setFixedWidth(kProgressWidth);
}

void TDrawProgressPanel::SetPercent(int percent)
{
    percent_ = std::min(percent, 100);
    // Painted at the next pump: painting now would make the window's own
    // context current in the middle of a draw.
    update();
}

void TDrawProgressPanel::paintEvent(QPaintEvent*)
{
    if (percent_ <= 0)
        return;
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(0, 2), QPoint(percent_ - 1, height() - 1)), QColor(0xFF, 0x00, 0xFF));
}

TViewerStatusBar::TViewerStatusBar(QWidget* parent) : QStatusBar(parent), progress_(new TDrawProgressPanel(this))
{
    setObjectName("StatusBar");
    addWidget(progress_);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QString("StatusPanel%1").arg(i + 1));
        // Panels widen for a caption longer than they are ("Drawing
        // Landscape View" does not fit 150 pixels in every font).
        panels_[i]->setMinimumWidth(kPanelWidths[i]);
        panels_[i]->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        addWidget(panels_[i]);
    }
}

QLabel* TViewerStatusBar::Panel(int index) const
{
    return index >= 1 && index <= 3 ? panels_[static_cast<std::size_t>(index - 1)] : nullptr;
}

TDrawProgress::TDrawProgress(TViewerStatusBar& statusBar, TGLPanel& panel, const bool& abortFlag)
    : statusBar_(statusBar), panel_(panel), abortFlag_(abortFlag), lastShown_(std::chrono::steady_clock::now())
{
}

void TDrawProgress::setCaptions(std::string_view operation, std::string_view step)
{
    operation_ = FromView(operation);
    step_ = FromView(step);
    ShowWhenDue();
}

void TDrawProgress::setPercent(int percent)
{
    percent_ = percent;
    ShowWhenDue();
}

void TDrawProgress::hideProgress()
{
    percent_ = -1;
    Show();
}

bool TDrawProgress::pump()
{
    panel_.ProcessMessages();
    return !abortFlag_;
}

void TDrawProgress::ShowWhenDue()
{
    if (std::chrono::steady_clock::now() - lastShown_ >= kShowInterval)
        Show();
}

void TDrawProgress::Show()
{
    statusBar_.Panel(1)->setText(operation_);
    statusBar_.Panel(2)->setText(step_);
    statusBar_.ProgressPanel()->SetPercent(percent_);
    lastShown_ = std::chrono::steady_clock::now();
}

}  // namespace tarn
