#include "controls/FlEdit.h"
#include "controls/Messages.h"
#include "editor/NewMap.h"
#include "tests/common/UserActions.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace tarn::test {
namespace {

class NewMapDialogTest : public ::testing::Test {
protected:
    NewMapDialogTest()
    {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    template <typename Widget>
    Widget& Find(const char* name)
    {
        auto* widget = dialog.findChild<Widget*>(name);
        if (widget == nullptr)
            throw std::runtime_error(std::string("no widget ") + name);
        return *widget;
    }
    TFloatEdit& Field(const char* name) { return Find<TFloatEdit>(name); }
    QString Text(const char* name) { return Field(name).text(); }
    QString SizeText() { return Find<QLabel>("MapSizeLabel").text(); }
    void ChooseUnits(const char* units) { ChooseItem(Find<QComboBox>("MapUnitsCombo"), units); }

    std::vector<QString> messages;
    ScopedMessageSink sink{[this](const QString& text, const QString&) { messages.push_back(text); }};
    TCreateMapDialog dialog;
};

TEST_F(NewMapDialogTest, OpensAsAMetricFiftyOneSquareMap)
{
    EXPECT_EQ(dialog.windowTitle(), "Create New Map");
    EXPECT_EQ(Find<QComboBox>("MapUnitsCombo").currentText(), "Metric");
    EXPECT_EQ(Text("SpacingMaskEdit"), "200");
    EXPECT_EQ(Text("XMaskEdit"), "51");
    EXPECT_EQ(Text("YMaskEdit"), "51");
    EXPECT_EQ(SizeText(), "MapSize: 10.0km x 10.0km");
    EXPECT_EQ(Find<QLabel>("SpacingLabel").text(), "GridPointSpacing (Metres)");
    EXPECT_EQ(Find<QComboBox>("DefaultCombo").currentText(), "Vistapro DEM");
}

TEST_F(NewMapDialogTest, UnitsSetTheSpacingFormat)
{
    ChooseUnits("Imperial");
    EXPECT_EQ(Find<QLabel>("SpacingLabel").text(), "GridPointSpacing (Feet)");
    EXPECT_EQ(Text("SpacingMaskEdit"), "600");
    EXPECT_EQ(SizeText(), "MapSize: 5.7mls x 5.7mls");
    ChooseUnits("MicroMetric");
    EXPECT_EQ(Field("SpacingMaskEdit").Digits(), 1);
    EXPECT_DOUBLE_EQ(Field("SpacingMaskEdit").Min(), 0.1);
    EXPECT_DOUBLE_EQ(Field("SpacingMaskEdit").Max(), 999.9);
    EXPECT_EQ(Text("SpacingMaskEdit"), "10.0");
    EXPECT_EQ(SizeText(), "MapSize: 500M x 500M");
    // Back to feet: the range of the metre format must not clip the value.
    ChooseUnits("Imperial");
    EXPECT_EQ(Text("SpacingMaskEdit"), "600");
}

TEST_F(NewMapDialogTest, GridLimitsShowWhileTyping)
{
    TypeInto(Field("XMaskEdit"), "20");
    TypeInto(Field("YMaskEdit"), "20");
    EXPECT_TRUE(SizeText().startsWith("MapSize: "));
    TypeInto(Field("XMaskEdit"), "19");
    TypeInto(Field("YMaskEdit"), "21");
    EXPECT_EQ(SizeText(), "Map has too few grid points");
    TypeInto(Field("XMaskEdit"), "500");
    TypeInto(Field("YMaskEdit"), "500");
    EXPECT_TRUE(SizeText().startsWith("MapSize: "));
    TypeInto(Field("XMaskEdit"), "501");
    EXPECT_EQ(SizeText(), "Map has too many grid points");
}

TEST_F(NewMapDialogTest, Presets)
{
    ChooseUnits("MicroMetric");
    ChooseItem(Find<QComboBox>("DefaultCombo"), "UK OS Panorama NTF");
    ClickButton(dialog, "Set Default");
    EXPECT_EQ(Find<QComboBox>("MapUnitsCombo").currentText(), "Metric");
    EXPECT_EQ(Text("SpacingMaskEdit"), "50");
    EXPECT_EQ(Text("XMaskEdit"), "401");
    EXPECT_EQ(Text("YMaskEdit"), "401");
    EXPECT_EQ(SizeText(), "MapSize: 20.0km x 20.0km");
    ChooseItem(Find<QComboBox>("DefaultCombo"), "Vistapro DEM");
    ClickButton(dialog, "Set Default");
    EXPECT_EQ(Text("SpacingMaskEdit"), "30");
    EXPECT_EQ(Text("XMaskEdit"), "258");
}

TEST_F(NewMapDialogTest, HelpOpensTopicTen)
{
    int topic = 0;
    TCreateMapDialog withHelp(nullptr, [&](int shown) { topic = shown; });
    withHelp.show();
    ClickButton(withHelp, "Help");
    EXPECT_EQ(topic, 10);
}

// OK by mouse and OK by Enter must do the same thing.
enum class Confirm { Mouse, Enter };

class NewMapConfirmTest : public NewMapDialogTest, public ::testing::WithParamInterface<Confirm> {
protected:
    // Confirms the dialog from the field the user typed in last.
    void ConfirmFrom(const char* lastField)
    {
        if (GetParam() == Confirm::Mouse)
            ClickButton(dialog, "OK");
        else
            QTest::keyClick(&Field(lastField), Qt::Key_Return);
    }
    // The dialog stays open with the message shown and the focus, and the
    // text as typed, in the field to correct.
    void ExpectRefused(const char* message, const char* field, const QString& typed)
    {
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], message);
        EXPECT_EQ(QApplication::focusWidget(), &Field(field));
        EXPECT_EQ(Text(field), typed);
        EXPECT_FALSE(dialog.Parameters());
    }
};

