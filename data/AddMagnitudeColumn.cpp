#include "common/Texts.h"
#include "common/Ui.h"
#include "data/ColumnStatistics.h"
#include "data/DataSet.h"
#include "data/LoadMessages.h"

#include <algorithm>
#include <cmath>

namespace vellum {

int DataSet::AddMagnitudeColumn(Ui& ui) {
    markChanged();
    // Components must come from columns every row has; anything else would read values
    // that the rows do not hold.
    bool componentsPresent = columnCount < kMaxRowValues;
    for (int32_t column : vectorColumns) {
        if (column < 0 || static_cast<uint32_t>(column) >= columnCount) componentsPresent = false;
    }
    if (!componentsPresent) {
        ui.showMessage(kVectorColumnsMissingMessage);
        return 1;
    }
    ProgressScope progress(ui, TX("ベクトルデータ解析中"));
    const size_t a = static_cast<size_t>(vectorColumns[0]);
    const size_t b = static_cast<size_t>(vectorColumns[1]);
    const size_t c = static_cast<size_t>(vectorColumns[2]);
    // Back to the column count first, so a magnitude from an earlier run is replaced.
    rows.setValueCount(columnCount + 1);
    for (size_t row = 0; row < rows.size(); ++row) {
        double* v = rows.values(row);
        v[columnCount] = std::sqrt((v[b] * v[b] + v[a] * v[a]) + v[c] * v[c]);
    }
    progress.set(30);

    const size_t statistics = columnCount + 1;
    columnMaximum.resize(statistics, 0.0);
    columnMinimum.resize(statistics, 0.0);
    columnRange.resize(statistics, 0.0);
    columnMiddle.resize(statistics, 0.0);
    ComputeColumnRange(*this, columnCount);
    progress.set(70);

    RebuildDataMap(*this);
    magnitudeColumns = vectorColumns;
    progress.set(100);
    return 0;
}

} // namespace vellum
