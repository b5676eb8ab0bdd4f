#include "tools/SiblingProgram.h"

#include "tools/Command.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace tarn::tool {

int ReplaceWithSibling(const char* fileName, char** argv)
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        std::fprintf(stderr, "tarntool: cannot run %s: its folder is unknown (%s)\n", fileName,
                     error.message().c_str());
        return kExitUsage;
    }
    const auto sibling = self.parent_path() / fileName;
    ::execv(sibling.c_str(), argv);
    const int reason = errno;
    std::fprintf(stderr, "tarntool: cannot run %s: %s\n", sibling.c_str(), std::strerror(reason));
    return kExitUsage;
}

}  // namespace tarn::tool
