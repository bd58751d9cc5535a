#pragma once
// Writing the mesh back out as node and element files that the readers accept.
#include <string>

namespace vellum {

class DataSet;
class Ui;

// The node file text: "number\tx\ty\tz" per node, six decimals, in sequence order. The
// coordinates are those held after loading, so polar data comes out as x and y.
std::string formatNodeFile(const DataSet& dataSet);

// The element file text: "number\tnode\tnode..." per element, in sequence order.
std::string formatElementFile(const DataSet& dataSet);

// The export commands: the data set's node (or element) file becomes `path`, so that a
// command-line file written next names it, and the file is written (CP932 is plain ASCII
// here). 0 on success; 1 after "データエクスポートに失敗しました".
int exportNodeFile(DataSet& dataSet, const std::string& path, Ui& ui);
int exportElementFile(DataSet& dataSet, const std::string& path, Ui& ui);

} // namespace vellum
