#include "data/DataRows.h"

#include "data/HugePages.h"

#include <algorithm>

namespace vellum {

void DataRows::clear() {
    numbers_ = {};
    counts_ = {};
    values_ = {};
    width_ = 0;
}

void DataRows::reserve(size_t rows, size_t width) {
    if (width > width_ && numbers_.empty()) width_ = std::min(width, kMaxRowValues);
    numbers_.reserve(rows);
    counts_.reserve(rows);
    values_.reserve(rows * width_);
    adviseHugePages(numbers_);
    adviseHugePages(counts_);
    adviseHugePages(values_);
}

void DataRows::append(int32_t number, const double* values, size_t count) {
    count = std::min(count, kMaxRowValues);
    if (count > width_) changeWidth(count);
    numbers_.push_back(number);
    counts_.push_back(static_cast<uint8_t>(count));
    values_.insert(values_.end(), values, values + count);
    values_.resize(values_.size() + (width_ - count), 0.0);
}

void DataRows::setValueCount(size_t count) {
    count = std::min(count, kMaxRowValues);
    const size_t rows = numbers_.size();
    if (count > width_) changeWidth(count);
    for (size_t row = 0; row < rows; ++row) {
        double* v = values(row);
        std::fill(v + std::min<size_t>(count, counts_[row]), v + width_, 0.0);
        counts_[row] = static_cast<uint8_t>(count);
    }
    if (count < width_) changeWidth(count);
}

// Lays the rows out anew at another width; values past the new width are dropped.
void DataRows::changeWidth(size_t width) {
    const size_t rows = numbers_.size();
    if (width < width_) {
        // Each row moves towards the front, never over a row not yet moved.
        for (size_t row = 0; row < rows; ++row)
            std::copy_n(values_.data() + row * width_, width, values_.data() + row * width);
        values_.resize(rows * width);
        values_.shrink_to_fit();
        for (uint8_t& c : counts_) c = static_cast<uint8_t>(std::min<size_t>(c, width));
    } else {
        std::vector<double> wider;
        wider.reserve(std::max(numbers_.capacity(), rows) * width);
        for (size_t row = 0; row < rows; ++row) {
            const double* v = values_.data() + row * width_;
            wider.insert(wider.end(), v, v + width_);
            wider.resize(wider.size() + (width - width_), 0.0);
        }
        values_ = std::move(wider);
    }
    width_ = width;
}

} // namespace vellum
