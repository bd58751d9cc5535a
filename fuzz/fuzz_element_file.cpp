// Element files of any bytes over the small sheet's nodes; the first byte picks the
// shape and the data type (none, node values or element values).
#include "fuzz/FuzzSupport.h"

using namespace vellum;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t options = fuzz::takeByte(data, size);
    const std::string elements = fuzz::writeInput("fuzzed-elements.txt", fuzz::asText(data, size));
    const int dataTypes[] = {kNoDataFile, kNodeValues, kElementValues, kVectorData};
    SilentUi ui;
    Document document;
    fuzz::openGraph(document, ui, nullptr, &elements, nullptr, dataTypes[(options >> 1) & 3], options & 1, 0, 0);
    return 0;
}
