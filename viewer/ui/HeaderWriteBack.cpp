#include "viewer/ui/HeaderWriteBack.h"

#include "model/LemFileIO.h"

#include <unistd.h>

namespace tarn {

namespace fs = std::filesystem;

bool IsReadOnlyFile(const fs::path& path)
{
    std::error_code error;
    const auto permissions = fs::status(path, error).permissions();
    if (error)
        return true;
    return (permissions & fs::perms::owner_write) == fs::perms::none || ::access(path.c_str(), W_OK) != 0;
}

bool WriteBackViewParameters(const fs::path& mapFile, const TMapHeader& header)
{
    std::error_code error;
    if (mapFile.empty() || !fs::is_regular_file(mapFile, error) || IsReadOnlyFile(mapFile))
        return false;
    RewriteLemHeader(mapFile, header);
    return true;
}

}  // namespace tarn
