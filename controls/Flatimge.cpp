#include "controls/Flatimge.h"

#include "model/HeightBandColours.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tarn {

namespace {

int Channel(double value)
{
    return std::clamp(static_cast<int>(std::nearbyint(value * 255)), 0, 255);
}

}  // namespace

TFlatImage::TFlatImage(QWidget* parent) : QWidget(parent)
{
    resize(longSide_, longSide_);
}

void TFlatImage::SetNodeSize(int columns, int rows)
{
    columns = std::max(1, columns);
    rows = std::max(1, rows);
    bitmap_ = QImage(columns, rows, QImage::Format_RGB32);
    bitmap_.fill(Qt::black);
    const double longSide = longSide_;
    const QSize size = rows < columns
        ? QSize(longSide_, static_cast<int>(std::nearbyint(rows * longSide / columns)))
        : QSize(static_cast<int>(std::nearbyint(columns * longSide / rows)), longSide_);
    const QPoint centre(x() + width() / 2, y() + height() / 2);
    setGeometry(centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height());
    update();
}

QColor TFlatImage::HeightColour(int height, bool paletteDisplay) const
{
    const int range = highestHeight_ - lowestHeight_;
    if (paletteDisplay) {
        // At least one height unit per band, so a flat range cannot divide by zero.
        const int step = std::max(1, std::max(10, range) / 14);
        const int band = std::clamp((height - lowestHeight_) / step, 0, kHighestBand);
        const TColorRef colour = kBandColourTable[static_cast<std::size_t>(kHighestBand - band)];
        return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
    }
    // Heights outside the range take the colour of its nearer end; a flat
    // range puts every height at the bottom.
    const double o = range == 0 ? 0.0 : std::clamp(static_cast<double>(height - lowestHeight_) / range, 0.0, 1.0);
    const double pi = std::numbers::pi;
    return QColor(Channel(std::sin(o * pi / 2)), Channel(std::sin(o * pi)), Channel(std::cos(o * pi / 2)));
}

void TFlatImage::SetNodeHeight(int column, int row, int height)
{
    if (!bitmap_.valid(column, row))
        return;
    bitmap_.setPixelColor(column, row, HeightColour(height, depth() <= 8));
    update();
}

void TFlatImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(rect(), bitmap_);
}

}  // namespace tarn
