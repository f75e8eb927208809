#pragma once

#include <QtGlobal>
#include <cstddef>
#include <memory>
#include <new>
#include <vector>

// Memory for large working arrays: the lines of a list of a hundred thousand records and the
// arrays that sort them. Fresh memory costs a page fault every 4 KB on first writing, which on
// some machines costs more than reading the whole archive; on Linux an allocation of 256 KB or
// more is therefore mapped in huge pages of 2 MB, and what the last lists freed is kept, up to
// a limit, for the next ones. Everywhere else, and for small allocations, this is the ordinary
// heap.

// size bytes, not zeroed.
void* allocateLarge(std::size_t size);
void freeLarge(void* memory, std::size_t size);

// Not zeroed: every byte is to be written before it is read.
std::shared_ptr<char[]> largeBlock(qsizetype size);

// For a std::vector that may grow to megabytes.
template <class T> struct LargeAllocator {
    using value_type = T;
    LargeAllocator() = default;
    template <class U> LargeAllocator(const LargeAllocator<U>&) {}
    T* allocate(std::size_t count) {
        if (count > std::size_t(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(allocateLarge(count * sizeof(T)));
    }
    void deallocate(T* memory, std::size_t count) { freeLarge(memory, count * sizeof(T)); }
    template <class U> bool operator==(const LargeAllocator<U>&) const { return true; }
    template <class U> bool operator!=(const LargeAllocator<U>&) const { return false; }
};

template <class T> using LargeVector = std::vector<T, LargeAllocator<T>>;
