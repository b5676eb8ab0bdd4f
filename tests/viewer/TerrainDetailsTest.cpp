// "Terrain Colour Details": three whole numbers 0..100, truncated on OK.
#include "UserActions.h"

#include "viewer/ui/TerrainDetails.h"

#include <QLineEdit>

using namespace tarn;
using namespace tarn::test;

TEST(TerrainDetails, ShowsTheValuesAndReturnsWhatWasTypedOnOk)
{
    TTerrainColourDetailsDlg dialog;
    WhenModal([](QWidget* shown) {
        EXPECT_EQ(Find<QLineEdit>(shown, "SpecularityFloatEdit")->text(), "12");
        EXPECT_EQ(Find<QLineEdit>(shown, "ShininessFloatEdit")->text(), "34");
        EXPECT_EQ(Find<QLineEdit>(shown, "EmissionFloatEdit")->text(), "56");
        TypeInto(Find(shown, "SpecularityFloatEdit"), "100", false);
        TypeInto(Find(shown, "EmissionFloatEdit"), "0", false);
        Click(Find(shown, "OKBtn"));
    });
    const auto values = dialog.Edit({12, 34, 56});
    ASSERT_TRUE(values);
    EXPECT_EQ(*values, (TTerrainMaterialValues{100, 34, 0}));
}

TEST(TerrainDetails, EnterConfirmsAndFieldsTakeFourCharactersAtMost)
{
    TTerrainColourDetailsDlg dialog;
    WhenModal([](QWidget* shown) {
        auto* shininess = Find<QLineEdit>(shown, "ShininessFloatEdit");
        TypeInto(shininess, "123456", false);
        EXPECT_LE(shininess->text().size(), 4);
        TypeInto(shininess, "77");
    });
    const auto values = dialog.Edit({1, 2, 3});
    ASSERT_TRUE(values);
    EXPECT_EQ(*values, (TTerrainMaterialValues{1, 77, 3}));
}

TEST(TerrainDetails, CancelReturnsNothing)
{
    TTerrainColourDetailsDlg dialog;
    WhenModal([](QWidget* shown) {
        TypeInto(Find(shown, "SpecularityFloatEdit"), "99", false);
        Click(Find(shown, "CancelBtn"));
    });
    EXPECT_FALSE(dialog.Edit({1, 2, 3}));
}
