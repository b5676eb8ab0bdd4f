#include "model/edits/AutoTrace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <utility>

using namespace tarn;

namespace {

constexpr std::uint32_t kInk = 0x203040;

TRgbPicture WhitePicture(int width, int height)
{
    return {width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, kWhiteRgb)};
}

void Put(TRgbPicture& picture, int x, int y, std::uint32_t colour)
{
    picture.pixels[static_cast<std::size_t>(y) * picture.width + x] = colour;
}

// Every pixel its own node: column x, row y.
const TNodeLookup kPixelNodes = [](TPixel pixel) { return std::optional<TGridNode>({pixel.x, pixel.y}); };

std::set<std::pair<int, int>> Distinct(const std::vector<TPixel>& pixels)
{
    std::set<std::pair<int, int>> distinct;
    for (const TPixel& pixel : pixels)
        distinct.emplace(pixel.x, pixel.y);
    return distinct;
}

}  // namespace

TEST(AutoTrace, OnePixelClosedLoopComesBackToItsStartAndEnds)
{
    TRgbPicture picture = WhitePicture(40, 30);
    std::set<std::pair<int, int>> ring;
    for (int x = 5; x <= 30; ++x)
        for (int y : {4, 20})
            ring.emplace(x, y);
    for (int y = 4; y <= 20; ++y)
        for (int x : {5, 30})
            ring.emplace(x, y);
    for (const auto& [x, y] : ring)
        Put(picture, x, y, kInk);

    const TStretchedPicture stretched(picture, 40, 30);
    const TAutoTraceResult result = FollowContour(stretched, {12, 20}, 0, kPixelNodes);
    EXPECT_FALSE(result.stoppedAtLimit);
    EXPECT_EQ(Distinct(result.visited), ring);
    // Once round: each pixel is a node found once, the walk setting out to
    // the left and coming back from the right.
    EXPECT_EQ(result.nodes.size(), ring.size());
    EXPECT_EQ(result.nodes[0], (TGridNode{12, 20}));
    EXPECT_EQ(result.nodes[1], (TGridNode{11, 20}));
    EXPECT_NE(std::find(result.nodes.begin(), result.nodes.end(), TGridNode{13, 20}), result.nodes.end());
    EXPECT_EQ(result.markColour, ~kInk & kWhiteRgb);
}

TEST(AutoTrace, ToleranceZeroFollowsOnlyTheExactColour)
{
    TRgbPicture picture = WhitePicture(50, 5);
    for (int x = 0; x < 20; ++x)
        Put(picture, x, 2, 0x646464);
    for (int x = 20; x < 40; ++x)
        Put(picture, x, 2, 0x656464);  // one step more red
    const TStretchedPicture stretched(picture, 50, 5);

    EXPECT_EQ(FollowContour(stretched, {0, 2}, 0, kPixelNodes).nodes.size(), 20u);
    EXPECT_EQ(FollowContour(stretched, {0, 2}, 1, kPixelNodes).nodes.size(), 40u);
}

TEST(AutoTrace, WhiteStartOrAnEmptyPictureTracesNothing)
{
    const TRgbPicture picture = WhitePicture(10, 10);
    const TAutoTraceResult onWhite = FollowContour(TStretchedPicture(picture, 30, 30), {4, 4}, 50, kPixelNodes);
    EXPECT_TRUE(onWhite.nodes.empty());
    EXPECT_TRUE(onWhite.visited.empty());
    const TRgbPicture none;
    EXPECT_TRUE(FollowContour(TStretchedPicture(none, 30, 30), {4, 4}, 50, kPixelNodes).visited.empty());
}

TEST(AutoTrace, StretchedLineGivesTheNodesItCrosses)
{
    // A 10-pixel line stretched fivefold, on a grid of one node per 5 pixels.
    TRgbPicture picture = WhitePicture(10, 4);
    for (int x = 0; x < 10; ++x)
        Put(picture, x, 1, kInk);
    const TNodeLookup gridNodes = [](TPixel pixel) { return std::optional<TGridNode>({pixel.x / 5, pixel.y / 5}); };
    const TAutoTraceResult result = FollowContour(TStretchedPicture(picture, 50, 20), {20, 7}, 0, gridNodes);
    EXPECT_EQ(Distinct(result.visited).size(), 50u * 5u);
    std::set<int> columns;
    for (const TGridNode& node : result.nodes) {
        EXPECT_EQ(node.row, 1);
        columns.insert(node.column);
    }
    EXPECT_EQ(columns.size(), 10u);
}

TEST(AutoTrace, NoisyPictureStopsAtTheBranchLimit)
{
    // Greys scattered around the colour clicked: about half of all pixels
    // match it, so the walk branches nearly everywhere.
    TRgbPicture picture = WhitePicture(400, 400);
    std::mt19937 random(7);
    std::uniform_int_distribution<std::uint32_t> grey(64, 192);
    for (auto& pixel : picture.pixels)
        pixel = grey(random) * 0x010101;
    picture.pixels[200 * 400 + 200] = 0x808080;
    const TNodeLookup gridNodes = [](TPixel pixel) { return std::optional<TGridNode>({pixel.x / 6, pixel.y / 6}); };
    const TAutoTraceResult result = FollowContour(TStretchedPicture(picture, 1200, 1200), {600, 600}, 30, gridNodes);
    EXPECT_TRUE(result.stoppedAtLimit);
    EXPECT_LE(result.nodes.size(), kTraceEntryLimit);
}

TEST(AutoTrace, LongLineStopsAtTheNodeLimit)
{
    TRgbPicture picture = WhitePicture(20000, 3);
    for (int x = 0; x < 20000; ++x)
        Put(picture, x, 1, kInk);
    const TAutoTraceResult result = FollowContour(TStretchedPicture(picture, 20000, 3), {0, 1}, 0, kPixelNodes);
    EXPECT_TRUE(result.stoppedAtLimit);
    EXPECT_EQ(result.nodes.size(), kTraceEntryLimit);
    EXPECT_EQ(result.nodes.back(), (TGridNode{static_cast<int>(kTraceEntryLimit) - 1, 1}));
}

TEST(AutoTrace, NearWhiteSpeckEndsInsteadOfWalkingToAndFro)
{
    // Visited pixels must not match again, or a walk between two pixels
    // of a colour near white never ends.
    TRgbPicture picture = WhitePicture(10, 10);
    for (auto& pixel : picture.pixels)
        pixel = 0;
    Put(picture, 4, 4, 0xF0F0F0);
    Put(picture, 5, 4, 0xF0F0F0);
    const TAutoTraceResult result = FollowContour(TStretchedPicture(picture, 10, 10), {4, 4}, 50, kPixelNodes);
    EXPECT_EQ(Distinct(result.visited), (std::set<std::pair<int, int>>{{4, 4}, {5, 4}}));
    EXPECT_FALSE(result.stoppedAtLimit);
}
