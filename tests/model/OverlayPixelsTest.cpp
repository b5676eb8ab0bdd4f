#include "model/OverlayPixels.h"
#include "model/Real48.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using namespace tarn;

TEST(OverlayPixels, GridCoordinatesRoundToTheNearestPixelTiesToEven)
{
    EXPECT_EQ(GridToPixel(10, 2), 20);
    EXPECT_EQ(GridToPixel(1.3, 2.7), 4);  // 3.51
    EXPECT_EQ(GridToPixel(1.25, 2), 2);   // 2.5
    EXPECT_EQ(GridToPixel(1.75, 2), 4);   // 3.5
    EXPECT_EQ(GridToPixel(-1.25, 2), -2);
}

TEST(OverlayPixels, AnyCoordinateAFileHoldsStaysWithinTheLimit)
{
    const double largest = Real48::largest();
    EXPECT_EQ(GridToPixel(largest, 3.5), kPixelLimit);
    EXPECT_EQ(GridToPixel(-largest, 3.5), -kPixelLimit);
    EXPECT_EQ(GridToPixel(1.0e9, 20), kPixelLimit);
    EXPECT_EQ(RoundToPixel(std::numeric_limits<double>::infinity()), kPixelLimit);
    EXPECT_EQ(RoundToPixel(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(OverlayPixels, LabelHeightsFollowThePointSizeWithinLimits)
{
    EXPECT_EQ(LabelPixelHeight(12, 96), 16);
    EXPECT_EQ(LabelPixelHeight(10, 72), 10);
    EXPECT_EQ(LabelPixelHeight(0, 96), 1);
    EXPECT_EQ(LabelPixelHeight(-40, 96), 1);
    EXPECT_EQ(LabelPixelHeight(std::numeric_limits<std::int32_t>::max(), 96), kMaxLabelPixelHeight);
    EXPECT_EQ(LabelPixelHeight(std::numeric_limits<std::int32_t>::min(), 96), 1);
}
