#include "exchange/FormatDriver.h"

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

}  // namespace tarn
