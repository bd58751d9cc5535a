#include "BatchGraph.h"
#include "BatchTestFolder.h"
#include "settings/Profile.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace vellum {
namespace {

// A 3 x 3 sheet of nodes 1..9 (x = 0, 1, 2; y = 0, 1, 2), four quadrilaterals, two
// columns of node values.
constexpr const char* kNodes = "1 0 0 0\n2 1 0 0\n3 2 0 0\n4 0 1 0\n5 1 1 0\n6 2 1 0\n7 0 2 1\n8 1 2 1\n9 2 2 1\n";
constexpr const char* kElements = "2 2 3 6 5\n1 1 2 5 4\n3 4 5 8 7\n4 5 6 9 8\n";
constexpr const char* kValues = "1 1 10\n2 2 20\n3 3 30\n4 4 40\n5 5 50\n6 6 60\n7 7 70\n8 8 80\n9 9 -90\n";
constexpr const char* kVectors = "1 1 0 0 9\n2 1 0 0 9\n3 1 0 0 9\n4 0 1 0 9\n5 0 1 0 9\n6 0 1 0 9\n"
                                 "7 0 0 2 9\n8 0 0 2 9\n9 0 0 2 9\n";

class BatchRun : public ::testing::Test, protected testing::BatchGraph {
protected:
    testing::TempFolder folder;
    FileSet& files = dataSet.files;

    void SetUp() override {
        folder.write("jobs/nodes.txt", kNodes);
        folder.write("jobs/elements.txt", kElements);
        folder.write("jobs/values.txt", kValues);
    }

    // Writes `text` as the command-line file `name` under jobs/ and runs it.
    int run(const std::string& text, const std::string& name = "job.dat") {
        return runFile(folder.write("jobs/" + name, text));
    }

