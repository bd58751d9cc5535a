#include "tests/support/RecordingUi.h"
#include "data/DataSet.h"
#include "TemporaryFolder.h"
#include "WrittenFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellum {
namespace {

using Strings = std::vector<std::string>;
using test::written;

struct ElementFile {
    test::TemporaryFolder folder;
    DataSet dataSet;
    RecordingUi ui;

    explicit ElementFile(std::string_view nodes = "1 0 0\n2 1 0\n3 1 1\n4 0 1\n5 2 0\n6 2 1\n7 3 0\n8 3 1\n"
                                                  "9 4 0\n10 4 1\n") {
        dataSet.files.pointFilePath = written(folder.file("nodes.dat"), nodes);
        EXPECT_EQ(dataSet.ReadNodes(ui), 0);
        ui = RecordingUi{};
    }
    int read(std::string_view bytes) {
        dataSet.files.elementFilePath = written(folder.file("elements.dat"), bytes);
        return dataSet.ReadElements(ui);
    }
    std::vector<int32_t> nodeNumbers(size_t element) const {
        const ElementRecord& e = dataSet.elements[element];
        std::vector<int32_t> numbers;
        for (size_t i = 0; i < e.nodeCount; ++i) numbers.push_back(dataSet.nodes[e.nodes[i]].number);
        return numbers;
    }
};

TEST(ReadElements, ReadsElementLinesByTheRecordRule) {
    ElementFile file;
    ASSERT_EQ(file.read("10 1 2 3 4\n"
                        "10,1,2,3,4\r\n"
                        "11 1 2 3 4 5 6 7 8 9 10\n"
                        "12\n"
                        "\n"
                        "13 1 2 3"),
              0);
    ASSERT_EQ(file.dataSet.elements.size(), 4u);
    EXPECT_EQ(file.dataSet.elementCount, 4u);
    EXPECT_EQ(file.nodeNumbers(0), (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(file.nodeNumbers(1), (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(file.nodeNumbers(2), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(file.nodeNumbers(3), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(file.dataSet.elements[3].number, 13);
    for (const ElementRecord& e : file.dataSet.elements) EXPECT_EQ(e.visible, 1.0);
    EXPECT_EQ(file.ui.captions, Strings{"要素ファイル展開中"});
    EXPECT_EQ(file.ui.positions, (std::vector<int>{30, 80, 100}));
    EXPECT_TRUE(file.ui.messages.empty());
}

TEST(ReadElements, UndefinedNodeNumberStopsWithTheReferenceError) {
    ElementFile file;
    EXPECT_EQ(file.read("1 1 2 3 4\n13 1 2 99\n14 1 2 3\n"), 1);
    EXPECT_EQ(file.ui.messages, Strings{"節点アドレス参照エラー\n定義されていない節点番号が含まれてます"});
    ASSERT_EQ(file.dataSet.elements.size(), 1u); // the elements made so far stay
    EXPECT_EQ(file.dataSet.elementCount, 1u);
    EXPECT_EQ(file.ui.openProgressBars, 0);
}

TEST(ReadElements, HeaderOfWordsRefersToNodeZero) {
    ElementFile file;
    EXPECT_EQ(file.read("Elem N1 N2 N3\n"), 1);
    ElementFile withNodeZero("0 0 0\n1 1 0\n");
    ASSERT_EQ(withNodeZero.read("Elem N1 N2 N3\n"), 0);
    EXPECT_EQ(withNodeZero.nodeNumbers(0), (std::vector<int32_t>{0, 0, 0}));
}

TEST(ReadElements, SharedNodeNumberJoinsTheFirstNode) {
    ElementFile file("1 0 0\n1 5 5\n2 1 0\n3 1 1\n");
    ASSERT_EQ(file.read("1 1 2 3\n"), 0);
    EXPECT_EQ(file.dataSet.elements[0].nodes[0], 0u);
}

TEST(ReadElements, MissingFileLeavesTheElementsAlone) {
    ElementFile file;
    ASSERT_EQ(file.read("1 1 2 3\n"), 0);
    file.ui = RecordingUi{};
    file.dataSet.files.elementFilePath = file.folder.path() + "/absent.dat";
    EXPECT_EQ(file.dataSet.ReadElements(file.ui), 1);
    EXPECT_EQ(file.ui.messages, Strings{"要素ファイルのオープンに失敗しました\nファイルの有無を確認してください"});
    EXPECT_EQ(file.dataSet.elements.size(), 1u);
}

TEST(ReadElements, EmptyFileGivesNoElements) {
    ElementFile file;
    EXPECT_EQ(file.read(""), 0);
    EXPECT_TRUE(file.dataSet.elements.empty());
}

TEST(SortElementsByNumber, IsStableAndMovesWholeElements) {
    ElementFile file;
    ASSERT_EQ(file.read("5 1 2\n3 3 4\n9 5 6\n3 7 8 9\n"), 0);
    ASSERT_EQ(file.dataSet.SortElementsByNumber(file.ui), 0);
    std::vector<int32_t> order;
    for (const ElementRecord& e : file.dataSet.elements) order.push_back(e.number);
    EXPECT_EQ(order, (std::vector<int32_t>{3, 3, 5, 9}));
    EXPECT_EQ(file.nodeNumbers(0), (std::vector<int32_t>{3, 4}));
    EXPECT_EQ(file.nodeNumbers(1), (std::vector<int32_t>{7, 8, 9}));
    EXPECT_EQ(file.nodeNumbers(2), (std::vector<int32_t>{1, 2}));
}

TEST(SortElementsByNumber, KeepsFileOrderAmongManyEqualNumbers) {
    DataSet dataSet;
    RecordingUi ui;
    for (int i = 0; i < 5000; ++i) {
        ElementRecord e;
        e.number = (i * 7919) % 13;
        e.material = i; // the file position
        dataSet.elements.push_back(e);
    }
    ASSERT_EQ(dataSet.SortElementsByNumber(ui), 0);
    for (size_t i = 1; i < dataSet.elements.size(); ++i) {
        const ElementRecord& a = dataSet.elements[i - 1];
        const ElementRecord& b = dataSet.elements[i];
        ASSERT_TRUE(a.number < b.number || (a.number == b.number && a.material < b.material)) << i;
    }
}

} // namespace
} // namespace vellum
