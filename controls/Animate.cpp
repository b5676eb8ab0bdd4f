#include "controls/Animate.h"

#include "model/Colour.h"

#include <QPainter>
#include <QTimerEvent>

#include <algorithm>

namespace tarn {

namespace {
constexpr int DefaultSize = 30;
}

TAnimated::TAnimated(QWidget* parent) : QWidget(parent)
{
    resize(DefaultSize, DefaultSize);
}

void TAnimated::SetBitMap(const QImage& strip)
{
    bitmap_ = strip;
    PrepareStrip();
    resize(width(), bitmap_.height() > 0 ? bitmap_.height() : DefaultSize);
    update();
}

void TAnimated::SetFrameCount(int count)
{
    frameCount_ = std::max(1, count);
    SetFrame(frame_);
}

void TAnimated::SetFrame(int frame)
{
    frame = frame < 0 ? frameCount_ - 1 : frame % frameCount_;
    if (frame == frame_)
        return;
    frame_ = frame;
    emit ChangeFrame(frame_);
    update();
}

void TAnimated::SetInterval(int milliseconds)
{
    interval_ = std::max(0, milliseconds);
    RestartTimer();
}

void TAnimated::SetPlay(bool play)
{
    play_ = play;
    RestartTimer();
}

void TAnimated::SetTransparentColor(int colour)
{
    transparentColor_ = colour;
    PrepareStrip();
    update();
}

void TAnimated::RestartTimer()
{
    if (play_ && interval_ > 0)
        timer_.start(interval_, this);
    else
        timer_.stop();
}

void TAnimated::Step()
{
    SetFrame(reverse_ ? frame_ - 1 : frame_ + 1);
    const int end = reverse_ ? 0 : frameCount_ - 1;
    if (!loop_ && frame_ == end)
        SetPlay(false);
}

void TAnimated::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == timer_.timerId())
        Step();
    else
        QWidget::timerEvent(event);
}

void TAnimated::PrepareStrip()
{
    shown_ = bitmap_.convertToFormat(QImage::Format_RGB32);
    if (transparentColor_ < 0 || shown_.isNull())
        return;
    const auto key = static_cast<TColorRef>(transparentColor_);
    const QRgb from = qRgb(RedOf(key), GreenOf(key), BlueOf(key));
    const QRgb to = palette().window().color().rgb();
    for (int y = 0; y < shown_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(shown_.scanLine(y));
        std::replace(line, line + shown_.width(), from, to);
    }
}

void TAnimated::changeEvent(QEvent* event)
{
    // The transparent colour shows the control's colour, which has just changed.
    if (event->type() == QEvent::PaletteChange)
        PrepareStrip();
    QWidget::changeEvent(event);
}

void TAnimated::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (shown_.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    painter.drawImage(QPoint(0, 0), shown_, QRect(frame_ * width(), 0, width(), height()));
}

}  // namespace tarn
