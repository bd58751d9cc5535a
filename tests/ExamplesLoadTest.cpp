// Both roads to a graph reach the same one: a command-line run of each example, and the
// open command on the same files followed by the same column choice and look file.
#include "BatchGraph.h"
#include "SameDataSet.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

class ExampleRoads : public ::testing::TestWithParam<const char*> {};

TEST_P(ExampleRoads, TheOpenCommandAndTheCommandLineRunReachTheSameGraph) {
    testing::BatchGraph run;
    ASSERT_EQ(run.runFile(std::string(VELLUM_SOURCE_DIR) + "/examples/" + GetParam()), 0)
        << ::testing::PrintToString(run.ui.messages);
    const FileSet& files = run.dataSet.files;

    // What a person would choose in the open dialog for the same graph.
    testing::BatchGraph open;
    OpenChoice choice;
    choice.pointFilePath = files.pointFilePath;
    choice.elementFilePath = files.elementFilePath;
    choice.dataFilePath = files.dataFilePath;
    choice.autoMesh = files.elementFileName.empty() ? 1 : 0;
    choice.shape = run.options.shape;
    choice.dataType = run.options.dataType;
    choice.polar = run.options.polarDefault;
    choice.radians = run.options.radiansDefault;
    open.dataSet.vectorColumns = run.dataSet.vectorColumns; // kept from an earlier run
    ASSERT_EQ(open.document.Open(open.ui, choice), 0) << ::testing::PrintToString(open.ui.messages);
    if (choice.dataType != kVectorData) {
        ASSERT_EQ(open.document.SelectColumn(open.ui, run.view.selectedColumn), 0);
    }
    ASSERT_EQ(open.document.ReadViewSettingsFile(open.ui, files.viewFilePath), 0);

    EXPECT_TRUE(open.ui.messages.empty()) << ::testing::PrintToString(open.ui.messages);
    EXPECT_EQ(open.view, run.view);
    EXPECT_EQ(open.document.modelShape(), run.document.modelShape());
    testing::expectSameDataSet(open.dataSet, run.dataSet);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleRoads,
                         ::testing::Values("plate/plate.dat", "plate/plate-automesh.dat", "element-values/beam.dat",
                                           "vector/flow.dat", "solid/fin.dat", "polar/disc.dat",
                                           "japanese/moment.dat"));

} // namespace
} // namespace vellum
