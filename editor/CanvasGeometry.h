#pragma once

namespace tarn {

// How the canvas maps picture pixels to grid nodes and squares. Columns and
// rows count nodes; Scale is the exact number of pixels per grid step.
struct TCanvasGeometry {
    int columns = 0;
    int rows = 0;
    double scale = 1.0;

    // Scale for a picture of width by height pixels: the larger of the two
    // sides' fits, chosen so the last row and column of nodes stay inside.
    static double ComputeScale(int width, int height, int columns, int rows);

    // Node (0-based column and row) nearest to a pixel: its number
    // (1-based, row by row), or -1 outside the grid.
    struct TNodeHit {
        int number = -1;
        int column = -1;
        int row = -1;
    };
    TNodeHit NodeAt(int x, int y) const;

    // Square (1-based column and row) under a pixel, or number -1 outside.
    struct TSquareHit {
        int number = -1;
        int column = -1;
        int row = -1;
    };
    TSquareHit SquareAt(int x, int y) const;

    // The pixel a coordinate in grid steps falls on (halves to even).
    int Pixel(double steps) const;
};

}  // namespace tarn
