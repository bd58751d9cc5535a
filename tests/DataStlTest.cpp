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
using Coordinates = std::array<double, 3>;

constexpr const char* kOneFacet = "solid plate\n"
                                  "  facet normal 0 0 1\n"
                                  "    outer loop\n"
                                  "      vertex 0 0 0\n"
                                  "      vertex 1 0 0\n"
                                  "      vertex 0 2 0\n"
                                  "    endloop\n"
                                  "  endfacet\n"
                                  "endsolid plate\n";

struct StlFile {
    test::TemporaryFolder folder;
    DataSet dataSet;
    RecordingUi ui;

    int read(std::string_view bytes) {
        dataSet.files.stlFilePath = test::written(folder.file("model.stl"), bytes);
        return dataSet.ReadStl(ui);
    }
};

TEST(ReadStl, OneFacetGivesThreeNodesRowsAndATriangle) {
    StlFile file;
    ASSERT_EQ(file.read(kOneFacet), 0);
    const DataSet& d = file.dataSet;
    ASSERT_EQ(d.nodes.size(), 3u);
    EXPECT_EQ(d.nodeCount, 3u);
    EXPECT_EQ(d.rowCount, 3u);
    EXPECT_EQ(d.nodes[2].number, 3);
    EXPECT_EQ(d.nodes[2].coordinates, (Coordinates{0, 2, 0})); // the normal never becomes one
    EXPECT_EQ(d.rows[1].number, 2);
    EXPECT_EQ(d.rows[1].valueCount, 3u);
    EXPECT_EQ(d.rows[1].values[0], 1.0);
    EXPECT_EQ(d.columnCount, 3u);
    ASSERT_EQ(d.elements.size(), 1u);
    EXPECT_EQ(d.elementCount, 1u);
    EXPECT_EQ(d.elements[0].number, 1);
    EXPECT_EQ(d.elements[0].nodeCount, 3u);
    EXPECT_EQ(d.elements[0].nodes[2], 2u);
    EXPECT_TRUE(file.ui.messages.empty());
    EXPECT_EQ(file.ui.waitCursorDepth, 0);
    EXPECT_GE(file.ui.maxWaitCursorDepth, 1);
}

TEST(ReadStl, SharedVerticesAreNotMerged) {
    StlFile file;
    ASSERT_EQ(file.read(std::string(kOneFacet) + "facet normal 0 0 1\nouter loop\nvertex 1 0 0\nvertex 1 2 0\n"
                                                  "vertex 0 2 0\nendloop\nendfacet\n"),
              0);
    EXPECT_EQ(file.dataSet.nodes.size(), 6u);
    EXPECT_EQ(file.dataSet.elements.size(), 2u);
}

TEST(ReadStl, IncompleteVerticesAndTrianglesStayOut) {
    StlFile file;
    // The two-coordinate vertex makes no node; "solid" among coordinates is skipped; the
    // fourth vertex completes no triangle and stays a node without an element.
    ASSERT_EQ(file.read("vertex 1.0 2.0\nvertex 5 solid 6 7 8\nvertex 1 1 1\nvertex 2 2 2\r\nvertex 3 3 3"), 0);
    const DataSet& d = file.dataSet;
    ASSERT_EQ(d.nodes.size(), 4u);
    EXPECT_EQ(d.nodes[0].coordinates, (Coordinates{5, 6, 7}));
    EXPECT_EQ(d.nodes[3].coordinates, (Coordinates{3, 3, 3}));
    EXPECT_EQ(d.nodes[3].number, 4);
    EXPECT_EQ(d.elements.size(), 1u);
    EXPECT_TRUE(file.ui.messages.empty());
}

TEST(ReadStl, QuotedPathOpensTheSameFile) {
    StlFile file;
    const std::string path = test::written(file.folder.file("model.stl"), kOneFacet);
    file.dataSet.files.stlFilePath = "\"" + path + "\"";
    ASSERT_EQ(file.dataSet.ReadStl(file.ui), 0);
    EXPECT_EQ(file.dataSet.files.stlFilePath, path);
}

TEST(ReadStl, FilesWithoutVerticesAreRefused) {
    const std::string noVertex = "STLファイルに頂点データがありません\nアスキー形式のSTLファイルか確認してください";
    std::string binary(84, '\0');
    binary += std::string("\x01\x02\xFF\x81", 4);
    for (const std::string& text : {std::string(""), std::string("SOLID x\nVERTEX 1 2 3\n"), binary}) {
        StlFile file;
        EXPECT_EQ(file.read(text), 1);
        EXPECT_EQ(file.ui.messages, Strings{noVertex});
        EXPECT_TRUE(file.dataSet.nodes.empty());
    }
}

TEST(ReadStl, MissingFileAndOverflowAreRefused) {
    StlFile file;
    ASSERT_EQ(file.read(kOneFacet), 0);
    file.dataSet.files.stlFilePath = file.folder.file("absent.stl");
    EXPECT_EQ(file.dataSet.ReadStl(file.ui), 1);
    EXPECT_EQ(file.dataSet.nodes.size(), 3u); // nothing replaced
    EXPECT_EQ(file.read("solid\nvertex 1 2 3\nvertex 1 1e999 3\n"), 1);
    EXPECT_EQ(file.ui.messages,
              (Strings{"STLファイルのオープンに失敗しました\nファイルの有無を確認してください",
                       file.folder.file("model.stl") + " の 3 行目に扱えない大きさの数値があります\n数値を確認してください"}));
    EXPECT_TRUE(file.dataSet.nodes.empty());
    EXPECT_TRUE(file.dataSet.rows.empty());
}

} // namespace
} // namespace vellum
