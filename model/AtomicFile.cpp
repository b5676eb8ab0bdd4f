#include "model/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace tarn {

namespace {

[[noreturn]] void Fail(const std::string& what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

// Closes and, unless released, removes the temporary file.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target)
    {
        std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        fd_ = ::mkstemp(name.data());
        if (fd_ < 0)
            Fail("cannot create a file beside " + target.string());
        path_ = name.data();
    }
    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!released_)
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    void close()
    {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            Fail("cannot close " + path_);
    }
    void release() { released_ = true; }

private:
    int fd_ = -1;
    std::string path_;
    bool released_ = false;
};

mode_t ModeFor(const std::filesystem::path& target)
{
    struct stat existing{};
    if (::stat(target.c_str(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes)
{
    TemporaryFile temporary(target);
    const auto* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(temporary.fd(), data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            Fail("cannot write " + temporary.path());
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::fchmod(temporary.fd(), ModeFor(target)) != 0 || ::fsync(temporary.fd()) != 0)
        Fail("cannot flush " + temporary.path());
    temporary.close();
    if (::rename(temporary.path().c_str(), target.c_str()) != 0)
        Fail("cannot replace " + target.string());
    temporary.release();
}

}  // namespace tarn
