#include "model/ColumnChoiceForm.h"

#include "common/Codes.h"
#include "common/Numbers.h"
#include "common/Texts.h"
#include "model/Document.h"

namespace vellum {

ColumnChoiceForm::ColumnChoiceForm(const Document& document)
    : ColumnChoiceForm(document.dataSet, document.options.dataType,
                       document.options.dataType == kVectorData
                           ? std::array<int, 3>{document.dataSet.vectorColumns[0], document.dataSet.vectorColumns[1],
                                                document.dataSet.vectorColumns[2]}
                           : std::array<int, 3>{document.look.selectedColumn, -1, -1}) {}

ColumnChoiceForm::ColumnChoiceForm(const DataSet& dataSet, int dataType, const std::array<int, 3>& starting)
    : dataSet_(dataSet), dataType_(dataType) {
    for (uint32_t i = 1; i <= dataSet.columnCount; ++i) names_.push_back(formatC("data%u", i));
    const int lists = componentListsEnabled() ? 3 : 1;
    for (int list = 0; list < lists; ++list) select(list, starting[static_cast<size_t>(list)]);
}

bool ColumnChoiceForm::componentListsEnabled() const { return dataType_ == kVectorData; }

void ColumnChoiceForm::select(int list, int position) {
    if (list < 0 || list > 2) return;
    const bool offered = position >= 0 && static_cast<size_t>(position) < names_.size();
    chosen_[static_cast<size_t>(list)] = offered ? position : -1;
}

size_t ColumnChoiceForm::listedRowCount() const {
    return dataSet_.rows.size() < kMaxListedRows ? dataSet_.rows.size() : kMaxListedRows;
}

std::string ColumnChoiceForm::header(size_t column) const {
    if (column == 0) return std::string(shownText(TX("接点番号")));
    return column <= names_.size() ? names_[column - 1] : std::string();
}

std::string ColumnChoiceForm::cell(size_t row, size_t column) const {
    if (row >= listedRowCount() || column >= tableColumnCount()) return {};
    const DataRecord record = dataSet_.rows[row];
    if (column == 0) return formatC("%d", record.number);
    // A row shorter than the column count shows nothing rather than stale storage.
    if (column > record.valueCount) return {};
    return formatC("%f", record.values[column - 1]);
}

std::string ColumnChoiceForm::confirm() const {
    if (!componentListsEnabled()) return {};
    for (int column : chosen_)
        if (column < 0) return TX("ベクトル成分のデータ列を３個選択してください");
    return {};
}

} // namespace vellum
