#include "MeshTestNodes.h"
#include "tests/support/RecordingUi.h"
#include "data/DataSet.h"
#include "data/Normalise.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace vellum {
namespace {

using testing::makeElement;
using testing::makeNode;
using testing::setNodes;
using Triple = std::array<double, 3>;
using Messages = std::vector<std::string>;

void setExtents(DataSet& dataSet) {
    RecordingUi quiet;
    ASSERT_EQ(dataSet.ComputeExtents(quiet), 0);
}

// Data rows with their map and the column statistics, given directly.
struct Column {
    double minimum, maximum;
};
void setRows(DataSet& dataSet, const std::vector<std::pair<int32_t, std::vector<double>>>& rows,
             const std::vector<Column>& columns) {
    dataSet.rows.clear();
    for (const auto& [number, values] : rows) dataSet.rows.append(number, values.data(), values.size());
    dataSet.rowCount = uint32_t(dataSet.rows.size());
    dataSet.dataMap.build(dataSet.rows.numbers(), [](int32_t number) { return number; });
    dataSet.columnCount = uint32_t(rows.front().second.size());
    dataSet.columnMaximum.clear();
    dataSet.columnMinimum.clear();
    dataSet.columnRange.clear();
    dataSet.columnMiddle.clear();
    for (const Column& c : columns) {
        dataSet.columnMaximum.push_back(c.maximum);
        dataSet.columnMinimum.push_back(c.minimum);
        dataSet.columnRange.push_back(c.maximum - c.minimum);
        dataSet.columnMiddle.push_back((c.maximum + c.minimum) * 0.5);
    }
}

// A model 10 by 2 by 0 with corners at x 0..10, y 0..2 and one value per node.
DataSet flatModel() {
    DataSet dataSet;
    setNodes(dataSet, {makeNode(1, 0, 0, 5), makeNode(2, 10, 0, 5), makeNode(3, 10, 2, 5), makeNode(4, 0, 2, 5)});
    setExtents(dataSet);
    setRows(dataSet, {{1, {2.0}}, {2, {4.0}}, {3, {6.0}}, {4, {4.0}}}, {{2.0, 6.0}});
    return dataSet;
}

TEST(Normalise, OneCommonDivisorKeepsTheModelsProportions) {
    DataSet dataSet = flatModel();
    RecordingUi ui;
    ASSERT_EQ(Normalise(dataSet, ui, NormaliseInputs{}), 0);
    EXPECT_EQ(dataSet.nodes[0].position, (Triple{-0.5, -0.1, 0.0}));
    EXPECT_EQ(dataSet.nodes[2].position, (Triple{0.5, 0.1, 0.0}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.captions.empty());
}

TEST(Normalise, PerAxisDivisorsFillTheBoxAndAFlatAxisFallsBackToTheLongestSide) {
    DataSet dataSet = flatModel();
    dataSet.nodes[2].coordinates[2] = 5; // still flat on axis 3
    NormaliseInputs in;
    in.RECTSCALE = 1;
    in.SCALE = {2.0, 1.0, 3.0};
    RecordingUi ui;
    ASSERT_EQ(Normalise(dataSet, ui, in), 0);
    EXPECT_EQ(dataSet.nodes[0].position, (Triple{-1.0, -0.5, 0.0}));
    EXPECT_EQ(dataSet.nodes[2].position, (Triple{1.0, 0.5, 0.0}));
}

TEST(Normalise, ThirdAxisFollowsDIM) {
    DataSet dataSet = flatModel();
    dataSet.nodes[1].coordinates[2] = 7; // extents now 10, 2, 2; centre3 6
    setExtents(dataSet);
    RecordingUi ui;
    NormaliseInputs in;
    in.DIM = 0;
    ASSERT_EQ(Normalise(dataSet, ui, in), 0);
    EXPECT_EQ(dataSet.nodes[1].position[2], 0.0);
    in.DIM = 1;
    ASSERT_EQ(Normalise(dataSet, ui, in), 0);
    EXPECT_EQ(dataSet.nodes[1].position[2], 0.1);
    // The node's value, centred on the column middle 4 and divided by the range 4.
    in.DIM = 2;
    in.SCALE[2] = 2.0;
    ASSERT_EQ(Normalise(dataSet, ui, in), 0);
    EXPECT_EQ(dataSet.nodes[0].position[2], -1.0);
    EXPECT_EQ(dataSet.nodes[2].position[2], 1.0);
    // No data file: DIM 2 reads the coordinate.
    in.dataType = 3;
    ASSERT_EQ(Normalise(dataSet, ui, in), 0);
    EXPECT_EQ(dataSet.nodes[1].position[2], 0.2);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Normalise, NodeValuesRunFromZeroAtTheMinimumToOneAtTheMaximum) {
    DataSet dataSet = flatModel();
    RecordingUi ui;
    ASSERT_EQ(Normalise(dataSet, ui, NormaliseInputs{}), 0);
    EXPECT_EQ(dataSet.nodes[0].t, 0.0);
    EXPECT_EQ(dataSet.nodes[1].t, 0.5);
    EXPECT_EQ(dataSet.nodes[2].t, 1.0);
}

TEST(Normalise, AConstantColumnAndACoincidentModelStayFinite) {
    DataSet dataSet;
    setNodes(dataSet, {makeNode(1, 3, 3, 3), makeNode(2, 3, 3, 3)});
    setExtents(dataSet);
    setRows(dataSet, {{1, {8.0}}, {2, {8.0}}}, {{8.0, 8.0}});
    RecordingUi ui;
    for (int rectScale : {0, 1}) {
        NormaliseInputs in;
        in.DIM = 2;
        in.RECTSCALE = rectScale;
        ASSERT_EQ(Normalise(dataSet, ui, in), 0);
        for (const NodeRecord& node : dataSet.nodes) {
            EXPECT_EQ(node.position, (Triple{0, 0, 0}));
            EXPECT_EQ(node.t, 0.0);
        }
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Normalise, ElementValuesColourEachElementAndLeaveTheNodesOnTheirCoordinates) {
    DataSet dataSet = flatModel();
    dataSet.elements = {makeElement(10, {0, 1, 2, 3}), makeElement(20, {0, 1, 2, 3})};
    setRows(dataSet, {{20, {1.0, 5.0}}, {10, {3.0, 5.0}}}, {{1.0, 3.0}, {5.0, 5.0}});
    NormaliseInputs in;
    in.dataType = 1;
    in.DIM = 2;
    RecordingUi ui;
    ASSERT_EQ(Normalise(dataSet, ui, in), 0);
    EXPECT_EQ(dataSet.elements[0].t, 1.0);
    EXPECT_EQ(dataSet.elements[1].t, 0.0);
    EXPECT_EQ(dataSet.nodes[0].position[2], 0.0);
    in.column = 1; // constant column
    ASSERT_EQ(Normalise(dataSet, ui, in), 0);
    EXPECT_EQ(dataSet.elements[0].t, 0.0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Normalise, ReportsAMissingRowOrColumn) {
    RecordingUi ui;
    DataSet nodeData = flatModel();
    nodeData.nodes[3].number = 99;
    EXPECT_EQ(Normalise(nodeData, ui, NormaliseInputs{}), 1);

    DataSet elementData = flatModel();
    elementData.elements = {makeElement(1, {0, 1, 2}), makeElement(5, {1, 2, 3})};
    NormaliseInputs elements;
    elements.dataType = 1;
    EXPECT_EQ(Normalise(elementData, ui, elements), 1);

    DataSet model = flatModel();
    NormaliseInputs pastLast;
    pastLast.column = 1;
    EXPECT_EQ(Normalise(model, ui, pastLast), 1);
    NormaliseInputs negative;
    negative.column = -1;
    EXPECT_EQ(Normalise(model, ui, negative), 1);

    EXPECT_EQ(ui.messages, (Messages{"節点データに対応するデータ値がありません", "要素データに対応するデータ値がありません",
                                     "データ列オーバーフロー", "データ列オーバーフロー"}));

    // Without a data file there is no column to check and no row to find.
    NormaliseInputs noData;
    noData.dataType = 3;
    noData.column = 7;
    EXPECT_EQ(Normalise(nodeData, ui, noData), 0);
    EXPECT_EQ(ui.messages.size(), 4u);
}

// Vector data: components in columns 0..2 and the magnitude appended as column 3.
DataSet vectorModel() {
    DataSet dataSet;
    setNodes(dataSet, {makeNode(1, 0, 0), makeNode(2, 1, 0), makeNode(3, 0, 1)});
    setExtents(dataSet);
    setRows(dataSet, {{1, {3, 4, 0, 5}}, {2, {0, 0, 0, 0}}, {3, {0, 0, 2, 2}}},
            {{0, 3}, {0, 4}, {0, 2}, {0, 5}});
    dataSet.columnCount = 3;
    return dataSet;
}

TEST(Normalise, VectorArrowsOfCommonLength) {
    DataSet dataSet = vectorModel();
    NormaliseInputs in;
    in.dataType = 2;
    in.column = 3;
    in.VEC_COM_LEN = 1;
    RecordingUi ui;
    ASSERT_EQ(Normalise(dataSet, ui, in), 0);
    const NodeRecord& first = dataSet.nodes[0];
    ASSERT_EQ(dataSet.arrows.size(), dataSet.nodes.size());
    const NodeArrow& firstArrow = dataSet.arrows[0];
    const Triple arrow{firstArrow.tip[0] - first.position[0], firstArrow.tip[1] - first.position[1],
                       firstArrow.tip[2] - first.position[2]};
    EXPECT_NEAR(std::hypot(arrow[0], arrow[1], arrow[2]), 0.1, 1e-15);
    EXPECT_NEAR(arrow[0], 0.06, 1e-15);
    EXPECT_EQ(firstArrow.magnitude, 5.0);
    EXPECT_EQ(firstArrow.halfVector, (Triple{1.5, 2.0, 2.5}));
    EXPECT_EQ(first.t, 1.0);
    // A zero vector has its tip on its base, not at NaN.
    EXPECT_EQ(dataSet.arrows[1].tip, dataSet.nodes[1].position);
    EXPECT_EQ(dataSet.arrows[1].halfVector, (Triple{0, 0, 0}));
    // Along axis 3: the arrow head is turned about (0, 0, magnitude).
    EXPECT_EQ(dataSet.arrows[2].halfVector, (Triple{0, 0, 2}));
    // Node values carry no arrows.
    in.dataType = 0;
    in.column = 0;
    ASSERT_EQ(Normalise(dataSet, ui, in), 0);
    EXPECT_TRUE(dataSet.arrows.empty());
}

TEST(Normalise, VectorArrowsScaledByTheMagnitudeRange) {
    DataSet dataSet = vectorModel();
    NormaliseInputs in;
    in.dataType = 2;
    in.column = 3;
    in.VECLEN = 2.0;
    RecordingUi ui;
    ASSERT_EQ(Normalise(dataSet, ui, in), 0);
    const NodeRecord& first = dataSet.nodes[0];
    EXPECT_NEAR(dataSet.arrows[0].tip[0] - first.position[0], 0.2 * 3 / 5, 1e-15);
    EXPECT_NEAR(dataSet.arrows[0].tip[1] - first.position[1], 0.2 * 4 / 5, 1e-15);
    EXPECT_EQ(dataSet.arrows[2].tip[2] - dataSet.nodes[2].position[2], 0.2 * 2 / 5);
}

TEST(Normalise, RefusesVectorColumnsOutsideTheRows) {
    DataSet dataSet = vectorModel();
    NormaliseInputs in;
    in.dataType = 2;
    in.column = 3;
    RecordingUi ui;
    for (int32_t bad : {3, -1, 12}) {
        dataSet.vectorColumns = {0, bad, 2};
        EXPECT_EQ(Normalise(dataSet, ui, in), 1);
    }
    EXPECT_EQ(ui.messages, Messages(3, "データ列オーバーフロー"));
}

} // namespace
} // namespace vellum
