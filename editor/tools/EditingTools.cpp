#include "editor/tools/EditingTools.h"

#include "editor/DefNet.h"
#include "editor/tools/AreaTerrainTool.h"
#include "editor/tools/AutoTraceTool.h"
#include "editor/tools/ContourHeightQuestion.h"
#include "editor/tools/DefaultHeightTool.h"
#include "editor/tools/FloodTool.h"
#include "editor/tools/InterpolateTool.h"
#include "editor/tools/LevelAreaTool.h"
#include "editor/tools/ManualTraceTool.h"
#include "editor/tools/SpotHeightTool.h"
#include "editor/tools/SpotTerrainTool.h"

namespace tarn {

void InstallEditingTools(TDefineNet& net, const TToolDialogs& dialogs)
{
    net.InstallTool(kSpotHeightTool, std::make_unique<TSpotHeightTool>(dialogs.setHeight));
    net.InstallTool(kDefaultHeightTool, std::make_unique<TDefaultHeightTool>());
    net.InstallTool(kManualTraceTool, std::make_unique<TManualTraceTool>(AskWithSetHeightDialog(dialogs.setHeight)));
    net.InstallTool(kAutoTraceTool, std::make_unique<TAutoTraceTool>(AskWithSetHeightDialog(dialogs.setHeight)));
    net.InstallTool(kLevelAreaTool, std::make_unique<TLevelAreaTool>(dialogs.setHeight));
    net.InstallTool(kInterpolateTool, std::make_unique<TInterpolateTool>(dialogs.interpolate));
    net.InstallTool(kSpotTerrainTool, std::make_unique<TSpotTerrainTool>());
    net.InstallTool(kAreaTerrainTool, std::make_unique<TAreaTerrainTool>());
    net.InstallTool(kFloodTool, std::make_unique<TFloodTool>());
}

}  // namespace tarn
