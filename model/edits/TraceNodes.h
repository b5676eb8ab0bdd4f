#pragma once

#include <cstddef>

namespace tarn {

// A grid node by its 0-based column and row.
struct TGridNode {
    int column = 0;
    int row = 0;
    friend bool operator==(const TGridNode&, const TGridNode&) = default;
};

// The most entries a trace collects: traced nodes, and branch points the
// automatic trace keeps to come back to. They bound time and memory on
// pictures full of noise.
inline constexpr std::size_t kTraceEntryLimit = 10000;

}  // namespace tarn
