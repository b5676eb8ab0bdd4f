#include "exchange/GdalLibrary.h"

#include <cpl_conv.h>
#include <cpl_error.h>
#include <cpl_vsi.h>
#include <gdal.h>

#include <algorithm>
#include <cstdio>
#include <new>
#include <mutex>

namespace tarn {

void UseGdal()
{
    static std::once_flag registered;
    std::call_once(registered, [] { GDALAllRegister(); });
}

TGdalErrors::TGdalErrors()
{
    CPLPushErrorHandler(CPLQuietErrorHandler);
    CPLErrorReset();
}

TGdalErrors::~TGdalErrors() { CPLPopErrorHandler(); }

std::string TGdalErrors::Explained(const char* message)
{
    std::string text = message;
    const char* said = CPLGetLastErrorMsg();
    if (said && *said) {
        text += ": ";
        text += said;
    }
    return text;
}

TGdalMemoryFile::TGdalMemoryFile(const std::string& extension)
{
    char name[64];
    std::snprintf(name, sizeof name, "/vsimem/tarn-%p.", static_cast<const void*>(this));
    path_ = name;
    path_ += extension;
}

TGdalMemoryFile::TGdalMemoryFile(const std::string& extension, std::span<const std::uint8_t> bytes)
    : TGdalMemoryFile(extension)
{
    // The library copies nothing: it works on the buffer it is given, and
    // frees it with the file.
    auto* copy = static_cast<GByte*>(VSIMalloc(bytes.empty() ? 1 : bytes.size()));
    if (!copy)
        throw std::bad_alloc();
    std::copy(bytes.begin(), bytes.end(), copy);
    VSIFCloseL(VSIFileFromMemBuffer(path_.c_str(), copy, bytes.size(), TRUE));
}

TGdalMemoryFile::~TGdalMemoryFile()
{
    VSIUnlink(path_.c_str());
    // The library's own notes on a raster it wrote, where it kept any.
    VSIUnlink((path_ + ".aux.xml").c_str());
}

std::vector<std::uint8_t> TGdalMemoryFile::Bytes() const
{
    vsi_l_offset length = 0;
    const GByte* data = VSIGetMemFileBuffer(path_.c_str(), &length, FALSE);
    if (!data)
        return {};
    return {data, data + length};
}

}  // namespace tarn
