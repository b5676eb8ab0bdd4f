#include "controls/FlEdit.h"
#include "editor/NewMap.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace tarn {
namespace {

class NewMapDialogTest : public ::testing::Test {
protected:
    void ChooseUnits(int index)
    {
        dialog.MapUnitsCombo->setCurrentIndex(index);
        dialog.MapUnitsComboChange();
    }
    QString SizeText() const { return dialog.MapSizeLabel->text(); }

    TCreateMapDialog dialog;
};

TEST_F(NewMapDialogTest, OpensAsAMetricFiftyOneSquareMap)
{
    EXPECT_EQ(dialog.windowTitle(), "Create New Map");
    EXPECT_EQ(dialog.MapUnitsCombo->currentText(), "Metric");
    EXPECT_EQ(dialog.SpacingMaskEdit->text(), "200");
    EXPECT_EQ(dialog.XMaskEdit->text(), "51");
    EXPECT_EQ(dialog.YMaskEdit->text(), "51");
    EXPECT_EQ(SizeText(), "MapSize: 10.0km x 10.0km");
    EXPECT_EQ(dialog.SpacingLabel->text(), "GridPointSpacing (Metres)");
    EXPECT_EQ(dialog.DefaultCombo->currentText(), "Vistapro DEM");
}

TEST_F(NewMapDialogTest, UnitsSetTheSpacingFormat)
{
    ChooseUnits(0);
    EXPECT_EQ(dialog.SpacingLabel->text(), "GridPointSpacing (Feet)");
    EXPECT_EQ(dialog.SpacingMaskEdit->text(), "600");
    EXPECT_EQ(SizeText(), "MapSize: 5.7mls x 5.7mls");
    ChooseUnits(2);
    EXPECT_EQ(dialog.SpacingMaskEdit->Digits(), 1);
    EXPECT_DOUBLE_EQ(dialog.SpacingMaskEdit->Min(), 0.1);
    EXPECT_DOUBLE_EQ(dialog.SpacingMaskEdit->Max(), 999.9);
    EXPECT_EQ(dialog.SpacingMaskEdit->text(), "10.0");
    EXPECT_EQ(SizeText(), "MapSize: 500M x 500M");
    // Back to feet: the range of the metre format must not clip the value.
    ChooseUnits(0);
    EXPECT_EQ(dialog.SpacingMaskEdit->text(), "600");
}

TEST_F(NewMapDialogTest, GridLimitsShowWhileTyping)
{
    dialog.XMaskEdit->setText("20");
    dialog.YMaskEdit->setText("20");
    EXPECT_TRUE(SizeText().startsWith("MapSize: "));
    dialog.XMaskEdit->setText("19");
    dialog.YMaskEdit->setText("21");
    EXPECT_EQ(SizeText(), "Map has too few grid points");
    dialog.XMaskEdit->setText("500");
    dialog.YMaskEdit->setText("500");
    EXPECT_TRUE(SizeText().startsWith("MapSize: "));
    dialog.XMaskEdit->setText("501");
    EXPECT_EQ(SizeText(), "Map has too many grid points");
}

TEST_F(NewMapDialogTest, Presets)
{
    ChooseUnits(2);
    dialog.DefaultCombo->setCurrentIndex(1);
    dialog.findChild<QPushButton*>("SetDefaultButton")->click();
    EXPECT_EQ(dialog.MapUnitsCombo->currentText(), "Metric");
    EXPECT_EQ(dialog.SpacingMaskEdit->text(), "50");
    EXPECT_EQ(dialog.XMaskEdit->text(), "401");
    EXPECT_EQ(dialog.YMaskEdit->text(), "401");
    EXPECT_EQ(SizeText(), "MapSize: 20.0km x 20.0km");
    dialog.DefaultCombo->setCurrentIndex(0);
    dialog.SetDefaultButtonClick();
    EXPECT_EQ(dialog.SpacingMaskEdit->text(), "30");
    EXPECT_EQ(dialog.XMaskEdit->text(), "258");
}

TEST_F(NewMapDialogTest, ParametersComeFromTheTexts)
{
    dialog.XMaskEdit->setText("20");  // below the edit's minimum, still taken as typed
    auto parameters = dialog.Parameters();
    ASSERT_TRUE(parameters);
    EXPECT_EQ(parameters->columns, 20);
    EXPECT_EQ(parameters->units, MapUnits::Metric);
    dialog.SpacingMaskEdit->setText("");
    EXPECT_FALSE(dialog.Parameters());
}

TEST_F(NewMapDialogTest, HelpOpensTopicTen)
{
    int topic = 0;
    TCreateMapDialog withHelp(nullptr, [&](int shown) { topic = shown; });
    withHelp.findChild<QPushButton*>("Button3")->click();
    EXPECT_EQ(topic, 10);
}

}  // namespace
}  // namespace tarn
