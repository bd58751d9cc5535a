#pragma once
// Where the grid planes, their division lines and the grid values go, computed without
// OpenGL. Positions are drawing units; values are data units.
#include "render/DrawingBox.h"

#include <array>
#include <vector>

namespace vellum {

// One axis of the grid as the drawing box gives it.
struct GridAxis {
    double gridLow = 0.0, gridHigh = 0.0; // grid box, free-space margin included
    double gridSize = 0.0;                // grid box size without the margin
    double divisionLow = 0.0;             // division box minimum
    double divisionSize = 0.0;            // division box size
    double divisionStep = 0.0;            // DIVISIONLINEVALUE step, in drawing units
    // Data units, for the value texts.
    double gridSizeMin = 0.0, gridSizeMax = 0.0; // GRIDSIZEn
    double dataMin = 0.0, dataExtent = 0.0;       // the axis's data range
    double divisionRangeMin = 0.0;                // DIVISIONLINEVALUEn minimum
    double valueStep = 0.0;                       // DIVISIONLINEVALUE entry
    double insideTolerance = 0.0; // allowance above the box for a value (axis 3, DIM 2)
};

// How the divisions are laid: NUM, GRIDDEV, DIVISIONLINESTYLE.
struct GridRule {
    int count = 4;
    int overGridBox = 0; // GRIDDEV
    int byValue = 0;     // DIVISIONLINESTYLE
};

// More lines than this along one axis is not a grid one could read; such a step is taken
// as one that does not advance.
inline constexpr int kMaxDivisionsPerAxis = 10000;

// Positions of the division lines along one axis. A count below 1 or a step of 0, below
// 0 or too small to advance gives none.
std::vector<double> divisionLinePositions(const GridAxis& axis, const GridRule& rule);

struct GridValueMark {
    double position; // along the axis, drawing units
    double value;    // data units
};
// The value texts along one axis, under the same guards as the lines.
std::vector<GridValueMark> gridValueMarks(const GridAxis& axis, const GridRule& rule);

// The planes lie on the faces of the drawing box's grid box (margin included).
// Planes in the order of [GRID] ON: 12-, 12+, 23-, 23+, 31-, 31+.
inline constexpr int kGridPlaneCount = 6;

// The four corners of a plane, for its outline.
std::array<Point3, 4> gridPlaneOutline(const DrawingBox& box, int plane);

struct Segment3 {
    Point3 from;
    Point3 to;
};
// The division lines across a plane: for each of its two axes, one line per position from
// one edge of the box to the opposite one.
std::vector<Segment3> gridPlaneDivisions(const DrawingBox& box, int plane,
                                         const std::array<std::vector<double>, 3>& positions);

// Where a value text of `axis` (0..2) at `position` stands: at the low edges of the box,
// set off by 0.05 on the two other axes, then moved by the axis's POSn displacement.
Point3 gridValueAnchor(const DrawingBox& box, int axis, double position, const Point3& displacement);

} // namespace vellum
