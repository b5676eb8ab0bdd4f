#pragma once

#include "model/GraphObj.h"
#include "exchange/BmpCodec.h"

#include <memory>
#include <vector>

namespace tarn {

// Draws the map's overlay objects onto a picture as the map canvas shows
// them: ellipses and lines of exactly two points, pen strokes through all
// their points, spots as 10-pixel crosses; pen width and colour from each
// object. A point (X, Y) in grid units lands on pixel
// (GridToPixel(X, scaleX), GridToPixel(Y, scaleY)), as on the map canvas.
// Only the parts of objects that reach the picture take drawing time.
void PaintOverlayObjects(TDibPicture& picture, const std::vector<std::unique_ptr<TGraphObject>>& objects,
                         double scaleX, double scaleY);

}  // namespace tarn
