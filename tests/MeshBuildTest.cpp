#include "MeshTestNodes.h"
#include "tests/support/RecordingUi.h"
#include "data/DataSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>
#include <vector>

namespace vellum {
namespace {

using testing::makeNode;
using testing::setNodes;

using Corner = std::pair<double, double>; // coordinate 1, coordinate 2

std::vector<Corner> cornersOf(const DataSet& dataSet, const ElementRecord& element) {
    std::vector<Corner> corners;
    for (size_t i = 0; i < element.nodeCount; ++i) {
        const NodeRecord& node = dataSet.nodes[element.nodes[i]];
        corners.emplace_back(node.coordinates[0], node.coordinates[1]);
    }
    return corners;
}

std::vector<Corner> square(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

TEST(BuildMesh, JoinsAShuffledGridCounterClockwiseRowByRow) {
    DataSet dataSet;
    setNodes(dataSet, {makeNode(9, 2, 2), makeNode(1, 0, 0), makeNode(5, 1, 1), makeNode(3, 2, 0),
                       makeNode(7, 0, 2), makeNode(4, 0, 1), makeNode(2, 1, 0), makeNode(8, 1, 2),
                       makeNode(6, 2, 1)});
    RecordingUi ui;
    ASSERT_EQ(dataSet.BuildMesh(ui), 0);

    ASSERT_EQ(dataSet.elementCount, 4u);
    ASSERT_EQ(dataSet.elements.size(), 4u);
    const std::vector<std::vector<Corner>> expected{square(0, 0, 1, 1), square(1, 0, 2, 1), square(0, 1, 1, 2),
                                                    square(1, 1, 2, 2)};
    for (size_t e = 0; e < 4; ++e) {
        const ElementRecord& element = dataSet.elements[e];
        EXPECT_EQ(element.number, int32_t(e + 1));
        EXPECT_EQ(element.visible, 1.0);
        EXPECT_EQ(element.faceCount, 0);
        EXPECT_EQ(cornersOf(dataSet, element), expected[e]) << "element " << e + 1;
    }
    // The nodes are now in row order, and the map follows them.
    for (int32_t number = 1; number <= 9; ++number) {
        EXPECT_EQ(dataSet.findNode(number), uint32_t(number - 1));
        EXPECT_EQ(dataSet.nodes[uint32_t(number - 1)].number, number);
    }
    EXPECT_EQ(dataSet.nodeCount, 9u);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.captions, std::vector<std::string>{"メッシュ作成中"});
    EXPECT_EQ(ui.positions, (std::vector<int>{10, 30, 40, 70, 100}));
    EXPECT_EQ(ui.openProgressBars, 0);
}

TEST(BuildMesh, ReplacesEarlierElements) {
    DataSet dataSet;
    setNodes(dataSet, {makeNode(1, 0, 0), makeNode(2, 1, 0)});
    dataSet.elements.assign(3, ElementRecord{});
    dataSet.elementCount = 3;
    RecordingUi ui;
    ASSERT_EQ(dataSet.BuildMesh(ui), 0);
    EXPECT_TRUE(dataSet.elements.empty());
    EXPECT_EQ(dataSet.elementCount, 0u);
}

TEST(BuildMesh, RowsOfUnequalLengthJoinOnlyWhereBothPairsMatch) {
    DataSet dataSet;
    setNodes(dataSet, {makeNode(1, 0, 0), makeNode(2, 1, 0), makeNode(3, 2, 0), makeNode(4, 3, 0),
                       makeNode(5, 1, 1), makeNode(6, 2, 1)});
    RecordingUi ui;
    ASSERT_EQ(dataSet.BuildMesh(ui), 0);
    ASSERT_EQ(dataSet.elements.size(), 1u);
    EXPECT_EQ(cornersOf(dataSet, dataSet.elements[0]), square(1, 0, 2, 1));
}

TEST(BuildMesh, AHoleLeavesTheNeighbouringCellsOut) {
    // A 4 x 3 grid without the node at (1, 1): only the cells right of x = 2 survive.
    DataSet dataSet;
    setNodes(dataSet, {makeNode(1, 0, 0), makeNode(2, 1, 0), makeNode(3, 2, 0), makeNode(4, 3, 0),
                       makeNode(5, 0, 1), makeNode(7, 2, 1), makeNode(8, 3, 1),
                       makeNode(9, 0, 2), makeNode(10, 1, 2), makeNode(11, 2, 2), makeNode(12, 3, 2)});
    RecordingUi ui;
    ASSERT_EQ(dataSet.BuildMesh(ui), 0);
    ASSERT_EQ(dataSet.elements.size(), 2u);
    EXPECT_EQ(cornersOf(dataSet, dataSet.elements[0]), square(2, 0, 3, 1));
    EXPECT_EQ(cornersOf(dataSet, dataSet.elements[1]), square(2, 1, 3, 2));
}

TEST(BuildMesh, RowsAreDecidedByExactEquality) {
    // 0.1 + 0.2 is not 0.3: two rows, joined by one element. As one row there would be none.
    DataSet dataSet;
    setNodes(dataSet, {makeNode(1, 0, 0.3), makeNode(2, 1, 0.3), makeNode(3, 0, 0.1 + 0.2),
                       makeNode(4, 1, 0.1 + 0.2)});
    RecordingUi ui;
    ASSERT_EQ(dataSet.BuildMesh(ui), 0);
    ASSERT_EQ(dataSet.elements.size(), 1u);
    EXPECT_EQ(cornersOf(dataSet, dataSet.elements[0]), square(0, 0.3, 1, 0.1 + 0.2));
}

TEST(BuildMesh, NegativeAndPositiveZeroShareARow) {
    DataSet dataSet;
    setNodes(dataSet, {makeNode(1, 0, 0.0), makeNode(2, 1, -0.0), makeNode(3, 0, 1), makeNode(4, 1, 1)});
    RecordingUi ui;
    ASSERT_EQ(dataSet.BuildMesh(ui), 0);
    EXPECT_EQ(dataSet.elements.size(), 1u);
}

TEST(BuildMesh, ASingleRowASingleNodeOrNoNodeGiveNoElement) {
    RecordingUi ui;
    DataSet row;
    setNodes(row, {makeNode(3, 2, 5), makeNode(1, 0, 5), makeNode(2, 1, 5)});
    EXPECT_EQ(row.BuildMesh(ui), 0);
    EXPECT_TRUE(row.elements.empty());
    EXPECT_EQ(row.nodes[0].number, 1);
    EXPECT_EQ(row.nodes[2].number, 3);

    DataSet single;
    setNodes(single, {makeNode(7, 1, 1)});
    EXPECT_EQ(single.BuildMesh(ui), 0);
    EXPECT_TRUE(single.elements.empty());

    DataSet empty;
    EXPECT_EQ(empty.BuildMesh(ui), 0);
    EXPECT_TRUE(empty.elements.empty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.openProgressBars, 0);
}

TEST(BuildMesh, ARepeatedNumberJoinsItsFirstNodeInTheNewOrder) {
    // Number 4 is given twice; after sorting the lone node below the grid comes first,
    // so the element's upper right corner is that node.
    DataSet dataSet;
    setNodes(dataSet, {makeNode(1, 0, 0), makeNode(2, 1, 0), makeNode(3, 0, 1), makeNode(4, 1, 1),
                       makeNode(4, 5, -1)});
    RecordingUi ui;
    ASSERT_EQ(dataSet.BuildMesh(ui), 0);
    ASSERT_EQ(dataSet.elements.size(), 1u);
    EXPECT_EQ(dataSet.elements[0].nodes[2], 0u);
    EXPECT_EQ(dataSet.nodes[0].coordinates[0], 5.0);
    EXPECT_EQ(dataSet.findNode(4), 0u);
}

TEST(BuildMesh, CoincidentNodesJoinEveryMatchingPair) {
    // Three coincident nodes over three: each of the two lower pairs meets each of the
    // two upper pairs, exactly as comparing all pairs would.
    DataSet dataSet;
    setNodes(dataSet, {makeNode(1, 0, 0), makeNode(2, 0, 0), makeNode(3, 0, 0), makeNode(4, 0, 1),
                       makeNode(5, 0, 1), makeNode(6, 0, 1)});
    RecordingUi ui;
    ASSERT_EQ(dataSet.BuildMesh(ui), 0);
    ASSERT_EQ(dataSet.elements.size(), 4u);
    // Coincident nodes keep their file order: lower pair (1, 2) meets (4, 5), then (5, 6).
    auto numbers = [&](const ElementRecord& e) {
        return std::vector<int32_t>{dataSet.nodes[e.nodes[0]].number, dataSet.nodes[e.nodes[1]].number,
                                    dataSet.nodes[e.nodes[2]].number, dataSet.nodes[e.nodes[3]].number};
    };
    EXPECT_EQ(numbers(dataSet.elements[0]), (std::vector<int32_t>{1, 2, 5, 4}));
    EXPECT_EQ(numbers(dataSet.elements[1]), (std::vector<int32_t>{1, 2, 6, 5}));
    EXPECT_EQ(numbers(dataSet.elements[2]), (std::vector<int32_t>{2, 3, 5, 4}));
    EXPECT_EQ(numbers(dataSet.elements[3]), (std::vector<int32_t>{2, 3, 6, 5}));
}

TEST(BuildMesh, PolarNodesAreMeshedInRadiusAndAngle) {
    DataSet dataSet;
    setNodes(dataSet, {makeNode(1, 1, 0), makeNode(2, 2, 0), makeNode(3, 1, 45), makeNode(4, 2, 45),
                       makeNode(5, 1, 90), makeNode(6, 2, 90)});
    dataSet.polarFlag = 1;
    RecordingUi ui;
    ASSERT_EQ(dataSet.BuildMesh(ui), 0);
    ASSERT_EQ(dataSet.elements.size(), 2u);
    EXPECT_EQ(cornersOf(dataSet, dataSet.elements[0]), square(1, 0, 2, 45));
    EXPECT_EQ(cornersOf(dataSet, dataSet.elements[1]), square(1, 45, 2, 90));

    ASSERT_EQ(dataSet.ConvertPolar(ui), 0);
    // Element 2 now spans the quarter annulus from 45 to 90 degrees.
    const auto corners = cornersOf(dataSet, dataSet.elements[1]);
    EXPECT_NEAR(corners[0].first, std::sqrt(0.5), 1e-15);
    EXPECT_NEAR(corners[1].second, std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(corners[2].first, 0.0, 1e-15);
    EXPECT_NEAR(corners[2].second, 2.0, 1e-15);
}

TEST(BuildMesh, RefusesAJoiningThatCoincidentNodesWouldMakeQuadratic) {
    // Two rows of 2100 coincident nodes would make 2099 x 2099 elements.
    DataSet dataSet;
    for (int32_t i = 0; i < 4200; ++i) dataSet.nodes.push_back(makeNode(i + 1, 0, i < 2100 ? 0 : 1));
    dataSet.nodeMap.build(dataSet.nodes, [](const NodeRecord& node) { return node.number; });
    RecordingUi ui;
    EXPECT_EQ(dataSet.BuildMesh(ui), 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{
                               "オートメッシュの要素数が上限の4000000を超えます\n重なった節点がないか節点ファイルを確認してください"});
    EXPECT_TRUE(dataSet.elements.empty());
    EXPECT_EQ(ui.openProgressBars, 0);
}

// The joining as plainly stated: every neighbour pair of a row against every neighbour
// pair of the next, on the sorted nodes.
std::vector<std::array<uint32_t, 4>> joinAllPairs(const DataSet& dataSet) {
    const auto& nodes = dataSet.nodes;
    std::vector<std::pair<size_t, size_t>> rows; // first, length
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (i == 0 || nodes[i].coordinates[1] != nodes[i - 1].coordinates[1]) rows.push_back({i, 0});
        ++rows.back().second;
    }
    std::vector<std::array<uint32_t, 4>> elements;
    for (size_t r = 0; r + 1 < rows.size(); ++r) {
        const auto [s, nLower] = rows[r];
        const size_t nUpper = rows[r + 1].second;
        for (size_t j = 0; j + 1 < nLower; ++j)
            for (size_t k = 0; k + 1 < nUpper; ++k) {
                const size_t a = s + j, b = s + nLower + k;
                if (nodes[a].coordinates[0] == nodes[b].coordinates[0] &&
                    nodes[a + 1].coordinates[0] == nodes[b + 1].coordinates[0]) {
                    auto find = [&](size_t i) { return dataSet.findNode(nodes[i].number); };
                    elements.push_back({find(a), find(a + 1), find(b + 1), find(b)});
                }
            }
    }
    return elements;
}

TEST(BuildMesh, MatchesTheAllPairsJoiningOnRaggedGridsWithHolesAndCoincidentNodes) {
    std::mt19937 random(12345);
    for (int round = 0; round < 200; ++round) {
        // A small lattice with gaps, repeated points and repeated numbers, in random order.
        std::vector<NodeRecord> input;
        const int width = 1 + int(random() % 7), height = 1 + int(random() % 6);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const unsigned roll = random() % 10;
                if (roll < 2) continue;
                const int copies = roll == 9 ? 2 + int(random() % 2) : 1;
                for (int c = 0; c < copies; ++c)
                    input.push_back(makeNode(int32_t(random() % 40), x == 0 && random() % 2 ? -0.0 : x * 0.5,
                                             y == 0 && random() % 2 ? -0.0 : y * 0.1));
            }
        std::shuffle(input.begin(), input.end(), random);
        DataSet dataSet;
        dataSet.nodes = input;
        dataSet.nodeMap.build(dataSet.nodes, [](const NodeRecord& node) { return node.number; });
        RecordingUi ui;
        ASSERT_EQ(dataSet.BuildMesh(ui), 0);

        // Sorted by coordinate 2, then coordinate 1, and the same nodes as before.
        ASSERT_TRUE(std::is_sorted(dataSet.nodes.begin(), dataSet.nodes.end(), [](const auto& l, const auto& r) {
            return std::tie(l.coordinates[1], l.coordinates[0]) < std::tie(r.coordinates[1], r.coordinates[0]);
        }));
        auto key = [](const NodeRecord& n) { return std::tuple(n.number, n.coordinates[0], n.coordinates[1]); };
        std::vector<std::tuple<int32_t, double, double>> before, after;
        for (const auto& n : input) before.push_back(key(n));
        for (const auto& n : dataSet.nodes) after.push_back(key(n));
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        ASSERT_EQ(before, after);

        const auto expected = joinAllPairs(dataSet);
        ASSERT_EQ(dataSet.elements.size(), expected.size()) << "round " << round;
        for (size_t e = 0; e < expected.size(); ++e) {
            const auto& element = dataSet.elements[e];
            EXPECT_EQ(element.number, int32_t(e + 1));
            EXPECT_EQ((std::array<uint32_t, 4>{element.nodes[0], element.nodes[1], element.nodes[2],
                                               element.nodes[3]}),
                      expected[e])
                << "round " << round << ", element " << e + 1;
        }
    }
}

} // namespace
} // namespace vellum
