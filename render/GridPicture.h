#pragma once
// Everything the grid planes show, computed without OpenGL from the data set, the look
// and the drawing box: division lines, plane outlines and value texts.
#include "render/GridGeometry.h"

#include <string>
#include <vector>

namespace vellum {

class DataSet;
class ViewSettings;

struct GridValueText {
    Point3 anchor; // raster position
    std::string text;
};

struct GridPicture {
    std::vector<Segment3> divisions;             // across every plane switched on
    std::vector<std::array<Point3, 4>> outlines; // one per plane switched on
    std::vector<GridValueText> values;           // of every axis whose values are on
};

// The values of an axis are shown even when none of its planes is.
GridPicture gridPictureOf(const DataSet& dataSet, const ViewSettings& settings, int dataType, const DrawingBox& box);

} // namespace vellum
