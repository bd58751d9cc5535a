#pragma once
// The box that frames the graph in drawing coordinates: the grid planes are drawn on it,
// division lines are spaced within it, and drop lines end on its bottom plane.
#include "render/Camera.h"

#include <array>

namespace vellum {

class DataSet;
class ViewSettings;

struct DrawingBox {
    // The grid box with the free-space margin, per axis.
    Point3 minimum{}, maximum{};
    // Its eight corners: bit 0 of the index picks the maximum on axis 1, bit 1 on axis 2,
    // bit 2 on axis 3.
    std::array<Point3, 8> corners{};
    // The box size per axis without the margin, for division spacing.
    Point3 size{};
    double margin = 0.0;
    // Height of the plane the drop lines end on and the projection lies on.
    double dropPlaneZ = 0.0;
    // The range the division lines cover and their spacing (spacing only when placed by
    // interval), per axis.
    Point3 divisionMinimum{}, divisionMaximum{}, divisionStep{};

    friend bool operator==(const DrawingBox&, const DrawingBox&) = default;
};

// Computes the box from the grid and division settings, the scales and the data set's
// extents and column statistics (data type 0 to 3; the selected column of `settings`).
DrawingBox ComputeDrawingBox(const DataSet& dataSet, const ViewSettings& settings, int dataType);

} // namespace vellum
