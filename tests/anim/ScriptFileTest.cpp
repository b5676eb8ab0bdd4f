#include "model/Errors.h"
#include "viewer/anim/PathBox.h"
#include "viewer/anim/PathGenerator.h"
#include "viewer/anim/ScriptFile.h"
#include "PathFixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tarn {
namespace {

std::string Written(const TFlightPath& path)
{
    std::ostringstream out;
    WriteScript(out, path);
    return out.str();
}

// The message a reader throws for the text, or "" when it reads cleanly.
template <typename Reader>
std::string ReadError(const std::string& text, Reader read)
{
    std::istringstream in(text);
    try {
        read(in);
    } catch (const ETarnError& error) {
        return error.what();
    }
    return {};
}

std::string PathError(const std::string& text)
{
    TFlightPath path;
    return ReadError(text, [&](std::istream& in) { ReadPathScript(in, path); });
}

std::string PlayError(const std::string& text, TPlayScript& script)
{
    return ReadError(text, [&](std::istream& in) { ReadPlayScript(in, script); });
}

const std::string kHead = "[Path Type]\r\nPathType=Flight\r\n[Path Data]\r\n";
const std::string kTail = "[Control Points]\r\n1,2,3\r\n[View Points]\r\n1,2\r\n[Path Parameters]\r\n"
                          "Height=500\r\nMinHeight=0\r\nSpeed=Moderate\r\n";

std::string DataLines(int count)
{
    std::string lines;
    for (int i = 0; i < count; ++i)
        lines += "   100.0000,   200.0000,   550.0000,   150.0000,   260.0000\r\n";
    return lines;
}

TEST(ScriptWrite, ExactLayout)
{
    TFlightPath path;
    path.AddControlPoint({10, 20}, 530);
    path.MoveViewPoint(0, {11, 22});
    path.Height = 30;
    path.MinHeight = 7;
    path.Speed = "Fast";
    TFrame frame;
    frame.camera = {100, -200.5, 550};
    frame.target = {123456.78901, 260, -1};
    path.Frames = {frame};
    EXPECT_EQ(Written(path), "[Path Type]\r\nPathType=Flight\r\n[Path Data]\r\n"
                             "   100.0000,  -200.5000,   550.0000,123456.7890,   260.0000\r\n"
                             "[Control Points]\r\n10,20,530\r\n[View Points]\r\n11,22\r\n[Path Parameters]\r\n"
                             "Height=30\r\nMinHeight=7\r\nSpeed=Fast\r\n");
}

TEST(ScriptRoundTrip, RestoresTypePointsViewPointsAndParameters)
{
    test::TPathMap map;
    const TPathBoxGeometry box(map.net, 210, 210);
    auto path = test::EastwardFlight(7, "Very Slow");
    path.MoveViewPoint(3, {-5, 300});
    path.SetPointHeight(2, -40);
    path.Height = 9999;
    path.MinHeight = 123;
    path.Frames = GeneratePath(path, box, 50).frames;

    std::istringstream in(Written(path));
    TFlightPath read;
    ReadPathScript(in, read);
    EXPECT_EQ(read.Type(), TPathType::Flight);
    EXPECT_EQ(read.ControlPoints(), path.ControlPoints());
    EXPECT_EQ(read.ViewPoints(), path.ViewPoints());
    EXPECT_EQ(read.Height, 9999);
    EXPECT_EQ(read.MinHeight, 123);
    EXPECT_EQ(read.Speed, "Very Slow");
    EXPECT_TRUE(read.Frames.empty());

    TFlightPath panorama;
    panorama.SetType(TPathType::OutPanorama);
    panorama.AddControlPoint({50, 60}, 70);
    std::istringstream panoramaIn(Written(panorama));
    ReadPathScript(panoramaIn, read);
    EXPECT_EQ(read.Type(), TPathType::OutPanorama);
    EXPECT_EQ(read.ControlPoints(), panorama.ControlPoints());
}

TEST(ScriptRead, PathMakerMessages)
{
    EXPECT_EQ(PathError("PathType=Flight\r\n"), "E0034 Script File Error: [Path Type] not found");
    EXPECT_EQ(PathError("[Path Type]\r\n"), "E0035 Script File Error: PathType parameter not found or invalid");
    EXPECT_EQ(PathError("[Path Type]\r\nPathType=Spiral\r\n"),
              "E0035 Script File Error: PathType parameter not found or invalid");
    EXPECT_EQ(PathError("[Path Type]\r\nPathType=Flight\r\n"), "E0036 Script File Error: [Path Data] not found");
    EXPECT_EQ(PathError(kHead + DataLines(3)), "E0037 Script File Error: [Control Points] not found");
    std::string points33;
    for (int i = 0; i < 33; ++i)
        points33 += "1,1,1\r\n";
    EXPECT_EQ(PathError(kHead + "[Control Points]\r\n" + points33), "E0038 Script File Error: Too many control points");
    EXPECT_EQ(PathError("[Path Type]\r\nPathType=OutPanorama\r\n[Path Data]\r\n[Control Points]\r\n1,1,1\r\n"
                        "[View Points]\r\n1,1\r\n2,2\r\n"),
              "E0038 Script File Error: Too many control points");
    EXPECT_EQ(PathError(kHead + "[Control Points]\r\n1,2,3\r\n4,5,6\r\n[View Points]\r\n1,2\r\n[Path Parameters]\r\n"),
              "E0042 View point count does not match control point count");
}

TEST(ScriptRead, ParameterSectionNeedsThreeValidLines)
{
    const std::string points = kHead + "[Control Points]\r\n1,2,3\r\n[View Points]\r\n1,2\r\n[Path Parameters]\r\n";
    const std::string invalid = "E0044 Script File Error: Flight Parameters section invalid";
    EXPECT_EQ(PathError(points + "Height=abc\r\nMinHeight=0\r\nSpeed=Fast\r\n"), invalid);
    EXPECT_EQ(PathError(points + "Height=5\r\nMinHeight=\r\nSpeed=Fast\r\n"), invalid);
    EXPECT_EQ(PathError(points + "Height=5\r\nSpeed=Fast\r\n"), invalid);
    EXPECT_EQ(PathError(points + "Height=5\r\nMinHeight=6\r\n"), invalid);
    EXPECT_EQ(PathError(points), invalid);
    EXPECT_EQ(PathError(points + "Height=5\r\nMinHeight=6\r\nSpeed=  Slow  \r\n"), "");
}

TEST(ScriptRead, LinesAreFoundByContainedText)
{
    TFlightPath path;
    std::istringstream in("junk\r\n  [Path Type] here\r\nxPathType=InPanoramax\r\nnoise\r\n[Path Data]\r\n"
                          "[Control Points]\r\n5,x,7\r\n[View Points]\r\n5,6\r\n[Path Parameters]\r\n"
                          "Height=12\r\nMinHeight=3\r\nSpeed=Fast\r\n");
    ReadPathScript(in, path);
    EXPECT_EQ(path.Type(), TPathType::InPanorama);
    ASSERT_EQ(path.PointCount(), 1);
    EXPECT_EQ(path.ControlPoints()[0], (TControlPoint{5, 0, 7}));
    EXPECT_TRUE(path.CanGenerate());
}

TEST(PlayScript, OneDataLineLoadsAsOneFrame)
{
    TPlayScript script;
    ASSERT_EQ(PlayError(kHead + DataLines(1) + kTail, script), "");
    ASSERT_EQ(script.points.size(), 1u);
    EXPECT_EQ(script.points[0], (TPlayScript::TPoint{100, 200, 550, 150, 260}));
    EXPECT_EQ(script.PointCount(), 0);
    EXPECT_EQ(script.type, TPathType::Flight);
}

TEST(PlayScript, ControlPointsOnTheLastLineIsRefused)
{
    TPlayScript script;
    EXPECT_EQ(PlayError(kHead + DataLines(2) + "[Control Points]\r\n", script),
              "E0029 Script File Error: [Control Points] not found");
    EXPECT_EQ(PlayError(kHead + DataLines(2) + "[Control Points]", script),
              "E0029 Script File Error: [Control Points] not found");
    EXPECT_EQ(script.points.size(), 2u);
    EXPECT_EQ(PlayError(kHead, script), "E0029 Script File Error: [Control Points] not found");
}

TEST(PlayScript, TooManyDataLinesKeepsThe721Read)
{
    TPlayScript script;
    EXPECT_EQ(PlayError(kHead + DataLines(721) + kTail, script), "");
    EXPECT_EQ(script.PointCount(), 720);
    EXPECT_EQ(PlayError(kHead + DataLines(722) + kTail, script),
              "E0030 Script File Error: Too many path data point");
    EXPECT_EQ(script.points.size(), 721u);
}

TEST(PlayScript, SectionMessagesAndTypes)
{
    TPlayScript script;
    EXPECT_EQ(PlayError("", script), "E0034 Script File Error: [Path Type] not found");
    EXPECT_EQ(PlayError("[Path Type]\r\nPathType=Loop\r\n", script),
              "E0035 Script File Error: PathType parameter not found or invalid");
    EXPECT_EQ(PlayError("[Path Type]\r\nPathType=OutPanorama\r\n", script),
              "E0028 Script File Error: [Path Data] not found");
    EXPECT_EQ(PlayError("[Path Type]\r\nPathType=OutPanorama\r\n[Path Data]\r\n1,2\r\nbad,5,6,7,8,9\r\n" + kTail,
                        script),
              "");
    EXPECT_EQ(script.type, TPathType::OutPanorama);
    EXPECT_EQ(script.points[0], (TPlayScript::TPoint{1, 2, 0, 0, 0}));
    EXPECT_EQ(script.points[1], (TPlayScript::TPoint{0, 5, 6, 7, 8}));
}

}  // namespace
}  // namespace tarn
