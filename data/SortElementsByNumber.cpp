#include "data/DataSet.h"

#include <algorithm>

namespace vellum {

int DataSet::SortElementsByNumber(Ui&) {
    markChanged();
    const auto byNumber = [](const ElementRecord& a, const ElementRecord& b) { return a.number < b.number; };
    // Element files are usually in order already; equal numbers keep their file order.
    if (!std::is_sorted(elements.begin(), elements.end(), byNumber)) {
        std::stable_sort(elements.begin(), elements.end(), byNumber);
    }
    return 0;
}

} // namespace vellum
