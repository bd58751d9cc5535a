// Faces inside a solid: which are left out of fills and filled contours, and which come
// back when the elements around them are hidden.
#include "common/Codes.h"
#include "data/DataSet.h"
#include "data/Visibility.h"
#include "render/BodyArrays.h"
#include "render/ContourMesh.h"
#include "settings/ViewSettings.h"
#include "tests/support/RecordingUi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace vellum {
namespace {

// nx x ny x nz unit hexahedra (bottom face first); node positions are the coordinates and
// t = value(x, y, z).
DataSet hexBlock(int nx, int ny, int nz, double (*value)(double, double, double) = nullptr) {
    DataSet d;
    for (int k = 0; k <= nz; ++k)
        for (int j = 0; j <= ny; ++j)
            for (int i = 0; i <= nx; ++i) {
                NodeRecord node;
                node.number = int32_t(d.nodes.size() + 1);
                node.coordinates = {double(i), double(j), double(k)};
                node.position = node.coordinates;
                node.t = value ? value(i, j, k) : 0.0;
                d.nodes.push_back(node);
            }
    auto at = [&](int i, int j, int k) { return uint32_t((k * (ny + 1) + j) * (nx + 1) + i); };
    for (int k = 0; k < nz; ++k)
        for (int j = 0; j < ny; ++j)
            for (int i = 0; i < nx; ++i) {
                ElementRecord e;
                e.number = int32_t(d.elements.size() + 1);
                e.nodes = {at(i, j, k),     at(i + 1, j, k),     at(i + 1, j + 1, k),     at(i, j + 1, k),
                           at(i, j, k + 1), at(i + 1, j, k + 1), at(i + 1, j + 1, k + 1), at(i, j + 1, k + 1)};
                e.nodeCount = 8;
                d.elements.push_back(e);
            }
    d.columnMinimum = {0.0};
    d.columnRange = {1.0};
    d.minimum = {0.0, 0.0, 0.0};
    d.maximum = {double(nx), double(ny), double(nz)};
    d.ResetSectionBox();
    return d;
}

int bits(uint8_t mask) { return __builtin_popcount(mask); }

// The planes x = c that some drawn triangle lies in.
std::set<double> drawnPlanesAlongX(const DataSet& d) {
    std::set<double> planes;
    const std::vector<uint32_t> triangles = faceTriangles(d);
    for (size_t t = 0; t + 2 < triangles.size(); t += 3) {
        const double x = d.nodes[triangles[t]].position[0];
        if (d.nodes[triangles[t + 1]].position[0] == x && d.nodes[triangles[t + 2]].position[0] == x) planes.insert(x);
    }
    return planes;
}

TEST(SolidFaces, SharedFacesAreLeftOutAndComeBackWhenANeighbourIsHidden) {
    DataSet d = hexBlock(3, 1, 1);
    ASSERT_EQ(d.BuildFaces(kNoDataFile, kSolidShape), 0);
    EXPECT_EQ(bits(d.coveredFacesOf(0)), 1);
    EXPECT_EQ(bits(d.coveredFacesOf(1)), 2);
    EXPECT_EQ(bits(d.coveredFacesOf(2)), 1);
    EXPECT_EQ(faceTriangles(d).size(), 14u * 6u); // 18 faces less the two shared pairs
    EXPECT_EQ(drawnPlanesAlongX(d), (std::set<double>{0.0, 3.0}));

    // The section box cuts off the last element: the face it shared becomes the outside.
    RecordingUi ui;
    d.sectionBox[1] = 2.5;
    ApplyVisibility(d, ui, {});
    EXPECT_EQ(d.elements[2].visible, 0.0);
    EXPECT_EQ(drawnPlanesAlongX(d), (std::set<double>{0.0, 2.0}));
    EXPECT_EQ(faceTriangles(d).size(), 10u * 6u);

    // A hidden material uncovers the other side as well.
    d.elements[0].material = 7;
    ApplyVisibility(d, ui, {7});
    EXPECT_EQ(drawnPlanesAlongX(d), (std::set<double>{1.0, 2.0}));
    EXPECT_EQ(faceTriangles(d).size(), 6u * 6u);

    // And the whole box again: the inner faces are left out once more.
    d.ResetSectionBox();
    ApplyVisibility(d, ui, {});
    EXPECT_EQ(drawnPlanesAlongX(d), (std::set<double>{0.0, 3.0}));
}

TEST(SolidFaces, OnlyAFaceBetweenTwoElementsOnItsTwoSidesIsLeftOut) {
    // The same face listed from other corners (node values pick each element's rotation)
    // and in another order is still the same face.
    DataSet rotated =
        hexBlock(2, 1, 1, [](double x, double y, double z) { return std::fmod(0.37 * x + 0.61 * y + 0.23 * z, 1.0); });
    ASSERT_EQ(rotated.BuildFaces(kNodeValues, kSolidShape), 0);
    EXPECT_EQ(bits(rotated.coveredFacesOf(0)), 1);
    EXPECT_EQ(bits(rotated.coveredFacesOf(1)), 1);

    // An element given twice lies on the same side of all its faces: both are drawn.
    DataSet repeated = hexBlock(1, 1, 1);
    repeated.elements.push_back(repeated.elements[0]);
    repeated.BuildFaces(kNoDataFile, kSolidShape);
    EXPECT_FALSE(repeated.anyFaceCovered());
    EXPECT_EQ(faceTriangles(repeated).size(), 2u * 36u);

    // Three elements on one face (the second given twice): none of them is left out.
    repeated = hexBlock(2, 1, 1);
    repeated.elements.push_back(repeated.elements[1]);
    repeated.BuildFaces(kNoDataFile, kSolidShape);
    EXPECT_FALSE(repeated.anyFaceCovered());

    // An element that names a node the data set lacks is not drawn and hides nothing.
    DataSet broken = hexBlock(2, 1, 1);
    broken.elements[1].nodes[5] = 999;
    broken.BuildFaces(kNoDataFile, kSolidShape);
    EXPECT_FALSE(broken.anyFaceCovered());
    EXPECT_EQ(faceTriangles(broken).size(), 36u);

    // Two tetrahedra on either side of the triangle 0-1-2 (z = 0): node 4 above, 7 below.
    DataSet tetrahedra = hexBlock(1, 1, 1);
    tetrahedra.nodes[7].position = {0.2, 0.3, -1.0};
    ElementRecord first;
    first.nodes = {0, 1, 2, 4};
    first.nodeCount = 4;
    ElementRecord second = first;
    second.nodes = {1, 2, 0, 7};
    tetrahedra.elements = {first, second};
    tetrahedra.BuildFaces(kNoDataFile, kSolidShape);
    EXPECT_EQ(bits(tetrahedra.coveredFacesOf(0)), 1);
    EXPECT_EQ(bits(tetrahedra.coveredFacesOf(1)), 1);

}

TEST(SolidFaces, MarksMadeBeforeTheDataSetChangedAreNotUsed) {
    DataSet d = hexBlock(2, 1, 1);
    d.BuildFaces(kNoDataFile, kSolidShape);
    ASSERT_TRUE(d.anyFaceCovered());
    // A change made without marking again: every face is drawn rather than a wrong few.
    d.elements[1].visible = 0.0;
    d.markChanged();
    EXPECT_FALSE(d.anyFaceCovered());
    EXPECT_EQ(d.coveredFacesOf(0), 0);
    EXPECT_EQ(faceTriangles(d).size(), 36u);
}

struct CountingSink : ContourSink {
    void fill(const Point3* corners, int count, int) override {
        ++fills;
        if (onPlane(corners, count)) ++fillsInside;
    }
    void line(const Point3& from, const Point3& to, int) override {
        const Point3 ends[2] = {from, to};
        if (onPlane(ends, 2)) ++linesInside;
    }
    static bool onPlane(const Point3* p, int count) {
        for (int i = 0; i < count; ++i)
            if (p[i][0] != 1.0) return false;
        return true;
    }
    int fills = 0, fillsInside = 0, linesInside = 0;
};

TEST(SolidFaces, FilledContoursLeaveOutInnerFacesAndLinesAloneTraceThem) {
    DataSet d = hexBlock(2, 1, 1, [](double, double y, double z) { return 0.1 + 0.5 * y + 0.3 * z; });
    d.BuildFaces(kNodeValues, kSolidShape);
    RecordingUi ui;
    ContourRun run;
    run.divisions = 4;

    // Without a fill the lines on the shared face would show through the solid.
    run.fill = ContourFill::none;
    CountingSink lines;
    traceContours(d, ui, run, lines);
    EXPECT_GT(lines.linesInside, 0);

    for (ContourFill fill : {ContourFill::bands, ContourFill::white}) {
        run.fill = fill;
        CountingSink filled;
        traceContours(d, ui, run, filled);
        EXPECT_GT(filled.fills, 0);
        EXPECT_EQ(filled.fillsInside, 0);
        EXPECT_EQ(filled.linesInside, 0);
    }
}

// Flat shading colours a triangle by its last corner: unpacked, the batches must give
// elementFaces' corners in its order, with the element's colour on every last corner.
// Returns the vertices the batches hold.
size_t expectSameFacesAsOneArray(const DataSet& d, const ColourMap& colours, const BodyPlacement& placement,
                                 size_t batchTriangles) {
    const ColouredVertices whole = elementFaces(d, colours, placement);
    EXPECT_GT(whole.count(), 0u);
    std::vector<float> positions;
    size_t corner = 0, vertices = 0;
    elementFaceBatches(d, colours, placement, batchTriangles, [&](const ElementFaceBatch& batch) {
        EXPECT_LE(batch.triangleCount(), batchTriangles);
        ASSERT_EQ(batch.colours.size(), batch.positions.size());
        vertices += batch.vertexCount();
        for (size_t i = 0; i < batch.indices.size(); ++i, ++corner) {
            const size_t v = batch.indices[i];
            ASSERT_LT(v, batch.vertexCount());
            positions.insert(positions.end(), &batch.positions[v * 3], &batch.positions[v * 3] + 3);
            if (i % 3 != 2 || corner >= whole.count()) continue;
            for (int c = 0; c < 3; ++c) {
                EXPECT_EQ(batch.colours[v * 3 + c], std::lround(whole.colours[corner * 3 + c] * 255.0f)) << corner;
            }
        }
    });
    EXPECT_EQ(positions, whole.positions);
    return vertices;
}

TEST(ElementFaceBatches, HoldTheFacesOfOneArrayColouredOnTheirLastCorners) {
    DataSet d = hexBlock(3, 2, 1);
    for (size_t e = 0; e < d.elements.size(); ++e) d.elements[e].t = double(e) / 6.0;
    d.BuildFaces(kElementValues, kSolidShape);
    ViewSettings look;
    look.MIN = 0.0;
    look.MAX = 1.0;
    const ColourMap colours(0, 0, d, look);
    BodyPlacement placement;
    for (size_t perBatch : {size_t(2), size_t(5)}) {
        SCOPED_TRACE(perBatch);
        expectSameFacesAsOneArray(d, colours, placement, perBatch);
    }
    // In one batch each element colours at most its own 8 nodes, and other corners reuse.
    EXPECT_LE(expectSameFacesAsOneArray(d, colours, placement, 1000), d.elements.size() * 8);
    placement.projection = true;
    placement.flatZ = -0.25;
    expectSameFacesAsOneArray(d, colours, placement, 7);
    placement = BodyPlacement{};
    placement.liftElements = true;
    placement.liftScale = 0.5;
    expectSameFacesAsOneArray(d, colours, placement, 7);

    // A sheet of nx x ny quadrilaterals, each a colour of its own: two vertices carry an
    // element's colour, and the first row's lower corners are the only others.
    const int nx = 20, ny = 10;
    DataSet sheet = hexBlock(nx, ny, 1);
    sheet.elements.clear();
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            ElementRecord& e = sheet.elements.emplace_back();
            const auto a = uint32_t(j * (nx + 1) + i);
            e.nodes = {a, a + 1, a + nx + 2, a + nx + 1};
            e.nodeCount = 4;
            e.t = double(sheet.elements.size() % 97) / 96.0;
        }
    sheet.BuildFaces(kElementValues, kSheetShape);
    EXPECT_LE(expectSameFacesAsOneArray(sheet, ColourMap(0, 0, sheet, look), BodyPlacement{}, 1000),
              size_t(2 * nx * ny + nx + 1));
}

} // namespace
} // namespace vellum
