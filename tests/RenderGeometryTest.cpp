#include "data/DataSet.h"
#include "render/Camera.h"
#include "render/DrawingBox.h"
#include "render/GraphGeometry.h"
#include "settings/ViewSettings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vellum {
namespace {

constexpr std::array<int, 3> kNoTurn{1800, 1800, 1800};

TEST(Camera, OneWorldUnitIsAFixedNumberOfPixels) {
    const Matrix4 graph = graphMatrix(kNoTurn, {0, 0, 0}, 1.0);
    // The graph is zoomed by 1.5: half a unit from the centre is 140 pixels.
    for (int width : {800, 1600}) {
        const auto centre = pixelOf(graph, width, 600, {0, 0, 0});
        EXPECT_NEAR(centre[0], width / 2.0, 1e-9);
        EXPECT_NEAR(centre[1], 300.0, 1e-9);
        EXPECT_NEAR(pixelOf(graph, width, 600, {0.5, 0, 0})[0] - centre[0], 140.0, 1e-9);
        EXPECT_NEAR(pixelOf(graph, width, 600, {0, 0.5, 0})[1] - centre[1], -140.0, 1e-9);
    }
    EXPECT_NEAR(pixelOf(lookAtMatrix(), 800, 600, {1, 0, 0})[0] - 400.0, kPixelsPerWorldUnit, 1e-9);
    const OrthoVolume o = orthoForWindow(560, 280);
    EXPECT_DOUBLE_EQ(o.right, 1.5);
    EXPECT_DOUBLE_EQ(o.top, 0.75);
    EXPECT_DOUBLE_EQ(o.nearPlane, -1000.0);
}

TEST(Camera, ZoomAndTranslationActOnTheScreen) {
    const Matrix4 graph = graphMatrix(kNoTurn, {0.2, -0.4, 0.0}, 2.0);
    const auto p = pixelOf(graph, 800, 600, {0.1, 0, 0});
    // (0.1 + 0.2) x 1.5 x 2 world units right, 0.4 x 3 down.
    EXPECT_NEAR(p[0], 400.0 + 0.9 * kPixelsPerWorldUnit, 1e-9);
    EXPECT_NEAR(p[1], 300.0 + 1.2 * kPixelsPerWorldUnit, 1e-9);
}

TEST(Camera, TurnsAboutAxisThreeFirstThenTwoThenOne) {
    // 90 degrees about axes 1 and 2: axis 1 of the model first goes to -3, then to +2.
    const Matrix4 graph = graphMatrix({1890, 1890, 1800}, {0, 0, 0}, 1.0);
    const Point3 eye = transformPoint(graph, {1, 0, 0});
    EXPECT_NEAR(eye[0], 0.0, 1e-12);
    EXPECT_NEAR(eye[1], 1.5, 1e-12);
    // Angles are read modulo 360.
    const Matrix4 a = graphMatrix({1810, 2170, 10}, {0, 0, 0}, 1.0);
    const Matrix4 b = graphMatrix({10, 10, 10}, {0, 0, 0}, 1.0);
    for (size_t i = 0; i < 16; ++i) EXPECT_NEAR(a[i], b[i], 1e-12);
}

class DrawingBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A model 10 by 2 by 0, from (0, 0, 5) to (10, 2, 5); one column from -1 to 3.
        dataSet.minimum = {0, 0, 5};
        dataSet.maximum = {10, 2, 5};
        dataSet.extent = {10, 2, 0};
        dataSet.centre = {5, 1, 5};
        dataSet.overallExtent = 10;
        dataSet.columnMinimum = {-1};
        dataSet.columnMaximum = {3};
        dataSet.columnRange = {4};
        dataSet.columnMiddle = {1};
        for (size_t axis = 0; axis < 3; ++axis)
            settings.gridSize[axis] = settings.divisionRange[axis] = {dataSet.minimum[axis], dataSet.maximum[axis]};
    }
    DataSet dataSet;
    ViewSettings settings;
};

