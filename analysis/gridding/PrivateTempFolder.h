#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarn::gridding {

// A folder of its own for one interpolation run's working files, so that
// two programs interpolating at once never share "~in.tmp" or "~out.tmp".
// It is made with mkdtemp in the system's temporary folder, or in /tmp when
// that path is too long, so that its file names fit the options record's
// 31 characters; the folder and everything in it are removed when the
// object goes, after a failure or a cancel as well.
class PrivateTempFolder {
public:
    // Throws ETarnError "E0018 ..." when no folder with short enough names
    // can be made.
    PrivateTempFolder();
    // For tests: the candidate parent folders, tried in order.
    explicit PrivateTempFolder(const std::vector<std::filesystem::path>& parents);
    ~PrivateTempFolder();
    PrivateTempFolder(const PrivateTempFolder&) = delete;
    PrivateTempFolder& operator=(const PrivateTempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // path()/"~in.tmp", path()/"~out.tmp", path()/"~smooth.tmp" as text.
    std::string file(const std::string& name) const;

private:
    std::filesystem::path path_;
};

}  // namespace tarn::gridding
