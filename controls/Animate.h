#pragma once

#include <QBasicTimer>
#include <QImage>
#include <QWidget>

namespace tarn {

// A frame-strip animation: BitMap holds FrameCount frames side by side, each
// as wide as the control, and every Interval milliseconds the next one shows.
class TAnimated : public QWidget {
    Q_OBJECT

public:
    explicit TAnimated(QWidget* parent = nullptr);

    const QImage& BitMap() const { return bitmap_; }
    // Also sets the control's height to the strip's (30 for an empty strip).
    void SetBitMap(const QImage& strip);
    int FrameCount() const { return frameCount_; }
    void SetFrameCount(int count);
    int Frame() const { return frame_; }
    // Taken modulo FrameCount; a negative frame means the last one.
    void SetFrame(int frame);
    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);
    bool Play() const { return play_; }
    void SetPlay(bool play);
    bool Loop() const { return loop_; }
    void SetLoop(bool loop) { loop_ = loop; }
    bool Reverse() const { return reverse_; }
    void SetReverse(bool reverse) { reverse_ = reverse; }
    // A colour value (red in the low byte) shown in the control's own colour; -1 for none.
    int TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(int colour);

    // Whether a timer currently drives the frames.
    bool Ticking() const { return timer_.isActive(); }

signals:
    void ChangeFrame(int frame);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void Step();
    void RestartTimer();
    void PrepareStrip();

    QImage bitmap_;
    QImage shown_;  // the strip with the transparent colour replaced
    int frameCount_ = 1;
    int frame_ = 0;
    int interval_ = 0;
    bool play_ = false;
    bool loop_ = true;
    bool reverse_ = false;
    int transparentColor_ = -1;
    QBasicTimer timer_;
};

}  // namespace tarn
