#include "model/LemFileIO.h"

#include "model/AtomicFile.h"
#include "model/Errors.h"
#include "model/Net.h"

#include <system_error>

namespace tarn {

std::ifstream OpenLemFile(const std::filesystem::path& path)
{
    std::ifstream stream(path, std::ios::binary);
    if (!stream || std::filesystem::is_directory(path))
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
    const auto bytes = net.SaveToBytes();
    try {
        WriteFileAtomically(path, bytes);
    } catch (const std::system_error&) {
        throw ETarnError(msg::ErrorSavingLem);
    }
}

void RewriteLemHeader(const std::filesystem::path& path, const TMapHeader& header)
{
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
