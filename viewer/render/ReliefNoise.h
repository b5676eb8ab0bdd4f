#pragma once

#include "model/MapHeader.h"
#include "viewer/render/SceneTypes.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tarn {

class TNet;

// The noise that relief displaces a lattice point by: the sum of two planes
// of the noise (the header's R and B seeds) at the point's world x and y.
double ReliefNoiseSum(const TMapHeader& header, double x, double y);

// ReliefNoiseSum at the nine lattice points of undivided squares (corners,
// edge midpoints, centre). A corner is shared by four squares and a
// midpoint by two, and they get exactly the same point from each, so its
// noise is kept per node and per edge and worked out once. The noise does
// not depend on the camera: what was worked out stays valid from one pass
// to the next while the grid and the noise seeds stay the same.
class TSquareNoise {
public:
    // Called before each pass: forgets every kept value unless the map's
    // node positions, size and noise seeds are those they were made with.
    void Prepare(const TNet& net);
    // The noise at the nine points (row by row from the north-west corner)
    // of the square whose north-west corner is node `firstCorner` of a grid
    // `columns` nodes wide.
    std::array<double, 9> AtLattice(const TMapHeader& header, int firstCorner, int columns,
                                    const std::array<TMapPoint, 9>& lattice);

private:
    struct Key {
        std::array<std::int32_t, 6> sizeAndSeeds{};
        std::size_t nodes = 0;
        std::uint64_t positions = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };
    Key key_;
    std::vector<double> nodes_;
    // Midpoints of the edges going east and going south from each node.
    std::vector<double> eastEdges_;
    std::vector<double> southEdges_;
};

}  // namespace tarn
