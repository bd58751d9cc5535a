#include "common/Ui.h"
#include "data/DataSet.h"
#include "data/LoadMessages.h"
#include "data/TextRecordReader.h"

#include <algorithm>

namespace vellum {

// The data type tells node values from element values; reading is the same for both.
int DataSet::ReadDataRows(Ui& ui, int) {
    markChanged();
    magnitudeColumns = {-1, -1, -1}; // rows about to change
    ProgressScope progress(ui, "データファイル展開中");
    TextRecordReader reader;
    if (!reader.open(files.dataFilePath)) {
        ui.showMessage("データファイルのオープンに失敗しました\nファイルの有無を確認してください");
        return 1;
    }
    rows.clear();
    dataMap.clear();
    rowCount = 0;
    progress.set(30);

    const size_t rowBound = std::min<size_t>(reader.lineCountBound(), 4 * kMaxNodes);
    int32_t number = 0;
    double values[kMaxFileColumns];
    size_t count = 0;
    for (;;) {
        const auto result = reader.readRealRecord(number, values, kMaxFileColumns, count);
        if (result == TextRecordReader::Result::End) break;
        if (result == TextRecordReader::Result::Overflow) {
            rows.clear();
            reader.reportOverflow(ui);
            return 1;
        }
        if (count == 0) continue;
        // Files give every row the same number of values as a rule: the first sets the room.
        if (rows.empty()) rows.reserve(rowBound, count);
        rows.append(number, values, count);
    }
    rowCount = static_cast<uint32_t>(rows.size());
    progress.finish();
    return 0;
}

} // namespace vellum
