#include "data/HugePages.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>

namespace vellum {

void adviseHugePages(const void* data, size_t bytes) {
#ifdef MADV_HUGEPAGE
    constexpr uintptr_t kHugePage = uintptr_t{2} << 20;
    const auto begin = reinterpret_cast<uintptr_t>(data);
    const uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t last = (begin + bytes) & ~(kHugePage - 1);
    // Only whole huge pages: advice on a partial one would reach memory the vector does not own.
    if (data == nullptr || last <= first) return;
    ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

namespace {
constexpr size_t kHugePageBytes = size_t{2} << 20;
constexpr size_t kFromMappedBytes = size_t{1} << 20;
size_t roundedToHugePages(size_t bytes) { return (bytes + kHugePageBytes - 1) & ~(kHugePageBytes - 1); }
} // namespace

void* allocateForHugePages(size_t bytes) {
    if (bytes < kFromMappedBytes) return ::operator new(bytes);
    if (bytes > static_cast<size_t>(-1) / 2) throw std::bad_alloc();
    const size_t length = roundedToHugePages(bytes);
    // Mapped one huge page too long, then trimmed to start on a boundary.
    void* mapped = ::mmap(nullptr, length + kHugePageBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    const auto begin = reinterpret_cast<uintptr_t>(mapped);
    const uintptr_t aligned = (begin + kHugePageBytes - 1) & ~(kHugePageBytes - 1);
    if (aligned > begin) ::munmap(mapped, aligned - begin);
    if (const uintptr_t tail = begin + length + kHugePageBytes - (aligned + length); tail > 0)
        ::munmap(reinterpret_cast<void*>(aligned + length), tail);
    adviseHugePages(reinterpret_cast<void*>(aligned), length);
    return reinterpret_cast<void*>(aligned);
}

void freeForHugePages(void* data, size_t bytes) noexcept {
    if (data == nullptr) return;
    if (bytes < kFromMappedBytes) {
        ::operator delete(data);
        return;
    }
    ::munmap(data, roundedToHugePages(bytes));
}

} // namespace vellum
