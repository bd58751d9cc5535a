// Node files of any bytes, loaded with a fixed element file; the first byte picks polar
// coordinates and radians.
#include "fuzz/FuzzSupport.h"

using namespace vellum;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t options = fuzz::takeByte(data, size);
    const std::string nodes = fuzz::writeInput("fuzzed-nodes.txt", fuzz::asText(data, size));
    const std::string elements = fuzz::writeInput("fuzzed-nodes-elements.txt", "1 1 2 3\n2 2 3 4 5\n7 1\n");
    SilentUi ui;
    Document document;
    fuzz::openGraph(document, ui, &nodes, &elements, nullptr, kNoDataFile, options & 1, 0, options >> 1);
    return 0;
}
