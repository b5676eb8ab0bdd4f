#pragma once

#include <cstdint>
#include <optional>

namespace tarn {

class TNet;
struct TMapHeader;

// The height a reader stores for a value read from a file: below -1000 the
// null height, above the 16-bit range its largest value.
std::int16_t StoredHeight(long long value);
std::int16_t StoredHeight(double value);  // rounded, halves to even

// The 1-based index in a grid of `columns` by `rows` (nodes, or squares) of
// the entry in column c and row r counted from the south (both 1-based),
// moved east by originX and north by originY. Nothing when that lies east
// of the grid or outside it altogether.
std::optional<int> PlaceOnGrid(int columns, int rows, long long c, long long r, int originX, int originY);

// Ends a read that found the file unusable: the map keeps what was stored,
// its squares brought up to date, and EInvalidData carries the message.
[[noreturn]] void AbandonImport(TNet& net, const char* message);

// Before a reader loads into an open map: every node gets the height and
// every square terrain 0.
void ClearForImport(TNet& net, std::int16_t height);

// The largest and smallest heights a reader stored, starting from 0 and
// 32000 as the readers count them.
class THeightRange {
public:
    void Note(int height);
    bool Any() const { return any_; }
    int Largest() const { return largest_; }
    int Smallest() const { return smallest_; }

    // MaxHeight and MinHeight from what was noted; a minimum below -1000
    // becomes -1000. A range with nothing noted leaves the header as it is.
    void ApplyTo(TMapHeader& header) const;
    // The same, but a largest height of 0 becomes 100.
    void ApplyLiftingZeroTo(TMapHeader& header) const;

private:
    bool any_ = false;
    int largest_ = 0;
    int smallest_ = 32000;
};

}  // namespace tarn
