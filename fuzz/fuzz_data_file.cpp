// Data files of any bytes over the small sheet; the first byte picks the data type and,
// for vectors, moves the component columns; a loaded graph then shows every column.
#include "fuzz/FuzzSupport.h"

using namespace vellum;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t options = fuzz::takeByte(data, size);
    const std::string rows = fuzz::writeInput("fuzzed-data.txt", fuzz::asText(data, size));
    const int dataType = options % 3;
    SilentUi ui;
    Document document;
    document.dataSet.vectorColumns = {(options >> 2) & 7, 1, (options >> 5) - 1};
    if (fuzz::openGraph(document, ui, nullptr, nullptr, &rows, dataType, 0, 0, 0) != 0) return 0;
    for (int column = -1; column <= static_cast<int>(document.dataSet.columnCount) + 1; ++column)
        document.SelectColumn(ui, column);
    return 0;
}
