#include "BatchGraph.h"
#include "BatchTestFolder.h"
#include "batch/FileNameResolution.h"
#include "common/Encoding.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

using Graph = testing::BatchGraph;

class Backups : public ::testing::Test {
protected:
    testing::TempFolder folder;
    Graph graph;

    void SetUp() override {
        folder.write("job/n.txt", "1 0 0\n2 1 0\n3 0 1\n4 1 1\n");
        folder.write("job/v.txt", "1 1\n2 2\n3 3\n4 4\n");
        folder.write("job/look.ini", "[LABEL]\r\nTITLE= 応力\r\n");
    }
    int run(Graph& g, const std::string& path) { return g.runFile(path); }
    int writeBackups(Graph& g) { return g.document.WriteBackups(g.ui, backupFolder()); }
    std::string backupFolder() const { return folder.path() + "data/vellumPLOT/"; }
    std::string backupCommandFilePath() const { return backupFolder() + kBackupCommandFile; }
};

TEST_F(Backups, NothingIsWrittenAfterAFailedRun) {
    folder.write("job/bad.dat", "ElementFile=x\n");
    EXPECT_EQ(run(graph, folder.path() + "job/bad.dat"), 1);
    EXPECT_EQ(writeBackups(graph), 0);
    EXPECT_FALSE(folder.exists("data/vellumPLOT/bkView.ini"));
    EXPECT_FALSE(folder.exists("data/vellumPLOT/bkCmdLine.dat"));
}

// A node file without a node must stop the run like any unreadable node file: no blank
// graph, and the backups of the last good graph stay as they were.
TEST_F(Backups, AnEmptyNodeFileStopsTheRunAndKeepsTheLastBackups) {
    folder.write("job/good.dat", "PointFile=n.txt\n");
    ASSERT_EQ(run(graph, folder.path() + "job/good.dat"), 0);
    ASSERT_EQ(writeBackups(graph), 0);
    const std::string goodView = folder.read("data/vellumPLOT/bkView.ini");
    const std::string goodCommands = folder.read("data/vellumPLOT/bkCmdLine.dat");

    for (const char* nodes : {"", "\n  \n\t\n"}) {
        Graph empty;
        folder.write("job/empty.txt", nodes);
        folder.write("job/empty.dat", "PointFile=empty.txt\nDataFile=v.txt\n");
        EXPECT_EQ(run(empty, folder.path() + "job/empty.dat"), 1);
        EXPECT_EQ(empty.ui.messages, (std::vector<std::string>{"節点ファイルに節点データがありません",
                                                               "節点ファイルを確認してください"}));
        EXPECT_EQ(empty.document.loaded, 0);
        EXPECT_EQ(empty.document.drawable(), nullptr);
        EXPECT_EQ(writeBackups(empty), 0);
        EXPECT_EQ(folder.read("data/vellumPLOT/bkView.ini"), goodView);
        EXPECT_EQ(folder.read("data/vellumPLOT/bkCmdLine.dat"), goodCommands);
    }

    // The open command's load stops the same way, with its own second message.
    Graph opened;
    OpenChoice choice;
    choice.pointFilePath = folder.path() + "job/empty.txt";
    choice.dataType = kNoDataFile;
    choice.autoMesh = 1;
    EXPECT_EQ(opened.document.Open(opened.ui, choice), 1);
    EXPECT_EQ(opened.ui.messages, (std::vector<std::string>{"節点ファイルに節点データがありません",
                                                            "節点ファイルを確認してください"}));
    EXPECT_EQ(opened.document.loaded, 0);
}

