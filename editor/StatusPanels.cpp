#include "editor/StatusPanels.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

namespace tarn {

TProgressPanel::TProgressPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName("StatusPanel0");
    setFixedWidth(100);
}

void TProgressPanel::SetPercent(int percent)
{
    percent_ = std::min(percent, 100);
    repaint();
}

void TProgressPanel::paintEvent(QPaintEvent*)
{
    if (percent_ < 0)
        return;
    QPainter painter(this);
    const QRect frame = rect().adjusted(2, 3, -3, -3);
    painter.setPen(Qt::gray);
    painter.drawRect(frame);
    const int width = (frame.width() - 1) * percent_ / 100;
    painter.fillRect(QRect(frame.left() + 1, frame.top() + 1, width, frame.height() - 1), QColor(0xFF, 0x00, 0xFF));
}

TStatusPanels::TStatusPanels(QWidget* parent) : QStatusBar(parent), progress_(new TProgressPanel(this))
{
    setObjectName("StatusBar");
    setSizeGripEnabled(true);
    addWidget(progress_);
    const int widths[3] = {150, 250, 200};
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QString("StatusPanel%1").arg(i + 1));
        panels_[i]->setFixedWidth(widths[i]);
        panels_[i]->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        addWidget(panels_[i]);
    }
}

QLabel* TStatusPanels::Panel(int index) const
{
    return index >= 1 && index <= 3 ? panels_[index - 1] : nullptr;
}

void TStatusProgress::setCaptions(std::string_view operation, std::string_view step)
{
    panels_.Panel(1)->setText(QString::fromUtf8(operation.data(), static_cast<qsizetype>(operation.size())));
    panels_.Panel(2)->setText(QString::fromUtf8(step.data(), static_cast<qsizetype>(step.size())));
    panels_.Panel(1)->repaint();
    panels_.Panel(2)->repaint();
}

void TStatusProgress::setPercent(int percent)
{
    panels_.ProgressPanel()->SetPercent(percent);
}

void TStatusProgress::hideProgress()
{
    panels_.ProgressPanel()->SetPercent(-1);
}

bool TStatusProgress::pump()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return true;
}

}  // namespace tarn
