#pragma once

#include "exchange/BmpCodec.h"

#include <cstdlib>

namespace tarn::test {

// The mean absolute difference of two pictures' bytes (of equal size): 0
// for the same picture, small for the same scene drawn by another context.
inline double MeanDifference(const TDibPicture& one, const TDibPicture& other)
{
    long total = 0;
    for (std::size_t i = 0; i < one.bits.size(); ++i)
        total += std::abs(one.bits[i] - other.bits[i]);
    return static_cast<double>(total) / static_cast<double>(one.bits.size());
}

}  // namespace tarn::test
