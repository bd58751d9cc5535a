#pragma once
// The element and data files parsed apart from the data set, on any thread. The loading
// step applies a parse later, in the load's own order, with the messages and the results
// a step that read the file itself would give: reading and parsing is the slow part of a
// large load, and the files do not depend on each other until their steps tie them.
#include "data/DataSet.h"

#include <string>
#include <vector>

namespace vellum {

struct ParsedElements {
    bool opened = false;
    // Node lists hold the node numbers of the file until the step resolves them.
    std::vector<ElementRecord> elements;
};
ParsedElements parseElementFile(const std::string& path);

struct ParsedDataRows {
    bool opened = false;
    DataRows rows;
    // The rows' numbers mapped to their indices, built on the parsing thread.
    NumberMap numberMap;
    std::string overflowMessage; // a value beyond a double, naming the file and the line
};
ParsedDataRows parseDataFile(const std::string& path);

} // namespace vellum
