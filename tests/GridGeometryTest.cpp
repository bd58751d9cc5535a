#include "render/GridGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vellum {
namespace {

// The axis of a model from -0.5 to 0.5 whose grid size and division range follow the
// data, as after a load; `margin` is the free space.
GridAxis unitAxis(double margin = 0.0) {
    GridAxis axis;
    axis.gridLow = -0.5 - margin;
    axis.gridHigh = 0.5 + margin;
    axis.gridSize = 1.0;
    axis.divisionLow = -0.5;
    axis.divisionSize = 1.0;
    axis.divisionStep = 0.25;
    axis.gridSizeMin = 10.0;
    axis.gridSizeMax = 30.0;
    axis.dataMin = 10.0;
    axis.dataExtent = 20.0;
    axis.divisionRangeMin = 10.0;
    axis.valueStep = 5.0;
    return axis;
}

DrawingBox boxBetween(const Point3& minimum, const Point3& maximum) {
    DrawingBox box;
    box.minimum = minimum;
    box.maximum = maximum;
    return box;
}

void expectPositions(const std::vector<double>& actual, const std::vector<double>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-12) << i;
}

TEST(GridDivisionLines, ByCountOverTheDivisionBoxKeepOnlyLinesStrictlyInsideTheGridBox) {
    const GridRule rule{4, 0, 0};
    expectPositions(divisionLinePositions(unitAxis(), rule), {-0.25, 0.0, 0.25});
    // With free space the box is 0.01 wider on each side and the end lines come inside.
    expectPositions(divisionLinePositions(unitAxis(0.01), rule), {-0.5, -0.25, 0.0, 0.25, 0.5});
}

TEST(GridDivisionLines, ByCountOverTheGridBoxLeaveTheOutlineAlone) {
    expectPositions(divisionLinePositions(unitAxis(), GridRule{4, 1, 0}), {-0.25, 0.0, 0.25});
    expectPositions(divisionLinePositions(unitAxis(0.01), GridRule{2, 1, 0}), {-0.01});
    EXPECT_TRUE(divisionLinePositions(unitAxis(), GridRule{1, 1, 0}).empty());
}

TEST(GridDivisionLines, ByValueStartAtTheLowEdgeAndStopBelowTheHighEdge) {
    expectPositions(divisionLinePositions(unitAxis(), GridRule{4, 0, 1}), {-0.5, -0.25, 0.0, 0.25});
    GridAxis axis = unitAxis(0.01);
    axis.divisionStep = 0.4;
    expectPositions(divisionLinePositions(axis, GridRule{4, 1, 1}), {-0.51, -0.11, 0.29});
}

TEST(GridDivisionLines, StepsOrCountsThatCannotDivideDrawNothingRatherThanLoop) {
    for (double step : {0.0, -0.25, 1e-300, double(NAN), double(INFINITY)}) {
        GridAxis axis = unitAxis();
        axis.divisionStep = step;
        EXPECT_TRUE(divisionLinePositions(axis, GridRule{4, 0, 1}).empty()) << step;
        EXPECT_TRUE(gridValueMarks(axis, GridRule{4, 0, 1}).empty()) << step;
        EXPECT_TRUE(divisionLinePositions(axis, GridRule{4, 1, 1}).empty()) << step;
    }
    for (int count : {0, -3, kMaxDivisionsPerAxis + 1}) {
        EXPECT_TRUE(divisionLinePositions(unitAxis(), GridRule{count, 0, 0}).empty()) << count;
        EXPECT_TRUE(gridValueMarks(unitAxis(), GridRule{count, 1, 0}).empty()) << count;
    }
}

TEST(GridValues, ByCountOverTheGridBoxRunFromTheGridSizeMinimumToItsMaximum) {
    const auto marks = gridValueMarks(unitAxis(0.01), GridRule{4, 1, 0});
    ASSERT_EQ(marks.size(), 5u);
    for (int k = 0; k <= 4; ++k) {
        EXPECT_NEAR(marks[k].position, -0.51 + k * 0.25, 1e-12);
        EXPECT_NEAR(marks[k].value, 10.0 + k * 5.0, 1e-12);
    }
}

