#pragma once
// Material numbers: a material file names them per element, and the specific-element
// display lists every material with the number of its elements.
#include <cstdint>
#include <string>
#include <vector>

#include "common/Texts.h"

namespace vellum {

class DataSet;
class Ui;

struct MaterialCount {
    int32_t material = 0;
    int32_t elements = 0; // elements of the whole data set with this material number

    friend bool operator==(const MaterialCount&, const MaterialCount&) = default;
};

inline constexpr const char* kMaterialFileMissingMessage = TX("ファイルが見つかりません");

// How a material file fits the elements it was read onto: lines naming an element number
// the model does not have mean the file was written for another model.
struct MaterialFileFit {
    size_t unknownElements = 0; // lines whose element number no element has
    int32_t firstUnknown = 0;   // the first such element number
    bool unreadable = false;    // the file could not be read at all

    friend bool operator==(const MaterialFileFit&, const MaterialFileFit&) = default;
};

// Reads the material file at `path`: each line names an element number and its material
// number (further tokens ignored; only the first 255 bytes of a line count). The first
// element of a number takes the material; lines naming no element change nothing.
// `listed` gets the material numbers the file named, ascending and once each, with their
// element counts. 1 after the message when the file cannot be opened (`listed` empty).
// `fit`, when given, says how the file fits the elements.
int ReadMaterialFile(DataSet& dataSet, Ui& ui, const std::string& path, std::vector<MaterialCount>& listed,
                     MaterialFileFit* fit = nullptr);

// The element counts of these material numbers (ascending, no repeats) over all elements.
std::vector<MaterialCount> CountMaterials(const DataSet& dataSet, const std::vector<int32_t>& materials);

// The material numbers of a list, in its order.
std::vector<int32_t> materialNumbers(const std::vector<MaterialCount>& list);

} // namespace vellum
