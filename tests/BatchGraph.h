#pragma once
// What a batch run works on in tests: the document's data and look, the view's settings
// and run options, and a recording Ui, wired together as the application wires them.
#include "batch/BatchView.h"
#include "common/RecordingUi.h"
#include "data/DataSet.h"
#include "settings/ViewSettings.h"

namespace vellum::testing {

struct BatchGraph {
    DataSet dataSet;
    ViewSettings view;
    RunOptions options;
    RecordingUi ui;
    BatchView batch{ui, dataSet, view, options, {}, {}};
};

} // namespace vellum::testing
