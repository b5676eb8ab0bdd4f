#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarn {

// The few things every use of the geospatial library (GDAL) needs.

// Registers the library's format drivers, once for the whole program.
void UseGdal();

// While alive, keeps the library's messages off the terminal; the last
// error is then part of our own coded message.
class TGdalErrors {
public:
    TGdalErrors();
    ~TGdalErrors();
    TGdalErrors(const TGdalErrors&) = delete;
    TGdalErrors& operator=(const TGdalErrors&) = delete;

    // "E0150 Raster cannot be read: <the library's own text>", or the
    // message alone when the library said nothing.
    static std::string Explained(const char* message);
};

// A file in the library's memory file system, named uniquely for this
// object and removed with it.
class TGdalMemoryFile {
public:
    explicit TGdalMemoryFile(const std::string& extension);
    // A memory file holding those bytes.
    TGdalMemoryFile(const std::string& extension, std::span<const std::uint8_t> bytes);
    ~TGdalMemoryFile();
    TGdalMemoryFile(const TGdalMemoryFile&) = delete;
    TGdalMemoryFile& operator=(const TGdalMemoryFile&) = delete;

    const std::string& Path() const { return path_; }
    // The file's bytes, or nothing when it was never written.
    std::vector<std::uint8_t> Bytes() const;

private:
    std::string path_;
};

}  // namespace tarn
