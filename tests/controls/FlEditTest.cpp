#include "controls/FlEdit.h"
#include "tests/common/QtPrinters.h"

#include "MessageRecorder.h"

#include <QFocusEvent>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tarn {
namespace {

// Every test starts from the English locale, whose separator is ".".
class FloatEditTest : public ::testing::Test {
protected:
    FloatEditTest() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~FloatEditTest() override { QLocale::setDefault(QLocale::c()); }

    // Focus events as the platform sends them when the user tabs in or out.
    static void Enter(TFloatEdit& edit)
    {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&edit, &in);
    }
    static void Leave(TFloatEdit& edit)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&edit, &out);
    }
    static void Type(TFloatEdit& edit, const char* keys)
    {
        for (const char* key = keys; *key; ++key)
            QTest::keyClick(&edit, *key);
    }

    test::MessageRecorder messages;
};

TEST_F(FloatEditTest, StartsWithDocumentedDefaults)
{
    TFloatEdit edit;
    EXPECT_EQ(edit.text(), "0.0");
    EXPECT_EQ(edit.Min(), 0);
    EXPECT_EQ(edit.Max(), 99999999.9);
    EXPECT_EQ(edit.Digits(), 1);
    EXPECT_EQ(edit.ErrorMessage(), "[No Text]");
}

TEST_F(FloatEditTest, WholeNumberPositiveRangeRefusesSeparatorAndMinus)
{
    TFloatEdit edit;
    edit.SetMax(65536);
    edit.SetMin(100);
    edit.SetDigits(0);
    EXPECT_EQ(edit.text(), "100");
    Enter(edit);
    edit.selectAll();
    Type(edit, ".-");
    EXPECT_EQ(edit.text(), "100");
    edit.setCursorPosition(3);
    Type(edit, ".-");
    EXPECT_EQ(edit.text(), "100");
}

TEST_F(FloatEditTest, LeavingWithOutOfRangeTextRestoresOldValueAndReports)
{
    TFloatEdit edit;
    edit.SetMax(65536);
    edit.SetMin(100);
    edit.SetDigits(0);
    edit.SetValue(2000);
    edit.SetErrorMessage("Out of range");
    Enter(edit);
    edit.selectAll();
    Type(edit, "50");
    EXPECT_EQ(edit.text(), "50");
    Leave(edit);
    EXPECT_EQ(edit.text(), "2000");
    EXPECT_EQ(edit.selectedText(), "2000");
    EXPECT_EQ(messages.texts, QStringList{"Out of range"});
}

