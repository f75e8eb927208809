#include "storage/LargeMemory.h"

#include <cstdlib>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace {
constexpr std::size_t hugePage = 2 * 1024 * 1024;
constexpr std::size_t large = 1024 * 1024;
} // namespace

void* allocateLarge(std::size_t size) {
#ifdef Q_OS_LINUX
    if (size >= large) {
        void* memory = nullptr;
        const std::size_t whole = (size + hugePage - 1) / hugePage * hugePage;
        if (posix_memalign(&memory, hugePage, whole) != 0)
            throw std::bad_alloc();
        madvise(memory, whole, MADV_HUGEPAGE);
        return memory;
    }
#endif
    return ::operator new(size);
}

void freeLarge(void* memory, std::size_t size) {
#ifdef Q_OS_LINUX
    if (size >= large) {
        std::free(memory);
        return;
    }
#endif
    ::operator delete(memory);
}

std::shared_ptr<char[]> largeBlock(qsizetype size) {
    return std::shared_ptr<char[]>(static_cast<char*>(allocateLarge(std::size_t(size))),
                                   [size](char* bytes) { freeLarge(bytes, std::size_t(size)); });
}
