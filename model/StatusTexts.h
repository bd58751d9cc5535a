#pragma once
// The four status-bar panes, as texts.
#include <string>

namespace vellum {

class DataSet;
class ViewSettings;

struct StatusPanes {
    std::string translation; // pane 161
    std::string scale;       // pane 1
    std::string rotation;    // pane 159
    std::string column;      // pane 160
};

// The panes after a painted scene (data type 0 to 3).
StatusPanes statusPanesFor(const ViewSettings& settings, const DataSet& dataSet, int dataType);
// The panes while nothing is drawn: their captions.
StatusPanes statusPaneCaptions();

} // namespace vellum