    void registerPaths(const std::vector<std::string>& paths) {
        Profile profile = Profile::openUserProfile();
        profile.setInt("PATH", "num", static_cast<int>(paths.size()));
        for (size_t i = 0; i < paths.size(); ++i) profile.setString("PATH", "path" + std::to_string(i), paths[i]);
        ASSERT_TRUE(profile.save());
    }
};

constexpr const char* kPlateJob = "PointFile=nodes.txt\nElementFile=elements.txt\nDataFile=values.txt\n";

TEST_F(BatchRun, LoadsAPlateWithNodeValues) {
    ASSERT_EQ(run(std::string("Dimension=2\nDataType=0\nDataNumber=1\n") + kPlateJob), 0) << ::testing::PrintToString(ui.messages);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(dataSet.nodes.size(), 9u);
    ASSERT_EQ(dataSet.elements.size(), 4u);
    EXPECT_EQ(dataSet.elements[0].number, 1); // sorted by number
    EXPECT_EQ(files.pointFilePath, folder.path() + "jobs/nodes.txt");
    EXPECT_EQ(files.pointFileName, "nodes.txt");
    EXPECT_EQ(view.selectedColumn, 1);
    EXPECT_DOUBLE_EQ(view.MAX, 80.0); // legend range of the selected column
    EXPECT_DOUBLE_EQ(view.MIN, -90.0);
    EXPECT_EQ(view.gridSize[1], (std::array<double, 2>{0.0, 2.0}));
    EXPECT_EQ(view.divisionRange[2], (std::array<double, 2>{0.0, 1.0}));
    EXPECT_DOUBLE_EQ(view.DIVISIONLINEVALUE[0], 0.5);
    EXPECT_EQ(dataSet.sectionBox, (std::array<double, 6>{0, 2, 0, 2, 0, 1}));
    EXPECT_EQ(document.loaded, 1);
    EXPECT_EQ(document.caption(), "vellumPLOT - ver.2.41 [" + folder.path() + "jobs/nodes.txt]");
}

TEST_F(BatchRun, ResetsTheLookAndStartsFromTheFileAlone) {
    view.MODE = 2;
    view.TITLE = "old";
    view.selectedColumn = 1;
    options.autoMesh = 1;
    ASSERT_EQ(run(kPlateJob), 0);
    EXPECT_EQ(view.MODE, 0);
    EXPECT_EQ(view.TITLE, "");
    EXPECT_EQ(view.selectedColumn, 0); // the file names no column
    EXPECT_EQ(options.autoMesh, 1);    // the open dialog's choice, not the file's
}

// One sitting: whatever job A named, exported or asked for, job B shows what its own file
// says and overwrites nothing of job A's.
TEST_F(BatchRun, AJobAfterAnotherDependsOnlyOnItsOwnFile) {
    folder.write("jobs/one-element.txt", "1 1 2 5 4\n");
    folder.write("jobs/look.ini", "[GRAPH]\nMODE=1\n");
    ASSERT_EQ(run("Dimension=3\nPolarCoordinates=0\nDataType=0\nDataNumber=1\nPointFile=nodes.txt\n"
                  "ElementFile=one-element.txt\nDataFile=values.txt\nViewFile=look.ini\nImageFile=a.png\nAutoExit=1\n",
                  "a.dat"),
              0);
    ASSERT_EQ(dataSet.elements.size(), 1u);
    // A valid job without a data file: the data file before it is not read as type 3.
    ASSERT_EQ(run("DataType=3\nPointFile=nodes.txt\nElementFile=elements.txt\n", "d.dat"), 0)
        << ::testing::PrintToString(ui.messages);
    EXPECT_EQ(options.dataType, kNoDataFile);
    EXPECT_EQ(options.exitFlag, 0);
    EXPECT_EQ(files.imageFilePath, "");

    ASSERT_EQ(run(cp932ToUtf8(folder.read("jobs/a.dat")), "a.dat"), 0);
    files.imageFilePath = folder.path() + "export.png"; // the person exported the picture

    ASSERT_EQ(run("PointFile=nodes.txt\nElementFile=\nImageFile=\n", "b.dat"), 0)
        << ::testing::PrintToString(ui.messages);
    EXPECT_EQ(dataSet.elements.size(), 4u); // its own automatic mesh
    EXPECT_EQ(files.elementFileName, "");
    EXPECT_EQ(files.elementFilePath, "");
    EXPECT_EQ(files.imageFilePath, ""); // export.png is not written again
    EXPECT_EQ(options.exitFlag, 0);
    EXPECT_EQ(options.dataType, kNoDataFile);
    EXPECT_EQ(files.dataFileName, "");
    EXPECT_EQ(files.viewFileName, "");
    EXPECT_EQ(options.shape, kSheetShape);
    EXPECT_EQ(view.MODE, kGraphWireframe);
}

TEST_F(BatchRun, AbsentDataFileDrawsAWireframe) {
    view.DIM = 2;
    ASSERT_EQ(run("PointFile=nodes.txt\nElementFile=elements.txt\nDataFile=\nDataType=0\n"), 0);
    EXPECT_EQ(options.dataType, 3);
    EXPECT_EQ(view.MODE, 4);
    EXPECT_EQ(view.MODE2, 5);
}

TEST_F(BatchRun, SolidShapeTakesAxisThreeAndDropsPerpendiculars) {
    folder.write("jobs/look.ini", "[GRAPH]\r\nSUISEN1= 1\r\nDIM= 2\r\n");
    ASSERT_EQ(run(std::string("Dimension=3\nViewFile=look.ini\n") + kPlateJob), 0);
    EXPECT_EQ(options.shape, 1);
    EXPECT_EQ(view.SUISEN1, 0);
    EXPECT_EQ(view.DIM, 1);

    ASSERT_EQ(run(std::string("Dimension=4\nViewFile=look.ini\n") + kPlateJob), 0);
    EXPECT_EQ(options.shape, 0); // anything but a solid is a sheet
    EXPECT_EQ(view.SUISEN1, 1);
    EXPECT_EQ(view.DIM, 2);
}

TEST_F(BatchRun, VectorColumnsOutOfRangeFallBackToTheirPosition) {
    folder.write("jobs/vectors.txt", kVectors); // four columns
    ASSERT_EQ(run("DataType=2\nDataNumber=5>1>9\nPointFile=nodes.txt\nElementFile=elements.txt\nDataFile=vectors.txt\n"), 0)
        << ::testing::PrintToString(ui.messages);
    EXPECT_EQ(dataSet.vectorColumns, (std::array<int32_t, 3>{0, 1, 2}));
    EXPECT_EQ(view.MODE, 3);
    EXPECT_EQ(view.selectedColumn, 4); // the magnitude column
    EXPECT_DOUBLE_EQ(view.MAX, 2.0);

    // A negative column would read before the row: it falls back as well.
    ASSERT_EQ(run("DataType=2\nDataNumber=-1>3>1\nPointFile=nodes.txt\nElementFile=elements.txt\nDataFile=vectors.txt\n"), 0);
    EXPECT_EQ(dataSet.vectorColumns, (std::array<int32_t, 3>{0, 3, 1}));
}

TEST_F(BatchRun, AColumnTheDataDoesNotHaveShowsColumnZero) {
    ASSERT_EQ(run(std::string("DataNumber=7\n") + kPlateJob), 0);
    EXPECT_EQ(view.selectedColumn, 0);
    EXPECT_DOUBLE_EQ(view.MAX, 9.0);
    ASSERT_EQ(run(std::string("DataNumber=-3\n") + kPlateJob), 0);
    EXPECT_EQ(view.selectedColumn, 0);
}

TEST_F(BatchRun, AutomaticMeshAndPolarNodes) {
    // Rows of equal angle; the mesh is made on (r, angle), then turned into x and y.
    folder.write("jobs/polar.txt", "1 1 0\n2 2 0\n3 1 90\n4 2 90\n");
    ASSERT_EQ(run("PolarCoordinates=1\nRadianData=0\nPointFile=polar.txt\nElementFile=\n"), 0)
        << ::testing::PrintToString(ui.messages);
    EXPECT_EQ(dataSet.elements.size(), 1u);
    EXPECT_EQ(files.elementFilePath, "");
    EXPECT_NEAR(dataSet.maximum[1], 2.0, 1e-12);
    EXPECT_NEAR(dataSet.minimum[0], 0.0, 1e-12);
}

TEST_F(BatchRun, ExtensionsAreComparedWithCase) {
    EXPECT_EQ(run(kPlateJob, "run.Dat"), 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"コマンドラインファイルの拡張子が違います"});
    ui.messages.clear();
    EXPECT_EQ(run(kPlateJob, "run.DAT"), 0);
    EXPECT_EQ(run(kPlateJob, "run.txt"), 0);
    EXPECT_EQ(run(kPlateJob, "run.STL"), 0);
    EXPECT_EQ(run(kPlateJob, "run"), 1);
    EXPECT_TRUE(ui.messages.size() == 1);
}

