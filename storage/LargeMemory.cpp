#include "storage/LargeMemory.h"

#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

#ifdef Q_OS_LINUX
namespace {
constexpr std::size_t hugePage = 2 * 1024 * 1024;
constexpr std::size_t large = 256 * 1024;

std::size_t wholePages(std::size_t size) {
    return (size + hugePage - 1) / hugePage * hugePage;
}

// Memory of its own, mapped straight from the system on a huge-page boundary, so that it can
// be given back whole and the heap's own reuse of it does not depend on what came before.
void* mapHugePages(std::size_t whole) {
    void* mapped =
        mmap(nullptr, whole + hugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    char* start = static_cast<char*>(mapped);
    char* aligned = reinterpret_cast<char*>(
        (reinterpret_cast<std::uintptr_t>(start) + hugePage - 1) / hugePage * hugePage);
    if (aligned > start)
        munmap(start, std::size_t(aligned - start));
    munmap(aligned + whole, std::size_t(start + hugePage - aligned));
    madvise(aligned, whole, MADV_HUGEPAGE);
    return aligned;
}

// The memory of the last lists closed, kept for the next: the system clears every fresh page
// before handing it out, which for the lines of a hundred thousand records takes a millisecond
// or more, each time a list opens.
class KeptRegions {
public:
    // Room for every region there can be, so that freeing memory never asks for more.
    KeptRegions() { regions_.reserve(mostKept / hugePage); }

    void* take(std::size_t whole) {
        const std::lock_guard<std::mutex> lock(mutex_);
        for (auto region = regions_.begin(); region != regions_.end(); ++region) {
            if (region->second == whole) {
                void* memory = region->first;
                kept_ -= whole;
                regions_.erase(region);
                return memory;
            }
        }
        return nullptr;
    }
    bool keep(void* memory, std::size_t whole) {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (kept_ + whole > mostKept)
            return false;
        regions_.emplace_back(memory, whole);
        kept_ += whole;
        return true;
    }

private:
    // About what the largest list and its sorting take.
    static constexpr std::size_t mostKept = 64 * 1024 * 1024;
    std::mutex mutex_;
    std::vector<std::pair<void*, std::size_t>> regions_;
    std::size_t kept_ = 0;
};

// Never destroyed: lists kept in static objects free their memory as the program ends.
KeptRegions& keptRegions() {
    static KeptRegions* regions = new KeptRegions;
    return *regions;
}
} // namespace
#endif

void* allocateLarge(std::size_t size) {
#ifdef Q_OS_LINUX
    if (size >= large) {
        const std::size_t whole = wholePages(size);
        if (void* kept = keptRegions().take(whole))
            return kept;
        return mapHugePages(whole);
    }
#endif
    return ::operator new(size);
}

void freeLarge(void* memory, std::size_t size) {
#ifdef Q_OS_LINUX
    if (size >= large) {
        const std::size_t whole = wholePages(size);
        if (!keptRegions().keep(memory, whole))
            munmap(memory, whole);
        return;
    }
#endif
    ::operator delete(memory);
}

std::shared_ptr<char[]> largeBlock(qsizetype size) {
    return std::shared_ptr<char[]>(static_cast<char*>(allocateLarge(std::size_t(size))),
                                   [size](char* bytes) { freeLarge(bytes, std::size_t(size)); });
}
