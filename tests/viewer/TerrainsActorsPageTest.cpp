// The Terrains page (swatches, names, fractalization values, colour
// details, defaults) and the Actors page (one record a terrain slot).
#include "SceneDialogFixture.h"

#include "model/TerrainSlots.h"

#include <QCheckBox>
#include <QListWidget>
#include <QSpinBox>

using namespace tarn;
using namespace tarn::test;

namespace {
constexpr int kTerrainsPage = 2;
constexpr int kActorsPage = 3;
}  // namespace

TEST_F(SceneDialog, TerrainColoursNamesAndValuesGoIntoTheHeader)
{
    ASSERT_TRUE(Run([](QWidget* shown) {
        ShowPage(shown, kTerrainsPage);
        Click(Find(shown, "Shape03"));
        WhenModal([](QWidget* colours) { ChooseColour(colours, "#102030"); });
        Click(Find(shown, "SetTerrainBut"));
        TypeInto(Find(shown, "Edit8"), "Meadow", false);
        TypeInto(Find(shown, "Edit9"), QString("x").repeated(30) + "yz", false);
        TypeInto(Find(shown, "Float3"), "123", false);
    }));
    EXPECT_EQ(header.TerrainColours[3], RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(header.TerrainNames[8].text(), "Meadow");
    EXPECT_EQ(header.TerrainNames[9].text(), std::string(30, 'x'));
    EXPECT_EQ(header.FractValues[3], 123);
}

TEST_F(SceneDialog, TheStandardTerrainKeepsItsColour)
{
    ASSERT_TRUE(Run([this](QWidget* shown) {
        ShowPage(shown, kTerrainsPage);
        Click(Find(shown, "SetTerrainBut"));  // nothing selected
        Click(Find(shown, "Shape00"));
        Click(Find(shown, "SetTerrainBut"));
        EXPECT_EQ(QApplication::activeModalWidget(), dialog.get());
    }));
    EXPECT_EQ(header.TerrainColours[0], original.TerrainColours[0]);
}

TEST_F(SceneDialog, TerrainDefaultsRestoreTheStandardPalette)
{
    header.TerrainColours.fill(RGB(1, 2, 3));
    header.TerrainNames[12].setText("Heath");
    ASSERT_TRUE(Run([](QWidget* shown) {
        ShowPage(shown, kTerrainsPage);
        Click(Find(shown, "Defaults"));
    }));
    const TTerrainPalette defaults = DefaultTerrainPalette();
    EXPECT_EQ(header.TerrainColours, defaults.colours);
    EXPECT_EQ(header.TerrainColours[5], 0x657D9Au);
    EXPECT_EQ(header.TerrainNames[12].text(), "_user05");
}

TEST_F(SceneDialog, ColourDetailsOfTheSelectedTerrainGoIntoTheHeader)
{
    ASSERT_TRUE(Run([](QWidget* shown) {
        ShowPage(shown, kTerrainsPage);
        Click(Find(shown, "Shape05"));
        WhenModal([](QWidget* lighting) {
            EXPECT_EQ(lighting->windowTitle(), "Terrain Colour Details");
            TypeInto(Find(lighting, "SpecularityFloatEdit"), "40", false);
            TypeInto(Find(lighting, "ShininessFloatEdit"), "55", false);
            TypeInto(Find(lighting, "EmissionFloatEdit"), "7", false);
            Click(Find(lighting, "OKBtn"));
        });
        Click(Find(shown, "SetColourDetailsButton"));
    }));
    EXPECT_EQ(header.Specularity[5], 40);
    EXPECT_EQ(header.Shininess[5], 55);
    EXPECT_EQ(header.Emission[5], 7);
    EXPECT_EQ(header.Specularity[4], original.Specularity[4]);
}

TEST_F(SceneDialog, ActorControlsWriteTheSelectedTerrainsRecord)
{
    const auto actorFile = folder / "Old House.pov";
    std::filesystem::copy_file(std::filesystem::path(TARN_SOURCE_DIR) / "data" / "actors" / "house.pov", actorFile);
    ASSERT_TRUE(Run([&actorFile](QWidget* shown) {
        ShowPage(shown, kActorsPage);
        auto* list = Find<QListWidget>(shown, "TerrainList");
        EXPECT_EQ(list->count(), 22);
        EXPECT_EQ(list->item(0)->text(), "Forest");
        // Slot 5 is the list's fourth entry.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
        Click(Find(shown, "DrawAllActors"));
        Click(Find(shown, "DrawActor"));
        TypeInto(Find(shown, "ActorHeight"), "250");
        TypeInto(Find(shown, "ActorOrientationSpinEdit"), "90");
        auto* centre = Find<QCheckBox>(shown, "CentreActor");
        if (!centre->isChecked())
            Click(centre);
        Click(centre);
        TypeInto(Find(shown, "ActorDensitySpin"), "60");
        TypeInto(Find(shown, "ActorHeightVariationSpinEdit"), "20");
        WhenModal([&actorFile](QWidget* files) { ChooseFile(files, QString::fromStdString(actorFile.string())); });
        Click(Find(shown, "GetPOV"));
        EXPECT_EQ(Find<QLineEdit>(shown, "POVFile")->text(), "Old House.pov");
    }));
    const TTerrainActor& record = header.TerrainActors[5];
    EXPECT_EQ(header.DrawAllActors, original.DrawAllActors ? 0 : 1);
    EXPECT_EQ(record.DrawActor, original.TerrainActors[5].DrawActor ? 0 : 1);
    EXPECT_EQ(record.ActorHeight, 250);
    EXPECT_EQ(record.ActorOrientation, 90);
    EXPECT_EQ(record.NotCentred, 1);
    EXPECT_EQ(record.ActorDensity, 60);
    EXPECT_EQ(record.HeightVariation, 20);
    EXPECT_EQ(header.ActorFiles[5].text(), "Old House.pov");
    EXPECT_EQ(header.TerrainActors[6], original.TerrainActors[6]);
    EXPECT_EQ(settings.ReadText(kViewerSettingsKey, "General", "ActorDirectory"), folder.string());
    // The actor was read from the folder it was chosen in.
    EXPECT_EQ(record.ActorGroundFlag, 1);
    EXPECT_TRUE(shownMessages.isEmpty()) << shownMessages.join("; ").toStdString();
}

TEST_F(SceneDialog, AnActorFileThatCannotBeReadIsReported)
{
    header.ActorFiles[7].setText("missing.pov");
    settings.WriteText(kViewerSettingsKey, "General", "ActorDirectory", folder.string());
    ASSERT_TRUE(Run({}));
    ASSERT_EQ(shownMessages.size(), 1);
    EXPECT_TRUE(shownMessages[0].contains("missing.pov")) << shownMessages[0].toStdString();
    EXPECT_TRUE(shownMessages[0].endsWith("E0024 Read error for Actor file.  Actor will not be plotted"))
        << shownMessages[0].toStdString();
    EXPECT_EQ(header.TerrainActors[7].ActorGroundFlag, 0);
}
