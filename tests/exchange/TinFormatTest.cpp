// The TIN driver: the map reduced as the options ask, scaled, refused
// options and a cancelled reduction.
#include "ExchangeTestSupport.h"
#include "analysis/polyred/PolygonReduction.h"
#include "analysis/polyred/PolyredMessages.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/FormatRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tarn {
namespace {

using namespace test;

const TFormatDriver& Tin() { return *FindFormat("tin"); }

TNet Hills()
{
    TNet net;
    MakeGrid(net, 60, 50, MapUnits::Metric, 30);
    for (int r = 1; r <= 50; ++r)
        for (int c = 1; c <= 60; ++c)
            SetHeightAt(net, c, r, static_cast<int>(500 + 400 * std::sin(c * 0.15) * std::cos(r * 0.11)));
    net.UpdateSquares();
    return net;
}

std::string Exported(const TNet& net, const TPolygonExportOptions& options)
{
    std::ostringstream out(std::ios::binary);
    NullProgress quiet;
    Tin().Write(net, out, {.polygon = options, .raster = {}, .mesh = {}}, quiet);
    return std::move(out).str();
}

// The number after the line that begins with the label.
double NumberAfter(const std::string& text, const std::string& label)
{
    const auto at = text.find(label);
    return at == std::string::npos ? -1 : std::stod(text.substr(at + label.size()));
}

// The vertices' x (east) and z (up) coordinates.
std::vector<std::pair<double, double>> EastAndUp(const std::string& text)
{
    std::vector<std::pair<double, double>> points;
    const auto lines = Lines(text);
    const auto start = std::find_if(lines.begin(), lines.end(), [](const auto& l) { return l.starts_with("VERTICES"); });
    for (auto it = start + 1; it != lines.end() && !it->starts_with("TRIANGLES"); ++it) {
        double x = 0, y = 0, z = 0;
        std::sscanf(it->c_str(), "%lf %lf %lf", &x, &y, &z);
        points.emplace_back(x, z);
    }
    return points;
}

TEST(TinFormat, TheBudgetBoundsTheTrianglesAndTheToleranceTheError)
{
    const TNet net = Hills();
    EXPECT_LE(NumberAfter(Exported(net, {.polygons = 100, .tolerance = 0}), "TRIANGLES "), 100);
    const std::string fine = Exported(net, {.polygons = 5000, .tolerance = 2});
    EXPECT_LE(NumberAfter(fine, "largest vertical error "), 2);
    EXPECT_LT(NumberAfter(fine, "TRIANGLES "), 5000) << "the tolerance stopped it first";
}

TEST(TinFormat, ScaledByTheOptionsOrFromTheMapsSizeAndSpacing)
{
    const TNet net = Hills();
    const auto widest = [](const std::vector<std::pair<double, double>>& points) {
        return std::max_element(points.begin(), points.end())->first;
    };
    const auto highest = [](const std::vector<std::pair<double, double>>& points) {
        double z = 0;
        for (const auto& point : points)
            z = std::max(z, point.second);
        return z;
    };
    int top = 0;
    for (const auto& node : net.Points())
        top = std::max(top, static_cast<int>(node.Height));
    // One grid step 10 units long, a height h standing h * 2 * 10 / 100
    // high; within a tolerance of 1 the top lies no lower than top - 1.
    const auto given = EastAndUp(Exported(net, {.polygons = 5000, .tolerance = 1, .scale = TModelScale{2, 10}}));
    EXPECT_DOUBLE_EQ(widest(given), 59 * 10);
    EXPECT_NEAR(highest(given), 0.2 * top, 0.2);
    // The starting scale: 1000 units across, heights in true proportion to
    // the spacing of 30.
    const auto starting = EastAndUp(Exported(net, {.polygons = 5000, .tolerance = 1}));
    const double step = 1000.0 / 60;
    EXPECT_NEAR(widest(starting), 59 * step, 1e-3);
    EXPECT_NEAR(highest(starting), top / 30.0 * step, step / 30);
}

TEST(TinFormat, OptionsOutsideTheDialogsRangesAndUnreducibleMapsAreRefused)
{
    const TNet net = Hills();
    for (const TPolygonExportOptions& options :
         {TPolygonExportOptions{.polygons = 99}, TPolygonExportOptions{.polygons = 100000},
          TPolygonExportOptions{.tolerance = -1}, TPolygonExportOptions{.scale = TModelScale{0, 1}},
          TPolygonExportOptions{.scale = TModelScale{1, 10000}}}) {
        try {
            Exported(net, options);
            ADD_FAILURE() << options.polygons;
        } catch (const ETarnError& error) {
            EXPECT_STREQ(error.what(), msg::ExportParametersOutOfRange);
        }
    }
    TNet empty;
    MakeGrid(empty, 20, 20);
    try {
        Exported(empty, {});
        ADD_FAILURE();
    } catch (const ETarnError& error) {
        EXPECT_EQ(error.code(), "E0131");
    }
}

TEST(TinFormat, AStopAskedForEndsTheExportWithoutAFile)
{
    const TNet net = Hills();
    std::ostringstream out;
    StoppingProgress stopping;
    try {
        Tin().Write(net, out, {.polygon = {.polygons = 5000, .tolerance = 0}, .raster = {}, .mesh = {}}, stopping);
        ADD_FAILURE();
    } catch (const ETarnError& error) {
        EXPECT_STREQ(error.what(), msg::ExportCancelled);
    }
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(stopping.captions.front(), "Exporting|Triangle Mesh Surface");
    EXPECT_GE(stopping.hidden, 1) << "the bar is hidden again";
}

}  // namespace
}  // namespace tarn
