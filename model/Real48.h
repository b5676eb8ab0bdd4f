#pragma once

#include <array>
#include <cstdint>

namespace tarn {

// The 6-byte real of the LEM file. Byte 0 is the biased exponent e (0 means
// the value 0); bytes 1..5 hold a 39-bit fraction f with the sign in the top
// bit of byte 5: value = (-1)^sign * 2^(e-129) * (1 + f/2^39).
//
// The raw bytes are kept as read, so a value that is never edited is written
// back exactly as it came, whatever its unused bits held.
class Real48 {
public:
    using Bytes = std::array<std::uint8_t, 6>;

    Real48() = default;
    static Real48 fromBytes(const Bytes& bytes);
    // Rounds to the nearest representable value (ties to even). Magnitudes
    // below the smallest normal value become 0; magnitudes above the largest
    // and non-finite values throw std::range_error.
    static Real48 fromDouble(double value);

    double toDouble() const;
    const Bytes& bytes() const { return bytes_; }

    // The range the format can hold.
    static double largest();
    static double smallestPositive();

    friend bool operator==(const Real48&, const Real48&) = default;

private:
    Bytes bytes_{};
};

}  // namespace tarn