TEST_F(BatchRun, UnreadableCommandFileClearsItsPath) {
    EXPECT_EQ(runFile("\"" + folder.path() + "jobs/none.dat\""), 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"引数で指定したファイルが開けません\nファイルの有無，パスを確認してください"});
    EXPECT_EQ(files.commandFilePath, "");
}

TEST_F(BatchRun, MissingPointFileKeyFailsBeforeAnythingIsResetOrLoaded) {
    view.MODE = 2;
    EXPECT_EQ(run("Dimension=3\nDataType=0\nDataNumber=1\nElementFile=elements.txt\nDataFile=values.txt\n"
                  "ViewFile=v.ini\nImageFile=a.png\nAutoExit=1\n"),
              1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"節点ファイルが指定されていません"});
    EXPECT_EQ(view.MODE, 2);
    EXPECT_TRUE(dataSet.nodes.empty());
}

TEST_F(BatchRun, NotFoundMessagesClearTheirFields) {
    registerPaths({folder.path() + "first"});
    struct Case {
        std::string job;
        std::string message;
        std::string FileSet::*name;
        std::string FileSet::*path;
    };
    const std::vector<Case> cases = {
        {"PointFile=none.txt\n", "節点ファイルが開けません\n節点ファイルの有無，パスを確認してください",
         &FileSet::pointFileName, &FileSet::pointFilePath},
        {"PointFile=nodes.txt\nElementFile=none.txt\n", "要素ファイルが開けません\n要素ファイルの有無，パスを確認してください",
         &FileSet::elementFileName, &FileSet::elementFilePath},
        {"PointFile=nodes.txt\nElementFile=elements.txt\nDataFile=none.txt\n",
         "データファイルが開けません\nデータファイルの有無，パスを確認してください", &FileSet::dataFileName,
         &FileSet::dataFilePath},
        {std::string(kPlateJob) + "ViewFile=none.ini\n",
         "視点設定ファイルが開けません\n視点設定ファイルの有無，パスを確認してください", &FileSet::viewFileName,
         &FileSet::viewFilePath},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        EXPECT_EQ(run(c.job), 1) << c.job;
        EXPECT_EQ(ui.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(files.*(c.name), "");
        EXPECT_EQ(files.*(c.path), "");
    }
}

TEST_F(BatchRun, WithoutRegisteredPathsAMissingFileIsTheReadersFailure) {
    EXPECT_EQ(run("PointFile=none.txt\n"), 1);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0], "節点ファイルのオープンに失敗しました\nファイルの有無を確認してください");
    EXPECT_EQ(ui.messages[1], "節点ファイルを確認してください");
    EXPECT_EQ(files.pointFileName, "");
    EXPECT_EQ(files.pointFilePath, "");
}

TEST_F(BatchRun, UnreadableFilesShowTheirMessagesAndClearTheirFields) {
    folder.write("jobs/bad-elements.txt", "1 1 2 3 99\n"); // node 99 does not exist
    EXPECT_EQ(run("PointFile=nodes.txt\nElementFile=bad-elements.txt\n"), 1);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back(), "要素ファイルを確認してください");
    EXPECT_EQ(files.elementFileName, "");
    EXPECT_EQ(files.elementFilePath, "");

    ui.messages.clear();
    EXPECT_EQ(run("PointFile=nodes.txt\nElementFile=elements.txt\nDataFile=/no/such/values.txt\n"), 1);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1], "データファイルを確認して下さい");
    EXPECT_EQ(files.dataFileName, "");
    EXPECT_EQ(files.dataFilePath, "");
}

