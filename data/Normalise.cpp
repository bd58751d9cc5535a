#include "data/Normalise.h"

#include "common/Texts.h"
#include "common/Ui.h"
#include "data/DataSet.h"

#include <algorithm>

namespace vellum {

namespace {

constexpr const char* kColumnOverflowMessage = TX("データ列オーバーフロー");
constexpr const char* kNodeWithoutRowMessage = TX("節点データに対応するデータ値がありません");
constexpr const char* kElementWithoutRowMessage = TX("要素データに対応するデータ値がありません");

// A zero divisor would turn every position or value into NaN or infinity; a flat model
// or a constant column is drawn at the centre, or coloured at the minimum, instead.
double nonZero(double divisor) { return divisor == 0.0 ? 1.0 : divisor; }

struct Divisors {
    std::array<double, 3> axis;
};

Divisors divisorsFor(const DataSet& dataSet, int rectScale) {
    Divisors d{};
    for (size_t i = 0; i < 3; ++i) {
        double divisor = dataSet.overallExtent;
        if (rectScale == 1 && dataSet.extent[i] != 0.0) divisor = dataSet.extent[i];
        d.axis[i] = nonZero(divisor);
    }
    return d;
}

// The column statistics of the selected column, with a zero range read as 1.
struct ColumnScale {
    double minimum, middle, range;
};

bool columnExists(const DataSet& dataSet, int column) {
    return column >= 0 && size_t(column) < dataSet.columnRange.size() &&
           size_t(column) < dataSet.columnMinimum.size() && size_t(column) < dataSet.columnMiddle.size() &&
           size_t(column) < kMaxRowValues;
}

bool vectorColumnsExist(const DataSet& dataSet) {
    for (int32_t column : dataSet.vectorColumns)
        if (column < 0 || uint32_t(column) >= dataSet.columnCount || size_t(column) >= kMaxRowValues)
            return false;
    return true;
}

} // namespace

int Normalise(DataSet& dataSet, Ui& ui, const NormaliseInputs& in) {
    dataSet.markChanged();
    const bool hasData = in.dataType >= 0 && in.dataType <= 2;
    const bool nodeData = in.dataType == 0 || in.dataType == 2;
    const bool vectorData = in.dataType == 2;
    const size_t c = size_t(in.column);
    if (hasData && (!columnExists(dataSet, in.column) || (vectorData && !vectorColumnsExist(dataSet)))) {
        ui.showMessage(kColumnOverflowMessage);
        return 1;
    }
    ColumnScale scale{0.0, 0.0, 1.0};
    if (hasData)
        scale = {dataSet.columnMinimum[c], dataSet.columnMiddle[c], nonZero(dataSet.columnRange[c])};

    // Every value read from a row must lie within that row's values, not stale storage.
    size_t highestColumn = c;
    if (vectorData)
        for (int32_t column : dataSet.vectorColumns) highestColumn = std::max(highestColumn, size_t(column));

    const Divisors d = divisorsFor(dataSet, in.RECTSCALE);
    // Without data there is no value to lift a node by; element values lift whole
    // elements when they are drawn, so their nodes keep their own third coordinate.
    int dim = in.DIM == 0 || in.DIM == 2 ? in.DIM : 1;
    if (dim == 2 && !nodeData) dim = 1;

    if (vectorData) {
        dataSet.arrows.assign(dataSet.nodes.size(), NodeArrow{});
    } else {
        dataSet.arrows.clear();
        dataSet.arrows.shrink_to_fit();
    }
    for (size_t i = 0; i < dataSet.nodes.size(); ++i) {
        NodeRecord& node = dataSet.nodes[i];
        const double* row = nullptr; // the values of the node's row
        if (nodeData) {
            const uint32_t found = dataSet.findDataRow(node.number);
            if (found == kNoIndex || found >= dataSet.rows.size()) {
                ui.showMessage(kNodeWithoutRowMessage);
                return 1;
            }
            row = dataSet.rows.values(found);
            if (highestColumn >= dataSet.rows.valueCount(found)) {
                ui.showMessage(kColumnOverflowMessage);
                return 1;
            }
        }
        for (size_t axis = 0; axis < 2; ++axis)
            node.position[axis] = in.SCALE[axis] * (node.coordinates[axis] - dataSet.centre[axis]) / d.axis[axis];
        if (dim == 0) node.position[2] = 0.0;
        else if (dim == 1) node.position[2] = in.SCALE[2] * (node.coordinates[2] - dataSet.centre[2]) / d.axis[2];
        else node.position[2] = in.SCALE[2] * (row[c] - scale.middle) / scale.range;
        if (!row) continue;

        const double value = row[c];
        node.t = (value - scale.minimum) / scale.range;
        if (!vectorData) continue;
        const double magnitude = value;
        const std::array<double, 3> component{row[size_t(dataSet.vectorColumns[0])],
                                              row[size_t(dataSet.vectorColumns[1])],
                                              row[size_t(dataSet.vectorColumns[2])]};
        NodeArrow& arrow = dataSet.arrows[i];
        arrow.magnitude = magnitude;
        const double length = in.VECLEN * 0.1;
        for (size_t axis = 0; axis < 3; ++axis) {
            if (in.VEC_COM_LEN == 1)
                arrow.tip[axis] = magnitude == 0.0 ? node.position[axis]
                                                   : node.position[axis] + length * component[axis] / magnitude;
            else
                arrow.tip[axis] = node.position[axis] + length * component[axis] / scale.range;
        }
        arrow.halfVector = {component[0] / 2, component[1] / 2, (magnitude + component[2]) / 2};
    }

    if (in.dataType == 1) {
        for (ElementRecord& element : dataSet.elements) {
            const uint32_t found = dataSet.findDataRow(element.number);
            if (found == kNoIndex || found >= dataSet.rows.size()) {
                ui.showMessage(kElementWithoutRowMessage);
                return 1;
            }
            const DataRecord row = dataSet.rows[found];
            if (c >= row.valueCount) {
                ui.showMessage(kColumnOverflowMessage);
                return 1;
            }
            element.t = (row.values[c] - scale.minimum) / scale.range;
        }
    }
    return 0;
}

} // namespace vellum
