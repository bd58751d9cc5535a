// A load parses the element and data files on their own threads while it reads the nodes;
// the window starts reading all three files of its job before it can load. Whatever the
// files hold, it must say and do exactly what a load reading every file in its own step
// does: the same messages in the same order, naming the same line, the same progress bars
// and the same model.
#include "BatchGraph.h"
#include "BatchTestFolder.h"
#include "SameDataSet.h"
#include "model/LoadPrefetch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/resource.h>

namespace vellum {
namespace {

struct Outcome {
    int result = 0;
    testing::BatchGraph graph;
};

enum class Reading { inTurn, ahead, startedBefore };

void run(Outcome& outcome, const std::string& job, Reading reading) {
    outcome.graph.document.parseAhead = reading != Reading::inTurn;
    if (reading == Reading::startedBefore) outcome.graph.document.parsesStarted = Document::StartJobParses(job, {});
    outcome.result = outcome.graph.runFile(job);
}

void expectSameOutcome(const Outcome& ahead, const Outcome& serial) {
    EXPECT_EQ(ahead.result, serial.result);
    EXPECT_EQ(ahead.graph.ui.messages, serial.graph.ui.messages);
    EXPECT_EQ(ahead.graph.ui.details, serial.graph.ui.details);
    EXPECT_EQ(ahead.graph.ui.openProgressBars, 0);
    EXPECT_EQ(ahead.graph.document.loaded, serial.graph.document.loaded);
    EXPECT_EQ(ahead.graph.view, serial.graph.view);
    EXPECT_EQ(ahead.graph.dataSet.files.elementFilePath, serial.graph.dataSet.files.elementFilePath);
    EXPECT_EQ(ahead.graph.dataSet.files.dataFilePath, serial.graph.dataSet.files.dataFilePath);
    testing::expectSameDataSet(ahead.graph.dataSet, serial.graph.dataSet);
}

// Returns what the run returned.
int expectSameRun(const std::string& job) {
    SCOPED_TRACE(job);
    Outcome serial, ahead, before;
    run(serial, job, Reading::inTurn);
    run(ahead, job, Reading::ahead);
    run(before, job, Reading::startedBefore);
    expectSameOutcome(ahead, serial);
    EXPECT_EQ(ahead.graph.ui.captions, serial.graph.ui.captions);
    EXPECT_EQ(ahead.graph.ui.positions, serial.graph.ui.positions);
    // Nodes read before the load show the node step's bar all the same.
    expectSameOutcome(before, serial);
    EXPECT_EQ(before.graph.ui.captions, serial.graph.ui.captions);
    EXPECT_EQ(before.graph.ui.positions, serial.graph.ui.positions);
    EXPECT_EQ(before.graph.document.parsesStarted, nullptr);
    return serial.result;
}

// An nx x ny grid: nodes numbered across, elements listed last row first (so sorting has
// work), three values per node; CR LF line ends and a last line without one.
struct GridText {
    std::string nodes, elements, values;
};
GridText gridText(int nx, int ny) {
    GridText g;
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            const int n = j * nx + i + 1;
            g.nodes += std::to_string(n) + " " + std::to_string(i * 0.25) + "," + std::to_string(j * 0.5) + "\r\n";
            g.values += std::to_string(n) + "\t" + std::to_string(i * j % 7 - 3) + " " + std::to_string(i) + " " +
                        std::to_string(0.125 * j) + "\r\n";
        }
    int e = 0;
    for (int j = ny - 2; j >= 0; --j)
        for (int i = 0; i < nx - 1; ++i) {
            const int a = j * nx + i + 1;
            g.elements += std::to_string(++e) + " " + std::to_string(a) + " " + std::to_string(a + 1) + " " +
                          std::to_string(a + nx + 1) + " " + std::to_string(a + nx) + "\r\n";
        }
    g.elements.resize(g.elements.size() - 2);
    return g;
}

std::string job(const std::string& elements, const std::string& values, int dataType = 0) {
    return "Dimension=2\nDataType=" + std::to_string(dataType) + "\nDataNumber=1\nPointFile=nodes.txt\nElementFile=" +
           elements + "\nDataFile=" + values + "\n";
}

TEST(ParseAhead, ExamplesAndGridsLoadAsWhenEveryFileIsReadInItsStep) {
    for (const char* example : {"plate/plate.dat", "plate/plate-automesh.dat", "element-values/beam.dat",
                                "vector/flow.dat", "solid/fin.dat", "polar/disc.dat", "japanese/moment.dat"})
        expectSameRun(std::string(VELLUM_SOURCE_DIR) + "/examples/" + example);

    testing::TempFolder folder;
    const GridText grid = gridText(70, 45);
    folder.write("nodes.txt", grid.nodes);
    folder.write("elements.txt", grid.elements);
    folder.write("values.txt", grid.values);
    folder.write("grid.dat", job("elements.txt", "values.txt"));
    folder.write("automesh.dat", job("", "values.txt"));
    folder.write("vectors.dat", job("elements.txt", "values.txt", 2));
    folder.write("nodata.dat", job("elements.txt", "", 3));
    for (const char* name : {"grid.dat", "automesh.dat", "vectors.dat", "nodata.dat"})
        expectSameRun(folder.path() + name);
}

TEST(ParseAhead, AFailureInAnyFileSaysTheSameAtTheSameLine) {
    testing::TempFolder folder;
    const GridText grid = gridText(12, 9);
    folder.write("nodes.txt", grid.nodes);
    folder.write("elements.txt", grid.elements);
    folder.write("values.txt", grid.values);
    // A bad node file: the parses started for the other files must not be heard of.
    folder.write("bad-nodes/nodes.txt", "1 0 0\n2 1 0\n3 1e999 0\n");
    folder.write("bad-nodes/elements.txt", "1 1 2 3 99\n");
    folder.write("bad-nodes/values.txt", "1 1e999\n");
    folder.write("bad-nodes/job.dat", job("elements.txt", "values.txt"));
    folder.write("missing-node.txt", grid.elements + "\r\n77 1 2 500 3\r\n78 1 2 3 4\r\n");
    folder.write("overflow.txt", grid.values + "5 1 2 3\r\n6 -2e400 1 1\r\n");
    folder.write("empty.txt", "\r\n  \r\n");
    std::filesystem::create_directories(folder.path() + "folder.txt");

    const struct Case {
        const char* name;
        std::string job;
        int result;
    } cases[] = {
        {"bad-nodes/job.dat", "", 1},
        {"missing-node.dat", job("missing-node.txt", "overflow.txt"), 1},
        {"overflow.dat", job("elements.txt", "overflow.txt"), 1},
        {"overflow-automesh.dat", job("", "overflow.txt"), 1},
        {"no-element-file.dat", job("absent.txt", "values.txt"), 1},
        {"no-data-file.dat", job("elements.txt", "absent.txt"), 1},
        {"element-folder.dat", job("folder.txt", "values.txt"), 1},
        {"data-folder.dat", job("elements.txt", "folder.txt"), 1},
        {"empty-data.dat", job("elements.txt", "empty.txt"), 1},
        {"rows-for-elements.dat", job("elements.txt", "values.txt", 1), 0},
    };
    for (const Case& c : cases) {
        if (!c.job.empty()) folder.write(c.name, c.job);
        EXPECT_EQ(expectSameRun(folder.path() + c.name), c.result) << c.name;
    }

    // The overflow is named at its own line, the 110th of the file, whichever way it was read.
    Outcome ahead;
    run(ahead, folder.path() + "overflow.dat", Reading::ahead);
    ASSERT_FALSE(ahead.graph.ui.messages.empty());
    EXPECT_EQ(ahead.graph.ui.messages.front(),
              folder.path() + "overflow.txt の 110 行目に扱えない大きさの数値があります\n数値を確認してください");
    EXPECT_EQ(ahead.result, 1);
}

TEST(ParseAhead, FilesReadBeforeAnotherJobRunsGoUnused) {
    testing::TempFolder folder;
    const GridText small = gridText(6, 5), large = gridText(9, 8);
    for (const char* side : {"small/", "large/"}) {
        const GridText& grid = side[0] == 's' ? small : large;
        folder.write(std::string(side) + "nodes.txt", grid.nodes);
        folder.write(std::string(side) + "elements.txt", grid.elements);
        folder.write(std::string(side) + "values.txt", grid.values);
        folder.write(std::string(side) + "job.dat", job("elements.txt", "values.txt"));
    }
    Outcome serial, other;
    run(serial, folder.path() + "large/job.dat", Reading::inTurn);
    const int starterPriority = getpriority(PRIO_PROCESS, 0);
    other.graph.document.parsesStarted = Document::StartJobParses(folder.path() + "small/job.dat", {});
    ASSERT_NE(other.graph.document.parsesStarted, nullptr);
    // The parses give way on their own threads; the window's thread keeps its priority.
    EXPECT_EQ(getpriority(PRIO_PROCESS, 0), starterPriority);
    other.result = other.graph.runFile(folder.path() + "large/job.dat");
    expectSameOutcome(other, serial);
    EXPECT_EQ(other.graph.dataSet.nodes.size(), 72u);

    // Nothing is started for what no run would load ahead: no file, an STL surface.
    EXPECT_EQ(Document::StartJobParses(folder.path() + "absent.dat", {}), nullptr);
    folder.write("surface.dat", "StlFile=surface.stl\n");
    EXPECT_EQ(Document::StartJobParses(folder.path() + "surface.dat", {}), nullptr);
}

} // namespace
} // namespace vellum
