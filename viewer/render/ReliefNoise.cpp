#include "viewer/render/ReliefNoise.h"

#include "analysis/noise/Noise.h"
#include "model/Net.h"

#include <cmath>
#include <limits>

namespace tarn {

double ReliefNoiseSum(const TMapHeader& h, double x, double y)
{
    const double u = x / (h.Columns != 0 ? h.Columns : 1);
    const double v = y / (h.Rows != 0 ? h.Rows : 1);
    return Noise(u, v, h.PlaneSeeds[0], h.PlaneSeeds[3]) + Noise(u, v, h.PlaneSeeds[2], h.PlaneSeeds[5]);
}

void TSquareNoise::Prepare(const TNet& net)
{
    const auto& h = net.MapHeader;
    Key key;
    key.sizeAndSeeds = {h.Columns, h.Rows, h.PlaneSeeds[0], h.PlaneSeeds[2], h.PlaneSeeds[3], h.PlaneSeeds[5]};
    key.nodes = net.Points().size() + 1;
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const auto& p : net.Points())
        hash = (hash ^ (static_cast<std::uint16_t>(p.X) | static_cast<std::uint64_t>(static_cast<std::uint16_t>(p.Y)) << 16)) *
               0x100000001b3ull;
    key.positions = hash;
    if (key == key_)
        return;
    key_ = key;
    constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();
    nodes_.assign(key.nodes, kUnknown);
    eastEdges_.assign(key.nodes, kUnknown);
    southEdges_.assign(key.nodes, kUnknown);
}

std::array<double, 9> TSquareNoise::AtLattice(const TMapHeader& header, int firstCorner, int columns,
                                              const std::array<TMapPoint, 9>& lattice)
{
    std::array<double, 9> noise{};
    const auto nw = static_cast<std::size_t>(firstCorner);
    const auto ne = nw + 1;
    const auto sw = nw + static_cast<std::size_t>(columns);
    if (firstCorner < 0 || columns < 1 || sw + 1 >= nodes_.size()) {
        for (std::size_t i = 0; i < 9; ++i)
            noise[i] = ReliefNoiseSum(header, lattice[i].x, lattice[i].y);
        return noise;
    }
    // Where each lattice point's noise is kept; the centre is nobody's.
    double* const kept[9] = {&nodes_[nw],     &eastEdges_[nw], &nodes_[ne],
                             &southEdges_[nw], nullptr,        &southEdges_[ne],
                             &nodes_[sw],     &eastEdges_[sw], &nodes_[sw + 1]};
    for (std::size_t i = 0; i < 9; ++i) {
        double* slot = kept[i];
        if (slot && !std::isnan(*slot)) {
            noise[i] = *slot;
            continue;
        }
        noise[i] = ReliefNoiseSum(header, lattice[i].x, lattice[i].y);
        if (slot)
            *slot = noise[i];
    }
    return noise;
}

}  // namespace tarn
