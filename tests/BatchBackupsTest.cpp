#include "batch/Backups.h"
#include "batch/BatchView.h"
#include "batch/CommandLineRun.h"
#include "BatchGraph.h"
#include "BatchTestFolder.h"
#include "common/Encoding.h"
#include "common/RecordingUi.h"
#include "data/DataSet.h"
#include "settings/ViewSettings.h"

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
    int run(Graph& g, const std::string& path) {
        g.dataSet.files.commandFilePath = path;
        const int result = RunCommandLineFile(g.batch);
        g.options.loaded = result == 0 ? 1 : 0;
        return result;
    }
};

TEST_F(Backups, NothingIsWrittenAfterAFailedRun) {
    folder.write("job/bad.dat", "ElementFile=x\n");
    EXPECT_EQ(run(graph, folder.path() + "job/bad.dat"), 1);
    EXPECT_EQ(WriteBackups(graph.batch), 0);
    EXPECT_FALSE(folder.exists("data/vellumPLOT/bkView.ini"));
    EXPECT_FALSE(folder.exists("data/vellumPLOT/bkCmdLine.dat"));
}

TEST_F(Backups, BackupsNameEveryFileByFullPathAndRestoreTheGraph) {
    folder.write("job/job.dat", "DataNumber=0\nPointFile=n.txt\nElementFile=\nDataFile=v.txt\nViewFile=look.ini\n");
    ASSERT_EQ(run(graph, folder.path() + "job/job.dat"), 0) << ::testing::PrintToString(graph.ui.messages);
    graph.view.DIGREE = {1810, 1820, 1830};
    ASSERT_EQ(WriteBackups(graph.batch), 0);

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
    EXPECT_EQ(WriteBackups(graph.batch), 1);
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
    graph.dataSet.files.stlFilePath = stl;
    EXPECT_TRUE(isStlExtension(".StL"));
    ASSERT_EQ(RunStlImport(graph.batch), 0) << ::testing::PrintToString(graph.ui.messages);
    EXPECT_EQ(graph.options.loaded, 1);
    EXPECT_EQ(graph.options.dataType, 0);
    EXPECT_EQ(graph.view.MODE, 0);
    EXPECT_EQ(graph.view.selectedColumn, 0);
    EXPECT_DOUBLE_EQ(graph.view.MAX, 2.0);
    EXPECT_DOUBLE_EQ(graph.view.MIN, 0.0);
    EXPECT_EQ(graph.dataSet.sectionBox, (std::array<double, 6>{0, 2, 0, 1, 0, 3}));

    graph.dataSet.files.stlFilePath = folder.path() + "none.stl";
    EXPECT_EQ(RunStlImport(graph.batch), 1);
    EXPECT_EQ(graph.options.loaded, 0);
}

} // namespace
} // namespace vellum
