#include "controls/gallery/GalleryWindow.h"
#include "controls/longprogress.h"
#include "tests/common/AccessibleNames.h"
#include "tests/common/UserActions.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace tarn::test {
namespace {

class GalleryTest : public ::testing::Test {
protected:
    GalleryTest()
    {
        gallery->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(gallery.get()));
    }
    TLongProgressDlg& Progress() { return *gallery->findChild<TLongProgressDlg*>("ProgressDemo"); }

    std::unique_ptr<QWidget> gallery = MakeGalleryWindow();
};

TEST_F(GalleryTest, TheProgressDialogEndsWhenCancelled)
{
    ASSERT_TRUE(WaitFor([&] { return Progress().isVisible(); }));
    ClickButton(Progress(), "Cancel");
    EXPECT_TRUE(WaitFor([&] { return !Progress().isVisible(); }));
    // The other controls take input again.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(GalleryTest, ThePretendedOperationCanBeRunAgain)
{
    ClickButton(Progress(), "Cancel");
    ASSERT_TRUE(WaitFor([&] { return !Progress().isVisible(); }));
    ClickButton(*gallery, "LongOperationButton");
    EXPECT_TRUE(Progress().isVisible());
    EXPECT_TRUE(Progress().Continue());
}

TEST_F(GalleryTest, EveryFocusableControlHasAName)
{
    EXPECT_EQ(UnnamedFocusableWidgets(*gallery), QStringList{});
    EXPECT_EQ(UnnamedFocusableWidgets(Progress()), QStringList{});
}

}  // namespace
}  // namespace tarn::test
