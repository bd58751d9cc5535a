#include "model/ViewElementForm.h"

#include "batch/FileNameResolution.h"
#include "common/Numbers.h"
#include "common/Texts.h"
#include "model/Document.h"

namespace vellum {
namespace {

std::string noteOf(const MaterialFileFit& fit) {
    if (fit.unreadable) return std::string(shownText(TX("マテリアルファイルが読めません（表示中のモデルには読み込まれていません）")));
    if (fit.unknownElements == 0) return {};
    return shownText(TX("このモデルにない要素番号がマテリアルファイルに %1 行あります（最初は要素 %2）\n"
                        "別のモデルのファイルです：要素数はこのモデルの要素で数えています"),
                     {std::to_string(fit.unknownElements), std::to_string(fit.firstUnknown)});
}

} // namespace

ViewElementForm::ViewElementForm(const Document& document) {
    choice_.path = document.dataSet.files.materialFilePath;
    choice_.name = document.dataSet.files.materialFileName;
    choice_.shown = document.shownMaterials;
    choice_.hidden = document.hiddenMaterials;
    if (!choice_.path.empty()) fitNote_ = noteOf(document.materialFit);
}

void ViewElementForm::readMaterialFile(Document& document, Ui& ui, const std::string& path) {
    choice_.shown.clear();
    choice_.hidden.clear();
    choice_.path = path;
    choice_.name = finalComponent(path);
    // A file that cannot be read has said so in its message already.
    if (document.ReadMaterialFile(ui, path, choice_.shown) == 0) fitNote_ = noteOf(document.materialFit);
    else fitNote_.clear();
}

void ViewElementForm::moveRows(std::vector<MaterialCount>& from, std::vector<MaterialCount>& to,
                               const std::vector<int>& rows) {
    std::vector<bool> moving(from.size(), false);
    for (int row : rows)
        if (row >= 0 && static_cast<size_t>(row) < from.size()) moving[static_cast<size_t>(row)] = true;
    std::vector<MaterialCount> staying;
    staying.reserve(from.size());
    for (size_t i = 0; i < from.size(); ++i) (moving[i] ? to : staying).push_back(from[i]);
    from = std::move(staying);
}

} // namespace vellum
