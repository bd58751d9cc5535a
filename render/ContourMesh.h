#pragma once
// Walks the visible element faces of a data set and turns them into contour pieces, with
// the status-bar progress bar a long contour run shows.
#include "render/ContourGeometry.h"

namespace vellum {

class DataSet;
class Ui;

struct ContourRun {
    int divisions = 16;          // CONTNUM
    ContourFill fill = ContourFill::bands;
    int column = 0;              // selected data column (the magnitude column for vectors)
    double legendMin = 0.0;      // [HANREI] MIN
    double legendMax = 1.0;      // [HANREI] MAX
    bool flat = false;           // the projection: every point lies at z = flatZ
    double flatZ = 0.0;
};

// The fill that CONT and the hiding flag ask for: bands win over white.
ContourFill contourFillOf(int CONT, int hide);

// Feeds every triangle of every visible face to contourTriangle. Shows the progress bar
// "等高線描画中" while it runs. Draws nothing, and shows no bar, when the legend range is
// empty or there are no divisions.
void traceContours(const DataSet& dataSet, Ui& ui, const ContourRun& run, ContourSink& sink);
// The same, the elements split in two: the first half fed to `first` here, the second to
// `second` on a helper thread at the same time. Each sink gets its pieces in the order
// traceContours gives them, so `first`'s followed by `second`'s are the same pieces in the
// same order.
void traceContoursInTwo(const DataSet& dataSet, Ui& ui, const ContourRun& run, ContourSink& first,
                        ContourSink& second);

} // namespace vellum
