#include "MeshTestNodes.h"
#include "data/DataSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace vellum {
namespace {

using testing::makeElement;
using testing::makeNode;

// One element over nodes 0 .. n-1 whose normalised values are `t`.
DataSet elementWithValues(const std::vector<double>& t) {
    DataSet dataSet;
    ElementRecord element;
    for (size_t i = 0; i < t.size(); ++i) {
        NodeRecord node = makeNode(int32_t(i + 1), double(i), 0);
        node.t = t[i];
        dataSet.nodes.push_back(node);
        element.nodes[element.nodeCount++] = uint32_t(i);
    }
    element.number = 1;
    dataSet.elements.push_back(element);
    return dataSet;
}

std::vector<int> facesOf(const std::vector<double>& t, int dataType, int shape) {
    DataSet dataSet = elementWithValues(t);
    EXPECT_EQ(dataSet.BuildFaces(dataType, shape), 0);
    const ElementRecord& element = dataSet.elements[0];
    return std::vector<int>(element.faces.begin(), element.faces.begin() + element.faceCount);
}

using Codes = std::vector<int>;

TEST(FacePatterns, EachQuadrilateralPairListsTheSameCornersFromTheNextCorner) {
    for (int first : {1, 11, 19, 21, 23, 25, 27, 29, 31, 33, 35}) {
        const FacePattern& a = kFacePatterns[size_t(first)];
        const FacePattern& b = kFacePatterns[size_t(first + 1)];
        ASSERT_EQ(a.count, 4);
        ASSERT_EQ(b.count, 4);
        for (size_t i = 0; i < 4; ++i) EXPECT_EQ(b.positions[i], a.positions[(i + 1) % 4]) << "code " << first;
    }
}

TEST(FacePatterns, SolidsAreClosedAndTwoDimensionalShapesCovered) {
    // Every corner of a closed solid lies on three faces; every node of a 2-D element on
    // at least one. A wrong position in the table breaks one of these counts.
    auto usage = [](const Codes& codes, size_t nodeCount) {
        std::vector<int> count(nodeCount, 0);
        for (int code : codes) {
            const FacePattern& face = kFacePatterns[size_t(code)];
            for (size_t i = 0; i < face.count; ++i) {
                EXPECT_LT(face.positions[i], nodeCount) << "code " << code;
                if (face.positions[i] < nodeCount) ++count[face.positions[i]];
            }
        }
        return count;
    };
    EXPECT_EQ(usage({13, 14, 15, 16}, 4), std::vector<int>(4, 3));
    EXPECT_EQ(usage({17, 18, 19, 21, 23}, 6), std::vector<int>(6, 3));
    EXPECT_EQ(usage({25, 27, 29, 31, 33, 35}, 8), std::vector<int>(8, 3));
    EXPECT_EQ(usage({3, 4, 5, 6}, 6), (std::vector<int>{1, 1, 1, 3, 3, 3}));
    EXPECT_EQ(usage({7, 8, 9, 10, 11}, 8), (std::vector<int>{1, 1, 1, 1, 3, 3, 3, 3}));
}

TEST(BuildFaces, QuadrilateralRotationFollowsTheExactDifferences) {
    EXPECT_EQ(facesOf({0.0, 1.0, 0.5, 0.5}, 0, 0), Codes{1});   // 0.5 = 0.5: first rotation
    EXPECT_EQ(facesOf({0.0, 1.0, 0.25, 0.75}, 0, 0), Codes{1}); // 0.25 >= 0.25
    EXPECT_EQ(facesOf({0.0, 1.0, 0.5, 0.75}, 0, 0), Codes{2});  // 0.25 < 0.5
    // One unit in the last place decides; no tolerance.
    EXPECT_EQ(facesOf({0.0, 0.0, 0.1 + 0.2, 0.3}, 0, 0), Codes{2});
    EXPECT_EQ(facesOf({0.0, 0.0, 0.3, 0.1 + 0.2}, 0, 0), Codes{1});
    // Vector data chooses like node values; element values and no data never rotate.
    EXPECT_EQ(facesOf({0.0, 1.0, 0.5, 0.75}, 2, 0), Codes{2});
    EXPECT_EQ(facesOf({0.0, 1.0, 0.5, 0.75}, 1, 0), Codes{1});
    EXPECT_EQ(facesOf({0.0, 1.0, 0.5, 0.75}, 3, 0), Codes{1});
}

TEST(BuildFaces, TwoDimensionalElementsByNodeCount) {
    EXPECT_EQ(facesOf({0, 0, 0}, 0, 0), (Codes{0}));
    EXPECT_EQ(facesOf({0, 0, 0, 0, 0, 0}, 0, 0), (Codes{3, 4, 5, 6}));
    EXPECT_EQ(facesOf({0, 0, 0, 0, 0, 0, 0, 0}, 0, 0), (Codes{7, 8, 9, 10, 11}));
    EXPECT_EQ(facesOf({0, 0, 0, 0, 1, 0, 0, 0}, 0, 0), (Codes{7, 8, 9, 10, 12}));
    EXPECT_EQ(facesOf({0, 0, 0, 0, 1, 0, 0, 0}, 1, 0), (Codes{7, 8, 9, 10, 11}));
}

TEST(BuildFaces, SolidsChooseEachSideSeparately) {
    // A 4-node element of a solid is a tetrahedron, whatever its values.
    EXPECT_EQ(facesOf({0.0, 1.0, 0.5, 0.75}, 0, 1), (Codes{13, 14, 15, 16}));
    EXPECT_EQ(facesOf({0, 0, 0, 0, 1, 0}, 0, 1), (Codes{17, 18, 20, 21, 23}));
    EXPECT_EQ(facesOf({0, 1, 0, 1, 0, 0}, 0, 1), (Codes{17, 18, 19, 22, 24}));
    EXPECT_EQ(facesOf({0, 1, 0, 1, 0, 0}, 1, 1), (Codes{17, 18, 19, 21, 23}));
    EXPECT_EQ(facesOf({0, 0, 1, 0, 0, 0, 0, 1}, 0, 1), (Codes{26, 27, 29, 31, 33, 35}));
    EXPECT_EQ(facesOf({0, 0, 0, 1, 0, 0.5, 1, 0.5}, 2, 1), (Codes{25, 28, 30, 32, 34, 36}));
    EXPECT_EQ(facesOf({0, 0, 0, 1, 0, 0.5, 1, 0.5}, 3, 1), (Codes{25, 27, 29, 31, 33, 35}));
}

TEST(BuildFaces, UnknownCombinationsGetNoFaceButStayElements) {
    for (int n : {1, 2, 5, 7}) {
        EXPECT_EQ(facesOf(std::vector<double>(size_t(n), 0.0), 0, 0), Codes{}) << n << " nodes, 2-D";
        EXPECT_EQ(facesOf(std::vector<double>(size_t(n), 0.0), 0, 1), Codes{}) << n << " nodes, 3-D";
    }
    EXPECT_EQ(facesOf({0, 0, 0}, 0, 1), Codes{});
    EXPECT_EQ(facesOf({0, 0, 0, 0}, 4, 0), Codes{});
    EXPECT_EQ(facesOf({0, 0, 0, 0}, -1, 0), Codes{});
    EXPECT_EQ(facesOf({0, 0, 0, 0}, 0, 2), Codes{});
}

TEST(BuildFaces, RebuildsEveryListFromScratch) {
    DataSet dataSet = elementWithValues({0.0, 1.0, 0.5, 0.75});
    dataSet.elements.push_back(makeElement(2, {0, 1, 2, 3, 0}));
    dataSet.elements[1].faces = {1, 2, 3, 4, 5, 6};
    dataSet.elements[1].faceCount = 6;
    ASSERT_EQ(dataSet.BuildFaces(0, 0), 0);
    EXPECT_EQ(dataSet.elements[0].faceCount, 1);
    EXPECT_EQ(dataSet.elements[0].faces[0], 2);
    EXPECT_EQ(dataSet.elements[1].faceCount, 0);
    // Values change (another column): the same element turns the other way.
    for (NodeRecord& node : dataSet.nodes) node.t = 0.0;
    ASSERT_EQ(dataSet.BuildFaces(0, 0), 0);
    EXPECT_EQ(dataSet.elements[0].faces[0], 1);
    EXPECT_EQ(dataSet.elements.size(), 2u);
}

TEST(BuildFaces, AnElementNamingANodeOutsideTheSequenceIsNotDrawn) {
    DataSet dataSet = elementWithValues({0, 0, 0, 0});
    dataSet.elements[0].nodes[3] = 99;
    ASSERT_EQ(dataSet.BuildFaces(0, 0), 0);
    EXPECT_EQ(dataSet.elements[0].faceCount, 0);
}

} // namespace
} // namespace vellum
