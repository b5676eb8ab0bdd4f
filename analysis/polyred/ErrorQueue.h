#pragma once

#include <vector>

namespace tarn::polyred {

// The triangles whose largest error is still too big, largest first: a
// binary max-heap of triangle numbers that knows where each triangle sits,
// so a triangle whose error changed moves to its new place in O(log n).
class TErrorQueue {
public:
    bool Empty() const { return heap_.empty(); }
    int Top() const { return heap_.front(); }
    double TopError() const { return errors_[static_cast<std::size_t>(heap_.front())]; }

    // Puts the triangle in the queue with this error, or moves it there.
    void Set(int triangle, double error);
    // Takes the triangle out; nothing happens when it is not queued.
    void Remove(int triangle);

private:
    bool Above(std::size_t i, std::size_t j) const;
    void Place(std::size_t slot, int triangle);
    void SiftUp(std::size_t slot);
    void SiftDown(std::size_t slot);

    std::vector<int> heap_;
    std::vector<double> errors_;  // by triangle
    std::vector<int> slots_;      // by triangle, -1 when not queued
};

}  // namespace tarn::polyred
