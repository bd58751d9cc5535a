#include "common/Encoding.h"
#include "tests/support/RecordingUi.h"
#include "data/DataSet.h"
#include "TemporaryFolder.h"
#include "WrittenFile.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace vellum {
namespace {

using Strings = std::vector<std::string>;
using test::written;
using Coordinates = std::array<double, 3>;

struct NodeFile {
    test::TemporaryFolder folder;
    DataSet dataSet;
    RecordingUi ui;

    int read(std::string_view bytes) {
        dataSet.files.pointFilePath = written(folder.file("nodes.dat"), bytes);
        return dataSet.ReadNodes(ui);
    }
};

TEST(ReadNodes, ReadsEveryFormOfNodeLine) {
    NodeFile file;
    const std::string text = "1,0.5,0.25,0\n"
                             "2 0.5 0.25\n" +
                             utf8ToCp932("3,\t0.5　0.25\n") +
                             "No. X Y Z\n"
                             "7\n"
                             "8 1 2 3 4 5\n"
                             "-4 1 1 1\n"
                             "4.9 1 1 1\n"
                             "5 1.0\n"
                             "7";
    ASSERT_EQ(file.read(text), 0);
    const auto& nodes = file.dataSet.nodes;
    ASSERT_EQ(nodes.size(), 8u);
    EXPECT_EQ(file.dataSet.nodeCount, 8u);
    const std::vector<int32_t> numbers{1, 2, 3, 0, 8, -4, 4, 5};
    for (size_t i = 0; i < numbers.size(); ++i) EXPECT_EQ(nodes[i].number, numbers[i]) << i;
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(nodes[i].coordinates, (Coordinates{0.5, 0.25, 0.0})) << i;
    EXPECT_EQ(nodes[3].coordinates, (Coordinates{0, 0, 0}));
    EXPECT_EQ(nodes[4].coordinates, (Coordinates{1, 2, 3}));
    EXPECT_EQ(nodes[6].coordinates, (Coordinates{1, 1, 1}));
    EXPECT_EQ(nodes[7].coordinates, (Coordinates{1, 0, 0}));
    for (const NodeRecord& node : nodes) EXPECT_EQ(node.visible, 1.0);
    EXPECT_EQ(file.dataSet.findNode(-4), 5u);
    EXPECT_EQ(file.dataSet.findNode(7), kNoIndex);
    EXPECT_TRUE(file.ui.messages.empty());
}

TEST(ReadNodes, ShowsItsProgressAndHoldsTheFullBar) {
    NodeFile file;
    ASSERT_EQ(file.read("1 0 0 0\n"), 0);
    EXPECT_EQ(file.ui.captions, Strings{"節点ファイル展開中"});
    EXPECT_EQ(file.ui.positions, (std::vector<int>{30, 80, 100}));
    EXPECT_EQ(file.ui.openProgressBars, 0);
}

TEST(ReadNodes, LongLinesAndNonFiniteWordsReadSafely) {
    NodeFile file;
    // Padding pushes the coordinates far beyond the first 255 bytes of the line; they are
    // still this node's, and no bogus node is made of the tail.
    ASSERT_EQ(file.read("1" + std::string(3000, ' ') + "0.5" + std::string(3000, '\t') + "0.25 0.125\n2 inf nan 1\n"), 0);
    ASSERT_EQ(file.dataSet.nodes.size(), 2u);
    EXPECT_EQ(file.dataSet.nodes[0].coordinates, (Coordinates{0.5, 0.25, 0.125}));
    EXPECT_EQ(file.dataSet.nodes[1].coordinates, (Coordinates{0, 0, 1}));
}

TEST(ReadNodes, EmptyAndBlankFilesGiveNoNodesButSucceed) {
    for (const char* text : {"", "\n\n  \r\n\t\n"}) {
        NodeFile file;
        EXPECT_EQ(file.read(text), 0);
        EXPECT_TRUE(file.dataSet.nodes.empty());
        EXPECT_TRUE(file.ui.messages.empty());
    }
}

TEST(ReadNodes, MissingFileLeavesTheNodesAlone) {
    NodeFile file;
    ASSERT_EQ(file.read("1 1 1 1\n"), 0);
    file.dataSet.files.pointFilePath = file.folder.path() + "/absent.dat";
    EXPECT_EQ(file.dataSet.ReadNodes(file.ui), 1);
    EXPECT_EQ(file.ui.messages, Strings{"節点ファイルのオープンに失敗しました\nファイルの有無を確認してください"});
    EXPECT_EQ(file.dataSet.nodes.size(), 1u);
    EXPECT_EQ(file.ui.openProgressBars, 0);
}

TEST(ReadNodes, DuplicateNumbersMapToTheFirstNode) {
    NodeFile file;
    ASSERT_EQ(file.read("3 0 0 0\n3 1 1 1\n1 2 2 2\n3 4 4 4\n"), 0);
    EXPECT_EQ(file.dataSet.nodes.size(), 4u);
    EXPECT_EQ(file.dataSet.findNode(3), 0u);
    EXPECT_EQ(file.dataSet.findNode(1), 2u);
}

TEST(ReadNodes, OverflowingCoordinateRefusesTheFile) {
    NodeFile file;
    const std::string path = file.folder.path() + "/nodes.dat";
    EXPECT_EQ(file.read("1 0 0 0\n2 1e999 0 0\n"), 1);
    EXPECT_EQ(file.ui.messages, Strings{path + " の 2 行目に扱えない大きさの数値があります\n数値を確認してください"});
    EXPECT_TRUE(file.dataSet.nodes.empty());
    EXPECT_EQ(file.dataSet.findNode(1), kNoIndex);
}

TEST(ReadNodes, AcceptsExactlyTheNodeLimit) {
    std::string text;
    text.reserve(12'000'000);
    for (int i = 1; i <= 1'000'000; ++i) {
        text += std::to_string(i);
        text += " 1 2\n";
    }
    {
        NodeFile file;
        ASSERT_EQ(file.read(text), 0);
        EXPECT_EQ(file.dataSet.nodeCount, 1'000'000u);
        EXPECT_EQ(file.dataSet.findNode(1'000'000), 999'999u);
    }
    NodeFile file;
    EXPECT_EQ(file.read(text + "1000001 0 0\n"), 1);
    EXPECT_EQ(file.ui.messages, Strings{"節点数の上限は1,000,000です"});
    EXPECT_EQ(file.dataSet.nodes.size(), 1'000'001u); // the nodes stay, without a map
    EXPECT_EQ(file.dataSet.findNode(1), kNoIndex);
    EXPECT_EQ(file.ui.positions, (std::vector<int>{30, 80}));
}

TEST(NumberMap, FindsInDenseAndSparseNumberings) {
    std::vector<int32_t> sparse{1'000'000'000, -2'000'000'000, 5, 5, 2'147'483'647};
    NumberMap map;
    map.build(sparse, [](int32_t n) { return n; });
    EXPECT_EQ(map.size(), 4u);
    EXPECT_EQ(map.find(5), 2u);
    EXPECT_EQ(map.find(-2'000'000'000), 1u);
    EXPECT_EQ(map.find(2'147'483'647), 4u);
    EXPECT_EQ(map.find(6), kNoIndex);
    EXPECT_EQ(map.find(-2'147'483'647 - 1), kNoIndex);

    std::vector<int32_t> dense{10, 12, 11, 12, 14};
    map.build(dense, [](int32_t n) { return n; });
    EXPECT_EQ(map.find(12), 1u);
    EXPECT_EQ(map.find(13), kNoIndex);
    EXPECT_EQ(map.find(9), kNoIndex);
    EXPECT_EQ(map.find(15), kNoIndex);
    EXPECT_EQ(map.find(-2'147'483'647 - 1), kNoIndex);
    EXPECT_EQ(map.size(), 4u); // counted though the direct table alone is kept
    // Sparse again after a dense map: nothing of the table is left to answer.
    map.build(sparse, [](int32_t n) { return n; });
    EXPECT_EQ(map.find(12), kNoIndex);
    EXPECT_EQ(map.find(5), 2u);
    map.clear();
    EXPECT_EQ(map.find(10), kNoIndex);
    EXPECT_EQ(map.size(), 0u);
}

TEST(NumberMap, NumbersInOrderMapLikeAnyOthers) {
    const auto identity = [](int32_t n) { return n; };
    NumberMap map;
    // Rising with gaps, from the lowest number there is, in a table of several megabytes.
    std::vector<int32_t> rising;
    for (int32_t i = 0; i < 1'500'000; ++i) rising.push_back(-2'147'483'647 - 1 + i + i / 3);
    map.build(rising, identity);
    EXPECT_EQ(map.size(), rising.size());
    for (size_t i : {size_t{0}, size_t{1}, size_t{2}, size_t{777'777}, rising.size() - 1})
        EXPECT_EQ(map.find(rising[i]), i);
    EXPECT_EQ(map.find(rising[2] + 1), kNoIndex); // a gap
    EXPECT_EQ(map.find(rising.back() + 1), kNoIndex);

    // A repeated last number: the first of them wins.
    map.build(std::vector<int32_t>{3, 4, 5, 5}, identity);
    EXPECT_EQ(map.size(), 3u);
    EXPECT_EQ(map.find(5), 2u);
    // Rising but too sparse for a table, then a single number.
    map.build(std::vector<int32_t>{1, 100'000, 2'000'000'000}, identity);
    EXPECT_EQ(map.find(100'000), 1u);
    EXPECT_EQ(map.find(2), kNoIndex);
    map.build(std::vector<int32_t>{7}, identity);
    EXPECT_EQ(map.find(7), 0u);
    EXPECT_EQ(map.find(8), kNoIndex);
    EXPECT_EQ(map.size(), 1u);
}

} // namespace
} // namespace vellum
