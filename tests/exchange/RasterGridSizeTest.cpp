#include "exchange/RasterGridSize.h"

#include "model/Errors.h"

#include <gtest/gtest.h>

#include <string>

namespace tarn {
namespace {

std::string Refusal(const TRasterFootprint& raster, const TRasterImportOptions& options = {})
{
    try {
        ChooseGridSize(raster, options);
    } catch (const ETarnError& error) {
        return error.what();
    }
    return {};
}

TEST(RasterGridSize, ARasterThatFitsWithSquarePixelsIsTakenNodeForNode)
{
    EXPECT_EQ(ChooseGridSize({300, 200, 25, 25}, {}), (TGridSize{300, 200}));
    EXPECT_EQ(ChooseGridSize({500, 500, 1, 1}, {}), (TGridSize{500, 500}));
    EXPECT_EQ(ChooseGridSize({20, 20, 1, 1}, {}), (TGridSize{20, 20}));
}

TEST(RasterGridSize, ALargerRasterShrinksToTheLargestGridThatKeepsItsShape)
{
    EXPECT_EQ(ChooseGridSize({3601, 3601, 30, 30}, {}), (TGridSize{500, 500}));
    const TGridSize wide = ChooseGridSize({4000, 1000, 10, 10}, {});
    EXPECT_LE(static_cast<long long>(wide.columns) * wide.rows, 250000);
    EXPECT_GT(static_cast<long long>(wide.columns) * wide.rows, 249000);
    EXPECT_NEAR(static_cast<double>(wide.columns) / wide.rows, 4.0, 0.02);
}

TEST(RasterGridSize, PixelsLongerThanWideGiveTheGroundsShapeNotThePixelCounts)
{
    // A one-degree tile at 60 degrees north: pixels half as wide as tall.
    const TGridSize tile = ChooseGridSize({1201, 1201, 46.4, 92.6}, {});
    EXPECT_NEAR(static_cast<double>(tile.columns) / tile.rows, 46.4 / 92.6, 0.01);
    EXPECT_LE(static_cast<long long>(tile.columns) * tile.rows, 250000);
    // Small enough to fit, but never finer than the coarser pixel side.
    EXPECT_EQ(ChooseGridSize({100, 100, 10, 20}, {}), (TGridSize{50, 100}));
}

TEST(RasterGridSize, AGivenSizeOrStepIsTakenWithinTheMapsLimits)
{
    TRasterImportOptions sized;
    sized.columns = 40;
    sized.rows = 25;
    EXPECT_EQ(ChooseGridSize({3601, 3601, 30, 30}, sized), (TGridSize{40, 25}));
    // Finer than the raster is allowed when asked for.
    EXPECT_EQ(ChooseGridSize({10, 10, 30, 30}, sized), (TGridSize{40, 25}));

    TRasterImportOptions stepped;
    stepped.step = 8;
    EXPECT_EQ(ChooseGridSize({3601, 3601, 30, 30}, stepped), (TGridSize{451, 451}));
    EXPECT_EQ(ChooseGridSize({160, 155, 30, 30}, stepped), (TGridSize{20, 20}));
}

TEST(RasterGridSize, SizesTheMapCannotHaveAreRefusedWithTheReason)
{
    TRasterImportOptions tooMany;
    tooMany.columns = 501;
    tooMany.rows = 500;
    EXPECT_EQ(Refusal({3601, 3601, 30, 30}, tooMany),
              "E0155 Raster grid size out of range: 501 x 500 nodes are more than the 250000 a map can hold");
    TRasterImportOptions tooFew;
    tooFew.columns = 19;
    tooFew.rows = 21;
    EXPECT_EQ(Refusal({3601, 3601, 30, 30}, tooFew),
              "E0155 Raster grid size out of range: 19 x 21 nodes are fewer than the 400 a map needs");
    TRasterImportOptions oneColumn;
    oneColumn.columns = 1;
    oneColumn.rows = 1000;
    EXPECT_NE(Refusal({3601, 3601, 30, 30}, oneColumn), "");
    TRasterImportOptions coarse;
    coarse.step = 200;
    EXPECT_EQ(Refusal({3601, 3601, 30, 30}, coarse),
              "E0155 Raster grid size out of range: 19 x 19 nodes are fewer than the 400 a map needs");
    TRasterImportOptions tooFine;
    tooFine.step = 1;
    EXPECT_EQ(Refusal({3601, 3601, 30, 30}, tooFine),
              "E0155 Raster grid size out of range: 3601 x 3601 nodes are more than the 250000 a map can hold");
}

TEST(RasterGridSize, ARasterTooSmallForAMapIsRefusedUnlessAGridIsGiven)
{
    EXPECT_EQ(Refusal({1, 1, 30, 30}),
              "E0153 Raster is too small to make a map: 1 x 1 pixels give fewer than the 400 nodes a map needs; "
              "choose a larger grid size");
    EXPECT_NE(Refusal({19, 21, 30, 30}), "");
    EXPECT_NE(Refusal({1000, 1, 30, 30}), "");
    TRasterImportOptions sized;
    sized.columns = 20;
    sized.rows = 20;
    EXPECT_EQ(ChooseGridSize({1, 1, 30, 30}, sized), (TGridSize{20, 20}));
}

}  // namespace
}  // namespace tarn
