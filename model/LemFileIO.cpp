#include "model/LemFileIO.h"

#include "model/AtomicFile.h"
#include "model/Errors.h"
#include "model/Net.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tarn {

std::ifstream OpenLemFile(const std::filesystem::path& path)
{
    // Only a regular file is opened: opening a pipe waits for a writer.
    std::error_code error;
    std::ifstream stream;
    if (std::filesystem::is_regular_file(path, error))
        stream.open(path, std::ios::binary);
    if (!stream.is_open())
        throw ETarnError(std::string(msg::ErrorOpeningLem) + ": " + path.string());
    return stream;
}

bool LoadLemFile(const std::filesystem::path& path, TNet& net, IProgress& progress)
{
    auto stream = OpenLemFile(path);
    return net.LoadFromStream(stream, progress);
}

void SaveLemFile(const std::filesystem::path& path, TNet& net)
{
    WriteFileAtomically(path, [&net](std::ostream& stream) { net.SaveToStream(stream); }, msg::ErrorSavingLem);
}

namespace {

// Writes all bytes at the offset; returns how many reached the file before
// a failure stopped it.
std::size_t WriteAt(int fd, const std::string& bytes, std::size_t count)
{
    std::size_t done = 0;
    while (done < count) {
        const ssize_t written = ::pwrite(fd, bytes.data() + done, count - done, static_cast<off_t>(done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            break;
        done += static_cast<std::size_t>(written);
    }
    return done;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

void RewriteLemHeader(const std::filesystem::path& path, const TMapHeader& header)
{
    // Only a regular file is opened: a pipe would block, and a device is no map.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw ETarnError(msg::ErrorSavingLem);
    // The whole new header is made before the file is touched.
    std::stringstream fresh(std::ios::in | std::ios::out | std::ios::binary);
    TNet carrier;
    carrier.MapHeader = header;
    carrier.TransferHeader(true, fresh);
    const std::string bytes = fresh.str();
    if (bytes.size() != TMapHeader::kFileSize)
        throw ETarnError(msg::ErrorSavingLem);

    const FileDescriptor file(::open(path.c_str(), O_RDWR | O_CLOEXEC));
    struct stat status{};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size < static_cast<off_t>(TMapHeader::kFileSize))
        throw ETarnError(msg::ErrorSavingLem);
    std::string old(TMapHeader::kFileSize, '\0');
    if (::pread(file.get(), old.data(), old.size(), 0) != static_cast<ssize_t>(old.size()) || old[0] != '\xF1' ||
        old[1] != 0 || old[2] != 'D')
        throw ETarnError(msg::ErrorSavingLem);
    if (old == bytes)
        return;

    // A write that stops part way (a full disk, a file size limit) puts back
    // the bytes it had replaced, so the file keeps its old header whole.
    const std::size_t written = WriteAt(file.get(), bytes, bytes.size());
    if (written != bytes.size()) {
        WriteAt(file.get(), old, written);
        throw ETarnError(msg::ErrorSavingLem);
    }
    if (::fsync(file.get()) != 0)
        throw ETarnError(msg::ErrorSavingLem);
}

}  // namespace tarn
