#pragma once

#include "editor/DefNet.h"

#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace tarn::test {

// The pixel of node (column, row), 0-based, where a user points at it.
inline QPoint NodePixel(const TDefineNet& net, int column, int row)
{
    return {static_cast<int>(std::nearbyint(column * net.Scale)), static_cast<int>(std::nearbyint(row * net.Scale))};
}

// The middle of square (column, row), 1-based.
inline QPoint SquarePixel(const TDefineNet& net, int column, int row)
{
    return {static_cast<int>((column - 0.5) * net.Scale), static_cast<int>((row - 0.5) * net.Scale)};
}

// QTest takes the pixel (0, 0) for "the middle of the widget", so the
// helpers refuse it rather than act somewhere else.
inline void ClickAt(TDefineNet& net, QPoint pixel)
{
    EXPECT_FALSE(pixel.isNull());
    QTest::mouseClick(&net, Qt::LeftButton, {}, pixel);
}

// Presses at the first pixel, moves through the others with the button
// held, and releases at the last.
inline void DragThrough(TDefineNet& net, std::initializer_list<QPoint> pixels)
{
    for (const QPoint& pixel : pixels)
        EXPECT_FALSE(pixel.isNull());
    const QPoint* pixel = pixels.begin();
    QTest::mousePress(&net, Qt::LeftButton, {}, *pixel);
    for (++pixel; pixel != pixels.end(); ++pixel)
        QTest::mouseMove(&net, *pixel);
    QTest::mouseRelease(&net, Qt::LeftButton, {}, *(pixels.end() - 1));
}

}  // namespace tarn::test
