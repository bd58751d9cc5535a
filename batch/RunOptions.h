#pragma once
// The options a load or a command-line run leaves behind for the next one. Every value
// keeps its setting from run to run until something sets it again. The selected data
// column is the look record's `selectedColumn`.
#include "common/Codes.h"

namespace vellum {

struct RunOptions {
    int shape = kSheetShape;    // 0 two-dimensional shape (a sheet), 1 three-dimensional (a solid)
    int dataType = kNodeValues; // 0 node values, 1 element values, 2 vector data, 3 no data file
    int autoMesh = 0;           // the open dialog's choice: build the elements from the nodes
    int polarDefault = 0;       // the open dialog's polar flag (the data set holds its own copy)
    int radiansDefault = 0;     // the open dialog's radians flag (likewise)
    int exitFlag = 0;           // non-zero: the program exits after a successful run

    friend bool operator==(const RunOptions&, const RunOptions&) = default;
};

} // namespace vellum
