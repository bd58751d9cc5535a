#include "common/Texts.h"
#include "common/Ui.h"
#include "data/ColumnStatistics.h"
#include "data/DataSet.h"

#include <algorithm>

namespace vellum {

void ComputeColumnRange(DataSet& dataSet, size_t column) {
    if (dataSet.rows.empty()) return;
    const DataRows& rows = dataSet.rows;
    double maximum = rows.values(0)[column];
    double minimum = maximum;
    for (size_t row = 0; row < rows.size(); ++row) {
        const double value = rows.values(row)[column];
        if (value > maximum) {
            maximum = value;
        } else if (value < minimum) {
            minimum = value;
        }
    }
    dataSet.columnMaximum[column] = maximum;
    dataSet.columnMinimum[column] = minimum;
    dataSet.columnRange[column] = maximum - minimum;
    dataSet.columnMiddle[column] = (maximum + minimum) * 0.5;
}

void RebuildDataMap(DataSet& dataSet) {
    dataSet.dataMap.build(dataSet.rows.numbers(), [](int32_t number) { return number; });
}

int DataSet::ComputeColumnStatistics(Ui& ui, int) {
    markChanged();
    ProgressScope progress(ui, TX("データ値解析中"));
    // The column count is the shortest row's length; longer rows lose their extra values.
    size_t count = rows.empty() ? 0 : rows.valueCount(0);
    for (size_t row = 0; row < rows.size(); ++row) count = std::min(count, rows.valueCount(row));
    columnCount = static_cast<uint32_t>(count);
    progress.set(30);

    rows.setValueCount(count);
    progress.set(50);

    columnMaximum.assign(count, 0.0);
    columnMinimum.assign(count, 0.0);
    columnRange.assign(count, 0.0);
    columnMiddle.assign(count, 0.0);
    for (size_t column = 0; column < count; ++column) ComputeColumnRange(*this, column);
    progress.set(90);

    // The rows' numbers have not changed since they were read: the map made then serves.
    if (!dataMapOfRows_) RebuildDataMap(*this);
    dataMapOfRows_ = false;
    progress.set(100);
    return 0;
}

} // namespace vellum