TEST_F(BatchRun, AFailedNormalisationFailsWithItsOwnMessageOnly) {
    folder.write("jobs/short.txt", "1 1\n2 2\n"); // rows for two of nine nodes
    EXPECT_EQ(run("PointFile=nodes.txt\nElementFile=elements.txt\nDataFile=short.txt\n"), 1);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(BatchRun, RelativeNamesAreFoundBesideTheFileOrUnderARegisteredPath) {
    folder.write("second/far-nodes.txt", kNodes);
    registerPaths({folder.path() + "first", folder.path() + "second"});
    ASSERT_EQ(run("PointFile=far-nodes.txt\nElementFile=elements.txt\nDataFile=values.txt\n"), 0)
        << ::testing::PrintToString(ui.messages);
    EXPECT_EQ(files.pointFileName, "far-nodes.txt");
    EXPECT_EQ(files.pointFilePath, folder.path() + "second/far-nodes.txt");
    EXPECT_EQ(files.elementFilePath, folder.path() + "jobs/elements.txt");
}

TEST_F(BatchRun, ARelativeJobNameResolvesAgainstTheFolderItWasGivenIn) {
    folder.write("jobs/job.dat", kPlateJob);
    ASSERT_EQ(::chdir(folder.path().c_str()), 0);
    // Names are looked for beside the job, not in jobs/jobs/, and the job's own path is
    // kept whole so that later commands find it whatever becomes current.
    ASSERT_EQ(runFile("jobs/job.dat"), 0) << ::testing::PrintToString(ui.messages);
    EXPECT_EQ(files.pointFilePath, folder.path() + "jobs/nodes.txt");
    EXPECT_EQ(files.commandFilePath, folder.path() + "jobs/job.dat");
}

TEST_F(BatchRun, BackslashesInNamesAreFolderSeparators) {
    folder.write("jobs/mesh/n.txt", kNodes);
    ASSERT_EQ(run("PointFile=mesh\\n.txt\nElementFile=elements.txt\n"), 0);
    EXPECT_EQ(files.pointFilePath, folder.path() + "jobs/mesh/n.txt");
    EXPECT_EQ(files.pointFileName, "mesh\\n.txt");
}

TEST_F(BatchRun, ImageFileGoesBesideTheJobUnlessAbsolute) {
    ASSERT_EQ(run(std::string(kPlateJob) + "ImageFile=\"out\\plate.png\"\n"), 0);
    EXPECT_EQ(files.imageFilePath, folder.path() + "jobs/out/plate.png");
    EXPECT_EQ(files.imageFileName, "plate");
    EXPECT_EQ(files.imageExtension, ".png");

    ASSERT_EQ(run(std::string(kPlateJob) + "ImageFile=/img/out.JPG\n"), 0);
    EXPECT_EQ(files.imageFilePath, "/img/out.JPG");
    EXPECT_EQ(files.imageExtension, ".JPG");

    // A job without ImageFile writes no image, whatever the job before it named.
    ASSERT_EQ(run(kPlateJob), 0);
    EXPECT_EQ(files.imageFilePath, "");

    ASSERT_EQ(run(std::string(kPlateJob) + "ImageFile=\"\"\n"), 0);
    EXPECT_EQ(files.imageFilePath, "");
}

TEST_F(BatchRun, AWrittenFileReadBackReproducesTheGraph) {
    registerPaths({folder.path() + "second"});
    folder.write("second/vectors.txt", kVectors);
    ASSERT_EQ(run("Dimension=3\nPolarCoordinates=0\nDataType=2\nDataNumber=3>1>0\nPointFile=nodes.txt\n"
                  "ElementFile=elements.txt\nDataFile=vectors.txt\n"),
              0);
    const auto before = std::make_tuple(options.shape, options.dataType, dataSet.vectorColumns, files.pointFilePath,
                                        files.elementFilePath, files.dataFilePath, dataSet.nodes.size(),
                                        dataSet.columnCount);
    ASSERT_EQ(document.WriteCommandLineFile(ui, folder.path() + "jobs/again.dat"), 0);

    testing::BatchGraph again;
    ASSERT_EQ(again.runFile(folder.path() + "jobs/again.dat"), 0) << ::testing::PrintToString(again.ui.messages);
    EXPECT_EQ(before, std::make_tuple(again.options.shape, again.options.dataType, again.dataSet.vectorColumns,
                                      again.dataSet.files.pointFilePath, again.dataSet.files.elementFilePath,
                                      again.dataSet.files.dataFilePath, again.dataSet.nodes.size(),
                                      again.dataSet.columnCount));
    EXPECT_EQ(again.view.selectedColumn, view.selectedColumn);
}

} // namespace
} // namespace vellum
