#pragma once
// What a run works on in tests: one document and a recording Ui, with short names for the
// parts the tests look at.
#include "batch/RegisteredPaths.h"
#include "model/Document.h"
#include "settings/Profile.h"
#include "tests/support/RecordingUi.h"

namespace vellum::testing {

struct BatchGraph {
    Document document;
    DataSet& dataSet = document.dataSet;
    ViewSettings& view = document.look;
    RunOptions& options = document.options;
    RecordingUi ui;

    // Runs the command-line file at `path` with the registered paths of the profile, as
    // the programs do.
    int runFile(const std::string& path) {
        return document.RunCommandLineFile(ui, path, searchListFromProfile(Profile::openUserProfile()));
    }
};

} // namespace vellum::testing
