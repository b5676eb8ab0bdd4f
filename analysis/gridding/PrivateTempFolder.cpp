#include "analysis/gridding/PrivateTempFolder.h"

#include "analysis/gridding/GriddingMessages.h"
#include "analysis/gridding/OptionsRecord.h"
#include "model/Errors.h"

#include <cstdlib>
#include <system_error>

namespace tarn::gridding {

namespace {

constexpr const char* kPattern = "tarnXXXXXX";
// The longest working file name the folder must hold.
constexpr std::string_view kLongestName = "~smooth.tmp";

std::vector<std::filesystem::path> DefaultParents()
{
    std::vector<std::filesystem::path> parents;
    std::error_code error;
    const std::filesystem::path system = std::filesystem::temp_directory_path(error);
    if (!error)
        parents.push_back(system);
    parents.emplace_back("/tmp");
    return parents;
}

}  // namespace

PrivateTempFolder::PrivateTempFolder() : PrivateTempFolder(DefaultParents()) {}

PrivateTempFolder::PrivateTempFolder(const std::vector<std::filesystem::path>& parents)
{
    for (const std::filesystem::path& parent : parents) {
        std::string pattern = (parent / kPattern).string();
        if (pattern.size() + 1 + kLongestName.size() > kLongestFileName)
            continue;
        if (mkdtemp(pattern.data())) {
            path_ = pattern;
            return;
        }
    }
    throw ETarnError(msg::TemporaryFile);
}

PrivateTempFolder::~PrivateTempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string PrivateTempFolder::file(const std::string& name) const
{
    return (path_ / name).string();
}

}  // namespace tarn::gridding
