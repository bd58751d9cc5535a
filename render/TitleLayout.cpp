#include "render/TitleLayout.h"

#include "common/CameraScale.h"
#include "settings/ViewSettings.h"

namespace vellum {

Point3 titleOrigin(const ViewSettings& s) {
    return {s.TITLEPOS[0] + s.POSITION[0], s.TITLEPOS[1] + 1.0 + s.POSITION[1], 3.0 + s.POSITION[2]};
}

Point3 labelOrigin(const ViewSettings& s, int axis, double gridLowX, double gridLowY) {
    const double zoom = kGraphZoomPerScale * s.SCALE123;
    const auto& pos = s.labelPos[static_cast<size_t>(axis)];
    // Each label is set off from the grid's low edges on the axes it does not name.
    const double x = axis == 0 ? pos[0] * zoom : (pos[0] + gridLowX) * zoom - 0.15;
    const double y = axis == 1 ? pos[1] * zoom : (pos[1] + gridLowY) * zoom - 0.15;
    return {x + s.POSITION[0], y + s.POSITION[1], pos[2] * zoom + s.POSITION[2]};
}

} // namespace vellum