TEST(GridValues, ByCountOverTheDivisionBoxShowOnlyThoseInsideTheGridBoxEdgesIncluded) {
    auto marks = gridValueMarks(unitAxis(), GridRule{4, 0, 0});
    ASSERT_EQ(marks.size(), 5u);
    EXPECT_DOUBLE_EQ(marks.front().value, 10.0);
    EXPECT_DOUBLE_EQ(marks.back().value, 30.0);

    GridAxis narrow = unitAxis();
    narrow.gridLow = -0.3;
    narrow.gridHigh = 0.3;
    marks = gridValueMarks(narrow, GridRule{4, 0, 0});
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_DOUBLE_EQ(marks[0].value, 15.0);

    // On axis 3 with values from the data a value just above the box still shows.
    GridAxis data = unitAxis();
    data.gridHigh = 0.49995;
    EXPECT_EQ(gridValueMarks(data, GridRule{4, 0, 0}).size(), 4u);
    data.insideTolerance = 0.0001;
    EXPECT_EQ(gridValueMarks(data, GridRule{4, 0, 0}).size(), 5u);
}

TEST(GridValues, ByValueMayStandOnTheHighEdge) {
    const auto marks = gridValueMarks(unitAxis(), GridRule{4, 0, 1});
    ASSERT_EQ(marks.size(), 5u);
    for (int k = 0; k <= 4; ++k) {
        EXPECT_NEAR(marks[k].position, -0.5 + k * 0.25, 1e-12);
        EXPECT_NEAR(marks[k].value, 10.0 + k * 5.0, 1e-12);
    }
    GridAxis overGrid = unitAxis(0.01);
    overGrid.gridSizeMin = 100.0;
    const auto fromGrid = gridValueMarks(overGrid, GridRule{4, 1, 1});
    ASSERT_EQ(fromGrid.size(), 5u);
    EXPECT_NEAR(fromGrid[0].position, -0.51, 1e-12);
    EXPECT_DOUBLE_EQ(fromGrid[1].value, 105.0);
}

TEST(GridPlanes, OutlinesAndDivisionLinesLieOnTheirPlane) {
    const DrawingBox box = boxBetween({-1, -2, -3}, {1, 2, 3});
    const auto bottom = gridPlaneOutline(box, 0); // plane 12 '-'
    for (const Point3& c : bottom) EXPECT_EQ(c[2], -3);
    EXPECT_EQ(bottom[0], (Point3{-1, -2, -3}));
    EXPECT_EQ(bottom[2], (Point3{1, 2, -3}));
    const auto back = gridPlaneOutline(box, 5); // plane 31 '+'
    for (const Point3& c : back) EXPECT_EQ(c[1], 2);

    const std::array<std::vector<double>, 3> positions{std::vector<double>{0.0},
                                                       std::vector<double>{-1.0, 1.0},
                                                       std::vector<double>{0.5}};
    const auto side = gridPlaneDivisions(box, 2, positions); // plane 23 '-': axes 2 and 3
    ASSERT_EQ(side.size(), 3u);
    for (const Segment3& s : side) {
        EXPECT_EQ(s.from[0], -1);
        EXPECT_EQ(s.to[0], -1);
    }
    EXPECT_EQ(side[0].from, (Point3{-1, -1, -3}));
    EXPECT_EQ(side[0].to, (Point3{-1, -1, 3}));
    EXPECT_EQ(side[2].from, (Point3{-1, -2, 0.5}));
    EXPECT_EQ(side[2].to, (Point3{-1, 2, 0.5}));
}

TEST(GridValues, TextsStandOffTheLowEdgesAndMoveByTheirDisplacement) {
    const DrawingBox box = boxBetween({-1, -2, -3}, {1, 2, 3});
    const Point3 a1 = gridValueAnchor(box, 0, 0.25, {0, 0, 0});
    EXPECT_DOUBLE_EQ(a1[0], 0.25);
    EXPECT_DOUBLE_EQ(a1[1], -2.05);
    EXPECT_DOUBLE_EQ(a1[2], -3.05);
    const Point3 a3 = gridValueAnchor(box, 2, 1.0, {0.1, 0.2, 0.3});
    EXPECT_DOUBLE_EQ(a3[0], -1.05 + 0.1);
    EXPECT_DOUBLE_EQ(a3[1], -2.05 + 0.2);
    EXPECT_DOUBLE_EQ(a3[2], 1.3);
}

} // namespace
} // namespace vellum
