#pragma once
// The command-line file: key and value lines that name a graph's files and options.
#include "batch/RunOptions.h"

#include <string>
#include <string_view>

namespace vellum {

class DataSet;
class Ui;
class ViewSettings;

// Lines longer than this (not counting the line end) are skipped whole.
inline constexpr size_t kMaxCommandLineLength = 4095;

struct CommandLineParse {
    bool pointFileKeySeen = false; // a PointFile key occurred, with or without a value
};

// What a run starts from: every name and option a command-line file can set, empty or at
// its default (no image, no element file so an automatic mesh only when the file leaves it
// out, no data or look file, no automatic exit). A job then depends on its own lines
// alone, never on the run or the export before it. The open dialog's automatic-mesh
// choice is not the file's to set and stays.
void clearCommandLineTargets(RunOptions& options, DataSet& dataSet, ViewSettings& view);

// Applies the lines of a command-line file (the file's bytes, CP932 or UTF-8) to the run
// options, the selected data column and the data set's polar flags, vector columns and
// file names. A line that is too long is skipped with a message naming `fileName` and
// its line number.
CommandLineParse applyCommandLineText(std::string_view bytes, RunOptions& options, DataSet& dataSet,
                                      ViewSettings& view, Ui& ui, const std::string& fileName);

// The text (UTF-8) that describes the current graph as a command-line file. With
// `fullPath` set files are named by their full paths, otherwise by their names. A model
// imported from an STL file (no node file, an STL file) is named by an StlFile line in
// place of the node, element and data lines.
std::string formatCommandLineFile(const RunOptions& options, const DataSet& dataSet, int selectedColumn,
                                  int fullPath);

// Writes the graph as a command-line file in CP932. With neither a node file nor an STL
// file nothing is written (returns 1). The old file is replaced only once the new one is complete.
int writeCommandLineFile(const std::string& path, const RunOptions& options, const DataSet& dataSet,
                         int selectedColumn, int fullPath, Ui& ui);

} // namespace vellum
