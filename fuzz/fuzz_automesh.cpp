// The automatic mesh over node files of any bytes; the first byte picks the shape and
// polar coordinates (the mesh is made before the polar conversion).
#include "fuzz/FuzzSupport.h"

using namespace vellum;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t options = fuzz::takeByte(data, size);
    const std::string nodes = fuzz::writeInput("fuzzed-mesh-nodes.txt", fuzz::asText(data, size));
    SilentUi ui;
    Document document;
    fuzz::openGraph(document, ui, &nodes, nullptr, nullptr, kNoDataFile, options & 1, 1, options >> 1);
    return 0;
}