TEST_F(FloatEditTest, LeavingWithUnreadableTextRestoresSilentlyWithoutMessageText)
{
    TFloatEdit edit;
    edit.SetValue(12.5);
    Enter(edit);
    edit.setText("1.2.3");
    Leave(edit);
    EXPECT_EQ(edit.text(), "12.5");
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(FloatEditTest, WithoutTheLeaveCheckTheTextStaysAsTyped)
{
    TFloatEdit edit;
    edit.SetMin(21);
    edit.SetDigits(0);
    edit.SetValue(51);
    edit.SetErrorMessage("Out of range");
    edit.SetCheckOnLeave(false);
    Enter(edit);
    edit.selectAll();
    Type(edit, "1");
    Leave(edit);
    EXPECT_EQ(edit.text(), "1");
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(FloatEditTest, LeavingWithGoodTextReformatsIt)
{
    TFloatEdit edit;
    edit.SetDigits(2);
    Enter(edit);
    edit.selectAll();
    Type(edit, "7");
    Leave(edit);
    EXPECT_EQ(edit.text(), "7.00");
    EXPECT_EQ(edit.Value(), 7);
}

TEST_F(FloatEditTest, SeparatorIntoEmptyEditGivesZeroPointZeroWithLastZeroSelected)
{
    TFloatEdit edit;
    edit.clear();
    Type(edit, ".");
    EXPECT_EQ(edit.text(), "0.0");
    EXPECT_EQ(edit.selectionStart(), 2);
    EXPECT_EQ(edit.selectedText(), "0");
    Type(edit, "5");
    EXPECT_EQ(edit.text(), "0.5");
}

TEST_F(FloatEditTest, LoneMinusBecomesMinusZeroOnlyWhenNegativesAreAllowed)
{
    TFloatEdit edit;
    edit.clear();
    Type(edit, "-");
    EXPECT_EQ(edit.text(), "");

    edit.SetMin(-10);
    edit.clear();
    Type(edit, "-");
    EXPECT_EQ(edit.text(), "-0");
    EXPECT_EQ(edit.selectedText(), "0");
    Type(edit, "3");
    EXPECT_EQ(edit.text(), "-3");
    EXPECT_EQ(edit.Value(), -3);
}

TEST_F(FloatEditTest, KeyFilterRefusesMisplacedOrRepeatedSignsAndSeparators)
{
    TFloatEdit edit;
    edit.SetMin(-100);
    edit.SetDigits(2);
    edit.setText("-1.5");
    edit.setCursorPosition(4);
    Type(edit, ".-ax ");
    EXPECT_EQ(edit.text(), "-1.5");
    // A digit in front of the minus would leave it inside the number.
    edit.setCursorPosition(0);
    Type(edit, "9");
    EXPECT_EQ(edit.text(), "-1.5");
    // Replacing the selected minus by another one is fine.
    edit.setSelection(0, 1);
    Type(edit, "-");
    EXPECT_EQ(edit.text(), "-1.5");
}

TEST_F(FloatEditTest, KeyFilterLimitsDecimalsButAllowsReplacingThem)
{
    TFloatEdit edit;
    edit.SetDigits(2);
    edit.setText("1.23");
    edit.setCursorPosition(4);
    Type(edit, "4");
    EXPECT_EQ(edit.text(), "1.23");
    edit.setSelection(3, 1);
    Type(edit, "9");
    EXPECT_EQ(edit.text(), "1.29");
    // A separator put in front of three digits would leave three decimals.
    edit.setText("123");
    edit.setCursorPosition(0);
    Type(edit, ".");
    EXPECT_EQ(edit.text(), "123");
}

TEST_F(FloatEditTest, ControlKeysPassAndEscapeRestoresTheValueOnEntry)
{
    TFloatEdit edit;
    edit.SetValue(42);
    Enter(edit);
    edit.setCursorPosition(4);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "42.");
    QTest::keyClick(&edit, Qt::Key_Escape);
    EXPECT_EQ(edit.text(), "42.0");
    EXPECT_EQ(edit.selectedText(), "42.0");
}

TEST_F(FloatEditTest, SettingValueOutsideRangeTakesNearestBoundAndReports)
{
    TFloatEdit edit;
    edit.SetMax(10);
    edit.SetValue(11);
    EXPECT_EQ(edit.text(), "10.0");
    EXPECT_TRUE(messages.texts.isEmpty());

    edit.SetErrorMessage("Value out of range");
    edit.SetValue(-1);
    EXPECT_EQ(edit.text(), "0.0");
    edit.SetValue(99);
    EXPECT_EQ(edit.Value(), 10);
    EXPECT_EQ(messages.texts.size(), 2);
}

TEST_F(FloatEditTest, ReadingValueCountsLoneSignsAsZeroAndClampsText)
{
    TFloatEdit edit;
    edit.SetMin(-5);
    edit.SetMax(5);
    for (const char* zero : {"", "-", "."}) {
        edit.setText(zero);
        EXPECT_EQ(edit.Value(), 0) << zero;
    }
    edit.setText("abc");
    EXPECT_EQ(edit.Value(), -5);
    edit.setText("17");
    EXPECT_EQ(edit.Value(), 5);
    edit.setText("nan");
    EXPECT_EQ(edit.Value(), -5);
}

TEST_F(FloatEditTest, RangeSettersRefuseCrossedBoundsWithTheirMessages)
{
    TFloatEdit edit;
    edit.SetMax(50);
    edit.SetMin(60);
    EXPECT_EQ(edit.Min(), 50);
    EXPECT_EQ(edit.text(), "50.0");
    edit.SetMax(10);
    EXPECT_EQ(edit.Max(), 50);
    EXPECT_EQ(messages.texts, (QStringList{"Min-Value has to be less than or equal to Max-Value !",
                                           "Max-Value has to be greater than or equal to Min-Value !"}));
}

TEST_F(FloatEditTest, NarrowingRangeClampsTheShownValueWithoutMessage)
{
    TFloatEdit edit;
    edit.SetErrorMessage("Value out of range");
    edit.SetValue(500);
    edit.SetMax(100);
    EXPECT_EQ(edit.text(), "100.0");
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(FloatEditTest, DigitsAreCappedAndReformatWithoutBinaryNoise)
{
    TFloatEdit edit;
    edit.SetValue(99999999.9);
    edit.SetDigits(30);
    EXPECT_EQ(edit.Digits(), 18);
    EXPECT_EQ(edit.text(), "99999999.900000000000000000");
    edit.SetDigits(0);
    EXPECT_EQ(edit.text(), "100000000");
    edit.SetValue(0.125);
    edit.SetDigits(3);
    EXPECT_EQ(edit.text(), "0.000");
}

TEST_F(FloatEditTest, ValueChangedFollowsEveryTextChange)
{
    TFloatEdit edit;
    QSignalSpy spy(&edit, &TFloatEdit::ValueChanged);
    edit.SetValue(3.5);
    edit.selectAll();
    Type(edit, "8");
    ASSERT_EQ(spy.size(), 2);
    EXPECT_EQ(spy.at(0).at(0).toDouble(), 3.5);
    EXPECT_EQ(spy.at(1).at(0).toDouble(), 8);
}

TEST_F(FloatEditTest, HonoursTheLocaleDecimalComma)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TFloatEdit edit;
    EXPECT_EQ(edit.DecimalSeparator(), ',');
    EXPECT_EQ(edit.text(), "0,0");
    edit.clear();
    Type(edit, ".");
    EXPECT_EQ(edit.text(), "");
    Type(edit, ",");
    EXPECT_EQ(edit.text(), "0,0");
    edit.setText("2,5");
    EXPECT_EQ(edit.Value(), 2.5);
    edit.setText("2.5");
    EXPECT_EQ(edit.Value(), 0);
}

TEST_F(FloatEditTest, TakesFocusBackAfterRefusingTheText)
{
    QWidget window;
    auto* edit = new TFloatEdit(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    edit->SetMin(100);
    edit->SetValue(150);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    Type(*edit, "5");
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->text(), "150.0");
    QTRY_VERIFY(edit->hasFocus());
}

}  // namespace
}  // namespace tarn
