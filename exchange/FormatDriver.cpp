#include "exchange/FormatDriver.h"

#include "exchange/ExchangeMessages.h"
#include "model/AtomicFile.h"
#include "model/Errors.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace tarn {

FileVerdict TFormatDriver::Identify(std::span<const std::uint8_t>) const { return FileVerdict::NotMine; }

ImportOutcome TFormatDriver::Read(std::istream&, TNet&, const TImportParameters&, IProgress&) const
{
    throw std::logic_error(std::string(Description().name) + " files cannot be read");
}

void TFormatDriver::Write(const TNet&, std::ostream&, const TExportParameters&, IProgress&) const
{
    throw std::logic_error(std::string(Description().name) + " files cannot be written");
}

std::string_view TFormatDriver::ExportWarning(const TNet&) const { return {}; }

ImportOutcome TFormatDriver::ReadFile(const std::filesystem::path& file, TNet& net, const TImportParameters& parameters,
                                      IProgress& progress, std::vector<std::string>&) const
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw ETarnError(msg::ErrorOpeningImport);
    return Read(in, net, parameters, progress);
}

void TFormatDriver::WriteFile(const TNet& net, const std::filesystem::path& file, const TExportParameters& parameters,
                              IProgress& progress) const
{
    std::ostringstream out(std::ios::binary);
    Write(net, out, parameters, progress);
    const std::string text = std::move(out).str();
    WriteFileAtomically(file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
                        msg::ErrorWritingExport);
}

}  // namespace tarn
