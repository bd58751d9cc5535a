#pragma once
// Large record arrays filled right after they are reserved: a million nodes or elements are
// 64 MB, and filling them page by page in 4 KB pages costs a fault each, a quarter of a
// large load on a virtual machine. Huge pages cut the faults by a factor of 512.
#include <cstddef>
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

} // namespace vellum
