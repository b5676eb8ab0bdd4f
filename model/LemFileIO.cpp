#include "model/LemFileIO.h"

#include "model/AtomicFile.h"
#include "model/Errors.h"
#include "model/Net.h"

#include <fstream>
#include <system_error>

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

void RewriteLemHeader(const std::filesystem::path& path, const TMapHeader& header)
{
    // Only a regular file is opened: a pipe would block the read below, and
    // a device is no map.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw ETarnError(msg::ErrorSavingLem);
    std::fstream stream(path, std::ios::binary | std::ios::in | std::ios::out);
    char signature[3] = {};
    if (!stream || !stream.read(signature, sizeof signature) || signature[0] != '\xF1' || signature[1] != 0 ||
        signature[2] != 'D')
        throw ETarnError(msg::ErrorSavingLem);
    stream.seekg(0, std::ios::end);
    if (stream.tellg() < static_cast<std::streamoff>(TMapHeader::kFileSize))
        throw ETarnError(msg::ErrorSavingLem);
    stream.seekp(0);
    TNet carrier;
    carrier.MapHeader = header;
    carrier.TransferHeader(true, stream);
    stream.flush();
    if (!stream)
        throw ETarnError(msg::ErrorSavingLem);
}

}  // namespace tarn
