#pragma once

#include <cstddef>
#include <vector>

namespace tarn {

class TNet;

// One saved grid value of the last operation: a node's height (0-based node
// column and row) or a square's terrain (1-based square column and row).
struct UndoRecord {
    // Marks a field that holds no saved value.
    static constexpr int kNoValue = -2147483647;
    int column = 0;
    int row = 0;
    int oldHeight = kNoValue;
    int oldTerrain = kNoValue;

    friend bool operator==(const UndoRecord&, const UndoRecord&) = default;
};

// The saved values of the one operation that Undo takes back. An operation
// clears the list when it starts changing the map and adds one record per
// value it changes.
class TUndoList {
public:
    void Clear() { records_.clear(); }
    void Add(const UndoRecord& record) { records_.push_back(record); }
    void AddHeight(int column, int row, int oldHeight) { records_.push_back({column, row, oldHeight, UndoRecord::kNoValue}); }
    void AddTerrain(int column, int row, int oldTerrain) { records_.push_back({column, row, UndoRecord::kNoValue, oldTerrain}); }
    void Reserve(std::size_t count) { records_.reserve(count); }

    bool empty() const { return records_.empty(); }
    std::size_t size() const { return records_.size(); }
    const UndoRecord& operator[](std::size_t index) const { return records_[index]; }
    auto begin() const { return records_.begin(); }
    auto end() const { return records_.end(); }
    auto rbegin() const { return records_.rbegin(); }
    auto rend() const { return records_.rend(); }

private:
    std::vector<UndoRecord> records_;
};

// Puts the saved values back into the map. Records are restored last to
// first, so a value the operation saved twice ends with the one from before
// the operation. Records outside the grid are skipped; squares around
// restored nodes get their mean heights recomputed. The list is kept.
void ApplyUndo(TNet& net, const TUndoList& list);

}  // namespace tarn
