#pragma once
// What the fuzz targets share: a scratch folder for the files a reader opens by path, a
// small graph to load against, and a Ui that keeps quiet.
#include "model/Document.h"
#include "common/SilentUi.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vellum::fuzz {

// The input as a file named `name` in this process's scratch folder; returns its path.
std::string writeInput(const std::string& name, std::string_view bytes);

// The scratch folder, ending in "/". It also holds the small graph's files below.
const std::string& scratchFolder();

// A 3 x 3 sheet: nodes 1 to 9, four quadrilaterals, two columns per node and per element.
inline constexpr const char* kSheetNodes = "1 0 0 0\n2 1 0 0\n3 2 0 0\n4 0 1 0\n5 1 1 0\n6 2 1 0\n7 0 2 1\n8 1 2 1\n9 2 2 1\n";
inline constexpr const char* kSheetElements = "1 1 2 5 4\n2 2 3 6 5\n3 4 5 8 7\n4 5 6 9 8\n";
inline constexpr const char* kSheetNodeValues = "1 1 10 3\n2 2 20 3\n3 3 30 3\n4 4 40 3\n5 5 50 3\n6 6 60 3\n"
                                           "7 7 70 3\n8 8 80 3\n9 9 -90 3\n";
inline constexpr const char* kSheetElementValues = "1 1 5\n2 2 6\n3 3 7\n4 4 8\n";

// Loads the graph of the files given (null: the small graph's own file) through the open
// command's load. 0 when it loaded.
int openGraph(Document& document, Ui& ui, const std::string* nodes, const std::string* elements,
              const std::string* data, int dataType, int shape, int autoMesh, int polar);

// Takes one byte off the front of the input for a target's options (0 when empty).
inline uint8_t takeByte(const uint8_t*& data, size_t& size) {
    if (size == 0) return 0;
    --size;
    return *data++;
}

inline std::string_view asText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace vellum::fuzz
