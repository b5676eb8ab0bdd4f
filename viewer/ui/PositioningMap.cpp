#include "viewer/ui/PositioningMap.h"

#include "controls/Flatimge.h"
#include "viewer/ui/MapTopView.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tarn {

namespace {
constexpr int kBoxSide = 260;
constexpr int kImageSide = 200;
constexpr int kMarkerReach = 4;

QPoint ToPoint(TPixel pixel) { return {pixel.x, pixel.y}; }
}  // namespace

// The box the markers are drawn on, laid over the flat image.
class TPositioningMap::TLocPaintBox final : public QWidget {
public:
    explicit TLocPaintBox(TPositioningMap& owner) : QWidget(&owner), owner_(owner)
    {
        setObjectName("LocPaintBox");
        setAttribute(Qt::WA_TranslucentBackground);
        setMouseTracking(false);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        owner_.Paint(painter);
    }
    void mousePressEvent(QMouseEvent* event) override { owner_.Press(PixelOf(event)); }
    void mouseMoveEvent(QMouseEvent* event) override { owner_.Move(PixelOf(event)); }
    void mouseReleaseEvent(QMouseEvent*) override { owner_.Release(); }

private:
    static TPixel PixelOf(const QMouseEvent* event)
    {
        return {event->position().toPoint().x(), event->position().toPoint().y()};
    }
    TPositioningMap& owner_;
};

TPositioningMap::TPositioningMap(QWidget* parent)
    : QWidget(parent), flatImage_(new TFlatImage(this)), paintBox_(new TLocPaintBox(*this))
{
    setObjectName("PositioningMap");
    setFixedSize(kBoxSide, kBoxSide);
    flatImage_->setObjectName("FlatImage");
    flatImage_->SetLongSide(kImageSide);
    const int margin = (kBoxSide - kImageSide) / 2;
    flatImage_->setGeometry(margin, margin, kImageSide, kImageSide);
    paintBox_->setGeometry(rect());
    paintBox_->raise();
}

void TPositioningMap::ShowMap(const TNet& map, int lowestHeight, int highestHeight)
{
    ShowMapHeights(*flatImage_, map, lowestHeight, highestHeight);
}

QSize TPositioningMap::BoxSize() const
{
    return paintBox_->size();
}

TPositioningGeometry TPositioningMap::Geometry(int worldWidth, int worldHeight) const
{
    return {paintBox_->width(), paintBox_->height(), flatImage_->width(), flatImage_->height(), worldWidth,
            worldHeight};
}

void TPositioningMap::SetMarkers(TPixel camera, TPixel target)
{
    camera_ = camera;
    target_ = target;
    paintBox_->update();
}

void TPositioningMap::SetViewAngle(double angle)
{
    viewAngle_ = angle;
    paintBox_->update();
}

void TPositioningMap::Paint(QPainter& painter) const
{
    const TViewMarker marker = ViewMarkerOf(camera_, target_, viewAngle_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(ToPoint(marker.camera), ToPoint(marker.target));
    for (const TPixel end : marker.edgeEnds)
        painter.drawLine(ToPoint(marker.camera), ToPoint(end));
    painter.drawLine(ToPoint(marker.crossEnds[0]), ToPoint(marker.crossEnds[1]));
    const auto square = [&painter](TPixel centre, const QColor& fill) {
        painter.fillRect(QRect(centre.x - kMarkerReach, centre.y - kMarkerReach, 2 * kMarkerReach + 1,
                               2 * kMarkerReach + 1),
                         fill);
        painter.drawRect(QRect(centre.x - kMarkerReach, centre.y - kMarkerReach, 2 * kMarkerReach,
                               2 * kMarkerReach));
    };
    square(marker.handle, Qt::yellow);
    square(marker.target, Qt::blue);
    square(marker.camera, Qt::red);
}

void TPositioningMap::Press(TPixel at)
{
    grab_ = GrabAt(at, ViewMarkerOf(camera_, target_, viewAngle_));
}

void TPositioningMap::Move(TPixel to)
{
    if (grab_ == TGrab::None)
        return;
    to = {std::clamp(to.x, 0, paintBox_->width()), std::clamp(to.y, 0, paintBox_->height())};
    switch (grab_) {
    case TGrab::Camera:
        camera_ = to;
        break;
    case TGrab::Target:
        target_ = to;
        break;
    case TGrab::Angle:
        if (const auto angle = ViewAngleForHandleDistance(std::hypot(to.x - camera_.x, to.y - camera_.y))) {
            viewAngle_ = *angle;
            emit AngleDragged(viewAngle_);
        }
        break;
    case TGrab::None:
        break;
    }
    paintBox_->update();
}

void TPositioningMap::Release()
{
    grab_ = TGrab::None;
    emit Released();
}

}  // namespace tarn
