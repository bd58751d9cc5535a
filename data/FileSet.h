#pragma once
#include <string>
#include <vector>

namespace vellum {

// The paths (full) and names (as given) of the current graph's files.
struct FileSet {
    std::string pointFilePath, pointFileName;
    std::string elementFilePath, elementFileName; // empty name: automatic mesh
    std::string dataFilePath, dataFileName;       // empty name: no data file
    std::string viewFilePath, viewFileName;
    std::string commandFilePath;
    std::string argumentExtension;
    std::string stlFilePath, stlFileName, stlExtension;
    std::string imageFilePath, imageFileName, imageExtension;
    std::string materialFilePath, materialFileName;
    // A result series: the patterns its steps were named by, as given; empty for none.
    std::vector<std::string> seriesPatterns;
    std::vector<std::string> seriesPatternPaths; // each in the folder it was found in
};

// The graph is a surface imported from an STL file: it has no node file.
inline bool isStlModel(const FileSet& f) { return f.pointFileName.empty() && !f.stlFileName.empty(); }

} // namespace vellum
