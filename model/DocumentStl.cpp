// The STL import: every vertex a node, every three a triangle, node values of x, y, z.
#include "batch/FileNameResolution.h"
#include "common/Ui.h"
#include "data/LoadMessages.h"
#include "model/Document.h"
#include "model/FaultNotes.h"
#include "model/LoadSource.h"

namespace vellum {

int Document::failedStl(Ui& ui, const char* message) {
    if (message) ui.showMessage(message);
    noteFileAtFault(ui, dataSet.files.stlFileName, dataSet.files.stlFilePath);
    return 1;
}

int Document::readStlModel(Ui& ui, const std::string& path) {
    FileSet& f = dataSet.files;
    f.stlFilePath = path;
    f.stlFileName = finalComponent(path);
    f.stlExtension = extensionOf(path);

    options.dataType = kNodeValues;
    look.resetBeforeLoad();
    look.selectedColumn = 0; // the x coordinate
    loaded = 0;
    if (dataSet.ReadStl(ui) != 0) return failedStl(ui, nullptr);
    // The surface replaced the node model: no node, element or data file describes the
    // graph any more, so the writers and the backups name the STL file instead.
    for (LoadFile file : {LoadFile::Nodes, LoadFile::Elements, LoadFile::Data}) {
        auto [name, filePath] = fieldsOf(f, file);
        name.clear();
        filePath.clear();
    }
    dataSet.ComputeExtents(ui);
    if (dataSet.ComputeColumnStatistics(ui, kNodeValues) != 0) return failedStl(ui, kCheckDataMatchMessage);
    return 0;
}

int Document::ImportStl(Ui& ui, const std::string& path) {
    WaitCursorScope waitCursor(ui);
    pins.clear(); // pins belong to the graph they were put on
    series = ResultSeries{};
    dataSet.files.seriesPatterns.clear();
    dataSet.files.seriesPatternPaths.clear();
    if (readStlModel(ui, path) != 0) return 1;
    // A surface model's triangles are faces of a sheet whatever the shape choice says; the
    // choice itself is the open dialog's and stays as it is.
    if (finishOpenLoad(ui, kSheetShape) != 0) return failedStl(ui, nullptr);
    refitMaterials(ui);
    loaded = 1;
    return 0;
}

} // namespace vellum
