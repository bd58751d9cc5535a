#include "data/HugePages.h"

#include <cstdint>
#include <cstdlib>
#include <new>
#include <sys/mman.h>
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define VELLUM_SANITIZED_HEAP 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VELLUM_SANITIZED_HEAP 1
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#include <unistd.h>
#endif

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

void prepareHeapForHugePages() {
#if defined(__GLIBC__) && !defined(VELLUM_SANITIZED_HEAP)
    // Blocks below the mapping threshold come from the heap; the arrays above it are
    // mapped on their own and advised where they are made.
    constexpr size_t kBlock = size_t{31} << 20;
    constexpr int kBlocks = 8;
    ::mallopt(M_MMAP_THRESHOLD, 32 << 20);
    ::mallopt(M_TOP_PAD, 64 << 20);
    // Above the room made here, so that it is kept; a larger free top is given back.
    ::mallopt(M_TRIM_THRESHOLD, 384 << 20);
    // One heap for every thread: other threads' heaps would be mapped unadvised.
    ::mallopt(M_ARENA_MAX, 1);
    auto* const start = static_cast<char*>(::sbrk(0));
    void* blocks[kBlocks];
    for (void*& block : blocks) block = std::malloc(kBlock);
    for (int i = kBlocks - 1; i >= 0; --i) std::free(blocks[i]);
    auto* const end = static_cast<char*>(::sbrk(0));
    if (start == reinterpret_cast<char*>(-1) || end <= start) return;
    adviseHugePages(start, static_cast<size_t>(end - start));
#endif
}

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
    if (const uintptr_t tail = begin + kHugePageBytes - aligned; tail > 0)
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
