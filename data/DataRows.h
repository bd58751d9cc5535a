#pragma once
// The data rows: a number and up to ten values each (nine from the file and the magnitude
// of vector data), stored flat. A row takes as many values as the widest row so far, not
// ten, so a million rows of one value fill 13 MB rather than 96.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vellum {

inline constexpr size_t kMaxFileColumns = 9;
inline constexpr size_t kMaxRowValues = kMaxFileColumns + 1; // plus the magnitude of vector data

// One row as its reader sees it; `values` holds at least `valueCount` entries.
struct DataRecord {
    int32_t number = 0;
    size_t valueCount = 0;
    std::span<const double> values;
};

class DataRows {
public:
    size_t size() const { return numbers_.size(); }
    bool empty() const { return numbers_.empty(); }
    // Empties the rows and gives their memory back.
    void clear();
    // Room for `rows` rows of `width` values, so that appending does not copy.
    void reserve(size_t rows, size_t width);

    // Appends a row of `count` values (at most kMaxRowValues; more are dropped).
    void append(int32_t number, const double* values, size_t count);

    DataRecord operator[](size_t row) const { return {numbers_[row], counts_[row], {rowValues(row), width_}}; }
    int32_t number(size_t row) const { return numbers_[row]; }
    size_t valueCount(size_t row) const { return counts_[row]; }
    const double* values(size_t row) const { return rowValues(row); }
    double* values(size_t row) { return values_.data() + row * width_; }
    const std::vector<int32_t>& numbers() const { return numbers_; }

    // Makes every row exactly `count` values long: longer rows lose the rest for good,
    // shorter ones are padded with 0.0.
    void setValueCount(size_t count);

private:
    const double* rowValues(size_t row) const { return values_.data() + row * width_; }
    void changeWidth(size_t width);

    std::vector<int32_t> numbers_;
    std::vector<uint8_t> counts_;
    std::vector<double> values_; // width_ per row; entries past a row's count are 0.0
    size_t width_ = 0;
};

} // namespace vellum
