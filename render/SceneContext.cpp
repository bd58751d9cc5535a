#include "render/SceneContext.h"

#include "settings/ViewSettings.h"

namespace vellum {

GraphPass graphPassOf(const ViewSettings& s) {
    return GraphPass{false, s.MODE, s.colorMode, s.HIDE, &s.graph, 0.0};
}

GraphPass projectionPassOf(const ViewSettings& s, const DrawingBox& box) {
    return GraphPass{true, s.MODE2, s.colorMode2, s.HIDE2, &s.projection, box.dropPlaneZ};
}

bool projectionShown(const SceneContext& scene) {
    return scene.settings.MODE2 != kGraphNone && scene.settings.dragging != 1 && scene.state.shape == kSheetShape;
}

bool contoursShown(const SceneContext& scene, const GraphPass& pass) {
    return pass.mode == kGraphContour && scene.settings.dragging != 1;
}

} // namespace vellum
