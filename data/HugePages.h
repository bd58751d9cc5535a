#pragma once
// Large record arrays filled right after they are reserved: a million nodes or elements are
// 64 MB, and filling them page by page in 4 KB pages costs a fault each, a quarter of a
// large load on a virtual machine. Huge pages cut the faults by a factor of 512.
#include <cstddef>
#include <new>
#include <vector>

namespace vellum {

// Asks the kernel to back the whole 2 MB pages inside [data, data + bytes) with huge pages
// where it offers them; a no-op elsewhere and for smaller ranges. Contents are unchanged.
void adviseHugePages(const void* data, size_t bytes);

// The same for a vector's reserved room; call it after reserve() and before filling.
template <class T>
void adviseHugePages(const std::vector<T>& records) {
    adviseHugePages(records.data(), records.capacity() * sizeof(T));
}

// Called first thing in main: lets the heap, where everything but the largest arrays is
// allocated, be backed by huge pages. A first touch of a 4 KB page costs about 10 us on a
// virtual machine, and a million-node job touches tens of thousands of them in buffers the
// libraries allocate (the software renderer's vertex and bin memory, font and shader
// compiler tables). The heap is grown once by a few hundred megabytes of address space
// (untouched memory costs nothing) and advised; every thread allocates from it, and freed
// memory is kept for reuse rather than given back and faulted in again. A no-op where the
// C library is not glibc, and in sanitizer builds, whose allocator is their own.
void prepareHeapForHugePages();

// Memory for a large array that is filled right after it is allocated: from 1 MB on it
// starts on a 2 MB boundary and is advised as above, so that every whole 2 MB of it can be
// a huge page (an allocation from the heap starts just past a page boundary and loses up
// to 2 MB at its front). Smaller blocks come from operator new. Throws std::bad_alloc.
void* allocateForHugePages(size_t bytes);
void freeForHugePages(void* data, size_t bytes) noexcept;

template <class T>
struct HugePageAllocator {
    using value_type = T;
    HugePageAllocator() = default;
    template <class U>
    explicit HugePageAllocator(const HugePageAllocator<U>&) noexcept {}
    T* allocate(size_t count) {
        if (count > static_cast<size_t>(-1) / sizeof(T)) throw std::bad_alloc();
        return static_cast<T*>(allocateForHugePages(count * sizeof(T)));
    }
    void deallocate(T* data, size_t count) noexcept { freeForHugePages(data, count * sizeof(T)); }
    friend bool operator==(const HugePageAllocator&, const HugePageAllocator&) { return true; }
};

} // namespace vellum
