#include "common/Texts.h"
#include "common/Ui.h"
#include "data/DataSet.h"
#include "data/HugePages.h"
#include "data/LoadMessages.h"
#include "data/TextRecordReader.h"

#include <algorithm>

namespace vellum {
namespace {
constexpr const char* kNodeFileOpenFailedMessage = TX("節点ファイルのオープンに失敗しました\nファイルの有無を確認してください");
} // namespace

int DataSet::ReadNodes(Ui& ui) {
    markChanged();
    ProgressScope progress(ui, TX("節点ファイル展開中"));
    TextRecordReader reader;
    if (!reader.open(files.pointFilePath)) {
        ui.showMessage(kNodeFileOpenFailedMessage);
        return 1;
    }
    nodes.clear();
    nodeMap.clear();
    nodeCount = 0;
    progress.set(30);

    nodes.reserve(std::min(reader.recordCountBound(), kMaxNodes + 1));
    adviseHugePages(nodes);
    int32_t number = 0;
    double coordinates[3];
    size_t count = 0;
    for (;;) {
        const auto result = reader.readRealRecord(number, coordinates, 3, count);
        if (result == TextRecordReader::Result::End) break;
        if (result == TextRecordReader::Result::Overflow) {
            nodes.clear();
            reader.reportOverflow(ui);
            return 1;
        }
        if (count == 0) continue;
        NodeRecord& node = nodes.emplace_back();
        node.number = number;
        for (size_t axis = 0; axis < count; ++axis) node.coordinates[axis] = coordinates[axis];
        // One node past the limit decides the outcome; reading on would only use memory.
        if (nodes.size() > kMaxNodes) break;
    }
    // A file that breaks off while it is read is no node file to load.
    if (reader.readFailed()) {
        nodes.clear();
        ui.showMessage(kNodeFileOpenFailedMessage);
        return 1;
    }
    nodeCount = static_cast<uint32_t>(nodes.size());
    progress.set(80);

    if (nodes.size() > kMaxNodes) {
        ui.showMessage(kNodeLimitMessage);
        return 1;
    }
    for (NodeRecord& node : nodes) node.visible = 1.0;
    nodeMap.build(nodes, [](const NodeRecord& node) { return node.number; });
    progress.finish();
    return 0;
}

} // namespace vellum
