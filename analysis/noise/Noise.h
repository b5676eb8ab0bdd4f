#pragma once

namespace tarn {

// A smooth three-dimensional gradient noise (improved Perlin noise summed over
// a few octaves) of the point (u, v, w) at a frequency. The result lies in
// 0..0.5 and averages 0.25, so `2 * n - 0.5` is centred on 0. The same
// arguments give the same value on every run and every machine: the lattice
// gradients come from a fixed permutation table and only IEEE double
// arithmetic is used.
//
// The frequency scales u and v: at frequency f the coarsest features repeat
// about every 10 / f units. w selects a plane of the noise (the callers pass
// integer seeds there) and is not scaled.
double Noise(double u, double v, double w, double frequency);

}  // namespace tarn
