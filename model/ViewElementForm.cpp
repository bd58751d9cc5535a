#include "model/ViewElementForm.h"

#include "batch/FileNameResolution.h"
#include "model/Document.h"

namespace vellum {

ViewElementForm::ViewElementForm(const Document& document) {
    choice_.path = document.dataSet.files.materialFilePath;
    choice_.name = document.dataSet.files.materialFileName;
    choice_.shown = document.shownMaterials;
    choice_.hidden = document.hiddenMaterials;
}

void ViewElementForm::readMaterialFile(Document& document, Ui& ui, const std::string& path) {
    choice_.shown.clear();
    choice_.hidden.clear();
    choice_.path = path;
    choice_.name = finalComponent(path);
    document.ReadMaterialFile(ui, path, choice_.shown);
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