TEST_F(DrawingBoxTest, EnclosesTheNormalisedModel) {
    const DrawingBox box = ComputeDrawingBox(dataSet, settings, 0);
    EXPECT_DOUBLE_EQ(box.minimum[0], -0.5);
    EXPECT_DOUBLE_EQ(box.maximum[0], 0.5);
    EXPECT_DOUBLE_EQ(box.minimum[1], -0.1);
    EXPECT_DOUBLE_EQ(box.maximum[1], 0.1);
    EXPECT_DOUBLE_EQ(box.minimum[2], 0.0);
    EXPECT_DOUBLE_EQ(box.size[0], 1.0);
    EXPECT_NEAR(box.size[1], 0.2, 1e-15);
    EXPECT_DOUBLE_EQ(box.dropPlaneZ, 0.005);
    EXPECT_EQ(box.corners[0], (Point3{-0.5, -0.1, 0.0}));
    EXPECT_EQ(box.corners[7], (Point3{0.5, 0.1, 0.0}));
    EXPECT_EQ(box.corners[1], (Point3{0.5, -0.1, 0.0}));
    EXPECT_DOUBLE_EQ(box.divisionMaximum[0], 0.5);
}

TEST_F(DrawingBoxTest, AxisRatioScaleAndPerAxisStretch) {
    settings.RECTSCALE = 1;
    settings.SCALE = {2.0, 1.0, 1.0};
    const DrawingBox box = ComputeDrawingBox(dataSet, settings, 0);
    EXPECT_DOUBLE_EQ(box.size[0], 2.0);
    EXPECT_DOUBLE_EQ(box.size[1], 1.0);
    // A flat axis divides by 1, never by zero.
    EXPECT_DOUBLE_EQ(box.size[2], 0.0);
    EXPECT_TRUE(std::isfinite(box.minimum[2]));
}

TEST_F(DrawingBoxTest, FreeSpaceWidensTheBoxAndLowersTheDropPlane) {
    settings.FREESPACE = 1;
    const DrawingBox box = ComputeDrawingBox(dataSet, settings, 0);
    EXPECT_DOUBLE_EQ(box.minimum[0], -0.51);
    EXPECT_DOUBLE_EQ(box.maximum[0], 0.51);
    EXPECT_DOUBLE_EQ(box.size[0], 1.0);
    EXPECT_DOUBLE_EQ(box.dropPlaneZ, 0.005 - 0.01);
}

TEST_F(DrawingBoxTest, DataValueAxisUsesTheSelectedColumn) {
    settings.DIM = 2;
    settings.gridSize[2] = {-1, 3};
    const DrawingBox box = ComputeDrawingBox(dataSet, settings, 0);
    EXPECT_DOUBLE_EQ(box.minimum[2], -0.5);
    EXPECT_DOUBLE_EQ(box.maximum[2], 0.5);
    EXPECT_DOUBLE_EQ(box.divisionMinimum[2], -0.5);
    EXPECT_DOUBLE_EQ(box.divisionMaximum[2], 0.5);
    // Without a data file the node coordinate stays on axis 3.
    const DrawingBox noData = ComputeDrawingBox(dataSet, settings, 3);
    EXPECT_DOUBLE_EQ(noData.minimum[2], (-1.0 - 5.0) / 10.0);
}

TEST_F(DrawingBoxTest, DivisionsByValueAreNormalised) {
    settings.DIVISIONLINESTYLE = 1;
    settings.divisionRange[0] = {2, 8};
    settings.DIVISIONLINEVALUE = {2.5, 0.5, 1.0};
    const DrawingBox box = ComputeDrawingBox(dataSet, settings, 0);
    EXPECT_DOUBLE_EQ(box.divisionMinimum[0], -0.3);
    EXPECT_DOUBLE_EQ(box.divisionMaximum[0], 0.3);
    EXPECT_DOUBLE_EQ(box.divisionStep[0], 0.25);
    EXPECT_DOUBLE_EQ(box.divisionStep[1], 0.05);
}

ElementRecord elementWith(uint8_t nodeCount, std::initializer_list<int8_t> faces) {
    ElementRecord e;
    e.nodeCount = nodeCount;
    for (uint8_t i = 0; i < nodeCount; ++i) e.nodes[i] = i;
    for (int8_t f : faces) e.faces[e.faceCount++] = f;
    return e;
}

