#include "MainWindowFixture.h"

#include "editor/NewMap.h"
#include "tests/common/AccessibleNames.h"

#include <QAccessible>

namespace tarn::test {
namespace {

using AccessibleNamesTest = MainWindowFixture;

TEST_F(AccessibleNamesTest, EveryFocusableWidgetOfTheMainWindowHasAName)
{
    EXPECT_EQ(UnnamedFocusableWidgets(window), QStringList{});
}

TEST_F(AccessibleNamesTest, IconOnlyButtonsAreNamedByTheirHints)
{
    int buttons = 0;
    for (QToolButton* button : window.findChildren<QToolButton*>()) {
        if (button->window() != &window || button->toolTip().isEmpty())
            continue;
        ++buttons;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), button->toolTip()) << button->objectName().toStdString();
    }
    EXPECT_EQ(buttons, 5 + 11 + 6);  // view buttons, tools, object shapes
}

TEST_F(AccessibleNamesTest, FieldsAreNamedByTheirLabels)
{
    for (const auto& [field, label] : {std::pair{"MaxHeightSpin", "Max Height"}, std::pair{"MinHeightSpin", "Min Height"},
                                      std::pair{"DensityEdit", "Density"}, std::pair{"XYRatioFloatEdit", "X:Y Ratio"},
                                      std::pair{"AutoToleranceBar", "Colour Tolerance"}}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&Find<QWidget>(field));
        EXPECT_EQ(accessible->text(QAccessible::Name), label) << field;
    }
}

QString NameOf(QWidget& widget)
{
    return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name);
}

TEST_F(AccessibleNamesTest, SwatchesThatAreClickedAreNamed)
{
    EXPECT_EQ(NameOf(Find<QWidget>("LineColShape12")), "Pen colour red");
    EXPECT_EQ(NameOf(Find<QWidget>("LineWidthShape3")), "Line width 3");
    EXPECT_EQ(NameOf(Find<QWidget>("TerShape7")), "Terrain 7");
    auto& terrains = Find<QWidget>("ColourSettingsDlg");
    EXPECT_EQ(NameOf(*terrains.findChild<QWidget*>("Shape05")), "Colour of terrain 5");
    EXPECT_EQ(NameOf(*terrains.findChild<QWidget*>("Edit9")), "Name of terrain 9");
}

TEST_F(AccessibleNamesTest, EveryFocusableWidgetOfTheDialogsHasAName)
{
    TCreateMapDialog newMap(&window);
    EXPECT_EQ(UnnamedFocusableWidgets(newMap), QStringList{});
    for (const char* name : {"ColourSettingsDlg", "HelpWindow", "OpenMapDialog", "SaveMapDialog", "OpenBackDialog",
                             "OpenConfigDialog", "WriteConfigDialog", "TerrainColorDialog", "FractalParametersForm",
                             "SaveInternalDialog", "SetHeightDlg", "ImportDialog", "ExportDialog", "ImportForm",
                             "BMPImportForm", "PGMImportForm", "VRMLForm", "BackgroundColorDialog"}) {
        auto& dialog = Find<QWidget>(name);
        dialog.show();
        EXPECT_GT(dialog.findChildren<QWidget*>().size(), 3) << name;
        EXPECT_EQ(UnnamedFocusableWidgets(dialog), QStringList{}) << name;
        dialog.hide();
    }
}

}  // namespace
}  // namespace tarn::test
