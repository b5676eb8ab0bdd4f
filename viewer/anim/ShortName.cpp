#include "viewer/anim/ShortName.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace tarn {

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::string ShortFileName(const std::string& name, const std::string& programFolder)
{
    const std::filesystem::path path = name;
    const auto file = Lower(path.filename().string());
    auto folder = std::filesystem::path(Lower(programFolder)).lexically_normal();
    if (!folder.has_filename())
        folder = folder.parent_path();
    const auto nameFolder = std::filesystem::path(Lower(path.parent_path().string())).lexically_normal();
    if (path.parent_path().empty() || (!programFolder.empty() && nameFolder == folder))
        return file;
    return (path.parent_path() / file).string();
}

}  // namespace tarn
