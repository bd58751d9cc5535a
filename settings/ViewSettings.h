#pragma once
// The one record of every look setting of the graph. Fields are named by the key the view
// settings file stores them under; where a key occurs in several sections the name says
// the section (the comment gives the key). Arrays indexed by axis hold axis 1 at [0].
#include "common/RGBColor.h"
#include "settings/UserColours.h"

#include <array>
#include <cstdint>
#include <string>

namespace vellum {

class DataSet;

// Line style codes: 0 solid, 1 short chain, 2 long chain.
inline constexpr int kLineStyleCount = 3;
// The stipple pattern of a line style code; codes out of range draw solid.
uint16_t linePatternOf(int styleCode);

// Value style codes: 0 automatic, 1 integer, 2 decimal, 3 exponent. The printf format
// of legend and grid values, e.g. "%.3G" for style 0 with 3 digits.
std::string valueFormatOf(int valueStyle, int digits);

// A window's edges in screen pixels and its show state, in the order the file writes them.
struct WindowEdges {
    int right = 640;
    int left = 0;
    int top = 0;
    int bottom = 480;
    int show = 1;

    friend bool operator==(const WindowEdges&, const WindowEdges&) = default;
};

// The wireframe, contour, point and vector options; held once for the graph ([GRAPH])
// and once for the projection ([GRAPH2]).
struct GraphOptionSet {
    int WIREMODE = 2; // 0 not drawn, 1 graph's colours, 2 one colour
    int WIRESTYLE = 0;
    double WIREWID = 1.0;
    RGBColor WIRECOLOR{0, 0, 0};
    int CONT = 1; // fill between contour lines
    int CONTSTYLE = 0;
    double CONTWID = 1.0;
    int CONTNUM = 16;
    int CONTMODE = 0; // 0 graph's colours, 1 one colour
    RGBColor CONTCOLOR{0, 0, 0};
    int POINTBALL = 0;
    int POINTSIZEDATA = 0;
    double POINTSIZE = 3.0;
    int POINTMODE = 0;
    RGBColor POINTCOLOR{0, 0, 0};
    int VEC0 = 1; // also show nodes whose vector magnitude is 0 (reset: 0)
    int VEC_COM_LEN = 0;
    double VECWID = 1.0;
    double VECLEN = 1.0;
    double VECSIZE = 1.0;
    int VECMODE = 0;
    RGBColor VECCOLOR{0, 0, 0};

    // Stipple patterns follow from the style codes, so no write can leave them stale.
    uint16_t wirePattern() const { return linePatternOf(WIRESTYLE); }
    uint16_t contPattern() const { return linePatternOf(CONTSTYLE); }

    friend bool operator==(const GraphOptionSet&, const GraphOptionSet&) = default;
};

// A plain value: a dialog edits a copy and assigns it back on OK; nothing is shared
// between copies. The record starts at the defaults.
class ViewSettings {
public:

    // ---- [GRAPH], first part
    int MODE = 0;  // 0 gradation, 1 contour, 2 points, 3 vectors, 4 wireframe
    int MODE2 = 5; // projection: the same codes plus 5 none
    int HIDE = 0;
    int HIDE2 = 0;
    int DIM = 1; // value along axis 3: 0 flat, 1 node coordinate, 2 data value
    int SUISEN1 = 0;
    int SUISEN2 = 0;
    double SUISENWIDTH = 1.0;
    int SUISENSTYLE = 0;
    RGBColor SUISENCOLOR{128, 128, 128}; // reset: 0, 0, 0

    // ---- [GRAPH], second part, and [GRAPH2]
    GraphOptionSet graph;
    GraphOptionSet projection;

    // ---- [GRAPHPOSITION]
    std::array<double, 3> POSITION{0.0, 0.0, 0.0};
    std::array<int, 3> DIGREE{1800, 1800, 1800}; // whole degrees + 1800, read modulo 360
    double SCALE123 = 1.0;
    std::array<double, 3> SCALE{1.0, 1.0, 1.0}; // [GRAPHPOSITION] SCALE, per axis
    int RECTSCALE = 0;                           // each axis by its own extent; not reset
    RGBColor BACKCOLOR{255, 255, 255};           // not reset
    // WINDOW: the frame window's edges. Not a look setting: the shell fills it from the
    // frame before a write or a read, and places the frame from it after a read.
    WindowEdges WINDOW;

    // ---- [COLOR]
    int colorMode = 16;  // [COLOR] MODE: 2 x colour-map index + invert flag
    int colorMode2 = 16; // [COLOR] MODE2, the projection's
    UserColours userColours; // ORIGN1..3, not reset

