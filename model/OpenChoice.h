#pragma once
// What the person confirmed in the file-open dialog: the three files and the options.
#include "common/Codes.h"

#include <string>
#include <vector>

namespace vellum {

struct OpenChoice {
    std::string pointFilePath, pointFileName;
    std::string elementFilePath, elementFileName; // empty with the automatic mesh
    std::string dataFilePath, dataFileName;       // empty without a data file
    // Several data files chosen at once: a result series in the order chosen (full paths);
    // the first is the data file above.
    std::vector<std::string> seriesPaths;
    int shape = kSheetShape;
    int dataType = kNodeValues;
    int autoMesh = 0;
    int polar = 0;
    int radians = 0;
};

} // namespace vellum
