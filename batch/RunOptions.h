#pragma once
// The options a load or a command-line run leaves behind for the next one. Every value
// keeps its setting from run to run until something sets it again. The selected data
// column is the view settings' own `selectedColumn`.
namespace vellum {

struct RunOptions {
    int shape = 0;          // 0 two-dimensional shape (a sheet), 1 three-dimensional (a solid)
    int dataType = 0;       // 0 node values, 1 element values, 2 vector data, 3 no data file
    int polarDefault = 0;   // the open dialog's polar flag (the data set holds its own copy)
    int radiansDefault = 0; // the open dialog's radians flag (likewise)
    int exitFlag = 0;       // non-zero: the program exits after a successful run
    int loaded = 0;         // 1 after a successful load or run, 0 after a failed one
    int fullPath = 0;       // written command-line files name files by full path
};

} // namespace vellum
