#include "model/GraphObj.h"
#include "model/Handles.h"

#include <gtest/gtest.h>

using namespace tarn;

TEST(Handles, CornersAndSideMiddlesAreFound)
{
    const TPixelRect box{100, 50, 200, 150};
    EXPECT_EQ(HandleAt({103, 47}, box), (THandleHit{HandleCursor::SizeNWSE, 11}));
    EXPECT_EQ(HandleAt({200, 150}, box), (THandleHit{HandleCursor::SizeNWSE, 33}));
    EXPECT_EQ(HandleAt({196, 54}, box), (THandleHit{HandleCursor::SizeNESW, 13}));
    EXPECT_EQ(HandleAt({100, 150}, box), (THandleHit{HandleCursor::SizeNESW, 31}));
    EXPECT_EQ(HandleAt({150, 50}, box), (THandleHit{HandleCursor::SizeNS, 12}));
    EXPECT_EQ(HandleAt({152, 153}, box), (THandleHit{HandleCursor::SizeNS, 32}));
    EXPECT_EQ(HandleAt({100, 100}, box), (THandleHit{HandleCursor::SizeWE, 21}));
    EXPECT_EQ(HandleAt({204, 96}, box), (THandleHit{HandleCursor::SizeWE, 23}));
}

TEST(Handles, PointsAwayFromTheHandlesGiveTheArrow)
{
    const TPixelRect box{100, 50, 200, 150};
    EXPECT_EQ(HandleAt({150, 100}, box), (THandleHit{HandleCursor::Arrow, 0}));  // the middle
    EXPECT_EQ(HandleAt({105, 50}, box), (THandleHit{HandleCursor::Arrow, 0}));   // five pixels off
    EXPECT_EQ(HandleAt({300, 300}, box), (THandleHit{HandleCursor::Arrow, 0}));
    // In a box too small to tell its handles apart the codes add up to no handle.
    EXPECT_EQ(HandleAt({10, 10}, TPixelRect{10, 10, 12, 12}).code, 0);
}

TEST(Handles, EightHandleSquaresSurroundTheBox)
{
    const auto centres = HandleCentres({10, 20, 31, 41});
    EXPECT_EQ(centres[0], (TPixel{10, 20}));
    EXPECT_EQ(centres[2], (TPixel{31, 41}));
    EXPECT_EQ(centres[4], (TPixel{20, 20}));  // 10 + 21 div 2
    EXPECT_EQ(centres[5], (TPixel{10, 30}));
    EXPECT_EQ(centres[6], (TPixel{21, 41}));  // 31 - 21 div 2
    EXPECT_EQ(centres[7], (TPixel{31, 31}));
    EXPECT_EQ(HandleSquare({20, 20}), (TPixelRect{16, 16, 24, 24}));
}

TEST(GraphObjects, NewObjectsAreNamedWithBlanksAndKnowTheirKind)
{
    const auto ellipse = CreateGraphObject(0);
    EXPECT_EQ(ellipse->Kind(), GraphKind::Ellipse);
    EXPECT_EQ(std::string(ellipse->Name.begin(), ellipse->Name.end()), std::string(16, ' '));
    EXPECT_EQ(CreateGraphObject(1)->Kind(), GraphKind::Line);
    EXPECT_EQ(CreateGraphObject(3)->Kind(), GraphKind::Spot);
    EXPECT_EQ(CreateGraphObject(9)->Kind(), GraphKind::Pen);
}

TEST(GraphObjects, LabelFontRecordExposesItsFieldsInPlace)
{
    TLogFont font;
    font.SetHeight(-13);
    font.SetWeight(700);
    font.SetItalic(true);
    font.SetFaceName("A very long face name that does not fit");
    EXPECT_EQ(font.Height(), -13);
    EXPECT_EQ(font.Weight(), 700);
    EXPECT_TRUE(font.Italic());
    EXPECT_EQ(font.FaceName().size(), 31u);
    EXPECT_EQ(font.bytes()[0], 0xF3);
    EXPECT_EQ(font.bytes()[59], 0);
}
