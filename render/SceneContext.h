#pragma once
// What one paint knows, handed to every piece of the scene, and the two passes the graph
// body is drawn in: the graph itself and its flattened projection.
#include "render/DrawingBox.h"
#include "render/SceneState.h"

namespace vellum {

class DataSet;
class ViewSettings;
struct GraphOptionSet;

struct SceneContext {
    const DataSet& dataSet;
    const ViewSettings& settings;
    SceneState state;
    const DrawingBox& box;
    // Device pixels per logical pixel: line widths and point sizes grow with it so that a
    // HiDPI window shows the picture of a normal one, only sharper.
    double pixelRatio = 1.0;
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

GraphPass graphPassOf(const ViewSettings& settings);
GraphPass projectionPassOf(const ViewSettings& settings, const DrawingBox& box);
// The projection is drawn under a sheet only, and not while dragging.
bool projectionShown(const SceneContext& scene);
// Contours are left out while dragging, like every other costly piece.
bool contoursShown(const SceneContext& scene, const GraphPass& pass);

} // namespace vellum
