// View settings files of any bytes: read, written, read again, then the drawing data,
// the drawing box, the grid, the legend and title layout and the contours of the small
// sheet, so that the counts and sizes a file can set reach the code that uses them.
#include "fuzz/FuzzSupport.h"

#include "render/ContourMesh.h"
#include "render/DrawingBox.h"
#include "render/GridPicture.h"
#include "render/LegendLayout.h"
#include "render/TitleLayout.h"
#include "settings/ViewSettingsFile.h"

using namespace vellum;

namespace {

class CountingSink : public ContourSink {
public:
    void fill(const Point3*, int count, int) override { pieces += static_cast<size_t>(count); }
    void line(const Point3&, const Point3&, int) override { ++pieces; }
    size_t pieces = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SilentUi ui;
    static Document document;
    static const bool loaded = fuzz::openGraph(document, ui, nullptr, nullptr, nullptr, kNodeValues, 0, 0, 0) == 0;
    if (!loaded) __builtin_trap();

    ViewSettings look = document.look;
    applyViewSettingsText(fuzz::asText(data, size), look, document.dataSet);
    const std::string written = formatViewSettingsFile(look, SaveItemSelection::allItems());
    ViewSettings again = document.look;
    applyViewSettingsText(written, again, document.dataSet);
    // Once written, a look reads back to itself: a backup or an export read again gives
    // the graph that was saved. (The first writing may lose what the format cannot hold:
    // a seventh decimal, blanks or line ends inside a name.)
    const std::string rewritten = formatViewSettingsFile(again, SaveItemSelection::allItems());
    ViewSettings third = document.look;
    applyViewSettingsText(rewritten, third, document.dataSet);
    if (formatViewSettingsFile(third, SaveItemSelection::allItems()) != rewritten) __builtin_trap();

    Document graph;
    graph.dataSet = document.dataSet;
    graph.options = document.options;
    graph.loaded = 1;
    if (graph.ApplyLook(ui, again) != 0) return 0;
    const DrawingBox box = ComputeDrawingBox(graph.dataSet, graph.look, graph.options.dataType);
    const GridPicture grid = gridPictureOf(graph.dataSet, graph.look, graph.options.dataType, box);
    const LegendLayout legend = layoutLegend(graph.look);
    titleOrigin(graph.look);
    for (int axis = 0; axis < 3; ++axis) labelOrigin(graph.look, axis, box.minimum[0], box.minimum[1]);
    (void)grid;
    (void)legend;

    ContourRun run;
    run.divisions = graph.look.graph.CONTNUM;
    run.fill = contourFillOf(graph.look.graph.CONT, graph.look.HIDE);
    run.column = graph.look.selectedColumn;
    run.legendMin = graph.look.MIN;
    run.legendMax = graph.look.MAX;
    CountingSink sink;
    traceContours(graph.dataSet, ui, run, sink);
    return 0;
}
