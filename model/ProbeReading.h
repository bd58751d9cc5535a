#pragma once
// What a probe reports about the graph: the node (and element) under the pointer with its
// coordinates as read and the values of the shown column, the largest and smallest value
// on screen, and the texts the programs show, copy and print for them.
#include "data/DataSet.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vellum {

class ViewSettings;

// A place on the graph: a node, and the element of the face it was found on (kNoIndex
// for none). Indices into DataSet::nodes and DataSet::elements.
struct ProbeTarget {
    uint32_t node = kNoIndex;
    uint32_t element = kNoIndex;

    friend bool operator==(const ProbeTarget&, const ProbeTarget&) = default;
};

struct ProbeReading {
    int32_t node = 0;
    bool hasElement = false; // element values: the element is what the value belongs to
    int32_t element = 0;
    std::array<double, 3> coordinates{}; // as read: after the polar conversion, before normalisation
    // Scalar data: the shown column's value; vectors: the three components, then the
    // magnitude; no data: none.
    std::vector<double> values;
};

// The reading of `target` for the data type and the shown column (`column`; vectors use
// the data set's vector columns and magnitude). A node or element without a data row
// reads no values.
ProbeReading readProbe(const DataSet& dataSet, int dataType, int column, const ProbeTarget& target);

// The status-bar text, numbers in the legend's style: "節点 221 (0.5, 0.25, 0) 値 6.24464";
// element values "要素 12 節点 221 (...) 値 ..."; vectors "... 成分 (a, b, c) 大きさ m".
std::string probeStatusText(const ProbeReading& reading, const ViewSettings& look);
// The label drawn beside a pinned probe: "節点 221: 6.24464" (element values name the
// element, vectors show the magnitude).
std::string probeLabelText(const ProbeReading& reading, const ViewSettings& look);
// A number in the legend's style, with six significant digits where the legend's style
// is automatic.
std::string probeNumberText(double value, const ViewSettings& look);

// Pinned probes as tab-separated text for a spreadsheet: a header line, then one line per
// reading with the node number, the element number (empty for node data), x, y, z and the
// values, at full precision. Lines end in "\n".
std::string probesTabText(const std::vector<ProbeReading>& readings, int dataType);
// The header cells of that text, for a dialog that lists the same columns.
std::vector<std::string> probeColumnTitles(int dataType);
// The cells of one reading's line.
std::vector<std::string> probeCells(const ProbeReading& reading, int dataType);

// One probe of the headless program as a JSON object (no line end):
// {"pixel": [X, Y], "hit": true, "node": N, "element": E or null, "coordinates": [...],
// "values": [...]}, or {"pixel": [X, Y], "hit": false} when `reading` is null.
std::string probeJson(int x, int y, const ProbeReading* reading);

// Where a target lies: its node, or the mean of its element's nodes when it names no
// node; coordinates as read, or drawing positions.
std::array<double, 3> targetCoordinates(const DataSet& dataSet, const ProbeTarget& target);
std::array<double, 3> targetPosition(const DataSet& dataSet, const ProbeTarget& target);

// The largest and smallest value of the shown column among the visible nodes (visible
// elements for element values, magnitudes for vectors); ties go to the lowest number.
struct Extreme {
    bool found = false;
    ProbeTarget target;
    int32_t number = 0; // the node's, or the element's for element values
    double value = 0.0;

    friend bool operator==(const Extreme&, const Extreme&) = default;
};
struct Extremes {
    Extreme maximum, minimum;
};
Extremes findExtremes(const DataSet& dataSet, int dataType, int column);
// "最大 6.24464 (節点 221)" / "最小 ... (要素 12)".
std::string extremeLabelText(const Extreme& extreme, bool maximum, int dataType, const ViewSettings& look);
// The "extremes" member of the headless summary: {"max": {...}, "min": {...}}, each with
// "node" (or "element"), "value" and "coordinates"; null for a graph without data.
std::string extremesJson(const DataSet& dataSet, int dataType, int column);

} // namespace vellum
