#include "data/DataSet.h"

#include <algorithm>

namespace vellum {

void NumberMap::sortAndDeduplicate() {
    dense_.clear();
    // Entries arrive in sequence order, so ordering by (number, index) is a stable sort by
    // number. Files are usually numbered in order already; then the check is all it costs.
    const auto byNumber = [](const Entry& a, const Entry& b) { return a.number < b.number; };
    if (!std::is_sorted(entries_.begin(), entries_.end(), byNumber)) {
        std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
            return a.number != b.number ? a.number < b.number : a.index < b.index;
        });
    }
    // The first record of a number wins.
    auto last = std::unique(entries_.begin(), entries_.end(),
                            [](const Entry& a, const Entry& b) { return a.number == b.number; });
    entries_.erase(last, entries_.end());
    size_ = entries_.size();
    if (entries_.empty()) return;

    // Finite-element files number their nodes almost densely; a direct table then makes
    // every lookup one memory access instead of a binary search over the whole map.
    const int64_t first = entries_.front().number;
    const int64_t span = int64_t{entries_.back().number} - first + 1;
    if (!denseSpanFits(span, entries_.size())) return;
    makeDenseTable(static_cast<int32_t>(first), span);
    for (const Entry& entry : entries_) dense_[static_cast<size_t>(entry.number - first)] = entry.index;
    entries_ = {};
}

void NumberMap::makeDenseTable(int32_t first, int64_t span) {
    denseBase_ = first;
    dense_.assign(static_cast<size_t>(span), kNoIndex);
}

uint32_t NumberMap::find(int32_t number) const {
    if (!dense_.empty()) {
        const int64_t offset = int64_t{number} - denseBase_;
        if (offset < 0 || offset >= static_cast<int64_t>(dense_.size())) return kNoIndex;
        return dense_[static_cast<size_t>(offset)];
    }
    auto it = std::lower_bound(entries_.begin(), entries_.end(), number,
                               [](const Entry& entry, int32_t value) { return entry.number < value; });
    if (it == entries_.end() || it->number != number) return kNoIndex;
    return it->index;
}

} // namespace vellum
