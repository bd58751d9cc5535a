#include "render/DrawingBox.h"

#include "common/Codes.h"
#include "data/DataSet.h"
#include "settings/ViewSettings.h"

namespace vellum {
namespace {

double oneIfZero(double value) { return value == 0.0 ? 1.0 : value; }

// How a value in data units along one axis becomes a drawing coordinate.
struct AxisScale {
    double centre = 0.0;
    double divisor = 1.0;
    double factor = 1.0;
    double toDrawing(double value) const { return factor * (value - centre) / divisor; }
    double lengthToDrawing(double length) const { return factor * length / divisor; }
};

std::array<AxisScale, 3> axisScales(const DataSet& dataSet, const ViewSettings& settings, int dataType) {
    std::array<AxisScale, 3> scales{};
    for (size_t axis = 0; axis < 3; ++axis) {
        const double divisor = settings.RECTSCALE == 1 ? dataSet.extent[axis] : dataSet.overallExtent;
        scales[axis] = AxisScale{dataSet.centre[axis], oneIfZero(divisor), settings.SCALE[axis]};
    }
    // With the data value on axis 3, the third axis measures the selected column.
    const bool hasData = dataType >= kNodeValues && dataType <= kVectorData;
    const int column = settings.selectedColumn;
    if (settings.DIM == kDimDataValue && hasData && column >= 0 && static_cast<size_t>(column) < dataSet.columnMiddle.size() &&
        static_cast<size_t>(column) < dataSet.columnRange.size())
        scales[2] = AxisScale{dataSet.columnMiddle[static_cast<size_t>(column)],
                              oneIfZero(dataSet.columnRange[static_cast<size_t>(column)]), settings.SCALE[2]};
    return scales;
}

} // namespace

DrawingBox ComputeDrawingBox(const DataSet& dataSet, const ViewSettings& settings, int dataType) {
    const std::array<AxisScale, 3> scales = axisScales(dataSet, settings, dataType);
    const bool valueAxis = settings.DIM == kDimDataValue && dataType >= kNodeValues && dataType <= kVectorData &&
                           static_cast<size_t>(settings.selectedColumn) < dataSet.columnMinimum.size();
    DrawingBox box;
    box.margin = settings.FREESPACE == 1 ? 0.01 : 0.0;
    double bottom = 0.0; // the grid box's axis 3 minimum without the margin
    for (size_t axis = 0; axis < 3; ++axis) {
        const double low = scales[axis].toDrawing(settings.gridSize[axis][0]);
        const double high = scales[axis].toDrawing(settings.gridSize[axis][1]);
        box.size[axis] = high - low;
        if (axis == 2) bottom = low;
        box.minimum[axis] = low - box.margin;
        box.maximum[axis] = high + box.margin;

        double divisionLow, divisionHigh;
        if (settings.DIVISIONLINESTYLE == 1) {
            divisionLow = settings.divisionRange[axis][0];
            divisionHigh = settings.divisionRange[axis][1];
            box.divisionStep[axis] = scales[axis].lengthToDrawing(settings.DIVISIONLINEVALUE[axis]);
        } else if (axis == 2 && valueAxis) {
            const size_t column = static_cast<size_t>(settings.selectedColumn);
            divisionLow = dataSet.columnMinimum[column];
            divisionHigh = dataSet.columnMaximum.size() > column ? dataSet.columnMaximum[column] : divisionLow;
        } else {
            divisionLow = dataSet.minimum[axis];
            divisionHigh = dataSet.maximum[axis];
        }
        box.divisionMinimum[axis] = scales[axis].toDrawing(divisionLow);
        box.divisionMaximum[axis] = scales[axis].toDrawing(divisionHigh);
    }
    // Slightly above the bottom so the lines' ends are not lost in the grid plane.
    box.dropPlaneZ = bottom + 0.005 - box.margin;
    for (size_t corner = 0; corner < 8; ++corner)
        for (size_t axis = 0; axis < 3; ++axis)
            box.corners[corner][axis] = (corner >> axis) & 1 ? box.maximum[axis] : box.minimum[axis];
    return box;
}

} // namespace vellum
