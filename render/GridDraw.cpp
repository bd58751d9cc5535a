#include "render/GridDraw.h"

#include "data/DataSet.h"
#include "render/ColourMap.h"
#include "render/GridGeometry.h"
#include "render/SceneHooks.h"
#include "render/TextNumber.h"
#include "render/TextRenderer.h"
#include "settings/ViewSettings.h"

#include <GL/gl.h>

namespace vellum {
namespace {

// Axis 3 may measure the selected data column instead of the node coordinate; a value
// at the top of that column may then stand a hair above the box.
constexpr double kValueAxisTolerance = 0.0001;

GridAxis gridAxisOf(const SceneContext& scene, size_t axis) {
    const DrawingBox& box = scene.box;
    const ViewSettings& s = scene.settings;
    const DataSet& data = scene.dataSet;
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
    const bool valueAxis = axis == 2 && s.DIM == 2 && scene.state.dataType >= kNodeValues &&
                           scene.state.dataType <= kVectorData && s.selectedColumn >= 0 &&
                           column < data.columnMinimum.size() && column < data.columnRange.size();
    if (valueAxis) {
        a.dataMin = data.columnMinimum[column];
        a.dataExtent = data.columnRange[column];
        a.insideTolerance = kValueAxisTolerance;
    }
    return a;
}

void setLineLook(const RGBColor& colour, double width, uint16_t pattern) {
    const Colour c = colourOf(colour);
    glColor3f(c.red, c.green, c.blue);
    glLineWidth(width > 0.0 ? static_cast<GLfloat>(width) : 1.0f);
    glLineStipple(1, pattern);
}

void vertex(const Point3& p) { glVertex3d(p[0], p[1], p[2]); }

} // namespace

void drawGridPlanes(const SceneContext& scene, TextRenderer& text) {
    const ViewSettings& s = scene.settings;
    const DrawingBox& box = scene.box;
    const GridRule baseRule{0, s.GRIDDEV, s.DIVISIONLINESTYLE};
    std::array<GridAxis, 3> axes;
    std::array<std::vector<double>, 3> positions;
    for (size_t axis = 0; axis < 3; ++axis) {
        axes[axis] = gridAxisOf(scene, axis);
        GridRule rule = baseRule;
        rule.count = s.gridNum[axis];
        positions[axis] = divisionLinePositions(axes[axis], rule);
    }

    glPushAttrib(GL_LINE_BIT | GL_CURRENT_BIT);
    setLineLook(s.COLOR2, s.DWID2, s.style2Pattern());
    glBegin(GL_LINES);
    for (int plane = 0; plane < kGridPlaneCount; ++plane) {
        if (s.gridOn[static_cast<size_t>(plane)] != 1) continue;
        for (const Segment3& segment : gridPlaneDivisions(box, plane, positions)) {
            vertex(segment.from);
            vertex(segment.to);
        }
    }
    glEnd();

    setLineLook(s.gridColor, s.DWID, s.gridPattern());
    for (int plane = 0; plane < kGridPlaneCount; ++plane) {
        if (s.gridOn[static_cast<size_t>(plane)] != 1) continue;
        glBegin(GL_LINE_LOOP);
        for (const Point3& corner : gridPlaneOutline(box, plane)) vertex(corner);
        glEnd();
    }

    const Colour textColour = colourOf(s.gridStringColor);
    for (size_t axis = 0; axis < 3; ++axis) {
        if (s.gridVal[axis] != 1) continue;
        GridRule rule = baseRule;
        rule.count = s.gridNum[axis];
        for (const GridValueMark& mark : gridValueMarks(axes[axis], rule)) {
            const Point3 anchor =
                gridValueAnchor(box, static_cast<int>(axis), mark.position, s.gridValuePos[axis]);
            glColor3f(textColour.red, textColour.green, textColour.blue);
            glRasterPos3d(anchor[0], anchor[1], anchor[2]);
            text.drawBitmapText(formatValueText(s.gridValueFormat(axis), mark.value));
        }
    }
    glPopAttrib();
}

} // namespace vellum
