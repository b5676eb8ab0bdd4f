#pragma once

#include "exchange/FormatParameters.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

class IProgress;
class TNet;

// What the first bytes of a file say about it to one driver.
enum class FileVerdict {
    NotMine,  // another format, or no format at all
    Mine,     // this driver's format as far as the bytes go
    Damaged,  // this driver's format, but what is there is broken
};

// How a read ended when it threw nothing.
enum class ImportOutcome {
    Completed,      // heights were stored
    NothingStored,  // the file was read, but no value landed in the map
    Cancelled,      // the progress observer asked to stop; what was stored stays
};

// Where a reader puts what it reads.
enum class ImportTarget {
    OpenMap,   // into the map as it is
    NewMap,    // into a new map sized to the data
    Either,    // as TDigitalImportOptions::autoSize says
};

// Which part of the parameters a reader or writer takes, and so which dialog
// asks the user for them.
enum class TOptionSet {
    None,
    Digital,  // TDigitalImportOptions: "Digital Data Import"
    Picture,  // TPictureImportOptions: "BMP Import Parameters"
    Greymap,  // TGreymapImportOptions: "Pixel Greymap Import"
    Raster,   // TRasterImportOptions: "Raster Import"
    Polygon,  // TPolygonExportOptions without texture and background
    TexturedPolygon,  // TPolygonExportOptions: "Polygon Optimization Parameters"
};

struct TFormatDescription {
    std::string_view name;   // the short name scripts use: "usgs-dem"
    std::string_view title;  // what a person reads: "USGS DEM"
    std::span<const std::string_view> extensions;  // without the dot, lower case
    bool canRead = false;
    bool canWrite = false;
    ImportTarget target = ImportTarget::OpenMap;
    // The first value of the dialog's "Sample at every" for this format.
    int defaultSample = 1;
    // The editor shows no message when this format's reader refuses a file:
    // the import just ends, keeping what was stored.
    bool quietFailures = false;
    TOptionSet readOptions = TOptionSet::None;
    TOptionSet writeOptions = TOptionSet::None;
};

// One foreign format. Readers change the map they are given and leave its
// squares up to date; writers only read the map. Both throw ETarnError with
// a coded message when they fail; a reader keeps what it stored before the
// failure.
class TFormatDriver {
public:
    virtual ~TFormatDriver() = default;

    virtual const TFormatDescription& Description() const = 0;

    // Judges a file from its first bytes (as many as the file has, up to
    // kIdentifyBytes). A driver that cannot read never claims a file.
    virtual FileVerdict Identify(std::span<const std::uint8_t> head) const;

    virtual ImportOutcome Read(std::istream& in, TNet& net, const TImportParameters& parameters,
                               IProgress& progress) const;
    virtual void Write(const TNet& net, std::ostream& out, const TExportParameters& parameters,
                       IProgress& progress) const;

    // A coded warning the user sees before this format writes the map (the
    // file is written all the same); empty when there is nothing to say.
    virtual std::string_view ExportWarning(const TNet& net) const;
    // Reads the named file. Notes on what the reader changed to make the
    // data fit the map go to `warnings`. The default opens the file and
    // reads it with Read; drivers whose formats spread over several files,
    // or whose library opens files by name, read it themselves.
    virtual ImportOutcome ReadFile(const std::filesystem::path& file, TNet& net, const TImportParameters& parameters,
                                   IProgress& progress, std::vector<std::string>& warnings) const;
    // Writes the named file, replacing it only once the whole export
    // succeeded. The default writes with Write; drivers that add side files
    // write them here too.
    virtual void WriteFile(const TNet& net, const std::filesystem::path& file, const TExportParameters& parameters,
                           IProgress& progress) const;
};

inline constexpr std::size_t kIdentifyBytes = 4096;

}  // namespace tarn
