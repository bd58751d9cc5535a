// Material files of any bytes over the small sheet's elements; the listed materials are
// then hidden, which runs the visibility passes.
#include "fuzz/FuzzSupport.h"

#include "data/Materials.h"

using namespace vellum;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SilentUi ui;
    static Document document;
    static const bool loaded = fuzz::openGraph(document, ui, nullptr, nullptr, nullptr, kNodeValues, 0, 0, 0) == 0;
    if (!loaded) __builtin_trap();
    const std::string path = fuzz::writeInput("fuzzed-materials.txt", fuzz::asText(data, size));
    std::vector<MaterialCount> listed;
    if (document.ReadMaterialFile(ui, path, listed) != 0) return 0;
    MaterialChoice choice;
    choice.path = path;
    choice.hidden = listed;
    document.ApplySpecificElements(ui, choice);
    return 0;
}
