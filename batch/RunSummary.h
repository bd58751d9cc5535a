#pragma once
// What a run loaded, as one JSON object for scripts that drive the headless program.
#include <string>

namespace vellum {

class DataSet;
struct RunOptions;

// `selectedColumn` is the view's selected data column; `imageFile` is the full path of the image written (empty when none). Numbers are written
// so that they read back exactly.
std::string formatRunSummary(const DataSet& dataSet, const RunOptions& options, int selectedColumn,
                             const std::string& imageFile);

// A JSON string literal for UTF-8 text, quotes included.
std::string jsonString(const std::string& text);

} // namespace vellum
