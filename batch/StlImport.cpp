#include "batch/BatchView.h"
#include "batch/CommandLineRun.h"
#include "data/DataSet.h"
#include "settings/ViewSettings.h"

namespace vellum {

int RunStlImport(BatchView& b) {
    DataSet& d = b.dataSet;
    ViewSettings& view = b.view;
    b.options.dataType = 0;
    view.resetBeforeLoad();
    view.selectedColumn = 0;
    if (d.ReadStl(b.ui) != 0) {
        b.options.loaded = 0;
        return 1;
    }
    // As after the open command: grid and legend ranges from the data, the graph kind
    // stays at its default.
    view.adjustAfterLoad(d, 0);
    if (b.computeDrawingBox) b.computeDrawingBox();
    d.ResetSectionBox();
    b.options.loaded = 1;
    return 0;
}

} // namespace vellum
