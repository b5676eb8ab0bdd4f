#pragma once

#include <sys/mman.h>

#include <cstdlib>
#include <limits>
#include <new>

namespace tarn {

// Gives blocks of 1 MB and more in whole, aligned 2 MB pages and asks the
// kernel to back them with huge pages: a vertex array of a hundred
// megabytes is then touched and given back with a few dozen page faults
// instead of tens of thousands. Smaller blocks come from operator new.
template <class T>
class TLargePageAllocator {
public:
    using value_type = T;

    TLargePageAllocator() = default;
    template <class U>
    TLargePageAllocator(const TLargePageAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t count)
    {
        // Room for the rounding up to whole pages too.
        if (count > (std::numeric_limits<std::size_t>::max() - kLargePage) / sizeof(T))
            throw std::bad_array_new_length();
        const std::size_t bytes = count * sizeof(T);
        if (bytes < kLeastBlock)
            return static_cast<T*>(::operator new(bytes));
        void* block = std::aligned_alloc(kLargePage, Rounded(bytes));
        if (!block)
            throw std::bad_alloc();
        ::madvise(block, Rounded(bytes), MADV_HUGEPAGE);  // only advice: plain pages work too
        return static_cast<T*>(block);
    }

    void deallocate(T* block, std::size_t count) noexcept
    {
        if (count * sizeof(T) < kLeastBlock)
            ::operator delete(block);
        else
            std::free(block);
    }

    friend bool operator==(const TLargePageAllocator&, const TLargePageAllocator&) { return true; }

private:
    static constexpr std::size_t kLargePage = 2u << 20;
    static constexpr std::size_t kLeastBlock = 1u << 20;
    static std::size_t Rounded(std::size_t bytes) { return (bytes + kLargePage - 1) / kLargePage * kLargePage; }
};

}  // namespace tarn
