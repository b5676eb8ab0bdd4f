#include "controls/Flatimge.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(FlatImageTest, TakesTheGridShapeAroundItsCentre)
{
    TFlatImage image;
    image.setGeometry(100, 100, 200, 200);
    image.SetNodeSize(101, 51);
    EXPECT_EQ(image.size(), QSize(200, 101));
    EXPECT_EQ(image.Bitmap().size(), QSize(101, 51));
    EXPECT_EQ(image.geometry().center().x(), 199);
    EXPECT_EQ(image.pos(), QPoint(100, 150));
    image.SetNodeSize(51, 101);
    EXPECT_EQ(image.size(), QSize(101, 200));
    image.SetNodeSize(64, 64);
    EXPECT_EQ(image.size(), QSize(200, 200));
}

TEST(FlatImageTest, ColoursHeightsOnTrueColourDisplays)
{
    TFlatImage image;
    EXPECT_EQ(image.HeightColour(0, false), QColor(0, 0, 255));
    EXPECT_EQ(image.HeightColour(1000, false), QColor(255, 0, 0));
    EXPECT_EQ(image.HeightColour(500, false), QColor(180, 255, 180));
    // Heights outside the range take the colour of the nearer end.
    EXPECT_EQ(image.HeightColour(2000, false), QColor(255, 0, 0));
    EXPECT_EQ(image.HeightColour(-30, false), QColor(0, 0, 255));
}

TEST(FlatImageTest, ColoursHeightBandsOnPaletteDisplays)
{
    TFlatImage image;
    EXPECT_EQ(image.HeightColour(1000, true), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(image.HeightColour(0, true), QColor(0, 0, 0));
    // Band 7 of step 71: entry 7, platform value 0x0000FF, which is red.
    EXPECT_EQ(image.HeightColour(7 * 71, true), QColor(255, 0, 0));
    EXPECT_EQ(image.HeightColour(-500, true), QColor(0, 0, 0));
}

TEST(FlatImageTest, FlatHeightRangeNeitherDividesByZeroNorFails)
{
    TFlatImage image;
    image.SetLowestHeight(100);
    image.SetHighestHeight(100);
    EXPECT_EQ(image.HeightColour(100, false), QColor(0, 0, 255));
    // Step max(10, 0) div 14 would be 0; one height unit per band instead.
    EXPECT_EQ(image.HeightColour(103, true), QColor(0, 255, 255));
}

TEST(FlatImageTest, NodePixelsAreStretchedOverTheControl)
{
    TFlatImage image;
    image.SetNodeSize(2, 1);
    image.SetNodeHeight(0, 0, 0);
    image.SetNodeHeight(1, 0, 1000);
    image.SetNodeHeight(2, 0, 1000);  // outside the grid: ignored
    ASSERT_EQ(image.size(), QSize(200, 100));
    const QImage shown = image.grab().toImage();
    EXPECT_EQ(shown.pixelColor(10, 50), QColor(0, 0, 255));
    EXPECT_EQ(shown.pixelColor(190, 50), QColor(255, 0, 0));
}

}  // namespace
}  // namespace tarn
