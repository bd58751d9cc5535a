#include "common/Encoding.h"
#include "tests/support/RecordingUi.h"
#include "model/Document.h"
#include "TemporaryFolder.h"
#include "WrittenFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace vellum {
namespace {

using Strings = std::vector<std::string>;
using test::written;

constexpr const char* kGridNodes = "1 0 0 0\n2 1 0 0\n3 2 0 0\n4 0 1 0\n5 1 1 0\n6 2 1 0\n";
constexpr const char* kGridElements = "2 2 3 6 5\n1 1 2 5 4\n";
constexpr const char* kGridData = "1 1 0 0\n2 2 0 0\n3 3 0 0\n4 4 0 0\n5 5 0 0\n6 6 3 4\n";

// The open command after the dialog's OK, on three files written for the case.
struct LoadCase {
    test::TemporaryFolder folder;
    Document document;
    RecordingUi ui;
    OpenChoice choice;

    LoadCase(std::string_view nodes, std::string_view elements, std::string_view data) {
        choice.pointFilePath = written(folder.file("nodes.dat"), nodes);
        choice.elementFilePath = written(folder.file("elements.dat"), elements);
        choice.dataFilePath = written(folder.file("data.dat"), data);
    }
    int load() { return document.Open(ui, choice); }
};

// True when `expected` occur in `captions` in this order (other bars may come between).
bool inOrder(const Strings& captions, const Strings& expected) {
    auto at = captions.begin();
    for (const std::string& caption : expected) {
        at = std::find(at, captions.end(), caption);
        if (at == captions.end()) return false;
        ++at;
    }
    return true;
}

TEST(Load, RunsTheStepsInOrderWithAnElementFile) {
    LoadCase c(kGridNodes, kGridElements, kGridData);
    ASSERT_EQ(c.load(), 0);
    EXPECT_TRUE(c.ui.messages.empty());
    EXPECT_TRUE(inOrder(c.ui.captions, {"節点ファイル展開中", "要素ファイル展開中", "節点情報解析中",
                                        "データファイル展開中", "データ値解析中"}));
    const DataSet& d = c.document.dataSet;
    ASSERT_EQ(d.elements.size(), 2u);
    EXPECT_EQ(d.elements[0].number, 1); // sorted by number
    EXPECT_EQ(d.columnCount, 3u);
    EXPECT_EQ(d.maximum[0], 2.0);
    EXPECT_EQ(d.sectionBox, (std::array<double, 6>{0, 2, 0, 1, 0, 0}));
    EXPECT_EQ(d.elements[0].faceCount, 1u);
    EXPECT_EQ(c.ui.waitCursorDepth, 0);
    EXPECT_GE(c.ui.maxWaitCursorDepth, 1);
    EXPECT_EQ(c.ui.openProgressBars, 0);
}

TEST(Load, AutomaticMeshAndVectorData) {
    LoadCase c(kGridNodes, "", kGridData);
    c.choice.autoMesh = 1;
    c.choice.dataType = 2;
    c.choice.elementFilePath = c.folder.file("absent.dat"); // never opened
    ASSERT_EQ(c.load(), 0);
    EXPECT_TRUE(c.ui.messages.empty());
    const DataSet& d = c.document.dataSet;
    EXPECT_EQ(d.elements.size(), 2u);
    EXPECT_EQ(d.columnCount, 3u);
    EXPECT_EQ(d.columnMaximum[3], std::sqrt(61.0)); // the magnitude of 6, 3, 4
    EXPECT_EQ(d.columnMinimum[3], 1.0);
    EXPECT_TRUE(inOrder(c.ui.captions, {"節点ファイル展開中", "メッシュ作成中", "データ値解析中",
                                        "ベクトルデータ解析中"}));
}

TEST(Load, WithoutDataFileReadsNoData) {
    LoadCase c(kGridNodes, kGridElements, "");
    c.choice.dataType = 3;
    c.choice.dataFilePath = c.folder.file("absent.dat");
    ASSERT_EQ(c.load(), 0);
    EXPECT_TRUE(c.ui.messages.empty());
    EXPECT_EQ(std::count(c.ui.captions.begin(), c.ui.captions.end(), "データファイル展開中"), 0);
}

TEST(Load, ConvertsPolarNodesAfterTheMesh) {
    LoadCase c("1 1 0\n2 2 0\n3 1 90\n4 2 90\n", "1 1 2 4 3\n", "1 1\n2 2\n3 3\n4 4\n");
    c.choice.polar = 1;
    ASSERT_EQ(c.load(), 0);
    const auto& nodes = c.document.dataSet.nodes;
    EXPECT_NEAR(nodes[3].coordinates[0], 0.0, 1e-15);
    EXPECT_EQ(nodes[3].coordinates[1], 2.0);
    EXPECT_EQ(c.document.dataSet.polarFlag, 1);
}

TEST(Load, HeadersOfWordsAreNodeZeroAndElementZero) {
    LoadCase c(std::string("No. X Y Z\n") + kGridNodes, std::string("Elem N1 N2 N3\n") + kGridElements,
               std::string("0 0 0 0\n") + kGridData);
    ASSERT_EQ(c.load(), 0);
    EXPECT_EQ(c.document.dataSet.elements.size(), 3u);
    EXPECT_EQ(c.document.dataSet.elements[0].number, 0);
}

TEST(Load, Cp932FilesWithIdeographicSpacesAndCrlf) {
    const std::string space = utf8ToCp932("　");
    std::string nodes = kGridNodes, elements = kGridElements;
    std::replace(nodes.begin(), nodes.end(), ' ', '\t');
    std::string converted;
    for (char ch : elements) converted += ch == ' ' ? space : ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    LoadCase c(nodes, converted, kGridData);
    ASSERT_EQ(c.load(), 0);
    EXPECT_EQ(c.document.dataSet.elements.size(), 2u);
    EXPECT_EQ(c.document.dataSet.elements[1].nodeCount, 4u);
}

// Each failure: the step's own message, then the sequence's, and nothing after.
struct FailureCase {
    const char* name;
    std::string nodes, elements, data;
    int dataType;
    Strings messages;
};

TEST(Load, FailuresShowTheStepMessageThenTheSequenceMessage) {
    const std::string nodeOpen = "節点ファイルのオープンに失敗しました\nファイルの有無を確認してください";
    const std::string reference = "節点アドレス参照エラー\n定義されていない節点番号が含まれてます";
    const std::vector<FailureCase> cases{
        {"no node", "\n\n", kGridElements, kGridData, 0,
         {"節点ファイルに節点データがありません", "節点ファイルを確認してください"}},
        {"words only", "No. X Y Z\n", kGridElements, kGridData, 0,
         {reference, "要素ファイルを確認してください"}},
        {"undefined node", kGridNodes, "1 1 2 99\n", kGridData, 0, {reference, "要素ファイルを確認してください"}},
        {"no data row", kGridNodes, kGridElements, " \n7\n", 0,
         {"データファイルにデータ値がありません", "データファイルを確認してください"}},
        {"vector beyond columns", kGridNodes, kGridElements, "1 1 2\n2 1 2\n", 2,
         {"ベクトル成分に指定したデータ列がありません\nデータ列数を確認してください",
          "データファイルを確認してください"}},
        {"node without row", kGridNodes, kGridElements, "1 1\n2 2\n", 0,
         {"節点データに対応するデータ値がありません", "データ番号と節点番号/要素番号の対応を確認してください"}},
        {"element without row", kGridNodes, kGridElements, "1 1\n", 1,
         {"要素データに対応するデータ値がありません", "データ番号と節点番号/要素番号の対応を確認してください"}},
    };
    for (const FailureCase& f : cases) {
        LoadCase c(f.nodes, f.elements, f.data);
        c.choice.dataType = f.dataType;
        EXPECT_EQ(c.load(), 1) << f.name;
        EXPECT_EQ(c.ui.messages, f.messages) << f.name;
        EXPECT_EQ(c.ui.openProgressBars, 0) << f.name;
        EXPECT_EQ(c.ui.waitCursorDepth, 0) << f.name;
    }
}

TEST(Load, MissingFilesAndOverflowNameTheFileToCheck) {
    {
        LoadCase c(kGridNodes, kGridElements, kGridData);
        c.choice.pointFilePath = c.folder.file("absent.dat");
        EXPECT_EQ(c.load(), 1);
        EXPECT_EQ(c.ui.messages, (Strings{"節点ファイルのオープンに失敗しました\nファイルの有無を確認してください",
                                          "節点ファイルを確認してください"}));
    }
    {
        LoadCase c(kGridNodes, kGridElements, kGridData);
        c.choice.elementFilePath = c.folder.file("absent.dat");
        EXPECT_EQ(c.load(), 1);
        EXPECT_EQ(c.ui.messages, (Strings{"要素ファイルのオープンに失敗しました\nファイルの有無を確認してください",
                                          "要素ファイルを確認してください"}));
    }
    {
        LoadCase c(kGridNodes, kGridElements, kGridData);
        c.choice.dataFilePath = c.folder.file("absent.dat");
        EXPECT_EQ(c.load(), 1);
        EXPECT_EQ(c.ui.messages, (Strings{"データファイルのオープンに失敗しました\nファイルの有無を確認してください",
                                          "データファイルを確認してください"}));
        EXPECT_EQ(c.document.dataSet.elements.size(), 2u); // nodes and elements were replaced
    }
    {
        LoadCase c("1 0 0 1e999\n", kGridElements, kGridData);
        EXPECT_EQ(c.load(), 1);
        EXPECT_EQ(c.ui.messages, (Strings{c.folder.file("nodes.dat") +
                                              " の 1 行目に扱えない大きさの数値があります\n数値を確認してください",
                                          "節点ファイルを確認してください"}));
        EXPECT_TRUE(c.document.dataSet.nodes.empty());
    }
}

TEST(Load, BinaryJunkNeverCrashes) {
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 37 + 11) % 256);
    LoadCase c(junk, junk, junk);
    const int result = c.load();
    EXPECT_TRUE(result == 0 || result == 1);
    EXPECT_EQ(c.ui.openProgressBars, 0);
    if (result == 1) {
        EXPECT_EQ(c.ui.messages.size(), 2u);
    }
}

} // namespace
} // namespace vellum
