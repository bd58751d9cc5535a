#include "MeshTestNodes.h"
#include "tests/support/RecordingUi.h"
#include "data/DataSet.h"

#include <gtest/gtest.h>

#include <array>

namespace vellum {
namespace {

using testing::makeNode;
using testing::setNodes;
using Triple = std::array<double, 3>;

TEST(ComputeExtents, FindsRangesCentreAndTheLongestSide) {
    DataSet dataSet;
    setNodes(dataSet, {makeNode(1, 1, -2, 4), makeNode(2, -3, 5, 4.5), makeNode(3, 7, 0, 3)});
    RecordingUi ui;
    ASSERT_EQ(dataSet.ComputeExtents(ui), 0);
    EXPECT_EQ(dataSet.maximum, (Triple{7, 5, 4.5}));
    EXPECT_EQ(dataSet.minimum, (Triple{-3, -2, 3}));
    EXPECT_EQ(dataSet.extent, (Triple{10, 7, 1.5}));
    EXPECT_EQ(dataSet.centre, (Triple{2, 1.5, 3.75}));
    EXPECT_EQ(dataSet.overallExtent, 10.0);
    EXPECT_EQ(ui.captions, std::vector<std::string>{"節点情報解析中"});
    EXPECT_EQ(ui.positions, (std::vector<int>{60, 100}));
    EXPECT_EQ(ui.openProgressBars, 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ComputeExtents, AFlatModelTakesItsLongestSideFromTheOtherAxes) {
    DataSet dataSet;
    setNodes(dataSet, {makeNode(1, 0, 0, 2), makeNode(2, 1, 3, 2), makeNode(3, 0.5, -1, 2)});
    RecordingUi ui;
    ASSERT_EQ(dataSet.ComputeExtents(ui), 0);
    EXPECT_EQ(dataSet.extent[2], 0.0);
    EXPECT_EQ(dataSet.overallExtent, 4.0);
}

TEST(ComputeExtents, CoincidentNodesAndNoNodesGiveZeroExtents) {
    RecordingUi ui;
    DataSet same;
    setNodes(same, {makeNode(1, 2, 3, 4), makeNode(2, 2, 3, 4)});
    ASSERT_EQ(same.ComputeExtents(ui), 0);
    EXPECT_EQ(same.extent, (Triple{0, 0, 0}));
    EXPECT_EQ(same.overallExtent, 0.0);
    EXPECT_EQ(same.centre, (Triple{2, 3, 4}));

    DataSet empty;
    empty.maximum = {9, 9, 9};
    empty.overallExtent = 9;
    ASSERT_EQ(empty.ComputeExtents(ui), 0);
    EXPECT_EQ(empty.maximum, (Triple{0, 0, 0}));
    EXPECT_EQ(empty.overallExtent, 0.0);
    EXPECT_EQ(ui.openProgressBars, 0);
}

TEST(ConvertPolar, TurnsRadiusAndDegreesIntoXAndY) {
    DataSet dataSet;
    setNodes(dataSet, {makeNode(1, 2.0, 90, 7), makeNode(2, 1.0, 0, 0), makeNode(3, 2.0, -180, 0)});
    dataSet.polarFlag = 1;
    RecordingUi ui;
    ASSERT_EQ(dataSet.ConvertPolar(ui), 0);
    EXPECT_NEAR(dataSet.nodes[0].coordinates[0], 1.22465e-16, 1e-20);
    EXPECT_EQ(dataSet.nodes[0].coordinates[1], 2.0);
    EXPECT_EQ(dataSet.nodes[0].coordinates[2], 7.0);
    EXPECT_EQ(dataSet.nodes[1].coordinates, (Triple{1, 0, 0}));
    EXPECT_EQ(dataSet.nodes[2].coordinates[0], -2.0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ConvertPolar, TakesRadiansWhenAsked) {
    DataSet dataSet;
    setNodes(dataSet, {makeNode(1, 2.0, 3.141592653589793, 1)});
    dataSet.polarFlag = 1;
    dataSet.radiansFlag = 1;
    RecordingUi ui;
    ASSERT_EQ(dataSet.ConvertPolar(ui), 0);
    EXPECT_EQ(dataSet.nodes[0].coordinates[0], -2.0);
    EXPECT_NEAR(dataSet.nodes[0].coordinates[1], 2.4493e-16, 1e-20);
    EXPECT_EQ(dataSet.nodes[0].coordinates[2], 1.0);
}

TEST(ConvertPolar, LeavesCartesianNodesAloneEvenWithTheRadiansOption) {
    DataSet dataSet;
    setNodes(dataSet, {makeNode(1, 2.0, 90, 1)});
    dataSet.radiansFlag = 1;
    RecordingUi ui;
    ASSERT_EQ(dataSet.ConvertPolar(ui), 0);
    EXPECT_EQ(dataSet.nodes[0].coordinates, (Triple{2.0, 90, 1}));
}

} // namespace
} // namespace vellum
