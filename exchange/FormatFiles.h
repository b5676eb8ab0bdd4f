#pragma once

#include "exchange/FormatDriver.h"

#include <filesystem>

namespace tarn {

// The drivers' reading and writing applied to files on disk.

// Throws ETarnError msg::ErrorOpeningImport when the file cannot be opened.
// The reader's warnings go to `warnings`, or are dropped by the overload
// without them.
ImportOutcome ImportFile(const TFormatDriver& format, const std::filesystem::path& file, TNet& net,
                         const TImportParameters& parameters, IProgress& progress,
                         std::vector<std::string>& warnings);
ImportOutcome ImportFile(const TFormatDriver& format, const std::filesystem::path& file, TNet& net,
                         const TImportParameters& parameters, IProgress& progress);

// The file is replaced only when the whole export succeeded; a file that
// cannot be written throws ETarnError msg::ErrorWritingExport.
void ExportFile(const TFormatDriver& format, const TNet& net, const std::filesystem::path& file,
                const TExportParameters& parameters, IProgress& progress);

// The driver's verdict on the file's first bytes; NotMine for a file that
// cannot be opened.
FileVerdict IdentifyFile(const TFormatDriver& format, const std::filesystem::path& file);

}  // namespace tarn
