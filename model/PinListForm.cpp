#include "model/PinListForm.h"

#include <algorithm>
#include <functional>

namespace vellum {

PinListForm::PinListForm(std::vector<ProbeTarget> pins, const DataSet& dataSet, int dataType, int column)
    : pins_(std::move(pins)), titles_(probeColumnTitles(dataType)) {
    rows_.reserve(pins_.size());
    for (const ProbeTarget& pin : pins_) rows_.push_back(probeCells(readProbe(dataSet, dataType, column, pin), dataType));
}

void PinListForm::remove(std::vector<int> rows) {
    // From the last row up, so that each erase leaves the positions still to come alone.
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows) {
        if (row < 0 || static_cast<size_t>(row) >= pins_.size()) continue;
        pins_.erase(pins_.begin() + row);
        rows_.erase(rows_.begin() + row);
    }
}

void PinListForm::removeAll() {
    pins_.clear();
    rows_.clear();
}

} // namespace vellum
