#pragma once

#include "viewer/anim/FlightPath.h"

#include <array>

namespace tarn {

class TNet;

// The drawing box laid over the map's top view: turns box pixels into world
// coordinates and finds the ground height under a box point.
class TPathBoxGeometry {
public:
    TPathBoxGeometry(const TNet& net, int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // World x and y of a box position (fractions of a pixel allowed).
    std::array<double, 2> ToWorld(double x, double y) const;
    // Box position of world x and y.
    std::array<double, 2> ToBox(double worldX, double worldY) const;
    // Height of the node nearest the box point (column and row rounded half
    // to even). Points whose node number falls outside the grid and nodes
    // without a height give 0.
    int GroundHeight(double x, double y) const;

private:
    const TNet& net_;
    int width_;
    int height_;
    double west_;
    double north_;
    double worldWidth_;
    double worldHeight_;
};

}  // namespace tarn
