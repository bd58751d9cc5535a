#pragma once
// The steps of a result series on the loaded mesh: checking that a step fits the mesh, and
// the smallest and largest value of the shown column over every step, found one step at a
// time so that no step is kept in memory. Both run off the person's thread (no Ui).
#include "batch/DataSeries.h"
#include "data/DataSet.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace vellum {

// The numbers a step must have a row for: the nodes', or the elements' for element values.
// A copy, so that a check on another thread never reads the mesh while it changes.
std::vector<int32_t> seriesStepNumbers(const DataSet& mesh, int dataType);

// Why the data file at `path` cannot be a step for these numbers and this data type (it
// cannot be read, holds no row, or a number has no row), or empty when it fits.
std::string checkSeriesStep(const std::vector<int32_t>& numbers, int dataType, const std::string& path);
inline std::string checkSeriesStep(const DataSet& mesh, int dataType, const std::string& path) {
    return checkSeriesStep(seriesStepNumbers(mesh, dataType), dataType, path);
}

struct SeriesRange {
    bool found = false;
    double minimum = 0.0, maximum = 0.0;
    friend bool operator==(const SeriesRange&, const SeriesRange&) = default;
};

// The range of the shown column over every step, as each step's own statistics would
// give it (vector data: the magnitude of `vectorColumns`). `progress`, when given, hears
// the number of steps done and may stop the pass by returning false.
SeriesRange seriesRange(const std::vector<SeriesStep>& steps, int dataType, int column,
                        const std::array<int32_t, 3>& vectorColumns,
                        const std::function<bool(size_t)>& progress = {});

// The series a document holds: its steps, the one shown, and the fixed range once found.
struct ResultSeries {
    std::vector<std::string> patterns; // as the job named them, for writing them back
    std::vector<SeriesStep> steps;
    size_t shown = 0;
    SeriesRange fixed;     // found for `fixedColumn` of `fixedDataType`
    int fixedColumn = -1;
    bool empty() const { return steps.empty(); }
};

} // namespace vellum
