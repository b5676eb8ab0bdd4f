#include "model/LemFileCheck.h"

#include "model/ByteIO.h"
#include "model/Errors.h"
#include "model/HeaderConsistency.h"
#include "model/HeaderTransfer.h"
#include "model/LemFileIO.h"
#include "model/Net.h"

namespace tarn {

std::optional<TLemFileFindings> InspectLemFile(const std::filesystem::path& path, TNet& net, IProgress& progress)
{
    auto stream = OpenLemFile(path);
    if (!net.LoadFromStream(stream, progress))
        return std::nullopt;
    TLemFileFindings findings;
    const auto end = stream.tellg();
    stream.seekg(0, std::ios::end);
    findings.trailingBytes = static_cast<std::uintmax_t>(stream.tellg() - end);

    // The load read the whole header, so it is there to read again as stored.
    std::vector<std::uint8_t> bytes(TMapHeader::kFileSize);
    stream.seekg(0);
    stream.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!stream)
        throw ETarnError(std::string(msg::ErrorOpeningLem) + ": " + path.string());
    TMapHeader stored;
    ByteReader in(bytes, msg::CorruptLem);
    TransferHeaderFields(in, stored);
    findings.contradictions = FindHeaderContradictions(stored);
    return findings;
}

}  // namespace tarn
