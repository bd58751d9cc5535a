#pragma once
// What a command-line run, an STL import and the closing backups work on: the document's
// data set, the view's look settings and run options, and the few things only a window
// has (its caption, the view settings reader's window placement, the drawing box), given
// as hooks so that the headless program and the Qt view run the same steps.
#include "batch/RunOptions.h"

#include <functional>
#include <string>
#include <vector>

namespace vellum {

class DataSet;
class Ui;
class ViewSettings;

struct BatchView {
    Ui& ui;
    DataSet& dataSet;
    ViewSettings& view;
    RunOptions& options;

    // The registered paths as the profile holds them now (read afresh for every run).
    std::function<std::vector<std::string>()> registeredPaths;
    // Reads the view settings file at dataSet.files.viewFilePath without asking for a
    // file; the reader reports its own failures, which do not fail a run.
    std::function<void()> readViewFile;
    // Writes the view settings file at dataSet.files.viewFilePath holding every item.
    // 0 on success, 1 after the writer's message.
    std::function<int()> writeFullViewFile;
    // Recomputes the drawing box (grid geometry) after a load.
    std::function<void()> computeDrawingBox;
    // Sets the main window's caption; the headless program has none.
    std::function<void(const std::string&)> setCaption;
};

} // namespace vellum
