#include "MainWindowFixture.h"

namespace tarn::test {
namespace {

using ToolInstallTest = MainWindowFixture;

// The tool buttons whose tools are built. A tool joins this list when it is
// built; in the end the list holds every button of the tool bar.
const char* const kBuiltToolButtons[] = {
    "SpotButton", "DefaultSpotButton", "ManContourButton", "AutoContourButton",
    "LevelButton", "InterpolateButton", "TerrainButton", "AreaTerrainButton", "LochButton",
};

TEST_F(ToolInstallTest, EveryBuiltToolButtonSelectsAnInstalledTool)
{
    for (const char* button : kBuiltToolButtons) {
        Click(button);
        EXPECT_TRUE(Net().ToolInstalled(Net().CurrentTool())) << button;
    }
}

}  // namespace
}  // namespace tarn::test
