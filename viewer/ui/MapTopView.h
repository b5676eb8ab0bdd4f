#pragma once

namespace tarn {

class TFlatImage;
class TNet;

// Sizes a flat image to a map's grid and colours one pixel per node from
// its height between the lowest and highest height; heights under 0 count
// as 0.
void ShowMapHeights(TFlatImage& image, const TNet& map, int lowestHeight, int highestHeight);

}  // namespace tarn
