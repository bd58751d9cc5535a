#include "model/FaultNotes.h"

#include "common/Codes.h"
#include "common/FileIo.h"
#include "common/Texts.h"
#include "common/Ui.h"
#include "data/DataSet.h"

namespace vellum {
namespace {

// `withoutReason` and `withReason` are the two forms of one detail line: "LABEL: %1" and
// "LABEL: %1（%2）".
std::string detailLine(const std::string& path, const std::string& reason,
                       const char* withoutReason = TX("対象ファイル: %1"),
                       const char* withReason = TX("対象ファイル: %1（%2）")) {
    if (reason.empty()) return shownText(withoutReason, {path});
    return shownText(withReason, {path, shownText(reason)});
}

} // namespace

void noteFileAtFault(Ui& ui, const std::string& name, const std::string& path) {
    ui.showDetail(detailLine(path, name.empty() ? TX("ファイル名が空です") : unreadableReason(path)));
}

void noteUnwritableFile(Ui& ui, const std::string& path) { ui.showDetail(detailLine(path, unwritableReason(path))); }

void noteUnwritableBackup(Ui& ui, const std::string& path) {
    ui.showDetail(detailLine(path, unwritableReason(path), TX("終了時のバックアップ: %1"), TX("終了時のバックアップ: %1（%2）")));
}

void noteFirstNumberWithoutRow(Ui& ui, const DataSet& dataSet, int dataType) {
    if (dataType == kElementValues) {
        for (const ElementRecord& element : dataSet.elements)
            if (dataSet.findDataRow(element.number) == kNoIndex) {
                ui.showDetail(shownText(TX("データ値のない要素番号: %1"), {std::to_string(element.number)}));
                return;
            }
        return;
    }
    if (dataType != kNodeValues && dataType != kVectorData) return;
    for (const NodeRecord& node : dataSet.nodes)
        if (dataSet.findDataRow(node.number) == kNoIndex) {
            ui.showDetail(shownText(TX("データ値のない節点番号: %1"), {std::to_string(node.number)}));
            return;
        }
}

} // namespace vellum
