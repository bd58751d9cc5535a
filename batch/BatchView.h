#pragma once
// What a command-line run, an STL import and the closing backups work on: the document's
// data set, the view's look settings and run options, and the two things only a window
// has (its caption, the drawing box kept for painting), given as hooks so that the
// headless program and the Qt view run the same steps. The frame's placement after a
// look file was read is in view.WINDOW; the caller places its window from it.
#include "batch/RunOptions.h"

#include <functional>
#include <string>

namespace vellum {

class DataSet;
class Ui;
class ViewSettings;

struct BatchView {
    Ui& ui;
    DataSet& dataSet;
    ViewSettings& view;
    RunOptions& options;

    // Recomputes the drawing box (grid geometry) after a load.
    std::function<void()> computeDrawingBox;
    // Sets the main window's caption; the headless program has none.
    std::function<void(const std::string&)> setCaption;
};

} // namespace vellum
