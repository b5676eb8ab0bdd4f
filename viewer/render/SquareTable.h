#pragma once

#include "model/Colour.h"

#include <cstdint>
#include <vector>

namespace tarn {

class TNet;

// The colour of every square under the current scheme, gathered once per
// pass so that building a square's colour record (itself and its eight
// neighbours) looks colours up instead of asking the map nine times.
class TSquareTable {
public:
    struct Entry {
        ColourRGBA colour;
        // The Vista colour index the square's colour query left behind, or
        // -1 when the query did not go through the Vista bands.
        int vistaIndex = -1;
    };

    void Gather(TNet& net);
    const Entry& at(int index) const { return entries_[static_cast<std::size_t>(index - 1)]; }
    bool empty() const { return entries_.empty(); }
    // The snow level of the Vista bands (0 before any band was looked at).
    int SnowLevel() const { return snowLevel_; }

private:
    std::vector<Entry> entries_;
    int snowLevel_ = 0;
};

}  // namespace tarn
