#include "model/FaultNotes.h"

#include "common/Codes.h"
#include "common/FileIo.h"
#include "common/Ui.h"
#include "data/DataSet.h"

namespace vellum {
namespace {

std::string withReason(const std::string& path, const std::string& reason, const char* label = "対象ファイル") {
    return label + (": " + path) + (reason.empty() ? "" : "（" + reason + "）");
}

} // namespace

void noteFileAtFault(Ui& ui, const std::string& name, const std::string& path) {
    ui.showDetail(withReason(path, name.empty() ? "ファイル名が空です" : unreadableReason(path)));
}

void noteUnwritableFile(Ui& ui, const std::string& path) { ui.showDetail(withReason(path, unwritableReason(path))); }

void noteUnwritableBackup(Ui& ui, const std::string& path) {
    ui.showDetail(withReason(path, unwritableReason(path), "終了時のバックアップ"));
}

void noteFirstNumberWithoutRow(Ui& ui, const DataSet& dataSet, int dataType) {
    if (dataType == kElementValues) {
        for (const ElementRecord& element : dataSet.elements)
            if (dataSet.findDataRow(element.number) == kNoIndex) {
                ui.showDetail("データ値のない要素番号: " + std::to_string(element.number));
                return;
            }
        return;
    }
    if (dataType != kNodeValues && dataType != kVectorData) return;
    for (const NodeRecord& node : dataSet.nodes)
        if (dataSet.findDataRow(node.number) == kNoIndex) {
            ui.showDetail("データ値のない節点番号: " + std::to_string(node.number));
            return;
        }
}

} // namespace vellum
