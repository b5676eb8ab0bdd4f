// Reading actor files: declarations, primitives, their quirks and messages.
#include "viewer/render/Actor.h"
#include "viewer/render/LineScanner.h"
#include "tests/common/TempPath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>

namespace tarn {
namespace {

using Colour = std::array<float, 4>;

TEST(LineScanner, TokensEndAtTheStopCharacterAndAUsedUpLineComplains)
{
    std::vector<std::string> messages;
    TLineScanner scanner("a,b;c", messages);
    EXPECT_EQ(scanner.NextToken(','), "a");
    EXPECT_EQ(scanner.NextToken('x'), "b;c");  // no x: the rest, line used up
    EXPECT_EQ(scanner.NextToken(','), "");
    EXPECT_EQ(messages, std::vector<std::string>{"E0005 Error parsing string"});
}

TEST(LineScanner, NumbersAreReadFromTheLeadingNumericPart)
{
    EXPECT_DOUBLE_EQ(ReadReal("  1.5abc"), 1.5);
    EXPECT_DOUBLE_EQ(ReadReal("-.25"), -0.25);
    EXPECT_DOUBLE_EQ(ReadReal("2e3"), 2000);
    EXPECT_DOUBLE_EQ(ReadReal("7e"), 7);
    EXPECT_DOUBLE_EQ(ReadReal("pigment"), 0);
    EXPECT_DOUBLE_EQ(ReadReal(""), 0);
    EXPECT_DOUBLE_EQ(ReadReal("1e-999"), 0);
    EXPECT_TRUE(std::isinf(ReadReal("1e999")));
}

TEST(ActorReader, AFileOfCommentsAndASizeLoadsWithNothingToDraw)
{
    TActor actor;
    EXPECT_TRUE(actor.LoadFromText("// only a comment\n#declare size = <-1, 0, -1>, <1, 2, 1>\n// sphere in a comment\n"));
    EXPECT_TRUE(actor.Primitives().empty());
    EXPECT_TRUE(actor.SizeDeclared());
    EXPECT_EQ(actor.BoxMinimum(), (std::array<double, 3>{-1, 0, -1}));
    EXPECT_EQ(actor.BoxMaximum(), (std::array<double, 3>{1, 2, 1}));
    EXPECT_TRUE(actor.Messages().empty());
}

TEST(ActorReader, ADeclaredColourNamedInASphereGivesItsColourAndAnUndeclaredOneNone)
{
    TActor actor;
    actor.LoadFromText("#declare Leaf = color red 0.2 green 0.6 blue 0.1\n"
                       "sphere { <0,1,0>,0.5 pigment { color Leaf } }\n"
                       "sphere { <0,2,0>,0.5 pigment { color leaf } }\n"
                       "sphere { <0,3,0>,0.5 pigment { color Bark } }\n");
    ASSERT_EQ(actor.Primitives().size(), 3u);
    EXPECT_EQ(actor.Primitives()[0].colour, (Colour{0.2f, 0.6f, 0.1f, 1}));
    EXPECT_EQ(actor.Primitives()[1].colour, (Colour{0.2f, 0.6f, 0.1f, 1})) << "names ignore case";
    EXPECT_EQ(actor.Primitives()[2].colour, (Colour{0, 0, 0, 0}));
    EXPECT_EQ(actor.Primitives()[0].kind, PrimitiveKind::Sphere);
    EXPECT_EQ(actor.Primitives()[0].extraPoints, 0);
}

TEST(ActorReader, WholeNumberChannelsReadWithTheirBlanksAsZeros)
{
    TActor actor;
    // (blank 1 blank) reads as 010 and is limited to 1; (blank 0 blank) as 000.
    actor.DeclareColour("#declare Red = color red 1 green 0 blue 0");
    actor.DeclareColour("#declare Half = color red 0.5 green 2 blue -1");
    EXPECT_EQ(actor.LookUpColour("Red"), (Colour{1, 0, 0, 1}));
    EXPECT_EQ(actor.LookUpColour("  Half } }"), (Colour{0.5f, 1, 0, 1}));
}

TEST(ActorReader, ACommentIsRemovedBeforeTheLineIsClassified)
{
    TActor actor;
    actor.LoadFromText("box { <0,0,0>, <1,1,1> pigment { color Wall } } <0,0,0> // not a cylinder\n");
    ASSERT_EQ(actor.Primitives().size(), 1u);
    EXPECT_EQ(actor.Primitives()[0].kind, PrimitiveKind::Box);
    EXPECT_TRUE(actor.Messages().empty());
}

TEST(ActorReader, ABoxWithoutItsTrailingPointComplainsThreeTimesAndKeepsTheBox)
{
    TActor actor;
    actor.LoadFromText("box { <0,0,0>, <1,2,3> pigment { color Wall } }\n");
    ASSERT_EQ(actor.Primitives().size(), 1u);
    EXPECT_EQ(actor.Messages(), std::vector<std::string>(3, "E0005 Error parsing string"));
}

TEST(ActorReader, ConesAndCylindersReadTheirRadiiFromAfterTheComma)
{
    TActor actor;
    actor.LoadFromText("#declare size = <-2, 0, -2>, <2, 4, 2>\n"
                       "cone { <0,0,0>,1.5 <0,4,0>,0.5 pigment { color X } }\n"
                       "cylinder { <0,0,0>, <0,4,0>,1 pigment { color X } }\n"
                       "cylinder { <0,0,0>, <0,4,0>, 1 pigment { color X } }\n");
    ASSERT_EQ(actor.Primitives().size(), 3u);
    const auto& cone = actor.Primitives()[0];
    EXPECT_EQ(cone.kind, PrimitiveKind::Cone);
    // b = 2 * 4 = 8.
    EXPECT_DOUBLE_EQ(cone.radius1, 1.5 / 8);
    EXPECT_DOUBLE_EQ(cone.radius2, 0.5 / 8);
    EXPECT_DOUBLE_EQ(actor.Primitives()[1].radius1, 1.0 / 8);
    EXPECT_DOUBLE_EQ(actor.Primitives()[2].radius1, 0) << "a blank after the comma ends the radius at once";
}

TEST(ActorReader, NormaliseStandsTheActorOnTheGroundHalfAUnitHigh)
{
    TActor actor;
    actor.LoadFromText("cylinder { <1,2,3>, <1,6,3>,1 pigment { color X } }\n"
                       "triangle { <-3,4,3>, <5,4,3>, <1,5,-1> pigment { color X } }\n");
    ASSERT_EQ(actor.Primitives().size(), 2u);
    double low = 1e9, high = -1e9;
    for (const auto& p : actor.Primitives())
        for (int i = 0; i <= p.extraPoints; ++i) {
            low = std::min(low, p.points[static_cast<std::size_t>(i)][1]);
            high = std::max(high, p.points[static_cast<std::size_t>(i)][1]);
        }
    EXPECT_DOUBLE_EQ(low, 0);
    EXPECT_DOUBLE_EQ(high, 0.5);
    // Centred in x (-3..5) and z (-1..3); radii shrink with the points.
    EXPECT_DOUBLE_EQ(actor.Primitives()[0].points[0][0], (1 - 1.0) / 8);
    EXPECT_DOUBLE_EQ(actor.Primitives()[0].points[0][2], (3 - 1.0) / 8);
    EXPECT_DOUBLE_EQ(actor.Primitives()[0].radius1, 1.0 / 8);
}

TEST(ActorReader, AFlatActorIsMovedIntoPlaceButNotBlownUp)
{
    TActor actor;
    actor.LoadFromText("triangle { <0,3,0>, <2,3,0>, <1,3,2> pigment { color X } }\n");
    ASSERT_EQ(actor.Primitives().size(), 1u);
    for (const auto& point : actor.Primitives()[0].points)
        for (const double value : point)
            EXPECT_TRUE(std::isfinite(value));
    EXPECT_EQ(actor.Primitives()[0].points[0], (std::array<double, 3>{-1, 0, -1}));
}

TEST(ActorReader, AnUnusableNumberDropsOnlyThatPrimitive)
{
    TActor actor;
    actor.LoadFromText("sphere { <0,1e999,0>,1 pigment { color X } }\nsphere { <0,1,0>,1 pigment { color X } }\n");
    EXPECT_EQ(actor.Primitives().size(), 1u);
    EXPECT_EQ(actor.Messages(), std::vector<std::string>{"Error loading Actor"});
}

TEST(ActorReader, FilesThatCannotBeReadOrAFilledActorAreRefused)
{
    TActor actor;
    EXPECT_FALSE(actor.LoadFromFile("/nonexistent/tree.pov"));
    ASSERT_TRUE(actor.LoadFromText("sphere { <0,1,0>,1 pigment { color X } }\n"));
    EXPECT_FALSE(actor.LoadFromText("sphere { <0,1,0>,1 pigment { color X } }\n"));
    EXPECT_EQ(actor.Primitives().size(), 1u);
}

TEST(ActorReader, AFolderIsNoActorFile)
{
    const auto folder = test::UniqueTempPath("actor-reader-test", ".pov");
    std::filesystem::create_directories(folder);
    TActor actor;
    EXPECT_FALSE(actor.LoadFromFile(folder));
    std::filesystem::remove(folder);
}

std::string Spheres(int count)
{
    std::string text = "#declare Leaf = color red 0.2 green 0.6 blue 0.1\n";
    for (int i = 0; i < count; ++i)
        text += "sphere { <0," + std::to_string(i % 7) + ",0>,0.5 pigment { color Leaf } }\n";
    return text;
}

TEST(ActorReader, AFileHoldsAtMostAThousandPrimitives)
{
    TActor fits;
    EXPECT_TRUE(fits.LoadFromText(Spheres(TActor::kMaxPrimitives)));
    EXPECT_EQ(fits.Primitives().size(), static_cast<std::size_t>(TActor::kMaxPrimitives));
    EXPECT_TRUE(fits.Messages().empty());

    TActor crowded;
    EXPECT_FALSE(crowded.LoadFromText(Spheres(TActor::kMaxPrimitives + 1)));
    EXPECT_TRUE(crowded.Primitives().empty());
    ASSERT_EQ(crowded.Messages().size(), 1u);
    EXPECT_EQ(crowded.Messages()[0].substr(0, 5), "E0095");

    // A file too long to be an actor is refused before it is read.
    const auto file = test::UniqueTempPath("actor-reader-large", ".pov");
    std::ofstream(file) << std::string(TActor::kMaxFileBytes + 1, ' ');
    TActor large;
    EXPECT_FALSE(large.LoadFromFile(file));
    ASSERT_EQ(large.Messages().size(), 1u);
    EXPECT_EQ(large.Messages()[0].substr(0, 5), "E0096");
    std::filesystem::remove(file);
}

TEST(ActorReader, TheBundledActorsReadCleanly)
{
    for (const char* name : {"conifer.pov", "broadleaf.pov", "house.pov", "rock.pov"}) {
        TActor actor;
        ASSERT_TRUE(actor.LoadFromFile(std::filesystem::path(TARN_SOURCE_DIR) / "data" / "actors" / name)) << name;
        EXPECT_FALSE(actor.Primitives().empty()) << name;
        EXPECT_TRUE(actor.Messages().empty()) << name;
        for (const auto& p : actor.Primitives())
            EXPECT_GT(p.colour[3], 0) << name << ": every colour is declared";
    }
}

// Where a turn of (rx about x, then ry about y) sends the z axis.
std::array<double, 3> TurnedZ(const std::array<double, 2>& turn)
{
    const double rx = turn[0] * std::numbers::pi / 180, ry = turn[1] * std::numbers::pi / 180;
    const std::array<double, 3> afterY{std::sin(ry), 0, std::cos(ry)};
    return {afterY[0], afterY[1] * std::cos(rx) - afterY[2] * std::sin(rx),
            afterY[1] * std::sin(rx) + afterY[2] * std::cos(rx)};
}

TEST(ActorReader, QuadricsPointAlongTheirAxisUpwardsAndDownwards)
{
    for (const std::array<double, 3> d :
         {std::array<double, 3>{0, 2, 0}, {0, -2, 0}, {1, 1, 0}, {0.3, -1, 0.5}, {0, 0, 1}, {-1, 0.2, -0.4}}) {
        const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
        const auto axis = TurnedZ(QuadricTurn(d));
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_NEAR(axis[i], d[i] / length, 1e-9) << d[0] << "," << d[1] << "," << d[2];
    }
}

}  // namespace
}  // namespace tarn