TEST_F(Backups, BackupsNameEveryFileByFullPathAndRestoreTheGraph) {
    folder.write("job/job.dat", "DataNumber=0\nPointFile=n.txt\nElementFile=\nDataFile=v.txt\nViewFile=look.ini\n");
    ASSERT_EQ(run(graph, folder.path() + "job/job.dat"), 0) << ::testing::PrintToString(graph.ui.messages);
    graph.view.DIGREE = {1810, 1820, 1830};
    ASSERT_EQ(writeBackups(graph), 0);

    const std::string commands = cp932ToUtf8(folder.read("data/vellumPLOT/bkCmdLine.dat"));
    EXPECT_EQ(commands, "Dimension=2\nPolarCoordinates=0\nRadianData=0\nDataType=0\nDataNumber=0\n"
                        "PointFile=" + folder.path() + "job/n.txt\nElementFile=\nDataFile=" + folder.path() +
                        "job/v.txt\nViewFile=" + folder.path() + "data/vellumPLOT/bkView.ini\n"
                        "//イメージファイル出力用\nImageFile=\nAutoExit=0\n");
    EXPECT_EQ(backupCommandFilePath(), folder.path() + "data/vellumPLOT/bkCmdLine.dat");

    Graph restored;
    ASSERT_EQ(run(restored, backupCommandFilePath()), 0) << ::testing::PrintToString(restored.ui.messages);
    EXPECT_EQ(restored.view.TITLE, "応力");
    EXPECT_EQ(restored.view.DIGREE, (std::array<int, 3>{1810, 1820, 1830}));
    EXPECT_EQ(restored.dataSet.elements.size(), 1u);
    EXPECT_EQ(restored.dataSet.files.dataFilePath, folder.path() + "job/v.txt");
}

TEST_F(Backups, AnUnwritableProgramFolderSaysSoAndReportsFailure) {
    folder.write("data/vellumPLOT", "a file where the folder should be");
    folder.write("job/job.dat", "PointFile=n.txt\n");
    ASSERT_EQ(run(graph, folder.path() + "job/job.dat"), 0);
    EXPECT_EQ(writeBackups(graph), 1);
    EXPECT_EQ(graph.ui.messages, (std::vector<std::string>{"設定ファイルのエクスポートに失敗しました",
                                                           "コマンドライン処理用のファイル作成に失敗しました"}));
}

TEST_F(Backups, StlImportResetsTheLookAndColoursByX) {
    const std::string stl = folder.write("part.StL", "solid p\n facet normal 0 0 1\n  outer loop\n"
                                                     "   vertex 0 0 0\n   vertex 2 0 0\n   vertex 0 1 3\n"
                                                     "  endloop\n endfacet\nendsolid p\n");
    graph.view.MODE = 4;
    graph.view.selectedColumn = 2;
    graph.options.dataType = 2;
    graph.options.shape = kSolidShape; // the open dialog's choice stays; the triangles are a sheet
    graph.view.RECTSCALE = 1;
    EXPECT_TRUE(isStlExtension(".StL"));
    ASSERT_EQ(graph.document.ImportStl(graph.ui, stl), 0) << ::testing::PrintToString(graph.ui.messages);
    EXPECT_EQ(graph.document.loaded, 1);
    EXPECT_EQ(graph.options.shape, kSolidShape);
    EXPECT_EQ(graph.document.modelShape(), kSheetShape);
    EXPECT_EQ(graph.dataSet.elements[0].faceCount, 1);
    // The view's RECTSCALE divides each axis by its own extent: the part fills the unit box
    // on every axis, as the grid box drawn around it does.
    EXPECT_DOUBLE_EQ(graph.dataSet.nodes[1].position[0] - graph.dataSet.nodes[0].position[0], 1.0);
    EXPECT_DOUBLE_EQ(graph.dataSet.nodes[2].position[1] - graph.dataSet.nodes[0].position[1], 1.0);
    EXPECT_DOUBLE_EQ(graph.dataSet.nodes[2].position[2] - graph.dataSet.nodes[0].position[2], 1.0);
    EXPECT_EQ(graph.options.dataType, 0);
    EXPECT_EQ(graph.view.MODE, 0);
    EXPECT_EQ(graph.view.selectedColumn, 0);
    EXPECT_DOUBLE_EQ(graph.view.MAX, 2.0);
    EXPECT_DOUBLE_EQ(graph.view.MIN, 0.0);
    EXPECT_EQ(graph.dataSet.sectionBox, (std::array<double, 6>{0, 2, 0, 1, 0, 3}));

    EXPECT_EQ(graph.document.ImportStl(graph.ui, folder.path() + "none.stl"), 1);
    EXPECT_EQ(graph.document.loaded, 0);
}