TEST_P(NewMapConfirmTest, ASpacingAboveTheUnitsMaximumIsRefused)
{
    TypeInto(Field("SpacingMaskEdit"), "99999");
    ConfirmFrom("SpacingMaskEdit");
    ExpectRefused("E0004 Invalid map size parameters", "SpacingMaskEdit", "99999");
}

TEST_P(NewMapConfirmTest, AnEmptySpacingIsRefused)
{
    TypeInto(Field("SpacingMaskEdit"), "");
    QTest::keyClick(&Field("SpacingMaskEdit"), Qt::Key_Backspace);
    ConfirmFrom("SpacingMaskEdit");
    ExpectRefused("E0004 Invalid map size parameters", "SpacingMaskEdit", "");
}

TEST_P(NewMapConfirmTest, OneGridPointAcrossIsRefused)
{
    TypeInto(Field("XMaskEdit"), "1");
    ConfirmFrom("XMaskEdit");
    ExpectRefused("E0006 Create Map Failed: has too few grid points", "XMaskEdit", "1");
}

TEST_P(NewMapConfirmTest, TooFewPointsPutTheFocusOnTheSmallerCount)
{
    TypeInto(Field("YMaskEdit"), "7");
    ConfirmFrom("YMaskEdit");
    ExpectRefused("E0006 Create Map Failed: has too few grid points", "YMaskEdit", "7");
}

TEST_P(NewMapConfirmTest, MoreThanAQuarterMillionPointsAreRefused)
{
    TypeInto(Field("XMaskEdit"), "501");
    TypeInto(Field("YMaskEdit"), "501");
    ConfirmFrom("YMaskEdit");
    ExpectRefused("E0005 Create Map Failed: too many grid points", "XMaskEdit", "501");
}

TEST_P(NewMapConfirmTest, TheLimitsThemselvesAreAccepted)
{
    ChooseUnits("MicroMetric");
    TypeInto(Field("SpacingMaskEdit"), "0.5");
    TypeInto(Field("XMaskEdit"), "20");
    TypeInto(Field("YMaskEdit"), "20");
    ConfirmFrom("YMaskEdit");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(messages.empty());
    ASSERT_TRUE(dialog.Parameters());
    EXPECT_EQ(dialog.Parameters()->units, MapUnits::MicroMetric);
    EXPECT_EQ(dialog.Parameters()->columns, 20);
    EXPECT_EQ(dialog.Parameters()->rows, 20);
    EXPECT_DOUBLE_EQ(dialog.Parameters()->spacing, 0.5);
}

TEST_P(NewMapConfirmTest, ACorrectedValueIsThenAccepted)
{
    TypeInto(Field("XMaskEdit"), "501");
    TypeInto(Field("YMaskEdit"), "500");
    ConfirmFrom("YMaskEdit");
    EXPECT_TRUE(dialog.isVisible());
    TypeInto(Field("XMaskEdit"), "500");
    ConfirmFrom("XMaskEdit");
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.Parameters());
    EXPECT_EQ(dialog.Parameters()->columns, 500);
}

INSTANTIATE_TEST_SUITE_P(ByMouseAndByEnter, NewMapConfirmTest, ::testing::Values(Confirm::Mouse, Confirm::Enter),
                         [](const auto& confirm) { return confirm.param == Confirm::Mouse ? "Mouse" : "Enter"; });

}  // namespace
}  // namespace tarn::test
