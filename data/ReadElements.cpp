#include "common/Ui.h"
#include "data/DataSet.h"
#include "data/LoadMessages.h"
#include "data/TextRecordReader.h"

#include <algorithm>

namespace vellum {

int DataSet::ReadElements(Ui& ui) {
    markChanged();
    ProgressScope progress(ui, "要素ファイル展開中");
    TextRecordReader reader;
    if (!reader.open(files.elementFilePath)) {
        ui.showMessage("要素ファイルのオープンに失敗しました\nファイルの有無を確認してください");
        return 1;
    }
    elements.clear();
    elementCount = 0;
    progress.set(30);

    elements.reserve(std::min<size_t>(reader.lineCountBound(), 4 * kMaxNodes));
    int32_t number = 0;
    int32_t nodeNumbers[kMaxElementNodes];
    size_t count = 0;
    while (reader.readIntegerRecord(number, nodeNumbers, kMaxElementNodes, count) ==
           TextRecordReader::Result::Record) {
        if (count == 0) continue;
        ElementRecord element;
        element.number = number;
        for (size_t i = 0; i < count; ++i) {
            const uint32_t index = nodeMap.find(nodeNumbers[i]);
            if (index == kNoIndex) {
                elementCount = static_cast<uint32_t>(elements.size());
                missingNodeNumber = nodeNumbers[i];
                ui.showMessage(kNodeReferenceMessage);
                return 1;
            }
            element.nodes[i] = index;
        }
        element.nodeCount = static_cast<uint8_t>(count);
        elements.push_back(element);
    }
    elementCount = static_cast<uint32_t>(elements.size());
    progress.set(80);

    for (ElementRecord& element : elements) element.visible = 1.0;
    progress.finish();
    return 0;
}

} // namespace vellum
