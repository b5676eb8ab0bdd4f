#include "tools/LoadMap.h"

#include "model/Errors.h"
#include "model/LemFileIO.h"
#include "tools/TerminalProgress.h"

namespace tarn::tool {

void LoadMapOrRefuse(const std::filesystem::path& path, TNet& net)
{
    TerminalProgress progress;
    if (!LoadLemFile(path, net, progress))
        throw ETarnError("Load aborted");
}

}  // namespace tarn::tool
