// Pictures read back from OpenGL.
#include "RenderFixture.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace tarn::test {
namespace {

TEST(PictureReadBack, A275By200ViewReadsBack200PaddedRowsOf828BytesInBgrOrder)
{
    TOffscreenContext context(275, 200);
    glClearColor(1.0f, 0.5f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    const TDibPicture picture = ReadPicture(275, 200);
    EXPECT_EQ(picture.Stride(), 828);
    ASSERT_EQ(picture.bits.size(), 828u * 200u);
    // Blue, green, red; the three padding bytes at the row end stay 0.
    EXPECT_EQ(picture.bits[0], 0);
    EXPECT_NEAR(picture.bits[1], 128, 1);
    EXPECT_EQ(picture.bits[2], 255);
    EXPECT_EQ(picture.bits[825], 0);
    EXPECT_EQ(picture.bits[827], 0);
}

TEST(PictureReadBack, RowsComeBottomUp)
{
    TOffscreenContext context(8, 4);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 8, 1);  // OpenGL's bottom row
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    const TDibPicture picture = ReadPicture(8, 4);
    EXPECT_EQ(picture.bits[0], 255) << "the first stored row is the bottom one";
    EXPECT_EQ(picture.PixelAt(0, 3), (Rgb{255, 255, 255}));
    EXPECT_EQ(picture.PixelAt(0, 0), (Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace tarn::test
