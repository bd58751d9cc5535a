#include "cli/RunSummary.h"

#include "common/Numbers.h"
#include "model/Document.h"
#include "model/ProbeReading.h"

#include <algorithm>
#include <cmath>

namespace vellum {
namespace {

std::string jsonNumber(double value) {
    // JSON has no infinity or NaN; statistics of an empty column may hold them.
    return std::isfinite(value) ? formatShortest(value) : "null";
}

std::string triple(const std::array<double, 3>& v) {
    return "[" + jsonNumber(v[0]) + ", " + jsonNumber(v[1]) + ", " + jsonNumber(v[2]) + "]";
}

} // namespace

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) out += formatC("\\u%04x", c);
            else out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string formatRunSummary(const Document& document, const std::string& imageFile) {
    const DataSet& dataSet = document.dataSet;
    const RunOptions& options = document.options;
    const int selectedColumn = document.look.selectedColumn;
    const FileSet& f = dataSet.files;
    const bool loaded = document.loaded != 0;
    std::string s = "{";
    s += "\"nodeFile\": " + jsonString(f.pointFilePath);
    s += ", \"elementFile\": " + jsonString(f.elementFileName.empty() ? std::string() : f.elementFilePath);
    s += ", \"dataFile\": " + jsonString(f.dataFileName.empty() ? std::string() : f.dataFilePath);
    s += ", \"viewFile\": " + jsonString(f.viewFileName.empty() ? std::string() : f.viewFilePath);
    s += ", \"imageFile\": " + jsonString(imageFile);
    s += formatC(", \"nodes\": %zu, \"elements\": %zu, \"dataRows\": %zu", dataSet.nodes.size(),
                 dataSet.elements.size(), dataSet.rows.size());
    s += formatC(", \"dataType\": %d, \"shape\": %d, \"columnCount\": %u", options.dataType, options.shape,
                 dataSet.columnCount);
    s += ", \"min\": " + triple(dataSet.minimum);
    s += ", \"max\": " + triple(dataSet.maximum);
    s += ", \"columns\": [";
    const size_t columns = std::min(dataSet.columnMaximum.size(), dataSet.columnMinimum.size());
    for (size_t i = 0; i < columns; ++i) {
        if (i > 0) s += ", ";
        s += "{\"min\": " + jsonNumber(dataSet.columnMinimum[i]) + ", \"max\": " + jsonNumber(dataSet.columnMaximum[i]) + "}";
    }
    s += "]";
    s += formatC(", \"selectedColumn\": %d, \"vectorColumns\": [%d, %d, %d]", selectedColumn,
                 dataSet.vectorColumns[0], dataSet.vectorColumns[1], dataSet.vectorColumns[2]);
    s += ", \"extremes\": " + (loaded ? extremesJson(dataSet, options.dataType, selectedColumn) : std::string("null"));
    s += loaded ? ", \"loaded\": true" : ", \"loaded\": false";
    s += "}";
    return s;
}

} // namespace vellum
