#include "exchange/FormatFiles.h"


#include <fstream>
#include <vector>

namespace tarn {

ImportOutcome ImportFile(const TFormatDriver& format, const std::filesystem::path& file, TNet& net,
                         const TImportParameters& parameters, IProgress& progress,
                         std::vector<std::string>& warnings)
{
    return format.ReadFile(file, net, parameters, progress, warnings);
}

ImportOutcome ImportFile(const TFormatDriver& format, const std::filesystem::path& file, TNet& net,
                         const TImportParameters& parameters, IProgress& progress)
{
    std::vector<std::string> dropped;
    return format.ReadFile(file, net, parameters, progress, dropped);
}

void ExportFile(const TFormatDriver& format, const TNet& net, const std::filesystem::path& file,
                const TExportParameters& parameters, IProgress& progress)
{
    format.WriteFile(net, file, parameters, progress);
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
