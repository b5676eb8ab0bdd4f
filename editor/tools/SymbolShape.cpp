#include "editor/tools/SymbolShape.h"

#include "editor/DefNet.h"

#include <QPainter>

namespace tarn {

void TSymbolShape::Down(TDefineNet& net, QPoint point)
{
    spot_ = std::make_unique<TGraphSpot>();
    end_ = point;
    net.update();
}

void TSymbolShape::Move(TDefineNet& net, QPoint point)
{
    if (!spot_)
        return;
    end_ = point;
    net.update();
}

void TSymbolShape::Up(TDefineNet& net, QPoint point)
{
    if (!spot_)
        return;
    end_ = point;
    if (net.EventOutside() || !QRect(QPoint(0, 0), net.MapPicture.Size()).contains(end_)) {
        Leave(net);
        return;
    }
    AddPixelPoint(net, *spot_, end_);
    const QPoint corner(kHalfBox, kHalfBox);
    FinishDrawnObject(net, std::move(spot_), BoxOf(end_ - corner, end_ + corner));
}

void TSymbolShape::Leave(TDefineNet& net)
{
    spot_.reset();
    net.update();
}

void TSymbolShape::Paint(QPainter& painter) const
{
    if (!spot_)
        return;
    PaintRubber(painter, [this](QPainter& p) {
        p.drawLine(end_ - QPoint(4, 0), end_ + QPoint(4, 0));
        p.drawLine(end_ - QPoint(0, 4), end_ + QPoint(0, 4));
    });
}

}  // namespace tarn
