#pragma once

#include "model/LargePageAllocator.h"

#include <vector>

namespace tarn::gridding {

// A value per node of a grid. The arrays of a large grid (2 MB of heights
// for 500 x 500 nodes, tens of megabytes of stencils) are taken in huge
// pages, so that filling them costs a few page faults instead of thousands.
template <class T>
using NodeArray = std::vector<T, TLargePageAllocator<T>>;
using NodeValues = NodeArray<double>;

}  // namespace tarn::gridding
