#include "exchange/StreamIO.h"

#include "exchange/ExchangeMessages.h"
#include "model/Errors.h"

#include <istream>
#include <iterator>
#include <ostream>

namespace tarn {

long long RemainingBytes(std::istream& in)
{
    const auto here = in.tellg();
    if (here < 0)
        return -1;
    in.seekg(0, std::ios::end);
    const auto end = in.tellg();
    in.seekg(here);
    return end < 0 ? -1 : static_cast<long long>(end - here);
}

std::vector<std::uint8_t> ReadAllBytes(std::istream& in, std::size_t maxBytes, const char* tooLongMessage)
{
    const long long size = RemainingBytes(in);
    if (size > static_cast<long long>(maxBytes))
        throw EInvalidData(tooLongMessage);
    std::vector<std::uint8_t> bytes;
    if (size > 0)
        bytes.reserve(static_cast<std::size_t>(size));
    // A stream that cannot tell its size is read up to the limit.
    for (std::istreambuf_iterator<char> it(in), end; it != end; ++it) {
        if (bytes.size() == maxBytes)
            throw EInvalidData(tooLongMessage);
        bytes.push_back(static_cast<std::uint8_t>(*it));
    }
    return bytes;
}

void WriteOrThrow(std::ostream& out, std::string_view text)
{
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out)
        throw ETarnError(msg::ErrorWritingExport);
}

void WriteOrThrow(std::ostream& out, std::span<const std::uint8_t> bytes)
{
    WriteOrThrow(out, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace tarn
