#include "settings/ViewSettings.h"

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

void GraphOptionSet::derivePatterns() {
    wirePattern = linePatternOf(WIRESTYLE);
    contPattern = linePatternOf(CONTSTYLE);
}

ViewSettings::ViewSettings(DocumentLook& look) : look_(&look) {}

void ViewSettings::setSUISENSTYLE(int code) {
    SUISENSTYLE = code;
    suisenPattern = linePatternOf(code);
}

void ViewSettings::setGridStyle(int code) {
    gridStyle = code;
    gridPattern = linePatternOf(code);
}

void ViewSettings::setSTYLE2(int code) {
    STYLE2 = code;
    style2Pattern = linePatternOf(code);
}

void ViewSettings::setAxesStyle(int code) {
    axesStyle = code;
    axesPattern = linePatternOf(code);
}

void ViewSettings::setLegendStyle(int valueStyle) {
    legendStyle = valueStyle;
    legendFormat = valueFormatOf(legendStyle, SHO);
}

void ViewSettings::setSHO(int digits) {
    SHO = digits;
    legendFormat = valueFormatOf(legendStyle, SHO);
}

void ViewSettings::setVALSTYLE(int axis, int valueStyle) {
    VALSTYLE.at(static_cast<size_t>(axis)) = valueStyle;
    gridValueFormat[static_cast<size_t>(axis)] = valueFormatOf(valueStyle, VALSHO[static_cast<size_t>(axis)]);
}

void ViewSettings::setVALSHO(int axis, int digits) {
    VALSHO.at(static_cast<size_t>(axis)) = digits;
    gridValueFormat[static_cast<size_t>(axis)] = valueFormatOf(VALSTYLE[static_cast<size_t>(axis)], digits);
}

// The remainder of a negative code is -1; the invert flag is still its lowest bit.
static int invertFlagOf(int code) { return code & 1; }

void ViewSettings::setColorMode(int code) {
    colorMode = code;
    colorInvert = invertFlagOf(code);
}

void ViewSettings::setColorMode2(int code) {
    colorMode2 = code;
    colorInvert2 = invertFlagOf(code);
}

void ViewSettings::deriveAll() {
    graph.derivePatterns();
    projection.derivePatterns();
    suisenPattern = linePatternOf(SUISENSTYLE);
    gridPattern = linePatternOf(gridStyle);
    style2Pattern = linePatternOf(STYLE2);
    axesPattern = linePatternOf(axesStyle);
    legendFormat = valueFormatOf(legendStyle, SHO);
    for (size_t axis = 0; axis < 3; ++axis) gridValueFormat[axis] = valueFormatOf(VALSTYLE[axis], VALSHO[axis]);
    colorInvert = invertFlagOf(colorMode);
    colorInvert2 = invertFlagOf(colorMode2);
}

int ViewSettings::degrees(int axis) const {
    const int angle = DIGREE.at(static_cast<size_t>(axis)) % 360;
    return angle < 0 ? angle + 360 : angle;
}

void ViewSettings::resetBeforeLoad() {
    ViewSettings fresh(*look_);
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
    fresh.mouseMode = mouseMode;
    fresh.dragging = dragging;
    fresh.sheetStartPage = sheetStartPage;
    fresh.selectedColumn = selectedColumn;

    fresh.deriveAll();
    fresh.colorInvert = 0;
    fresh.colorInvert2 = 0;
    *this = fresh;
}

void ViewSettings::adjustAfterLoad(const DataSet& dataSet, int dataType) {
    if (dataType == 2) {
        MODE = 3;
        selectedColumn = static_cast<int>(dataSet.columnCount);
    } else if (dataType == 3) {
        MODE = 4;
    } else {
        selectedColumn = 0;
    }

    for (size_t axis = 0; axis < 3; ++axis) {
        const double minimum = dataSet.minimum[axis];
        const double maximum = dataSet.maximum[axis];
        gridSize[axis] = {minimum, maximum};
        divisionRange[axis] = {minimum, maximum};
        DIVISIONLINEVALUE[axis] = (maximum - minimum) * 0.25;
    }

    if (dataType != 3) {
        const auto column = static_cast<size_t>(selectedColumn);
        // A column without statistics (a failed or partial load) leaves the range alone.
        if (selectedColumn >= 0 && column < dataSet.columnMaximum.size() &&
            column < dataSet.columnMinimum.size()) {
            setMAX(dataSet.columnMaximum[column]);
            setMIN(dataSet.columnMinimum[column]);
        }
    }
}

void ViewSettings::initialiseView() {
    DIGREE = {1800, 1800, 1800};
    POSITION = {0.0, 0.0, 0.0};
    SCALE123 = 1.0;
}

} // namespace vellum
