#pragma once
// Running a command-line file: the batch counterpart of the open command's load sequence,
// with its own order and its own messages.
#include <array>
#include <string>

namespace vellum {

class DataSet;
struct BatchView;

// Runs the file named by dataSet.files.commandFilePath. 0 on success; 1 after the run
// has shown its message (callers show none). Whatever earlier steps loaded stays; the
// caller sets the loaded flag from the result.
int RunCommandLineFile(BatchView& batch);

// Imports the STL file named by dataSet.files.stlFilePath: the look goes back to its
// defaults, the surface becomes node values coloured by x. 0 on success, 1 on failure;
// the loaded flag follows the result.
int RunStlImport(BatchView& batch);

// True when `extension` (with its dot) names an STL file, in any case.
bool isStlExtension(const std::string& extension);

} // namespace vellum
