// What the data-column, specific-element and cross-section dialogs change: the drawn
// column or vector components, which materials are drawn, and the section box.
#include "common/SilentUi.h"
#include "common/Texts.h"
#include "common/Ui.h"
#include "data/LoadMessages.h"
#include "data/Visibility.h"
#include "model/Document.h"

#include <algorithm>

namespace vellum {
namespace {

constexpr const char* kDrawnColumnMissingMessage =
    TX("描画列に指定したデータ列がありません\nデータ列数を確認してください");

bool isColumn(int column, const DataSet& dataSet) {
    return column >= 0 && static_cast<uint32_t>(column) < dataSet.columnCount;
}

} // namespace

int Document::ChangeDataColumns(Ui& ui, const std::array<int, 3>& chosen) {
    if (options.dataType == kNoDataFile) return 0; // nothing to choose from
    if (options.dataType == kVectorData) {
        // The magnitude would read values the rows do not hold.
        for (int column : chosen) {
            if (!isColumn(column, dataSet)) {
                ui.showMessage(kVectorColumnsMissingMessage);
                return 1;
            }
        }
        dataSet.vectorColumns = {chosen[0], chosen[1], chosen[2]};
        // The new components give a new magnitude column, which is the one drawn.
        return SelectColumn(ui, static_cast<int>(dataSet.columnCount));
    }
    // An empty choice keeps what is shown rather than asking for a column that is not.
    const int column = chosen[0] < 0 ? look.selectedColumn : chosen[0];
    if (!isColumn(column, dataSet)) {
        ui.showMessage(kDrawnColumnMissingMessage);
        return 1;
    }
    return SelectColumn(ui, column);
}

int Document::ReadMaterialFile(Ui& ui, const std::string& path, std::vector<MaterialCount>& listed) {
    // A new file starts over: what was hidden belonged to the old file's materials.
    shownMaterials.clear();
    hiddenMaterials.clear();
    return vellum::ReadMaterialFile(dataSet, ui, path, listed, &materialFit);
}

void Document::refitMaterials(Ui& ui) {
    if (dataSet.files.materialFilePath.empty()) return;
    // The new elements carry no material yet. The read is the person's earlier choice, not
    // a step of this load: its trouble shows in the material dialog, not as a message now.
    SilentUi quiet;
    std::vector<MaterialCount> named;
    vellum::ReadMaterialFile(dataSet, quiet, dataSet.files.materialFilePath, named, &materialFit);

    std::vector<int32_t> numbers = materialNumbers(shownMaterials);
    const std::vector<int32_t> hidden = materialNumbers(hiddenMaterials);
    numbers.insert(numbers.end(), hidden.begin(), hidden.end());
    // A material the file names now and neither list has starts shown.
    for (const MaterialCount& entry : named)
        if (std::find(numbers.begin(), numbers.end(), entry.material) == numbers.end()) {
            shownMaterials.push_back(entry);
            numbers.push_back(entry.material);
        }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    const std::vector<MaterialCount> counts = CountMaterials(dataSet, numbers);
    for (std::vector<MaterialCount>* list : {&shownMaterials, &hiddenMaterials})
        for (MaterialCount& entry : *list)
            entry.elements = std::lower_bound(counts.begin(), counts.end(), entry.material,
                                              [](const MaterialCount& c, int32_t m) { return c.material < m; })
                                 ->elements;
    if (!hiddenMaterials.empty()) ApplyVisibility(ui);
}

int Document::ApplySpecificElements(Ui& ui, const MaterialChoice& choice) {
    dataSet.files.materialFilePath = choice.path;
    dataSet.files.materialFileName = choice.name;
    shownMaterials = choice.shown;
    hiddenMaterials = choice.hidden;
    ApplyVisibility(ui);
    return 0;
}

void Document::ApplySectionBox(Ui& ui, const std::array<double, 6>& box) {
    dataSet.sectionBox = box;
    ApplyVisibility(ui);
}

void Document::ApplyVisibility(Ui& ui) {
    vellum::ApplyVisibility(dataSet, ui, materialNumbers(hiddenMaterials));
}

} // namespace vellum
