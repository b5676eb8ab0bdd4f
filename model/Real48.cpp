#include "model/Real48.h"

#include <cmath>
#include <stdexcept>

namespace tarn {

namespace {
constexpr int kExponentBias = 129;
constexpr int kFractionBits = 39;
constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << kFractionBits) - 1;
}  // namespace

Real48 Real48::fromBytes(const Bytes& bytes)
{
    Real48 r;
    r.bytes_ = bytes;
    return r;
}

double Real48::toDouble() const
{
    const int exponent = bytes_[0];
    if (exponent == 0)
        return 0.0;
    std::uint64_t fraction = 0;
    for (int i = 5; i >= 1; --i)
        fraction = (fraction << 8) | bytes_[i];
    const bool negative = (fraction >> kFractionBits) & 1U;
    fraction &= kFractionMask;
    const double mantissa = 1.0 + std::ldexp(static_cast<double>(fraction), -kFractionBits);
    const double magnitude = std::ldexp(mantissa, exponent - kExponentBias);
    return negative ? -magnitude : magnitude;
}

Real48 Real48::fromDouble(double value)
{
    if (!std::isfinite(value))
        throw std::range_error("6-byte real cannot hold a non-finite value");
    Real48 r;
    if (value == 0.0)
        return r;
    const bool negative = value < 0;
    int binaryExponent = 0;
    // frexp gives m in [0.5, 1): value = m * 2^binaryExponent = (2m) * 2^(binaryExponent-1).
    const double m = std::frexp(std::fabs(value), &binaryExponent);
    int exponent = binaryExponent - 1 + kExponentBias;
    // The 39 fraction bits after the leading one, rounded half to even.
    const double scaled = std::ldexp(2.0 * m - 1.0, kFractionBits);
    std::uint64_t fraction = static_cast<std::uint64_t>(std::nearbyint(scaled));
    if (fraction > kFractionMask) {  // rounding carried into the leading one
        fraction = 0;
        ++exponent;
    }
    if (exponent < 1)
        return r;  // below the smallest normal value: the format's zero
    if (exponent > 255)
        throw std::range_error("value too large for a 6-byte real");
    r.bytes_[0] = static_cast<std::uint8_t>(exponent);
    if (negative)
        fraction |= std::uint64_t{1} << kFractionBits;
    for (int i = 1; i <= 5; ++i) {
        r.bytes_[i] = static_cast<std::uint8_t>(fraction & 0xFF);
        fraction >>= 8;
    }
    return r;
}

double Real48::largest()
{
    return std::ldexp(2.0 - std::ldexp(1.0, -kFractionBits), 255 - kExponentBias);
}

double Real48::smallestPositive()
{
    return std::ldexp(1.0, 1 - kExponentBias);
}

}  // namespace tarn
