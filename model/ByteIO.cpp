#include "model/ByteIO.h"

#include "model/Errors.h"

namespace tarn {

void ByteReader::require(std::size_t size) const
{
    if (size > remaining())
        throw EInvalidData(truncatedMessage_);
}

}  // namespace tarn
