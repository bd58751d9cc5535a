#include "data/DataSet.h"

#include <atomic>

namespace vellum {

// Every sequence and map starts empty and the vector components are columns 0, 1, 2; the
// face pattern table is a constant shared by every data set.
DataSet::DataSet() { markChanged(); }

void DataSet::markChanged() {
    static std::atomic<uint64_t> next{1};
    revision_ = next.fetch_add(1, std::memory_order_relaxed);
}

} // namespace vellum