std::vector<std::array<uint8_t, 2>> segmentsOf(const Outline& o) {
    return {o.segments.begin(), o.segments.begin() + static_cast<std::ptrdiff_t>(o.count)};
}

TEST(WireframeOutline, QuadraticElementsOfASheetFollowTheirBoundary) {
    using Segments = std::vector<std::array<uint8_t, 2>>;
    const ElementRecord six = elementWith(6, {3, 4, 5, 6});
    EXPECT_EQ(segmentsOf(elementOutline(six, kSheetShape)), (Segments{{0, 3}, {3, 1}, {1, 4}, {4, 2}, {2, 5}, {5, 0}}));
    const ElementRecord eight = elementWith(8, {7, 8, 9, 10, 11});
    EXPECT_EQ(segmentsOf(elementOutline(eight, kSheetShape)),
              (Segments{{0, 4}, {4, 1}, {1, 5}, {5, 2}, {2, 6}, {6, 3}, {3, 7}, {7, 0}}));
}

TEST(WireframeOutline, OtherElementsOutlineEveryFace) {
    using Segments = std::vector<std::array<uint8_t, 2>>;
    EXPECT_EQ(segmentsOf(elementOutline(elementWith(4, {2}), kSheetShape)),
              (Segments{{1, 2}, {2, 3}, {3, 0}, {0, 1}}));
    // A wedge of a solid: two triangles and three quadrilaterals.
    const Outline wedge = elementOutline(elementWith(6, {17, 18, 19, 21, 23}), kSolidShape);
    EXPECT_EQ(wedge.count, 3u + 3u + 4u + 4u + 4u);
    EXPECT_EQ(elementOutline(elementWith(8, {25, 27, 29, 31, 33, 35}), kSolidShape).count, 24u);
    // Faces the element cannot have are left out.
    EXPECT_EQ(elementOutline(elementWith(3, {-1, 37, 1}), kSheetShape).count, 0u);
    EXPECT_EQ(elementOutline(elementWith(5, {}), kSheetShape).count, 0u);
}

Point3 turnedUpAxis(const NodeArrow& node, bool projection) {
    return transformPoint(rotationMatrix(180.0, coneTurnAxis(node, projection)), {0, 0, 1});
}

TEST(VectorHead, TurnsTheConeAlongTheVector) {
    NodeArrow node;
    node.magnitude = 3.0;
    node.halfVector = {0.5, 1.0, (3.0 + 2.0) / 2}; // vector (1, 2, 2)
    const Point3 up = turnedUpAxis(node, false);
    EXPECT_NEAR(up[0], 1.0 / 3, 1e-12);
    EXPECT_NEAR(up[1], 2.0 / 3, 1e-12);
    EXPECT_NEAR(up[2], 2.0 / 3, 1e-12);
    // The projection's head lies flat along the vector's shadow.
    const Point3 flat = turnedUpAxis(node, true);
    EXPECT_NEAR(flat[0], 1.0 / std::sqrt(5.0), 1e-12);
    EXPECT_NEAR(flat[1], 2.0 / std::sqrt(5.0), 1e-12);
    EXPECT_NEAR(flat[2], 0.0, 1e-12);
    // Straight down has no half-vector; the cone still turns to point down.
    node.halfVector = {0, 0, 0};
    EXPECT_NEAR(turnedUpAxis(node, false)[2], -1.0, 1e-12);
}

TEST(VectorHead, SizesFollowTheSettings) {
    EXPECT_DOUBLE_EQ(vectorHeadSize(2.0).baseRadius, 0.02);
    EXPECT_DOUBLE_EQ(vectorHeadSize(2.0).height, 0.05);
    EXPECT_DOUBLE_EQ(zeroVectorBallRadius(1.0), 0.01);
    EXPECT_DOUBLE_EQ(pointSizeFor(3.0, 0, 0.7), 3.0);
    EXPECT_DOUBLE_EQ(pointSizeFor(3.0, 1, 0.0), 9.0);
    EXPECT_DOUBLE_EQ(pointSizeFor(3.0, 1, 1.0), 18.0);
    EXPECT_DOUBLE_EQ(ballRadiusFor(10.0), 0.03);
}

} // namespace
} // namespace vellum
