// Which triangles of a surface can change the picture: worked out on the
// CPU, then checked against what OpenGL draws.
#include "viewer/render/PixelCoverage.h"
#include "viewer/render/offscreen/OffscreenContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

namespace tarn {
namespace {

using Pixel = std::array<double, 2>;
constexpr int kSide = 100;

TPixelCoverage::Matrix Identity() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

// Through identity matrices a 100 x 100 viewport shows x and y from -1 to
// 1: scene x is the window's x / 50 - 1, shifted by `offset` for a view
// that moves the scene back by as much.
std::array<float, 3> ScenePoint(Pixel window, double offset = 0)
{
    return {static_cast<float>(window[0] / (kSide / 2.0) - 1 + offset),
            static_cast<float>(window[1] / (kSide / 2.0) - 1), 0};
}

// The twelve vertices of a square from its corners in drawing order and its
// centre, in window pixels: triangle k runs corner k, centre, corner k + 1.
// Corners listed clockwise make triangles that run anticlockwise.
void AddSquare(std::vector<TSceneVertex>& squares, const std::array<Pixel, 4>& corners, Pixel centre,
               double offset = 0)
{
    for (std::size_t k = 0; k < 4; ++k)
        for (const Pixel point : {corners[k], centre, corners[(k + 1) % 4]}) {
            TSceneVertex vertex;
            vertex.position = ScenePoint(point, offset);
            vertex.colour = {static_cast<float>(squares.size()), 0, 0, 1};  // tells the vertices apart
            squares.push_back(vertex);
        }
}

// A square from (left, bottom) to (right, top), corners clockwise from the
// north-west as a map's are, centre in the middle.
void AddBox(std::vector<TSceneVertex>& squares, double left, double bottom, double right, double top,
            double offset = 0)
{
    AddSquare(squares, {Pixel{left, top}, Pixel{right, top}, Pixel{right, bottom}, Pixel{left, bottom}},
              {(left + right) / 2, (bottom + top) / 2}, offset);
}

TPixelCoverage::View PlainView(TPixelCoverage::Culled culled = TPixelCoverage::Culled::Clockwise)
{
    return {Identity(), Identity(), {0, 0, kSide, kSide}, culled};
}

// The vertices kept, as indices into `squares`.
std::vector<int> Kept(const TPixelCoverage& coverage, const std::vector<TSceneVertex>& squares)
{
    TSceneVertices kept;
    const std::size_t count =
        coverage.KeepDrawn(squares.data(), static_cast<int>(squares.size() / 12), 12, kept);
    EXPECT_EQ(count, kept.size());
    std::vector<int> indices;
    for (const auto& vertex : kept)
        indices.push_back(static_cast<int>(vertex.colour[0]));
    return indices;
}

std::vector<int> Range(int first, int end)
{
    std::vector<int> range;
    for (int i = first; i < end; ++i)
        range.push_back(i);
    return range;
}

TEST(PixelCoverage, ASquareBetweenPixelCentresIsLeftOutAndOneOverCentresIsKeptWholeAndInOrder)
{
    const TPixelCoverage coverage(PlainView());
    std::vector<TSceneVertex> squares;
    AddBox(squares, 10.6, 10.6, 10.9, 10.9);  // between the centres (10.5, 10.5) and (11.5, 11.5)
    AddBox(squares, 20, 20, 30, 30);
    AddBox(squares, 40.6, 40.2, 40.9, 60);  // tall but between two columns of centres
    EXPECT_EQ(Kept(coverage, squares), Range(12, 24));
}

TEST(PixelCoverage, OfASquareOnlyTheTrianglesOverAPixelCentreAreKept)
{
    // The centre (11.5, 11.5) lies in the north triangle only; the east
    // one's box holds it too, but the triangle passes beside it.
    const TPixelCoverage coverage(PlainView());
    std::vector<TSceneVertex> squares;
    AddSquare(squares, {Pixel{10.6, 12}, Pixel{12.2, 12}, Pixel{12.2, 10.6}, Pixel{10.6, 10.6}}, {11.4, 11.3});
    EXPECT_EQ(Kept(coverage, squares), Range(0, 3));
}

TEST(PixelCoverage, WhatRoundingCouldBringOntoACentreIsKept)
{
    // A hundredth of a pixel short of the centre (11.5, 11.5) is within the
    // renderer's snapping; a tenth is not.
    for (const double offset : {0.0, 4096.0}) {
        TPixelCoverage::View view = PlainView();
        view.modelView[12] = -offset;
        const TPixelCoverage coverage(view);
        std::vector<TSceneVertex> nearly;
        AddBox(nearly, 10.6, 10.6, 11.49, 11.49, offset);
        EXPECT_FALSE(Kept(coverage, nearly).empty()) << offset;
        std::vector<TSceneVertex> short_;
        AddBox(short_, 10.6, 10.6, 11.4, 11.4, offset);
        // Far from the origin the single-precision transform is coarser
        // than a tenth of a pixel, so there even that square stays.
        EXPECT_EQ(Kept(coverage, short_).empty(), offset == 0) << offset;
    }
}

TEST(PixelCoverage, CulledFacesAreLeftOutAndThinOnesAreLeftToOpenGL)
{
    std::vector<TSceneVertex> front;
    AddBox(front, 20, 20, 30, 30);
    std::vector<TSceneVertex> back;  // corners anticlockwise: every triangle runs clockwise
    AddSquare(back, {Pixel{20, 20}, Pixel{30, 20}, Pixel{30, 30}, Pixel{20, 30}}, {25, 25});
    using Culled = TPixelCoverage::Culled;
    EXPECT_EQ(Kept(TPixelCoverage(PlainView(Culled::Clockwise)), front), Range(0, 12));
    EXPECT_TRUE(Kept(TPixelCoverage(PlainView(Culled::Clockwise)), back).empty());
    EXPECT_TRUE(Kept(TPixelCoverage(PlainView(Culled::Anticlockwise)), front).empty());
    EXPECT_EQ(Kept(TPixelCoverage(PlainView(Culled::Anticlockwise)), back), Range(0, 12));
    EXPECT_EQ(Kept(TPixelCoverage(PlainView(Culled::None)), back), Range(0, 12));

    // A square seen edge on: its triangles have next to no area, and which
    // way they face is too close to call.
    std::vector<TSceneVertex> edgeOn;
    AddSquare(edgeOn, {Pixel{20, 20.5}, Pixel{30, 20.5}, Pixel{30, 20.5001}, Pixel{20, 20.5001}}, {25, 20.5});
    EXPECT_EQ(Kept(TPixelCoverage(PlainView(Culled::Clockwise)), edgeOn).size(), 12U);
}

TEST(PixelCoverage, OnlyCentresInsideTheViewportCount)
{
    TPixelCoverage::View view = PlainView();
    view.viewport = {10, 0, kSide, kSide};  // pixels 10..109: every window x is 10 more
    const TPixelCoverage coverage(view);
    const auto keptOf = [&](double left, double right) {
        std::vector<TSceneVertex> square;
        AddBox(square, left - 10, 20, right - 10, 30);
        return Kept(coverage, square).size();
    };
    EXPECT_EQ(keptOf(5.2, 5.8), 0U) << "over pixel 5, left of the viewport";
    EXPECT_GT(keptOf(10.2, 10.8), 0U) << "over pixel 10, the viewport's first";
    EXPECT_GT(keptOf(109.2, 109.8), 0U) << "over pixel 109, its last";
    EXPECT_EQ(keptOf(109.6, 111), 0U) << "over pixel 110, right of it";
}

TEST(PixelCoverage, SquaresReachingTheNearPlaneAreKeptWhole)
{
    // Looking down -z with the near plane at 1 and the far one at 100.
    TPixelCoverage::View view = PlainView();
    const double near = 1, far = 100;
    view.projection = {near, 0, 0, 0, 0, near, 0, 0, 0, 0, -(far + near) / (far - near), -1,
                       0, 0, -2 * far * near / (far - near), 0};
    const TPixelCoverage coverage(view);
    const auto square = [](std::array<float, 3> west, float side) {
        std::vector<TSceneVertex> vertices;
        AddBox(vertices, 0, 0, 1, 1);
        for (auto& vertex : vertices) {
            const float x = vertex.position[0] + 1, y = vertex.position[1] + 1;  // 0..0.02
            vertex.position = {west[0] + x * 50 * side, west[1] + y * 50 * side, west[2]};
        }
        return vertices;
    };
    // Far off to the side: left out in front of the near plane, kept across it.
    EXPECT_TRUE(Kept(coverage, square({50, 0, -10}, 1)).empty());
    EXPECT_EQ(Kept(coverage, square({50, 0, -0.5}, 1)).size(), 12U);
    EXPECT_EQ(Kept(coverage, square({50, 0, 5}, 1)).size(), 12U) << "behind the camera";
    // Tiny and between the centres in front of the camera: left out.
    EXPECT_TRUE(Kept(coverage, square({0.0041f, 0.0041f, -10}, 0.001f)).empty());
}

TEST(PixelCoverage, ASquareTakesOverTheCornersOfTheOneBeforeOnlyWhereTheyAreTheSame)
{
    const TPixelCoverage coverage(PlainView());
    std::vector<TSceneVertex> squares;
    AddBox(squares, 10.6, 10.6, 10.9, 10.9);  // left out
    AddBox(squares, 10.9, 10.6, 20, 10.9);    // takes its west side from the one before; no row of centres
    AddBox(squares, 20, 10.6, 30, 20);        // shares the west corners' x only
    AddBox(squares, -10, 10.6, -9, 10.9);     // out of view
    AddBox(squares, 30, 30, 40, 40);          // its west side is not the one before's east side
    EXPECT_EQ(Kept(coverage, squares), [] {
        auto expected = Range(24, 36);
        const auto last = Range(48, 60);
        expected.insert(expected.end(), last.begin(), last.end());
        return expected;
    }());
}

// The judgement of the current context: what it reads, and when it declines.
TEST(PixelCoverage, TheCurrentContextIsJudgedOnlyWhenTrianglesColourTheirPixelCentres)
{
    TOffscreenContext context(kSide, kSide);
    glEnable(GL_CULL_FACE);
    ASSERT_TRUE(TPixelCoverage::OfCurrentContext().has_value());

    // From the context's own matrices: the plain view keeps a big square and
    // leaves out a small one between pixel centres.
    std::vector<TSceneVertex> squares;
    AddBox(squares, 10.6, 10.6, 10.9, 10.9);
    AddBox(squares, 10, 10, 20, 20);
    EXPECT_EQ(Kept(*TPixelCoverage::OfCurrentContext(), squares), Range(12, 24));
    glFrontFace(GL_CW);
    EXPECT_TRUE(Kept(*TPixelCoverage::OfCurrentContext(), squares).empty()) << "front faces now run clockwise";
    glFrontFace(GL_CCW);

    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    EXPECT_FALSE(TPixelCoverage::OfCurrentContext().has_value()) << "outlines reach pixels between centres";
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_POLYGON_SMOOTH);
    EXPECT_FALSE(TPixelCoverage::OfCurrentContext().has_value());
    glDisable(GL_POLYGON_SMOOTH);
    std::vector<GLfloat> feedback(64);
    glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_3D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    EXPECT_FALSE(TPixelCoverage::OfCurrentContext().has_value()) << "feedback reports every triangle";
    glRenderMode(GL_RENDER);
    EXPECT_TRUE(TPixelCoverage::OfCurrentContext().has_value());
}

}  // namespace
}  // namespace tarn
