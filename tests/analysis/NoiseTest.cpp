#include "analysis/noise/Noise.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarn {
namespace {

TEST(Noise, StaysWithinZeroToHalfAndAveragesAQuarter)
{
    double sum = 0;
    double low = 1, high = -1;
    int count = 0;
    for (int i = 0; i < 200; ++i)
        for (int j = 0; j < 200; ++j) {
            const double n = Noise(i * 0.173 - 17, j * 0.211 + 3, 7, 100);
            sum += n;
            low = std::min(low, n);
            high = std::max(high, n);
            ++count;
        }
    EXPECT_GE(low, 0.0);
    EXPECT_LE(high, 0.5);
    EXPECT_NEAR(sum / count, 0.25, 0.02);
    EXPECT_GT(high - low, 0.2) << "the noise actually varies";
}

TEST(Noise, IsSmoothAndRepeatable)
{
    const double here = Noise(1.234, -5.678, 3, 100);
    EXPECT_EQ(Noise(1.234, -5.678, 3, 100), here);
    EXPECT_NEAR(Noise(1.234 + 1e-6, -5.678, 3, 100), here, 1e-4);
    // Values fixed once; a change of the function shows as a changed picture.
    EXPECT_NEAR(Noise(0.5, 0.25, 0, 100), 0.34920425379734549, 1e-12);
    EXPECT_NEAR(Noise(-12.5, 7.75, 32767, 65536), 0.19540408743990983, 1e-12);
}

TEST(Noise, PlanesAndFrequenciesGiveDifferentPatterns)
{
    int differentPlane = 0, differentFrequency = 0;
    for (int i = 0; i < 50; ++i) {
        const double u = i * 0.37, v = i * 0.11;
        differentPlane += std::fabs(Noise(u, v, 1, 100) - Noise(u, v, 2, 100)) > 1e-3 ? 1 : 0;
        differentFrequency += std::fabs(Noise(u, v, 1, 100) - Noise(u, v, 1, 300)) > 1e-3 ? 1 : 0;
    }
    EXPECT_GT(differentPlane, 40);
    EXPECT_GT(differentFrequency, 40);
}

TEST(Noise, UnusableInputsGiveTheMean)
{
    EXPECT_EQ(Noise(NAN, 0, 0, 100), 0.25);
    EXPECT_EQ(Noise(0, INFINITY, 0, 100), 0.25);
    const double huge = Noise(1e300, -1e300, 1e300, 100);
    EXPECT_GE(huge, 0.0);
    EXPECT_LE(huge, 0.5);
}

}  // namespace
}  // namespace tarn
