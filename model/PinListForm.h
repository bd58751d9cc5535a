#pragma once
// The rules of the pinned-probe dialog "ピン留めした値", apart from its widgets: its own copy
// of the pins, the cells each row shows, and what the delete buttons do to the list.
#include "model/ProbeReading.h"

#include <string>
#include <vector>

namespace vellum {

class DataSet;

class PinListForm {
public:
    // The rows read the pins on `dataSet` for the data type and the shown column.
    PinListForm(std::vector<ProbeTarget> pins, const DataSet& dataSet, int dataType, int column);

    const std::vector<std::string>& titles() const { return titles_; }
    size_t rowCount() const { return pins_.size(); }
    const std::vector<std::string>& cells(size_t row) const { return rows_.at(row); }

    // "削除": the rows named go, whatever their order; repeats and rows that are not there
    // are ignored.
    void remove(std::vector<int> rows);
    // "すべて削除".
    void removeAll();

    // OK: the pins that remain, in the order pinned.
    const std::vector<ProbeTarget>& pins() const { return pins_; }

private:
    std::vector<ProbeTarget> pins_;
    std::vector<std::vector<std::string>> rows_;
    std::vector<std::string> titles_;
};

} // namespace vellum
