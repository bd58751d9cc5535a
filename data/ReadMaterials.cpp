#include "common/Ui.h"
#include "data/DataSet.h"
#include "data/Materials.h"
#include "data/TextRecordReader.h"

#include <algorithm>

namespace vellum {

int ReadMaterialFile(DataSet& dataSet, Ui& ui, const std::string& path, std::vector<MaterialCount>& listed,
                     MaterialFileFit* fit) {
    listed.clear();
    MaterialFileFit unused;
    MaterialFileFit& found = fit ? *fit : unused;
    found = MaterialFileFit{};
    WaitCursorScope waitCursor(ui);
    TextRecordReader reader;
    if (!reader.open(path)) {
        ui.showMessage(kMaterialFileMissingMessage);
        found.unreadable = true;
        return 1;
    }
    reader.limitLineBytes(255);

    // A file for a million elements must not search the elements once per line; the map
    // keeps the first element of a number, as a search in sequence order would find it.
    NumberMap elementMap;
    elementMap.build(dataSet.elements, [](const ElementRecord& element) { return element.number; });

    std::vector<int32_t> named;
    int32_t number = 0;
    int32_t material = 0;
    size_t valueCount = 0;
    while (reader.readIntegerRecord(number, &material, 1, valueCount) == TextRecordReader::Result::Record) {
        if (valueCount == 0) continue; // an element number alone names no material
        const uint32_t index = elementMap.find(number);
        if (index == kNoIndex) {
            if (found.unknownElements++ == 0) found.firstUnknown = number;
            continue;
        }
        dataSet.elements[index].material = material;
        // Files usually name a material for a run of elements; one entry per run is enough.
        if (named.empty() || named.back() != material) named.push_back(material);
    }
    // A file that breaks off while it is read is reported as one that could not be read.
    if (reader.readFailed()) {
        ui.showMessage(kMaterialFileMissingMessage);
        found.unreadable = true;
        return 1;
    }
    std::sort(named.begin(), named.end());
    named.erase(std::unique(named.begin(), named.end()), named.end());
    listed = CountMaterials(dataSet, named);
    return 0;
}

std::vector<MaterialCount> CountMaterials(const DataSet& dataSet, const std::vector<int32_t>& materials) {
    std::vector<MaterialCount> counts(materials.size());
    for (size_t i = 0; i < materials.size(); ++i) counts[i].material = materials[i];
    // Elements not named by the file count too, with the numbers they keep.
    for (const ElementRecord& element : dataSet.elements) {
        auto it = std::lower_bound(materials.begin(), materials.end(), element.material);
        if (it != materials.end() && *it == element.material) ++counts[size_t(it - materials.begin())].elements;
    }
    return counts;
}

std::vector<int32_t> materialNumbers(const std::vector<MaterialCount>& list) {
    std::vector<int32_t> numbers;
    numbers.reserve(list.size());
    for (const MaterialCount& entry : list) numbers.push_back(entry.material);
    return numbers;
}

} // namespace vellum
