#pragma once

#include "model/GraphObj.h"
#include "model/Handles.h"

class QFont;
class QPainter;

namespace tarn {

// Draws an overlay object with its own pen colour and width and no fill;
// a point (X, Y) in grid units lands on pixel (GridToPixel(X, horizontal),
// GridToPixel(Y, vertical)), as on the overlay picture. Lines and ellipses
// need exactly two points.
void DrawGraphObject(QPainter& painter, const TGraphObject& object, double horizontal, double vertical);

// The font a label is drawn in: its face, weight and slant, and its point
// size as pixels on a screen of dpiY dots per inch.
QFont LabelFont(const TEnhString& label, int dpiY);

// Draws a label's text at its position in its font and colour, on a
// transparent background, and stores the text's screen box in the label.
// dpiY is the vertical resolution the point size is measured against.
void DrawLabel(QPainter& painter, TEnhString& label, double horizontal, double vertical, int dpiY);

// The eight selection handles around a box: hollow black squares.
void DrawHandles(QPainter& painter, const TPixelRect& box);

}  // namespace tarn
