#pragma once
// The rules of the data-column dialog apart from its widgets: the column names its three
// lists offer, which lists take part, the rows its table lists and their texts, and what
// OK checks before the dialog may close.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace vellum {

class DataSet;
class Document;

class ColumnChoiceForm {
public:
    // The table lists at most this many rows; the choice still applies to every row.
    static constexpr size_t kMaxListedRows = 10'000;

    // Vector data start from their components, other data from the drawn column.
    explicit ColumnChoiceForm(const Document& document);
    // `starting`: the three column numbers to select (vector data) or the drawn column
    // first. A number the lists do not offer starts without a selection.
    ColumnChoiceForm(const DataSet& dataSet, int dataType, const std::array<int, 3>& starting);

    // "data1", "data2", ...: the entry at position k of every list names column k.
    const std::vector<std::string>& columnNames() const { return names_; }
    // Lists 2 and 3 choose vector components only.
    bool componentListsEnabled() const;

    // The list position selected in list 0, 1 or 2, or -1 for none.
    int selection(int list) const { return chosen_[static_cast<size_t>(list)]; }
    void select(int list, int position);
    // The three positions OK hands on (-1 where nothing is selected).
    const std::array<int, 3>& choice() const { return chosen_; }

    // The table: the data number column and one column per data column.
    size_t listedRowCount() const;
    size_t tableColumnCount() const { return names_.size() + 1; }
    std::string header(size_t column) const;
    std::string cell(size_t row, size_t column) const;

    // OK pressed: the message to show while the dialog stays open, or empty when it may close.
    std::string confirm() const;

private:
    const DataSet& dataSet_;
    int dataType_;
    std::vector<std::string> names_;
    std::array<int, 3> chosen_{-1, -1, -1};
};

} // namespace vellum
