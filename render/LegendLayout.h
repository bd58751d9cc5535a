#pragma once
// The legend as numbers: its value texts, its bar and the fill of the bar, in the
// screen-fixed frame (after the look-at only), computed without OpenGL.
#include "render/ContourGeometry.h"

#include <array>
#include <string>
#include <vector>

namespace vellum {

class ViewSettings;

struct LegendText {
    Point3 anchor; // raster position of the text
    std::string text;
};

// A slice of the bar; each corner carries the colour-map value it is drawn in.
struct LegendQuad {
    std::array<Point3, 4> corners;
    std::array<double, 4> values;
};

struct LegendLine {
    Point3 from, to;
    double value;
};

struct LegendLayout {
    bool shown = false;
    std::vector<LegendText> values;
    Point3 barOrigin{};                  // the bar's frame is translated here
    std::array<Point3, 4> barOutline{};  // in the bar's frame
    std::vector<LegendQuad> quads;        // in the bar's frame
    std::vector<LegendLine> lines;        // in the bar's frame; drawn 2 pixels wide
};

// Width of the level lines across the bar of a contour graph without fill.
inline constexpr double kLegendLevelLineWidth = 2.0;

// The legend for the graph kind `MODE`: gradient for surfaces, points and vectors, level
// lines or bands for contours, nothing for the wireframe.
LegendLayout layoutLegend(const ViewSettings& settings);

} // namespace vellum
