#pragma once
// Where the title and the three axis labels stand, computed without OpenGL.
#include "render/ContourGeometry.h"

namespace vellum {

class ViewSettings;

// Outline text is drawn in em units scaled by this, so a line of text is a tenth of a
// world unit high.
inline constexpr double kNameTextScale = 0.1;

// The title's origin in the screen-fixed frame: above the graph, moved with the graph's
// translation but not its zoom or rotation.
Point3 titleOrigin(const ViewSettings& settings);

// The origin of label `axis` (0..2) in the frame turned by the camera rotations, without
// zoom. gridLowX and gridLowY are the grid box's low x and y, margin included: labels 2
// and 3 stand left of it, labels 1 and 3 below it.
Point3 labelOrigin(const ViewSettings& settings, int axis, double gridLowX, double gridLowY);

} // namespace vellum
