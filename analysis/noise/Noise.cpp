#include "analysis/noise/Noise.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace tarn {

namespace {

// Ken Perlin's reference permutation of 0..255.
constexpr std::array<std::uint8_t, 256> kPermutation = {
    151, 160, 137, 91,  90,  15,  131, 13,  201, 95,  96,  53,  194, 233, 7,   225, 140, 36,  103, 30,  69,  142,
    8,   99,  37,  240, 21,  10,  23,  190, 6,   148, 247, 120, 234, 75,  0,   26,  197, 62,  94,  252, 219, 203,
    117, 35,  11,  32,  57,  177, 33,  88,  237, 149, 56,  87,  174, 20,  125, 136, 171, 168, 68,  175, 74,  165,
    71,  134, 139, 48,  27,  166, 77,  146, 158, 231, 83,  111, 229, 122, 60,  211, 133, 230, 220, 105, 92,  41,
    55,  46,  245, 40,  244, 102, 143, 54,  65,  25,  63,  161, 1,   216, 80,  73,  209, 76,  132, 187, 208, 89,
    18,  169, 200, 196, 135, 130, 116, 188, 159, 86,  164, 100, 109, 198, 173, 186, 3,   64,  52,  217, 226, 250,
    124, 123, 5,   202, 38,  147, 118, 126, 255, 82,  85,  212, 207, 206, 59,  227, 47,  16,  58,  17,  182, 189,
    28,  42,  223, 183, 170, 213, 119, 248, 152, 2,   44,  154, 163, 70,  221, 153, 101, 155, 167, 43,  172, 9,
    129, 22,  39,  253, 19,  98,  108, 110, 79,  113, 224, 232, 178, 185, 112, 104, 218, 246, 97,  228, 251, 34,
    242, 193, 238, 210, 144, 12,  191, 179, 162, 241, 81,  51,  145, 235, 249, 14,  239, 107, 49,  192, 214, 31,
    181, 199, 106, 157, 184, 84,  204, 176, 115, 121, 50,  45,  127, 4,   150, 254, 138, 236, 205, 93,  222, 114,
    67,  29,  24,  72,  243, 141, 128, 195, 78,  66,  215, 61,  156, 180};

constexpr int kOctaves = 4;
// Octave weights 1, 1/2, 1/4, 1/8 add up to 1.875; a single octave of
// improved noise stays within about -1..1.
constexpr double kWeightSum = 1.875;

int Perm(int i) { return kPermutation[static_cast<std::size_t>(i & 255)]; }

double Fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }
double Lerp(double t, double a, double b) { return a + t * (b - a); }

double Grad(int hash, double x, double y, double z)
{
    const int h = hash & 15;
    const double u = h < 8 ? x : y;
    const double v = h < 4 ? y : (h == 12 || h == 14 ? x : z);
    return ((h & 1) == 0 ? u : -u) + ((h & 2) == 0 ? v : -v);
}

// The lattice wraps every 256 cells. Whole numbers that fit a 64-bit
// integer wrap by masking; larger ones (only absurd inputs) through fmod,
// so they stay well defined.
int LatticeCell(double whole)
{
    constexpr double kExact = 9.0e15;
    if (std::fabs(whole) < kExact)
        return static_cast<int>(static_cast<long long>(whole) & 255);
    return static_cast<int>(std::fmod(whole, 256.0) + (whole < 0 ? 256 : 0)) & 255;
}

// One octave of improved Perlin noise, about -1..1.
double Improved(double x, double y, double z)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const double fz = std::floor(z);
    const int X = LatticeCell(fx);
    const int Y = LatticeCell(fy);
    const int Z = LatticeCell(fz);
    x -= fx;
    y -= fy;
    z -= fz;
    const double u = Fade(x);
    const double v = Fade(y);
    const double w = Fade(z);
    const int A = Perm(X) + Y, AA = Perm(A) + Z, AB = Perm(A + 1) + Z;
    const int B = Perm(X + 1) + Y, BA = Perm(B) + Z, BB = Perm(B + 1) + Z;
    return Lerp(w,
                Lerp(v, Lerp(u, Grad(Perm(AA), x, y, z), Grad(Perm(BA), x - 1, y, z)),
                     Lerp(u, Grad(Perm(AB), x, y - 1, z), Grad(Perm(BB), x - 1, y - 1, z))),
                Lerp(v, Lerp(u, Grad(Perm(AA + 1), x, y, z - 1), Grad(Perm(BA + 1), x - 1, y, z - 1)),
                     Lerp(u, Grad(Perm(AB + 1), x, y - 1, z - 1), Grad(Perm(BB + 1), x - 1, y - 1, z - 1))));
}

}  // namespace

double Noise(double u, double v, double w, double frequency)
{
    if (!std::isfinite(u) || !std::isfinite(v) || !std::isfinite(w) || !std::isfinite(frequency))
        return 0.25;
    const double scale = frequency * 0.1;
    // Integer plane seeds would all meet the lattice at z = 0 where the
    // gradients vanish; a fixed fraction moves every plane off it.
    const double z = w + 0.3183098861837907;
    double sum = 0;
    double weight = 1;
    double octaveScale = scale;
    for (int octave = 0; octave < kOctaves; ++octave) {
        sum += weight * Improved(u * octaveScale, v * octaveScale, z + octave * 17.0);
        weight *= 0.5;
        octaveScale *= 2;
    }
    const double n = sum / kWeightSum;  // about -1..1
    const double clamped = n < -1 ? -1 : (n > 1 ? 1 : n);
    return 0.25 + 0.25 * clamped;
}

}  // namespace tarn
