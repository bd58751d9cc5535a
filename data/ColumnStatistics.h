#pragma once
// Helpers that the column statistics and the magnitude column share.
#include <cstddef>

namespace vellum {

class DataSet;

// Maximum, minimum, range and middle of one value column over all rows; the statistics
// sequences must already hold an entry for the column.
void ComputeColumnRange(DataSet& dataSet, size_t column);

// Rebuilds the data map from the rows; the first row of a number wins.
void RebuildDataMap(DataSet& dataSet);

} // namespace vellum
