#include "controls/GradImage.h"

#include <QPainter>

#include <algorithm>

namespace tarn {

QImage GradientStripImage(const TGradient& gradient, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    const int hg = size.height();
    if (hg <= 0 || size.width() <= 0)
        return image;
    const auto channelOf = [](TColorRef colour, int shift) { return static_cast<double>((colour >> shift) & 0xFF); };
    // The last row, i = hg, lies just below the picture and is left out.
    for (int i = 0; i < hg; ++i) {
        const double p = static_cast<double>(hg - i) / hg * 18;
        const int d = static_cast<int>(p);
        const double w = p - d;
        const TColorRef low = gradient[static_cast<std::size_t>(d)];
        const TColorRef high = gradient[static_cast<std::size_t>(d + 1)];  // d <= 18
        int rgb[3];
        for (int c = 0; c < 3; ++c) {
            const double blended = channelOf(low, 8 * c) * (1 - w) + channelOf(high, 8 * c) * w;
            rgb[c] = static_cast<int>(std::clamp(blended, 0.0, 255.0));
        }
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(i)), size.width(), qRgb(rgb[0], rgb[1], rgb[2]));
    }
    return image;
}

TGradientImage::TGradientImage(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(24, 60);
}

void TGradientImage::SetGradient(const TGradient& gradient)
{
    gradient_ = gradient;
    update();
}

void TGradientImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, GradientStripImage(gradient_, size()));
}

}  // namespace tarn
