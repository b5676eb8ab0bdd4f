#include "model/Real48.h"

#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>

using tarn::Real48;
using Bytes = Real48::Bytes;

TEST(Real48, EncodesKnownValuesExactly)
{
    // Exponent byte, then the fraction with the sign in the top bit of byte 5.
    EXPECT_EQ(Real48::fromDouble(0).bytes(), (Bytes{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Real48::fromDouble(1).bytes(), (Bytes{0x81, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Real48::fromDouble(-1).bytes(), (Bytes{0x81, 0, 0, 0, 0, 0x80}));
    EXPECT_EQ(Real48::fromDouble(0.5).bytes(), (Bytes{0x80, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Real48::fromDouble(250).bytes(), (Bytes{0x88, 0, 0, 0, 0, 0x7A}));
    EXPECT_EQ(Real48::fromDouble(-250).bytes(), (Bytes{0x88, 0, 0, 0, 0, 0xFA}));
    EXPECT_EQ(Real48::fromDouble(-0.5).bytes(), (Bytes{0x80, 0, 0, 0, 0, 0x80}));
}

TEST(Real48, DecodesToTheNearestValueOfItsPrecision)
{
    for (const double value : {1e-3, 12345.678, -12345.678, 0.1, 3.14159265358979}) {
        const double decoded = Real48::fromDouble(value).toDouble();
        EXPECT_NEAR(decoded, value, std::fabs(value) * std::ldexp(1.0, -39)) << value;
    }
    // The nearest 6-byte forms, worked out by hand from the format's definition.
    EXPECT_EQ(Real48::fromDouble(12345.678).bytes(), (Bytes{0x8E, 0xA2, 0x45, 0xB6, 0xE6, 0x40}));
    EXPECT_EQ(Real48::fromDouble(1e-3).bytes(), (Bytes{0x77, 0x8D, 0x97, 0x6E, 0x12, 0x03}));
}

TEST(Real48, ValuesItCanHoldSurviveARoundTrip)
{
    const double held[] = {0,    1,    -1,   0.5,        250.25,      -501,
                           1e-3 + 0.0, std::ldexp(1.0, -100), std::ldexp(-3.0, 90),
                           Real48::largest(), -Real48::largest(), Real48::smallestPositive()};
    for (double value : held) {
        // Bring the value to 39 fraction bits first; that value must then be exact.
        const double representable = Real48::fromDouble(value).toDouble();
        EXPECT_EQ(Real48::fromDouble(representable).toDouble(), representable) << value;
        EXPECT_EQ(Real48::fromDouble(representable), Real48::fromDouble(value));
    }
    EXPECT_EQ(Real48::fromDouble(Real48::largest()).bytes(), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}));
    EXPECT_EQ(Real48::fromDouble(Real48::smallestPositive()).bytes(), (Bytes{0x01, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Real48::largest(), std::ldexp(2.0 - std::ldexp(1.0, -39), 126));
}

TEST(Real48, OutOfRangeValuesUnderflowToZeroOrAreRefused)
{
    EXPECT_EQ(Real48::fromDouble(Real48::smallestPositive() / 4).toDouble(), 0.0);
    EXPECT_THROW(Real48::fromDouble(Real48::largest() * 2), std::range_error);
    EXPECT_THROW(Real48::fromDouble(NAN), std::range_error);
    EXPECT_THROW(Real48::fromDouble(INFINITY), std::range_error);
}

TEST(Real48, RoundsTiesToEvenAndCarriesIntoTheExponent)
{
    // 1 + 2^-40 lies halfway between 1 and 1 + 2^-39: the even neighbour is 1.
    EXPECT_EQ(Real48::fromDouble(1 + std::ldexp(1.0, -40)).toDouble(), 1.0);
    // 1 + 3 * 2^-40 lies halfway between 1 + 2^-39 and 1 + 2^-38: rounds up to the even one.
    EXPECT_EQ(Real48::fromDouble(1 + 3 * std::ldexp(1.0, -40)).toDouble(), 1 + std::ldexp(1.0, -38));
    // Just below 2 rounds up into the next exponent.
    EXPECT_EQ(Real48::fromDouble(2 - std::ldexp(1.0, -45)).toDouble(), 2.0);
}

TEST(Real48, KeepsUnusedBitsOfAZeroAsRead)
{
    const Bytes odd{0, 1, 2, 3, 4, 5};
    const auto value = Real48::fromBytes(odd);
    EXPECT_EQ(value.toDouble(), 0.0);
    EXPECT_EQ(value.bytes(), odd);
}
