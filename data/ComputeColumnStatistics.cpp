#include "common/Ui.h"
#include "data/ColumnStatistics.h"
#include "data/DataSet.h"

#include <algorithm>

namespace vellum {

void ComputeColumnRange(DataSet& dataSet, size_t column) {
    if (dataSet.rows.empty()) return;
    double maximum = dataSet.rows.front().values[column];
    double minimum = maximum;
    for (const DataRecord& row : dataSet.rows) {
        const double value = row.values[column];
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
    dataSet.dataMap.build(dataSet.rows, [](const DataRecord& row) { return row.number; });
}

int DataSet::ComputeColumnStatistics(Ui& ui, int) {
    markChanged();
    ProgressScope progress(ui, "データ値解析中");
    // The column count is the shortest row's length; longer rows lose their extra values.
    uint32_t count = rows.empty() ? 0 : rows.front().valueCount;
    for (const DataRecord& row : rows) count = std::min<uint32_t>(count, row.valueCount);
    columnCount = count;
    progress.set(30);

    for (DataRecord& row : rows) {
        std::fill(row.values.begin() + count, row.values.end(), 0.0);
        row.valueCount = static_cast<uint8_t>(count);
    }
    progress.set(50);

    columnMaximum.assign(count, 0.0);
    columnMinimum.assign(count, 0.0);
    columnRange.assign(count, 0.0);
    columnMiddle.assign(count, 0.0);
    for (size_t column = 0; column < count; ++column) ComputeColumnRange(*this, column);
    progress.set(90);

    RebuildDataMap(*this);
    progress.set(100);
    return 0;
}

} // namespace vellum
