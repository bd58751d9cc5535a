#include "data/Visibility.h"

#include "common/Texts.h"
#include "common/Ui.h"
#include "data/DataSet.h"

#include <algorithm>

namespace vellum {
namespace {

constexpr std::string_view kRebuildCaption = TX("要素定義再構築中");

bool insideBox(const NodeRecord& node, const std::array<double, 6>& box) {
    for (size_t axis = 0; axis < 3; ++axis) {
        const double value = node.coordinates[axis];
        if (value < box[axis * 2] || value > box[axis * 2 + 1]) return false;
    }
    return true;
}

bool anyNodeHidden(const ElementRecord& element, const std::vector<NodeRecord>& nodes) {
    for (uint8_t i = 0; i < element.nodeCount && i < kMaxElementNodes; ++i) {
        const uint32_t index = element.nodes[i];
        if (index >= nodes.size() || nodes[index].visible == 0.0) return true;
    }
    return false;
}

} // namespace

void RunSectionPass(DataSet& dataSet, Ui& ui) {
    dataSet.markChanged();
    ProgressScope progress(ui, kRebuildCaption);
    for (NodeRecord& node : dataSet.nodes) node.visible = insideBox(node, dataSet.sectionBox) ? 1.0 : 0.0;
    progress.set(10);

    const size_t count = dataSet.elements.size();
    const size_t quarter = count / 4;
    int position = 0;
    for (size_t i = 0; i < count; ++i) {
        ElementRecord& element = dataSet.elements[i];
        element.visible = anyNodeHidden(element, dataSet.nodes) ? 0.0 : 1.0;
        if (count > 4 && i % quarter == 0 && position <= 80) {
            progress.set(position);
            position += 20;
        }
    }
    if (count <= 4) progress.set(80);
    progress.set(100);
}

void RunSpecificElementPass(DataSet& dataSet, Ui& ui, const std::vector<int32_t>& hiddenMaterials) {
    dataSet.markChanged();
    ProgressScope progress(ui, kRebuildCaption);
    std::vector<int32_t> hidden(hiddenMaterials);
    std::sort(hidden.begin(), hidden.end());

    const size_t count = dataSet.elements.size();
    const size_t quarter = count / 4;
    int position = 0;
    bool hidAny = false;
    for (size_t i = 0; i < count; ++i) {
        ElementRecord& element = dataSet.elements[i];
        if (std::binary_search(hidden.begin(), hidden.end(), element.material)) {
            element.visible = 0.0;
            hidAny = true;
        }
        if (count > 4 && i % quarter == 0) {
            progress.set(position);
            position += 10;
        }
    }
    if (count <= 4) progress.set(40);

    if (hidAny) {
        for (NodeRecord& node : dataSet.nodes) node.visible = 0.0;
        for (const ElementRecord& element : dataSet.elements) {
            if (element.visible == 0.0) continue;
            for (uint8_t i = 0; i < element.nodeCount && i < kMaxElementNodes; ++i)
                if (element.nodes[i] < dataSet.nodes.size()) dataSet.nodes[element.nodes[i]].visible = 1.0;
        }
        progress.set(count > 4 ? 50 : 80);
    }
    progress.set(100);
}

void ApplyVisibility(DataSet& dataSet, Ui& ui, const std::vector<int32_t>& hiddenMaterials) {
    RunSectionPass(dataSet, ui);
    RunSpecificElementPass(dataSet, ui, hiddenMaterials);
    // A hidden element uncovers the faces it shared with the elements still shown.
    dataSet.MarkCoveredFaces();
}

} // namespace vellum
