#include "model/AtomicFile.h"

#include "model/Errors.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <ostream>
#include <streambuf>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tarn {

namespace fs = std::filesystem;

namespace {

// As many links as the system follows in one path.
constexpr int kMaxLinks = 40;

// The file to replace and the permissions it is to have.
struct Destination {
    fs::path path;
    mode_t mode;
};

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Follows the symbolic links at the end of the path; nothing for a loop, an
// unreadable link or anything there that is not a regular file.
std::optional<Destination> DestinationOf(fs::path path)
{
    for (int links = 0; links <= kMaxLinks; ++links) {
        struct stat info{};
        if (::lstat(path.c_str(), &info) != 0)
            return Destination{path, NewFileMode()};  // a file to create
        if (S_ISREG(info.st_mode))
            return Destination{path, info.st_mode & 07777};
        if (!S_ISLNK(info.st_mode))
            return std::nullopt;
        std::error_code error;
        const fs::path next = fs::read_symlink(path, error);
        if (error)
            return std::nullopt;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

// Writes everything or reports failure; retries writes a signal interrupted.
bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// A stream buffer that writes to an open file descriptor.
class DescriptorBuffer : public std::streambuf {
public:
    explicit DescriptorBuffer(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

protected:
    int_type overflow(int_type c) override
    {
        if (!Drain())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return Drain() ? 0 : -1; }

private:
    bool Drain()
    {
        const bool written = WriteAll(fd_, pbase(), static_cast<std::size_t>(pptr() - pbase()));
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return written;
    }

    int fd_;
    std::array<char, 1 << 16> buffer_{};
};

// A new file beside the destination; closed and, unless released, removed.
class TemporaryFile {
public:
    explicit TemporaryFile(const fs::path& destination)
    {
        // Built by appending: g++ 12 at -O3 warns falsely (-Wrestrict) about
        // a string concatenated onto "." with operator+.
        std::string hidden(".");
        hidden += destination.filename().string();
        hidden += ".XXXXXX";
        const std::string pattern = (destination.parent_path() / hidden).string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        fd_ = ::mkstemp(name.data());
        if (fd_ >= 0)
            path_ = name.data();
    }
    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!path_.empty() && !released_)
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool created() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    void release() { released_ = true; }

private:
    int fd_ = -1;
    std::string path_;
    bool released_ = false;
};

}  // namespace

void WriteFileAtomically(const fs::path& target, const std::function<void(std::ostream&)>& writer,
                         const std::string& refusal)
{
    const auto destination = DestinationOf(target);
    if (!destination)
        throw ETarnError(refusal);
    TemporaryFile temporary(destination->path);
    if (!temporary.created())
        throw ETarnError(refusal);
    DescriptorBuffer buffer(temporary.fd());
    std::ostream out(&buffer);
    writer(out);
    out.flush();
    if (!out || ::fchmod(temporary.fd(), destination->mode) != 0 || ::fsync(temporary.fd()) != 0 ||
        !temporary.close() || ::rename(temporary.path().c_str(), destination->path.c_str()) != 0)
        throw ETarnError(refusal);
    temporary.release();
}

void WriteFileAtomically(const fs::path& target, std::span<const std::uint8_t> bytes, const std::string& refusal)
{
    WriteFileAtomically(
        target,
        [bytes](std::ostream& out) {
            out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        },
        refusal);
}

}  // namespace tarn
