// Flatimge.h: TFlatImage, a small top view of a map's heights.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace tarn {

// A small top view of a map: one pixel per node, coloured by height and
// stretched over the control, whose longer side is LongSide pixels.
class TFlatImage : public QWidget {
    Q_OBJECT

public:
    explicit TFlatImage(QWidget* parent = nullptr);

    // One pixel per node; the control keeps its centre and takes the shape
    // of the grid with LongSide pixels along the longer side.
    void SetNodeSize(int columns, int rows);
    // Colours the pixel of a node (0-based); positions outside the grid are ignored.
    void SetNodeHeight(int column, int row, int height);
    // The colour of a height, for displays of more than 8 bits per pixel or
    // for palette displays.
    QColor HeightColour(int height, bool paletteDisplay) const;

    int LowestHeight() const { return lowestHeight_; }
    void SetLowestHeight(int height) { lowestHeight_ = height; }
    int HighestHeight() const { return highestHeight_; }
    void SetHighestHeight(int height) { highestHeight_ = height; }
    int LongSide() const { return longSide_; }
    void SetLongSide(int pixels) { longSide_ = pixels; }
    const QImage& Bitmap() const { return bitmap_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage bitmap_;
    int lowestHeight_ = 0;
    int highestHeight_ = 1000;
    int longSide_ = 200;
};

}  // namespace tarn