// Closing after an STL import backs up the STL model with its look, even after a node job
// in the same sitting; the backup import brings the surface back, not the earlier graph.
TEST_F(Backups, AnStlImportIsBackedUpAndRestoredWithItsLook) {
    folder.write("job/job.dat", "PointFile=n.txt\nDataFile=v.txt\nViewFile=look.ini\n");
    ASSERT_EQ(run(graph, folder.path() + "job/job.dat"), 0);
    const std::string stl = folder.write("parts/part.stl", "solid p\n facet normal 0 0 1\n  outer loop\n"
                                                           "   vertex 0 0 0\n   vertex 2 0 0\n   vertex 0 1 3\n"
                                                           "  endloop\n endfacet\nendsolid p\n");
    ASSERT_EQ(graph.document.ImportStl(graph.ui, stl), 0);
    EXPECT_EQ(graph.document.caption(), "vellumPLOT - ver.2.41 [" + stl + "]");
    graph.view.DIGREE = {1810, 1820, 1830};
    graph.view.selectedColumn = 2;
    ASSERT_EQ(graph.document.SelectColumn(graph.ui, 2), 0);
    ASSERT_EQ(writeBackups(graph), 0) << ::testing::PrintToString(graph.ui.messages);
    EXPECT_EQ(cp932ToUtf8(folder.read("data/vellumPLOT/bkCmdLine.dat")),
              "Dimension=2\nPolarCoordinates=0\nRadianData=0\nDataType=0\nDataNumber=2\nStlFile=" + stl +
                  "\nViewFile=" + backupFolder() + "bkView.ini\n//イメージファイル出力用\nImageFile=\nAutoExit=0\n");

    Graph restored;
    ASSERT_EQ(run(restored, backupCommandFilePath()), 0) << ::testing::PrintToString(restored.ui.messages);
    EXPECT_EQ(restored.dataSet.nodes.size(), 3u);
    EXPECT_EQ(restored.dataSet.elements.size(), 1u);
    EXPECT_EQ(restored.document.modelShape(), kSheetShape);
    EXPECT_EQ(restored.view.DIGREE, (std::array<int, 3>{1810, 1820, 1830}));
    EXPECT_EQ(restored.view.selectedColumn, 2); // coloured by z, as it was shown
    EXPECT_DOUBLE_EQ(restored.view.MAX, 3.0);
    EXPECT_EQ(restored.view, graph.view);

    // The export names the STL file by its name; read back beside it, it is the same model.
    ASSERT_EQ(restored.document.WriteCommandLineFile(restored.ui, folder.path() + "parts/again.dat"), 0);
    EXPECT_NE(cp932ToUtf8(folder.read("parts/again.dat")).find("\nStlFile=part.stl\n"), std::string::npos);
    Graph again;
    ASSERT_EQ(run(again, folder.path() + "parts/again.dat"), 0) << ::testing::PrintToString(again.ui.messages);
    EXPECT_EQ(again.dataSet.files.stlFilePath, stl);
    EXPECT_EQ(again.dataSet.nodes.size(), 3u);

    Graph missing;
    folder.write("parts/missing.dat", "StlFile=none.stl\n");
    EXPECT_EQ(run(missing, folder.path() + "parts/missing.dat"), 1);
    // Without registered paths the STL reader says it, as for a node file.
    EXPECT_EQ(missing.ui.messages,
              std::vector<std::string>{"STLファイルのオープンに失敗しました\nファイルの有無を確認してください"});
    EXPECT_EQ(missing.document.loaded, 0);
}

} // namespace
} // namespace vellum
