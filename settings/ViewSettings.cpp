#include "settings/ViewSettings.h"

#include "common/Codes.h"
#include "data/DataSet.h"

#include <cstddef>

namespace vellum {

uint16_t linePatternOf(int styleCode) {
    switch (styleCode) {
    case 1: return 0xFF00;
    case 2: return 0xFFF0;
    default: return 0xFFFF;
    }
}

std::string valueFormatOf(int valueStyle, int digits) {
    const std::string digitText = std::to_string(digits);
    switch (valueStyle) {
    case 1: return "%.0f";
    case 2: return "%." + digitText + "f";
    case 3: return "%." + digitText + "E";
    default: return "%." + digitText + "G";
    }
}

int ViewSettings::degrees(int axis) const {
    const int angle = DIGREE.at(static_cast<size_t>(axis)) % 360;
    return angle < 0 ? angle + 360 : angle;
}

void ViewSettings::resetBeforeLoad() {
    ViewSettings fresh;
    fresh.SUISENCOLOR = RGBColor{0, 0, 0};
    fresh.graph.VEC0 = 0;
    fresh.projection = fresh.graph;

    // What the reset leaves alone.
    fresh.BACKCOLOR = BACKCOLOR;
    fresh.WINDOW = WINDOW;
    fresh.FREESPACE = FREESPACE;
    fresh.DIVISIONLINESTYLE = DIVISIONLINESTYLE;
    fresh.gridStringColor = gridStringColor;
    fresh.legendStringColor = legendStringColor;
    fresh.STRINGCOLOR0 = STRINGCOLOR0;
    fresh.labelColor = labelColor;
    fresh.userColours = userColours;
    fresh.MAX = MAX;
    fresh.MIN = MIN;
    fresh.RECTSCALE = RECTSCALE;
    fresh.mouseMode = mouseMode;
    fresh.dragging = dragging;
    fresh.sheetStartPage = sheetStartPage;
    fresh.selectedColumn = selectedColumn;
    *this = fresh;
}

void ViewSettings::adjustAfterLoad(const DataSet& dataSet, int dataType) {
    if (dataType == kVectorData) {
        MODE = kGraphVectors;
        selectedColumn = static_cast<int>(dataSet.columnCount);
    } else if (dataType == kNoDataFile) {
        MODE = kGraphWireframe;
    } else if (selectedColumn < 0 || static_cast<uint32_t>(selectedColumn) >= dataSet.columnCount) {
        // A column the file does not have (a command-line file may name any) shows column 0.
        selectedColumn = 0;
    }

    for (size_t axis = 0; axis < 3; ++axis) {
        const double minimum = dataSet.minimum[axis];
        const double maximum = dataSet.maximum[axis];
        gridSize[axis] = {minimum, maximum};
        divisionRange[axis] = {minimum, maximum};
        DIVISIONLINEVALUE[axis] = (maximum - minimum) * 0.25;
    }

    if (dataType != kNoDataFile) {
        const auto column = static_cast<size_t>(selectedColumn);
        // A column without statistics (a failed or partial load) leaves the range alone.
        if (selectedColumn >= 0 && column < dataSet.columnMaximum.size() &&
            column < dataSet.columnMinimum.size()) {
            MAX = dataSet.columnMaximum[column];
            MIN = dataSet.columnMinimum[column];
        }
    }
}

void ViewSettings::initialiseView() {
    DIGREE = {1800, 1800, 1800};
    POSITION = {0.0, 0.0, 0.0};
    SCALE123 = 1.0;
}

} // namespace vellum
