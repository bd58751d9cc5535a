#pragma once
// What one paint knows, and the places where the decorations (legend, contours, grid,
// coordinate axes, title and labels) join the scene. The renderer owns the order and the
// matrices; a decoration only draws.
#include "common/Codes.h"
#include "render/DrawingBox.h"

namespace vellum {

class DataSet;
class ViewSettings;
struct GraphOptionSet;

// The kind of data loaded and the shape choice; never stored in a settings file.
struct SceneState {
    int dataType = 3; // 0 node values, 1 element values, 2 vector data, 3 no data file
    int shape = 0;    // 0 a 2-D shape (a sheet), 1 a 3-D shape (a solid)
};

struct SceneContext {
    const DataSet& dataSet;
    const ViewSettings& settings;
    SceneState state;
    const DrawingBox& box;
    int width = 0, height = 0; // drawing area in pixels
};

// The graph drawing or the projection drawing: which settings it reads and where it lies.
struct GraphPass {
    bool projection = false;
    int mode = 0;       // [GRAPH] MODE or MODE2
    int colourCode = 0; // [COLOR] MODE or MODE2
    int hide = 0;       // HIDE or HIDE2
    const GraphOptionSet* options = nullptr;
    // The projection lies flat at this height (the drop plane); unused for the graph.
    double flatZ = 0.0;
};

// Entry points for the decorations, each called with the model-view matrix it needs
// already loaded and pushed: the legend, axes, title and labels after the camera's
// look-at only, the contours and grid inside the graph transform.
class SceneDecorations {
public:
    virtual ~SceneDecorations() = default;
    // Only called when the legend is to be shown.
    virtual void drawLegend(const SceneContext&) {}
    // Contour lines or bands of the graph or the projection ([GRAPH] MODE 1).
    virtual void drawContours(const SceneContext&, const GraphPass&) {}
    virtual void drawGrid(const SceneContext&) {}
    // Only called when the coordinate axes are to be shown.
    virtual void drawAxes(const SceneContext&) {}
    virtual void drawTitleAndLabels(const SceneContext&) {}
};

} // namespace vellum
