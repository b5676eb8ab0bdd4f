#include "exchange/RasterSamples.h"

#include "ExchangeTestSupport.h"
#include "model/Errors.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace tarn {
namespace {

using test::HeightAt;

// 20 x 20 samples 30 m apart, all of one value unless changed.
TRasterSamples Samples(double value = 100)
{
    TRasterSamples samples;
    samples.columns = 20;
    samples.rows = 20;
    samples.values.assign(400, value);
    samples.spacingX = 30;
    samples.spacingY = 30;
    return samples;
}

TRasterStoreReport Store(const TRasterSamples& samples, TNet& net, MapUnits units = MapUnits::Metric)
{
    return StoreRasterSamples(samples, net, units, DefaultTerrainPalette());
}

TEST(RasterSamples, ValuesFillTheMapFromTheNorthWestAndRoundHalvesToEven)
{
    auto samples = Samples();
    samples.values[0] = 12.5;    // north-west
    samples.values[1] = 13.5;
    samples.values[19] = -7.6;   // north-east
    samples.values[380] = 0.49;  // south-west
    TNet net;
    const auto report = Store(samples, net);
    EXPECT_TRUE(report.anyHeight);
    EXPECT_TRUE(report.warnings.empty());
    EXPECT_EQ(HeightAt(net, 1, 20), 12);
    EXPECT_EQ(HeightAt(net, 2, 20), 14);
    EXPECT_EQ(HeightAt(net, 20, 20), -8);
    EXPECT_EQ(HeightAt(net, 1, 1), 0);
    EXPECT_EQ(net.MapHeader.Spacing, 30);
    EXPECT_EQ(net.MapHeader.MaxHeight, 100);
    EXPECT_EQ(net.MapHeader.MinHeight, -8);
}

TEST(RasterSamples, HeightsFollowTheMapsUnits)
{
    auto samples = Samples(100);  // metres
    TNet imperial;
    Store(samples, imperial, MapUnits::Imperial);
    EXPECT_EQ(HeightAt(imperial, 5, 5), 328);  // 328.08 ft
    EXPECT_EQ(imperial.MapHeader.Spacing, 98);  // 30 m is 98.4 ft

    samples.values.assign(400, 12.34);
    TNet micro;
    Store(samples, micro, MapUnits::MicroMetric);
    EXPECT_EQ(HeightAt(micro, 5, 5), 123);  // tenths of a metre

    samples.values.assign(400, 1000);
    samples.metresPerUnit = 0.3048;  // a raster in feet
    TNet metric;
    Store(samples, metric);
    EXPECT_EQ(HeightAt(metric, 5, 5), 305);
}

TEST(RasterSamples, NodataAndNotANumberBecomeNull)
{
    auto samples = Samples();
    samples.nodata = -32768;
    samples.values[21] = -32768;
    samples.values[22] = std::nan("");
    TNet net;
    const auto report = Store(samples, net);
    EXPECT_EQ(net.GetPoint(22)->Height, kNullHeight);
    EXPECT_EQ(net.GetPoint(23)->Height, kNullHeight);
    EXPECT_EQ(report.clamped, 0);
    EXPECT_EQ(net.GetSquare(1)->NullCorner, 1);  // its south-east corner is node 22

    TNet empty;
    samples.values.assign(400, -32768);
    EXPECT_FALSE(Store(samples, empty).anyHeight);
}

TEST(RasterSamples, AValueThatScalesToNoNumberIsNull)
{
    // An infinite value with a scale of 0, as a band with a broken scale
    // gives: no height can be formed.
    auto samples = Samples();
    samples.values[5] = std::numeric_limits<double>::infinity();
    samples.metresPerUnit = 0;
    TNet net;
    Store(samples, net);
    EXPECT_EQ(net.GetPoint(6)->Height, kNullHeight);
    EXPECT_EQ(net.GetPoint(7)->Height, 0);
}

TEST(RasterSamples, HeightsBeyondANodesRangeAreClampedAndCounted)
{
    auto samples = Samples();
    samples.values[0] = 40000;
    samples.values[1] = -5000;
    samples.values[2] = -1000.4;  // rounds into the range
    samples.values[3] = 1e300;
    TNet net;
    const auto report = Store(samples, net);
    EXPECT_EQ(net.GetPoint(1)->Height, 32767);
    EXPECT_EQ(net.GetPoint(2)->Height, -1000);
    EXPECT_EQ(net.GetPoint(3)->Height, -1000);
    EXPECT_EQ(net.GetPoint(4)->Height, 32767);
    EXPECT_EQ(report.clamped, 3);
    ASSERT_EQ(report.warnings.size(), 1u);
    EXPECT_EQ(report.warnings[0], "3 heights lay beyond what a map node holds and were clamped into -1000 .. 32767");
}

TEST(RasterSamples, UnequalSpacingsAreAveragedWithAWarning)
{
    auto samples = Samples();
    samples.spacingX = 20;
    samples.spacingY = 30;
    TNet net;
    const auto report = Store(samples, net);
    EXPECT_EQ(net.MapHeader.Spacing, 25);
    ASSERT_EQ(report.warnings.size(), 1u);
    EXPECT_EQ(report.warnings[0], "the grid's nodes are 20.00 m apart from west to east and 30.00 m from north to "
                                  "south; the map takes 25.00 m for both");
}

TEST(RasterSamples, ASpacingTheMapCannotHaveIsRefusedAndSamplesMustFillTheGrid)
{
    auto samples = Samples();
    samples.spacingX = samples.spacingY = 0.2;
    TNet net;
    EXPECT_THROW(Store(samples, net), ETarnError);
    samples.spacingX = samples.spacingY = 30;
    samples.values.pop_back();
    EXPECT_THROW(Store(samples, net), std::invalid_argument);
}

}  // namespace
}  // namespace tarn
