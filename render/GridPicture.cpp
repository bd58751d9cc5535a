#include "render/GridPicture.h"

#include "common/Codes.h"
#include "data/DataSet.h"
#include "common/TextNumber.h"
#include "settings/ViewSettings.h"

namespace vellum {
namespace {

// Axis 3 may measure the selected data column instead of the node coordinate; a value
// at the top of that column may then stand a hair above the box.
constexpr double kValueAxisTolerance = 0.0001;

GridAxis gridAxisOf(const DataSet& data, const ViewSettings& s, int dataType, const DrawingBox& box, size_t axis) {
    GridAxis a;
    a.gridLow = box.minimum[axis];
    a.gridHigh = box.maximum[axis];
    a.gridSize = box.size[axis];
    a.divisionLow = box.divisionMinimum[axis];
    a.divisionSize = box.divisionMaximum[axis] - box.divisionMinimum[axis];
    a.divisionStep = box.divisionStep[axis];
    a.gridSizeMin = s.gridSize[axis][0];
    a.gridSizeMax = s.gridSize[axis][1];
    a.dataMin = data.minimum[axis];
    a.dataExtent = data.extent[axis];
    a.divisionRangeMin = s.divisionRange[axis][0];
    a.valueStep = s.DIVISIONLINEVALUE[axis];
    const auto column = static_cast<size_t>(s.selectedColumn);
    const bool valueAxis = axis == 2 && s.DIM == kDimDataValue && dataType >= kNodeValues && dataType <= kVectorData &&
                           s.selectedColumn >= 0 && column < data.columnMinimum.size() &&
                           column < data.columnRange.size();
    if (valueAxis) {
        a.dataMin = data.columnMinimum[column];
        a.dataExtent = data.columnRange[column];
        a.insideTolerance = kValueAxisTolerance;
    }
    return a;
}

} // namespace

GridPicture gridPictureOf(const DataSet& dataSet, const ViewSettings& s, int dataType, const DrawingBox& box) {
    GridPicture picture;
    std::array<GridAxis, 3> axes;
    std::array<GridRule, 3> rules;
    std::array<std::vector<double>, 3> positions;
    for (size_t axis = 0; axis < 3; ++axis) {
        axes[axis] = gridAxisOf(dataSet, s, dataType, box, axis);
        rules[axis] = GridRule{s.gridNum[axis], s.GRIDDEV, s.DIVISIONLINESTYLE};
        positions[axis] = divisionLinePositions(axes[axis], rules[axis]);
    }
    for (int plane = 0; plane < kGridPlaneCount; ++plane) {
        if (s.gridOn[static_cast<size_t>(plane)] != 1) continue;
        const std::vector<Segment3> lines = gridPlaneDivisions(box, plane, positions);
        picture.divisions.insert(picture.divisions.end(), lines.begin(), lines.end());
        picture.outlines.push_back(gridPlaneOutline(box, plane));
    }
    for (size_t axis = 0; axis < 3; ++axis) {
        if (s.gridVal[axis] != 1) continue;
        const std::string format = s.gridValueFormat(axis);
        for (const GridValueMark& mark : gridValueMarks(axes[axis], rules[axis]))
            picture.values.push_back({gridValueAnchor(box, static_cast<int>(axis), mark.position, s.gridValuePos[axis]),
                                      formatValueText(format, mark.value)});
    }
    return picture;
}

} // namespace vellum
