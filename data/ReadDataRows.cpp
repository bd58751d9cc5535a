#include "common/Texts.h"
#include "common/Ui.h"
#include "data/DataSet.h"
#include "data/LoadMessages.h"
#include "data/ParsedFiles.h"
#include "data/TextRecordReader.h"

#include <algorithm>

namespace vellum {

ParsedDataRows parseDataFile(const std::string& path) {
    ParsedDataRows parsed;
    TextRecordReader reader;
    if (!reader.open(path)) return parsed;
    parsed.opened = true;
    const size_t rowBound = std::min<size_t>(reader.recordCountBound(), 4 * kMaxNodes);
    int32_t number = 0;
    double values[kMaxFileColumns];
    size_t count = 0;
    for (;;) {
        const auto result = reader.readRealRecord(number, values, kMaxFileColumns, count);
        if (result == TextRecordReader::Result::End) break;
        if (result == TextRecordReader::Result::Overflow) {
            parsed.rows.clear();
            parsed.overflowMessage = reader.overflowMessage();
            break;
        }
        if (count == 0) continue;
        // Files give every row the same number of values as a rule: the first sets the room.
        if (parsed.rows.empty()) parsed.rows.reserve(rowBound, count);
        parsed.rows.append(number, values, count);
    }
    // A file that breaks off while it is read counts as one that could not be opened.
    if (reader.readFailed()) return ParsedDataRows{};
    if (!parsed.rows.empty()) parsed.numberMap.build(parsed.rows.numbers(), [](int32_t number) { return number; });
    return parsed;
}

int DataSet::ReadDataRows(Ui& ui, int dataType) {
    return ReadDataRows(ui, dataType, [this] { return parseDataFile(files.dataFilePath); });
}

// The data type tells node values from element values; reading is the same for both.
int DataSet::ReadDataRows(Ui& ui, int, const std::function<ParsedDataRows()>& parse) {
    markChanged();
    magnitudeColumns = {-1, -1, -1}; // rows about to change
    dataMapOfRows_ = false;
    ProgressScope progress(ui, TX("データファイル展開中"));
    ParsedDataRows parsed = parse();
    if (!parsed.opened) {
        ui.showMessage(TX("データファイルのオープンに失敗しました\nファイルの有無を確認してください"));
        return 1;
    }
    dataMap.clear();
    rowCount = 0;
    progress.set(30);

    rows = std::move(parsed.rows);
    if (!parsed.overflowMessage.empty()) {
        rows.clear();
        ui.showMessage(parsed.overflowMessage);
        return 1;
    }
    dataMap = std::move(parsed.numberMap);
    dataMapOfRows_ = !rows.empty();
    rowCount = static_cast<uint32_t>(rows.size());
    progress.finish();
    return 0;
}

} // namespace vellum
