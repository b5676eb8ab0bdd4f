#include "model/Errors.h"

#include <cctype>

namespace tarn {

std::string ETarnError::code() const
{
    const std::string text = what();
    if (text.size() < 5 || text[0] != 'E')
        return {};
    for (std::size_t i = 1; i < 5; ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return {};
    return text.substr(0, 5);
}

}  // namespace tarn
