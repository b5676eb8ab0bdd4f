#include "LayerRule.h"

#include <algorithm>
#include <fstream>
#include <regex>

namespace tarn::layers {

const LayerTable& ProjectLayers()
{
    static const LayerTable table{
        {"model", {}},
        {"model/edits", {"model"}},
        {"analysis/noise", {}},
        {"analysis/gridding", {"model"}},
        {"analysis/polyred", {"model"}},
        {"analysis/fractal", {"model"}},
        {"platform/settings", {"model"}},
        {"exchange", {"model", "analysis/gridding", "analysis/polyred", "analysis/fractal", "analysis/noise"}},
        {"controls", {"model"}},
        {"exchange/ui", {"exchange", "controls"}},
        {"editor", {"model/edits", "exchange/ui", "platform/settings", "editor/tools"}},
        {"editor/tools", {"editor"}},
        {"viewer/render", {"model", "platform/settings", "analysis/noise", "exchange"}},
        {"viewer/anim", {"model"}},
        {"viewer/ui", {"viewer/render", "viewer/anim", "controls", "platform/settings"}},
        {"tools", {"model/edits", "exchange", "viewer/render", "viewer/anim", "platform/settings"}},
    };
    return table;
}

namespace {

// The deepest table folder that holds `path` (a path relative to the root
// with '/' separators), or "" when none does.
std::string FolderOf(const std::string& path, const LayerTable& table)
{
    std::string best;
    for (const auto& [folder, uses] : table) {
        const bool inside = path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
                            path[folder.size()] == '/';
        if (inside && folder.size() > best.size())
            best = folder;
    }
    return best;
}

// The folder itself and every folder it reaches through the table.
std::set<std::string> Reachable(const std::string& folder, const LayerTable& table)
{
    std::set<std::string> reached{folder};
    std::vector<std::string> pending{folder};
    while (!pending.empty()) {
        const std::string next = pending.back();
        pending.pop_back();
        const auto found = table.find(next);
        if (found == table.end())
            continue;
        for (const auto& used : found->second)
            if (reached.insert(used).second)
                pending.push_back(used);
    }
    return reached;
}

bool IsSource(const std::filesystem::path& file)
{
    const auto extension = file.extension();
    return extension == ".h" || extension == ".cpp";
}

void CheckFile(const std::filesystem::path& root, const std::filesystem::path& file, const std::string& folder,
               const std::set<std::string>& allowed, const LayerTable& table, std::vector<Violation>& found)
{
    static const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::ifstream in(file);
    std::string line;
    const auto relative = file.lexically_relative(root);
    for (int number = 1; std::getline(in, line); ++number) {
        std::smatch match;
        if (!std::regex_search(line, match, include))
            continue;
        const std::string header = match[1];
        const std::string used = FolderOf(header, table);
        if (used.empty() || allowed.contains(used))
            continue;
        found.push_back({relative, number, folder + " may not use " + used + " (" + header + ")"});
    }
}

}  // namespace

std::vector<Violation> CheckLayers(const std::filesystem::path& root, const LayerTable& table)
{
    std::vector<Violation> found;
    std::set<std::string> tops;
    for (const auto& [folder, uses] : table)
        tops.insert(folder.substr(0, folder.find('/')));
    for (const auto& top : tops) {
        if (!std::filesystem::is_directory(root / top))
            continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / top)) {
            if (!entry.is_regular_file() || !IsSource(entry.path()))
                continue;
            const std::string relative = entry.path().lexically_relative(root).generic_string();
            const std::string folder = FolderOf(relative, table);
            if (folder.empty()) {
                found.push_back({relative, 0, "its folder is not in the layer table"});
                continue;
            }
            CheckFile(root, entry.path(), folder, Reachable(folder, table), table, found);
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Violation& a, const Violation& b) { return std::tie(a.file, a.line) < std::tie(b.file, b.line); });
    return found;
}

}  // namespace tarn::layers
