#include "common/Texts.h"
#include "common/Ui.h"
#include "data/DataSet.h"
#include "data/HugePages.h"
#include "data/LoadMessages.h"
#include "data/ParsedFiles.h"
#include "data/TextRecordReader.h"

#include <algorithm>

namespace vellum {

ParsedElements parseElementFile(const std::string& path) {
    ParsedElements parsed;
    TextRecordReader reader;
    if (!reader.open(path)) return parsed;
    parsed.opened = true;
    std::vector<ElementRecord>& elements = parsed.elements;
    elements.reserve(std::min<size_t>(reader.recordCountBound(), 4 * kMaxNodes));
    adviseHugePages(elements);
    int32_t number = 0;
    int32_t nodeNumbers[kMaxElementNodes];
    size_t count = 0;
    while (reader.readIntegerRecord(number, nodeNumbers, kMaxElementNodes, count) ==
           TextRecordReader::Result::Record) {
        if (count == 0) continue;
        ElementRecord& element = elements.emplace_back();
        element.number = number;
        for (size_t i = 0; i < count; ++i) element.nodes[i] = static_cast<uint32_t>(nodeNumbers[i]);
        element.nodeCount = static_cast<uint8_t>(count);
    }
    // A file that breaks off while it is read counts as one that could not be opened.
    if (reader.readFailed()) return ParsedElements{};
    return parsed;
}

int DataSet::ReadElements(Ui& ui) {
    return ReadElements(ui, [this] { return parseElementFile(files.elementFilePath); });
}

int DataSet::ReadElements(Ui& ui, const std::function<ParsedElements()>& parse) {
    markChanged();
    ProgressScope progress(ui, TX("要素ファイル展開中"));
    ParsedElements parsed = parse();
    if (!parsed.opened) {
        ui.showMessage(TX("要素ファイルのオープンに失敗しました\nファイルの有無を確認してください"));
        return 1;
    }
    elements = std::move(parsed.elements);
    elementCount = 0;
    progress.set(30);

    // Node numbers become node indices; the first number no node has ends the step, and
    // the elements before its element stay.
    for (size_t e = 0; e < elements.size(); ++e) {
        ElementRecord& element = elements[e];
        for (size_t i = 0; i < element.nodeCount; ++i) {
            const auto nodeNumber = static_cast<int32_t>(element.nodes[i]);
            const uint32_t index = nodeMap.find(nodeNumber);
            if (index == kNoIndex) {
                elements.resize(e);
                elementCount = static_cast<uint32_t>(elements.size());
                missingNodeNumber = nodeNumber;
                ui.showMessage(kNodeReferenceMessage);
                return 1;
            }
            element.nodes[i] = index;
        }
    }
    elementCount = static_cast<uint32_t>(elements.size());
    progress.set(80);

    for (ElementRecord& element : elements) element.visible = 1.0;
    progress.finish();
    return 0;
}

} // namespace vellum
