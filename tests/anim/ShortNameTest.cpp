#include "viewer/anim/ShortName.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(ShortFileName, ProgramFolderIsDroppedWithoutRegardToCase)
{
    EXPECT_EQ(ShortFileName("/Opt/Flyview/Pano.BMP", "/opt/flyview"), "pano.bmp");
    EXPECT_EQ(ShortFileName("/opt/flyview/pano.bmp", "/opt/FlyView/"), "pano.bmp");
    // Other folders keep their case, so the file lands where it was chosen.
    EXPECT_EQ(ShortFileName("/Home/Ann/Pano.bmp", "/opt/flyview"), "/Home/Ann/pano.bmp");
    EXPECT_EQ(ShortFileName("Pano.bmp", "/opt/flyview"), "pano.bmp");
    EXPECT_EQ(ShortFileName("/opt/flyview/sub/p.bmp", "/opt/flyview"), "/opt/flyview/sub/p.bmp");
    EXPECT_EQ(ShortFileName("", "/opt/flyview"), "");
}

}  // namespace
}  // namespace tarn
