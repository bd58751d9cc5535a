#include "data/Document.h"

#include "common/Ui.h"
#include "data/LoadMessages.h"

namespace vellum {
namespace {

// The step has shown what went wrong; this says which file to look at.
int fail(Ui& ui, const char* message) {
    ui.showMessage(message);
    return 1;
}

} // namespace

int Document::Load(Ui& ui, const LoadOptions& options, NormaliseInputs normalise) {
    WaitCursorScope waitCursor(ui);
    dataSet.polarFlag = options.polar;
    dataSet.radiansFlag = options.radians;

    if (dataSet.ReadNodes(ui) != 0) return fail(ui, kCheckNodeFileMessage);
    // Extents, the mesh and the normalisation all start from a first node.
    if (dataSet.nodes.empty()) {
        ui.showMessage("節点ファイルに節点データがありません");
        return fail(ui, kCheckNodeFileMessage);
    }

    if (options.autoMesh == 1) {
        if (dataSet.BuildMesh(ui) != 0) return 1;
    } else {
        if (dataSet.ReadElements(ui) != 0) return fail(ui, kCheckElementFileMessage);
        dataSet.SortElementsByNumber(ui);
    }

    if (dataSet.polarFlag == 1) dataSet.ConvertPolar(ui);
    dataSet.ComputeExtents(ui);

    int column = 0;
    if (options.dataType != 3) {
        if (dataSet.ReadDataRows(ui, options.dataType) != 0) return fail(ui, kCheckDataFileMessage);
        // The statistics start from a first row.
        if (dataSet.rows.empty()) {
            ui.showMessage("データファイルにデータ値がありません");
            return fail(ui, kCheckDataFileMessage);
        }
        dataSet.ComputeColumnStatistics(ui, options.dataType);
        if (options.dataType == 2) {
            if (dataSet.AddMagnitudeColumn(ui) != 0) return fail(ui, kCheckDataFileMessage);
            column = static_cast<int>(dataSet.columnCount);
        }
    }

    normalise.dataType = options.dataType;
    normalise.column = column;
    if (Normalise(dataSet, ui, normalise) != 0) return fail(ui, kCheckDataMatchMessage);
    dataSet.BuildFaces(options.dataType, options.shape);
    dataSet.ResetSectionBox();
    return 0;
}

} // namespace vellum
