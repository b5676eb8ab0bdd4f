#include "exchange/FormatFiles.h"

#include "exchange/ExchangeMessages.h"
#include "model/AtomicFile.h"
#include "model/Errors.h"

#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace tarn {

ImportOutcome ImportFile(const TFormatDriver& format, const std::filesystem::path& file, TNet& net,
                         const TImportParameters& parameters, IProgress& progress)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw ETarnError(msg::ErrorOpeningImport);
    return format.Read(in, net, parameters, progress);
}

void ExportFile(const TFormatDriver& format, const TNet& net, const std::filesystem::path& file,
                const TExportParameters& parameters, IProgress& progress)
{
    std::ostringstream out(std::ios::binary);
    format.Write(net, out, parameters, progress);
    const std::string text = std::move(out).str();
    WriteFileAtomically(file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
                        msg::ErrorWritingExport);
}

FileVerdict IdentifyFile(const TFormatDriver& format, const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return FileVerdict::NotMine;
    std::vector<std::uint8_t> head(kIdentifyBytes);
    in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return format.Identify(head);
}

}  // namespace tarn
