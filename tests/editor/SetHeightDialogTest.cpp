#include "controls/FlEdit.h"
#include "editor/HeightDlg.h"
#include "tests/common/UserActions.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace tarn::test {
namespace {

class SetHeightDialogTest : public ::testing::Test {
protected:
    template <typename Widget>
    static Widget& Find(QWidget& window, const char* name)
    {
        auto* widget = window.findChild<Widget*>(name);
        if (widget == nullptr)
            throw std::runtime_error(std::string("no widget ") + name);
        return *widget;
    }
    template <typename Widget>
    Widget& Find(const char* name) { return Find<Widget>(dialog, name); }
    TFloatEdit& Field(const char* name) { return Find<TFloatEdit>(name); }
    void ClickRadio(const char* name) { QTest::mouseClick(&Find<QRadioButton>(name), Qt::LeftButton); }

    // Runs the dialog as the tools do, with the user's part done in `act`.
    int Run(const std::function<void(QWidget&)>& act)
    {
        OnNextModal(act);
        return dialog.exec();
    }

    TSetHeightDlg dialog;
};

TEST_F(SetHeightDialogTest, StartsAsSetAsHeightWithZero)
{
    EXPECT_EQ(dialog.windowTitle(), "Set Height");
    EXPECT_EQ(Field("HeightEdit").text(), "0");
    EXPECT_EQ(Field("ActionHeight").text(), "0");
    EXPECT_TRUE(Find<QRadioButton>("HeightRadio").isChecked());
    EXPECT_EQ(Find<QLabel>("Label1").text(), "Difference");
    EXPECT_EQ(dialog.Action(), THeightAction::SetHeight);
}

TEST_F(SetHeightDialogTest, ActionsEnableTheirFields)
{
    dialog.PrepareForArea(MapUnits::Metric, 0);
    const int result = Run([&](QWidget& modal) {
        ClickRadio("NullRadio");
        EXPECT_FALSE(Find<TFloatEdit>(modal, "HeightEdit").isEnabled());
        EXPECT_FALSE(Find<TFloatEdit>(modal, "ActionHeight").isEnabled());
        ClickRadio("SubtractRadio");
        EXPECT_TRUE(Find<TFloatEdit>(modal, "HeightEdit").isEnabled());
        EXPECT_TRUE(Find<TFloatEdit>(modal, "ActionHeight").isEnabled());
        TypeInto(Find<TFloatEdit>(modal, "ActionHeight"), "25");
        ClickButton(modal, "OK");
    });
    EXPECT_EQ(result, TSetHeightDlg::kOkResult);
    EXPECT_EQ(dialog.Action(), THeightAction::SubtractHeight);
    EXPECT_DOUBLE_EQ(dialog.Difference(), 25);
}

TEST_F(SetHeightDialogTest, ANodeShowsItsHeightInTheMapsFormat)
{
    dialog.PrepareForNode("Grid Point 3,16", MapUnits::MicroMetric, 123);
    EXPECT_EQ(Find<QLabel>("InfoLabel").text(), "Grid Point 3,16");
    EXPECT_EQ(dialog.HeightText(), "12.3");
    EXPECT_EQ(Field("HeightEdit").maxLength(), 6);
    EXPECT_EQ(Field("ActionHeight").Digits(), 1);
    const int result = Run([](QWidget& modal) {
        TypeInto(Find<TFloatEdit>(modal, "HeightEdit"), "45.67");  // the second decimal does not go in
        ClickButton(modal, "OK");
    });
    EXPECT_EQ(result, TSetHeightDlg::kOkResult);
    EXPECT_DOUBLE_EQ(dialog.Height(), 45.6);
}

TEST_F(SetHeightDialogTest, MetricHeightsTakeFourCharacters)
{
    dialog.PrepareForNode("Grid Point 0,0", MapUnits::Metric, 17);
    EXPECT_EQ(dialog.HeightText(), "17");
    Run([](QWidget& modal) {
        TypeInto(Find<TFloatEdit>(modal, "HeightEdit"), "12345");
        QTest::keyClick(&Find<TFloatEdit>(modal, "HeightEdit"), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.HeightText(), "1234");
}

TEST_F(SetHeightDialogTest, ANullNodeOffersSetToNull)
{
    dialog.PrepareForNode("Grid Point 1,1", MapUnits::Metric, kNullHeight);
    EXPECT_TRUE(Find<QRadioButton>("NullRadio").isChecked());
    EXPECT_FALSE(Field("HeightEdit").isEnabled());
    EXPECT_EQ(Field("HeightEdit").text(), "0");
}

TEST_F(SetHeightDialogTest, CancelAndEscapeGiveTheCancelResult)
{
    EXPECT_EQ(Run([](QWidget& modal) { ClickButton(modal, "Cancel"); }), TSetHeightDlg::kCancelResult);
    EXPECT_EQ(Run([](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Escape); }), TSetHeightDlg::kCancelResult);
}

TEST_F(SetHeightDialogTest, OtherActionsCanBeOfferedOrNot)
{
    dialog.EnableOtherActions(false);
    for (const char* name : {"NullRadio", "AddRadio", "SubtractRadio"})
        EXPECT_FALSE(Find<QRadioButton>(name).isEnabled()) << name;
    EXPECT_TRUE(Find<QRadioButton>("HeightRadio").isEnabled());
    dialog.PrepareForArea(MapUnits::Imperial, 250);
    for (const char* name : {"NullRadio", "AddRadio", "SubtractRadio"})
        EXPECT_TRUE(Find<QRadioButton>(name).isEnabled()) << name;
    EXPECT_EQ(Find<QLabel>("InfoLabel").text(), "Set area height");
    EXPECT_EQ(Field("HeightEdit").maxLength(), 5);
    EXPECT_EQ(dialog.HeightText(), "250");
}

}  // namespace
}  // namespace tarn::test
