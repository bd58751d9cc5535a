#include "model/ResultSeries.h"

#include "common/Codes.h"
#include "common/Numbers.h"
#include "common/Texts.h"
#include "data/ParsedFiles.h"

#include <algorithm>
#include <cmath>

namespace vellum {
namespace {

// The shortest row's length: the columns every row has, as the statistics count them.
size_t sharedColumns(const DataRows& rows) {
    size_t count = rows.empty() ? 0 : rows.valueCount(0);
    for (size_t row = 0; row < rows.size(); ++row) count = std::min(count, rows.valueCount(row));
    return count;
}

} // namespace

std::vector<int32_t> seriesStepNumbers(const DataSet& mesh, int dataType) {
    std::vector<int32_t> numbers;
    if (dataType == kElementValues) {
        numbers.reserve(mesh.elements.size());
        for (const ElementRecord& element : mesh.elements) numbers.push_back(element.number);
    } else {
        numbers.reserve(mesh.nodes.size());
        for (const NodeRecord& node : mesh.nodes) numbers.push_back(node.number);
    }
    return numbers;
}

std::string checkSeriesStep(const std::vector<int32_t>& numbers, int dataType, const std::string& path) {
    const ParsedDataRows parsed = parseDataFile(path);
    if (!parsed.opened) return std::string(shownText(TX("ファイルが開けません")));
    if (!parsed.overflowMessage.empty()) return parsed.overflowMessage;
    if (parsed.rows.empty()) return std::string(shownText(TX("データ値がありません")));
    NumberMap rows;
    rows.build(parsed.rows.numbers(), [](int32_t number) { return number; });
    const char* missing = dataType == kElementValues ? TX("要素番号 %1 のデータがありません") : TX("節点番号 %1 のデータがありません");
    for (const int32_t number : numbers)
        if (rows.find(number) == kNoIndex) return shownText(missing, {std::to_string(number)});
    if (dataType == kVectorData && sharedColumns(parsed.rows) < 3)
        return std::string(shownText(TX("ベクトル成分のデータ列が足りません")));
    return {};
}

SeriesRange seriesRange(const std::vector<SeriesStep>& steps, int dataType, int column,
                        const std::array<int32_t, 3>& vectorColumns, const std::function<bool(size_t)>& progress) {
    SeriesRange range;
    for (size_t s = 0; s < steps.size(); ++s) {
        const ParsedDataRows parsed = parseDataFile(steps[s].path);
        const size_t columns = sharedColumns(parsed.rows);
        auto widen = [&](double value) {
            if (!std::isfinite(value)) return;
            range.minimum = range.found ? std::min(range.minimum, value) : value;
            range.maximum = range.found ? std::max(range.maximum, value) : value;
            range.found = true;
        };
        if (dataType == kVectorData) {
            std::array<size_t, 3> c{};
            bool present = true;
            for (size_t i = 0; i < 3; ++i) {
                // As the load does: a component the file lacks falls back to its own place.
                const int32_t wanted = vectorColumns[i];
                c[i] = wanted >= 0 && size_t(wanted) < columns ? size_t(wanted) : i;
                present = present && c[i] < columns;
            }
            if (present)
                for (size_t row = 0; row < parsed.rows.size(); ++row) {
                    const double* v = parsed.rows.values(row);
                    widen(std::sqrt((v[c[1]] * v[c[1]] + v[c[0]] * v[c[0]]) + v[c[2]] * v[c[2]]));
                }
        } else if (column >= 0 && size_t(column) < columns) {
            for (size_t row = 0; row < parsed.rows.size(); ++row) widen(parsed.rows.values(row)[column]);
        }
        if (progress && !progress(s + 1)) return SeriesRange{};
    }
    return range;
}

} // namespace vellum
