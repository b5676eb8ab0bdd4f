#include "analysis/polyred/ErrorQueue.h"

namespace tarn::polyred {

void TErrorQueue::Set(int triangle, double error)
{
    const auto index = static_cast<std::size_t>(triangle);
    if (index >= slots_.size()) {
        slots_.resize(index + 1, -1);
        errors_.resize(index + 1, 0);
    }
    errors_[index] = error;
    if (slots_[index] < 0) {
        heap_.push_back(triangle);
        slots_[index] = static_cast<int>(heap_.size() - 1);
    }
    const auto slot = static_cast<std::size_t>(slots_[index]);
    SiftUp(slot);
    SiftDown(static_cast<std::size_t>(slots_[index]));
}

void TErrorQueue::Remove(int triangle)
{
    const auto index = static_cast<std::size_t>(triangle);
    if (index >= slots_.size() || slots_[index] < 0)
        return;
    const auto slot = static_cast<std::size_t>(slots_[index]);
    slots_[index] = -1;
    const int last = heap_.back();
    heap_.pop_back();
    if (slot == heap_.size())
        return;
    Place(slot, last);
    SiftUp(slot);
    SiftDown(static_cast<std::size_t>(slots_[static_cast<std::size_t>(last)]));
}

bool TErrorQueue::Above(std::size_t i, std::size_t j) const
{
    return errors_[static_cast<std::size_t>(heap_[i])] > errors_[static_cast<std::size_t>(heap_[j])];
}

void TErrorQueue::Place(std::size_t slot, int triangle)
{
    heap_[slot] = triangle;
    slots_[static_cast<std::size_t>(triangle)] = static_cast<int>(slot);
}

void TErrorQueue::SiftUp(std::size_t slot)
{
    while (slot > 0) {
        const std::size_t parent = (slot - 1) / 2;
        if (!Above(slot, parent))
            return;
        const int moved = heap_[parent];
        Place(parent, heap_[slot]);
        Place(slot, moved);
        slot = parent;
    }
}

void TErrorQueue::SiftDown(std::size_t slot)
{
    for (;;) {
        std::size_t largest = slot;
        for (const std::size_t child : {2 * slot + 1, 2 * slot + 2})
            if (child < heap_.size() && Above(child, largest))
                largest = child;
        if (largest == slot)
            return;
        const int moved = heap_[largest];
        Place(largest, heap_[slot]);
        Place(slot, moved);
        slot = largest;
    }
}

}  // namespace tarn::polyred
