#include "model/ProbeReading.h"

#include "common/Codes.h"
#include "common/Numbers.h"
#include "common/TextNumber.h"
#include "common/Texts.h"
#include "settings/ViewSettings.h"

namespace vellum {
namespace {

// The value of `column` in the data row numbered `number`, when there is one.
bool rowValue(const DataSet& d, int32_t number, size_t column, double& value) {
    const uint32_t row = d.findDataRow(number);
    if (row == kNoIndex || row >= d.rows.size() || column >= d.rows.valueCount(row)) return false;
    value = d.rows.values(row)[column];
    return true;
}

// The column drawn for the data type: vectors show their magnitude, kept after the file's
// columns.
size_t shownColumn(const DataSet& d, int dataType, int column) {
    if (dataType == kVectorData) return d.columnCount;
    return column < 0 ? static_cast<size_t>(kMaxRowValues) : static_cast<size_t>(column);
}

std::string coordinateText(double value) { return formatC("%.6G", value); }

std::string triple(const double* v, const ViewSettings* look) {
    auto one = [&](double x) { return look ? probeNumberText(x, *look) : coordinateText(x); };
    return "(" + one(v[0]) + ", " + one(v[1]) + ", " + one(v[2]) + ")";
}

bool scalarData(int dataType) { return dataType == kNodeValues || dataType == kElementValues; }

// The element's nodes' mean, of coordinates as read or of drawing positions.
template <class Of>
std::array<double, 3> elementMean(const DataSet& d, const ElementRecord& element, Of of) {
    std::array<double, 3> sum{};
    size_t count = 0;
    for (uint8_t i = 0; i < element.nodeCount && i < kMaxElementNodes; ++i) {
        if (element.nodes[i] >= d.nodes.size()) continue;
        const auto& p = of(d.nodes[element.nodes[i]]);
        for (size_t a = 0; a < 3; ++a) sum[a] += p[a];
        ++count;
    }
    if (count > 0)
        for (double& s : sum) s /= static_cast<double>(count);
    return sum;
}

std::string jsonNumbers(const double* values, size_t count) {
    std::string text = "[";
    for (size_t i = 0; i < count; ++i) text += (i ? ", " : "") + formatShortest(values[i]);
    return text + "]";
}

} // namespace

ProbeReading readProbe(const DataSet& d, int dataType, int column, const ProbeTarget& target) {
    ProbeReading reading;
    if (target.node < d.nodes.size()) {
        const NodeRecord& node = d.nodes[target.node];
        reading.node = node.number;
        reading.coordinates = node.coordinates;
    }
    const bool elementData = dataType == kElementValues && target.element < d.elements.size();
    if (elementData) {
        reading.hasElement = true;
        reading.element = d.elements[target.element].number;
    }
    const int32_t owner = elementData ? reading.element : reading.node;
    if (dataType == kVectorData) {
        double v[4];
        bool complete = true;
        for (size_t i = 0; i < 3; ++i) {
            const int32_t c = d.vectorColumns[i];
            complete = complete && c >= 0 && rowValue(d, owner, static_cast<size_t>(c), v[i]);
        }
        if (complete && rowValue(d, owner, d.columnCount, v[3])) reading.values.assign(v, v + 4);
    } else if (scalarData(dataType) && (target.node < d.nodes.size() || elementData)) {
        double value = 0.0;
        if (rowValue(d, owner, shownColumn(d, dataType, column), value)) reading.values.push_back(value);
    }
    return reading;
}

std::string probeNumberText(double value, const ViewSettings& look) {
    // The legend's automatic style shows three digits, too few to read a value off.
    const std::string format = look.legendStyle == 0 ? std::string("%.6G") : look.legendFormat();
    return formatValueText(format, value);
}

std::string probeStatusText(const ProbeReading& r, const ViewSettings& look) {
    // Shown in the status bar only, so in the interface language.
    std::string text;
    if (r.hasElement) text += shownText(TX("要素 %1 "), {std::to_string(r.element)});
    text += shownText(TX("節点 %1 %2"), {std::to_string(r.node), triple(r.coordinates.data(), nullptr)});
    if (r.values.size() == 4) {
        text += shownText(TX(" 成分 %1 大きさ %2"), {triple(r.values.data(), &look), probeNumberText(r.values[3], look)});
    } else if (r.values.size() == 1) {
        text += shownText(TX(" 値 %1"), {probeNumberText(r.values[0], look)});
    }
    return text;
}

std::string probeLabelText(const ProbeReading& r, const ViewSettings& look) {
    // Drawn into the graph picture, which must not change with the interface language.
    std::string text = r.hasElement ? "要素 " + std::to_string(r.element) : "節点 " + std::to_string(r.node);
    if (!r.values.empty()) text += ": " + probeNumberText(r.values.back(), look);
    return text;
}

std::vector<std::string> probeColumnTitles(int dataType) {
    // Source texts: the clipboard copy is data a person pastes into a spreadsheet, like a
    // file, and keeps them in every language; the pin list translates them as it shows them.
    std::vector<std::string> titles{TX("節点"), TX("要素"), "x", "y", "z"};
    if (dataType == kVectorData) titles.insert(titles.end(), {TX("成分1"), TX("成分2"), TX("成分3"), TX("大きさ")});
    else if (scalarData(dataType)) titles.push_back(TX("値"));
    return titles;
}

std::vector<std::string> probeCells(const ProbeReading& r, int dataType) {
    std::vector<std::string> cells{std::to_string(r.node), r.hasElement ? std::to_string(r.element) : ""};
    for (double c : r.coordinates) cells.push_back(formatShortest(c));
    const size_t columns = probeColumnTitles(dataType).size();
    for (double v : r.values)
        if (cells.size() < columns) cells.push_back(formatShortest(v));
    cells.resize(columns); // a node without a data row leaves its value cells empty
    return cells;
}

std::string probesTabText(const std::vector<ProbeReading>& readings, int dataType) {
    auto line = [](const std::vector<std::string>& cells) {
        std::string text;
        for (size_t i = 0; i < cells.size(); ++i) text += (i ? "\t" : "") + cells[i];
        return text + "\n";
    };
    std::string text = line(probeColumnTitles(dataType));
    for (const ProbeReading& r : readings) text += line(probeCells(r, dataType));
    return text;
}

std::string probeJson(int x, int y, const ProbeReading* r) {
    std::string text = formatC("{\"pixel\": [%d, %d], \"hit\": ", x, y);
    if (!r) return text + "false}";
    text += "true, \"node\": " + std::to_string(r->node) + ", \"element\": ";
    text += r->hasElement ? std::to_string(r->element) : "null";
    text += ", \"coordinates\": " + jsonNumbers(r->coordinates.data(), 3);
    text += ", \"values\": " + jsonNumbers(r->values.data(), r->values.size()) + "}";
    return text;
}

Extremes findExtremes(const DataSet& d, int dataType, int column) {
    Extremes found;
    if (!scalarData(dataType) && dataType != kVectorData) return found;
    const size_t shown = shownColumn(d, dataType, column);
    auto consider = [&](const ProbeTarget& target, int32_t number) {
        double value = 0.0;
        if (!rowValue(d, number, shown, value)) return;
        Extreme& top = found.maximum;
        if (!top.found || value > top.value || (value == top.value && number < top.number))
            top = Extreme{true, target, number, value};
        Extreme& bottom = found.minimum;
        if (!bottom.found || value < bottom.value || (value == bottom.value && number < bottom.number))
            bottom = Extreme{true, target, number, value};
    };
    if (dataType == kElementValues) {
        for (uint32_t e = 0; e < d.elements.size(); ++e)
            if (d.elements[e].visible != 0.0) consider(ProbeTarget{kNoIndex, e}, d.elements[e].number);
    } else {
        for (uint32_t n = 0; n < d.nodes.size(); ++n)
            if (d.nodes[n].visible != 0.0f) consider(ProbeTarget{n, kNoIndex}, d.nodes[n].number);
    }
    return found;
}

std::string extremeLabelText(const Extreme& extreme, bool maximum, int dataType, const ViewSettings& look) {
    // Drawn into the graph picture: the same in every language.
    const char* owner = dataType == kElementValues ? "要素" : "節点";
    return std::string(maximum ? "最大 " : "最小 ") + probeNumberText(extreme.value, look) + " (" + owner + " " +
           std::to_string(extreme.number) + ")";
}

std::array<double, 3> targetCoordinates(const DataSet& d, const ProbeTarget& target) {
    if (target.node < d.nodes.size()) return d.nodes[target.node].coordinates;
    if (target.element < d.elements.size())
        return elementMean(d, d.elements[target.element],
                           [](const NodeRecord& n) -> const std::array<double, 3>& { return n.coordinates; });
    return {};
}

std::array<double, 3> targetPosition(const DataSet& d, const ProbeTarget& target) {
    if (target.node < d.nodes.size()) return d.nodes[target.node].position;
    if (target.element < d.elements.size())
        return elementMean(d, d.elements[target.element],
                           [](const NodeRecord& n) -> const std::array<double, 3>& { return n.position; });
    return {};
}

std::string extremesJson(const DataSet& d, int dataType, int column) {
    const Extremes e = findExtremes(d, dataType, column);
    if (!e.maximum.found) return "null";
    const char* owner = dataType == kElementValues ? "element" : "node";
    auto one = [&](const Extreme& x) {
        const std::array<double, 3> at = targetCoordinates(d, x.target);
        return formatC("{\"%s\": %d, \"value\": ", owner, x.number) + formatShortest(x.value) +
               ", \"coordinates\": " + jsonNumbers(at.data(), 3) + "}";
    };
    return "{\"max\": " + one(e.maximum) + ", \"min\": " + one(e.minimum) + "}";
}

} // namespace vellum
