// STL files of any bytes, through the import.
#include "fuzz/FuzzSupport.h"

using namespace vellum;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::writeInput("fuzzed.stl", fuzz::asText(data, size));
    SilentUi ui;
    Document document;
    document.ImportStl(ui, path);
    return 0;
}