    // ---- [GRID]
    int FREESPACE = 0; // not reset
    int GRIDDEV = 0;
    std::array<int, 6> gridOn{1, 0, 1, 0, 0, 1}; // [GRID] ON: planes 12-, 12+, 23-, 23+, 31-, 31+
    int gridStyle = 0;                           // [GRID] STYLE: outer frame
    int STYLE2 = 0;                              // division lines
    double DWID = 1.0;
    double DWID2 = 1.0;
    RGBColor gridColor{0, 0, 0}; // [GRID] COLOR
    RGBColor COLOR2{0, 0, 0};
    std::array<int, 3> gridNum{4, 4, 4}; // [GRID] NUM
    int DIVISIONLINESTYLE = 0;           // 0 by count, 1 by interval; not reset
    std::array<double, 3> DIVISIONLINEVALUE{0.25, 0.25, 0.25};
    // DIVISIONLINEVALUE1..3: minimum and maximum of the division range per axis.
    std::array<std::array<double, 2>, 3> divisionRange{{{-0.5, 0.5}, {-0.5, 0.5}, {-0.5, 0.5}}};
    // GRIDSIZE1..3: minimum and maximum of the grid box per axis.
    std::array<std::array<double, 2>, 3> gridSize{{{-0.5, 0.5}, {-0.5, 0.5}, {-0.5, 0.5}}};
    std::array<int, 3> gridVal{0, 0, 0}; // [GRID] VAL
    // POS1..3: displacement of the grid values of each axis, along axes 1, 2, 3.
    std::array<std::array<double, 3>, 3> gridValuePos{};
    std::array<int, 3> VALSTYLE{0, 0, 0};
    std::array<int, 3> VALSHO{3, 3, 3};
    RGBColor gridStringColor{0, 0, 0}; // [GRID] STRINGCOLOR, not reset

    // ---- [HANREI] (legend)
    std::array<int, 2> legendOn{1, 0};           // [HANREI] ON: shown, horizontal
    std::array<double, 2> legendScale{0.1, 1.5}; // [HANREI] SCALE
    std::array<double, 3> legendPos{0.0, 0.0, 0.0}; // [HANREI] POS
    int legendStyle = 0;                         // [HANREI] STYLE
    int SHO = 3;
    int legendNum = 10;                  // [HANREI] NUM
    RGBColor legendStringColor{0, 0, 0}; // [HANREI] STRINGCOLOR, not reset
    double MAX = 0.0; // legend range: not reset, set from the data after each load
    double MIN = 0.0;

    // ---- [ZAHYO] (coordinate axes)
    int axesOn = 1;                                    // [ZAHYO] ON
    double axesScale = 1.0;                            // [ZAHYO] SCALE
    std::array<double, 3> axesPos{0.0, 0.0, 0.0};      // [ZAHYO] POS
    int axesStyle = 0;                                 // [ZAHYO] STYLE
    double WID = 1.0;
    RGBColor axesColor{0, 0, 0};                       // [ZAHYO] COLOR
    std::array<std::string, 3> axesVal{"1", "2", "3"}; // [ZAHYO] VAL: axis names

    // ---- [LABEL]
    std::string TITLE;
    RGBColor STRINGCOLOR0{0, 0, 0}; // title colour, not reset
    std::array<double, 2> TITLEPOS{0.0, 0.0};
    std::array<std::string, 3> LABEL;            // LABEL1..3
    std::array<RGBColor, 3> labelColor{};        // STRINGCOLOR1..3, not reset
    std::array<std::array<double, 3>, 3> labelPos{}; // LABEL1POS..3: translation
    std::array<int, 3> labelAngle{0, 0, 0};          // LABEL1POS..3: last value, degrees

    // ---- [PROBE] (additions, written only when in use)
    int showExtremes = 0; // EXTREMES: mark the largest and smallest value shown
    // ---- [SERIES] (additions, written only when in use)
    int seriesFixedRange = 0; // FIXEDRANGE: one legend range over every step of a series

    // ---- Derived values, never stored in files: computed from their codes on demand.
    uint16_t suisenPattern() const { return linePatternOf(SUISENSTYLE); }
    uint16_t gridPattern() const { return linePatternOf(gridStyle); }
    uint16_t style2Pattern() const { return linePatternOf(STYLE2); }
    uint16_t axesPattern() const { return linePatternOf(axesStyle); }
    std::string legendFormat() const { return valueFormatOf(legendStyle, SHO); }
    std::string gridValueFormat(size_t axis) const { return valueFormatOf(VALSTYLE.at(axis), VALSHO.at(axis)); }
    // The invert flag is the lowest bit of the code (a negative code's too).
    int colorInvert() const { return colorMode & 1; }
    int colorInvert2() const { return colorMode2 & 1; }

    // ---- View state: never in a file and untouched by the reset.
    int mouseMode = 0;      // what a left-button drag does, 0..15
    int dragging = 0;       // 1 while a drag or a key press is in progress
    int sheetStartPage = 0; // settings sheet page shown first
    int selectedColumn = 0; // data column shown for node or element values

    // Rotation about axis 0..2 in whole degrees 0..359.
    int degrees(int axis) const;

    // Back to the look before a data load: every field to its reset value except those
    // marked "not reset" and the view state; the projection's options become a copy of
    // the graph's.
    void resetBeforeLoad();

    // After a successful load (data type 0 node values, 1 element values, 2 vector data,
    // 3 no data file): graph kind and selected column, grid sizes and division ranges from
    // the extents, and the legend range from the selected column. The caller recomputes
    // the drawing box afterwards.
    void adjustAfterLoad(const DataSet& dataSet, int dataType);

    // The initialise-view command: rotation, translation and overall scale back to their
    // defaults; the per-axis scales stay.
    void initialiseView();

    friend bool operator==(const ViewSettings&, const ViewSettings&) = default;
};

} // namespace vellum
