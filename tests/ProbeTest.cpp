// What a probe finds and reports on a loaded graph, and the extremes of the shown values.
#include "BatchGraph.h"
#include "BatchTestFolder.h"
#include "render/ProbePicker.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

// A 3 x 3 sheet of nodes 1..9 and four quadrilaterals 11..14, read from files.
class Probes : public ::testing::Test, protected testing::BatchGraph {
protected:
    testing::TempFolder folder;
    void SetUp() override {
        folder.write("nodes.txt", "1 0 0\n2 1 0\n3 2 0\n4 0 1\n5 1 1\n6 2 1\n7 0 2\n8 1 2\n9 2 2\n");
        folder.write("elements.txt", "11 1 2 5 4\n12 2 3 6 5\n13 4 5 8 7\n14 5 6 9 8\n");
        // Node values with a tie for the largest (nodes 9 and 3) and the smallest (1 and 7).
        folder.write("values.txt", "1 -2\n2 0\n3 5\n4 1\n5 2\n6 3\n7 -2\n8 4\n9 5\n");
        folder.write("element-values.txt", "11 10\n12 20\n13 30\n14 20\n");
        folder.write("vectors.txt", "1 3 4 0\n2 3 4 0\n3 3 4 0\n4 0 0 1\n5 0 0 1\n6 0 0 1\n7 1 0 0\n8 1 0 0\n9 1 0 0\n");
    }
    void load(const std::string& job) {
        ASSERT_EQ(runFile(folder.write("job.dat", "PointFile=nodes.txt\nElementFile=elements.txt\n" + job)), 0)
            << ::testing::PrintToString(ui.messages);
    }
    // The pixel over a point of the sheet (coordinates as read), looking straight down, so
    // that the height a value gives the surface does not move it on screen. The drawing
    // positions are a linear map of the coordinates along each axis.
    std::array<double, 2> pixelAt(double x, double y) const {
        const auto& a = dataSet.nodes[0].position; // node 1 at (0, 0)
        const auto& b = dataSet.nodes[8].position; // node 9 at (2, 2)
        const Point3 p{a[0] + x / 2.0 * (b[0] - a[0]), a[1] + y / 2.0 * (b[1] - a[1]), 0.0};
        return pixelOf(graphMatrix(view.DIGREE, view.POSITION, view.SCALE123), 780, 480, p);
    }
    ProbeHit pickAt(double x, double y) {
        view.DIGREE = {1800, 1800, 1800};
        const auto at = pixelAt(x, y);
        return picker.pick(dataSet, view, SceneState{options.dataType, document.modelShape()}, 780, 480, at[0], at[1]);
    }
    ProbePicker picker;
};

TEST_F(Probes, NodeValuesAnswerTheNearestNodeOfTheFaceAndHiddenElementsAreNeverFound) {
    load("DataFile=values.txt\n");
    const ProbeHit hit = pickAt(1.9, 1.8); // in element 14, nearest node 9
    ASSERT_TRUE(hit.hit);
    EXPECT_EQ(dataSet.elements[hit.target.element].number, 14);
    const ProbeReading reading = readProbe(dataSet, options.dataType, view.selectedColumn, hit.target);
    EXPECT_EQ(reading.node, 9);
    EXPECT_FALSE(reading.hasElement);
    EXPECT_EQ(reading.coordinates, (std::array<double, 3>{2, 2, 0}));
    EXPECT_EQ(reading.values, std::vector<double>{5});
    EXPECT_EQ(probeStatusText(reading, view), "節点 9 (2, 2, 0) 値 5");
    EXPECT_EQ(probeLabelText(reading, view), "節点 9: 5");

    EXPECT_FALSE(picker.pick(dataSet, view, SceneState{options.dataType, 0}, 780, 480, 2, 2).hit); // off the graph

    // The section box leaves out the elements over x > 1: nothing is found there any more.
    document.ApplySectionBox(ui, {0, 1, 0, 2, -1, 1});
    EXPECT_FALSE(pickAt(1.9, 1.8).hit);
    EXPECT_TRUE(pickAt(0.5, 0.5).hit);

    // Extremes among the visible nodes; ties go to the lowest number.
    Extremes extremes = findExtremes(dataSet, options.dataType, view.selectedColumn);
    EXPECT_EQ(extremes.maximum.number, 8); // 3 and 9 are hidden
    EXPECT_EQ(extremes.minimum.number, 1); // 1 and 7 tie
    document.ApplySectionBox(ui, dataSet.sectionBox = {0, 2, 0, 2, -1, 1});
    extremes = findExtremes(dataSet, options.dataType, view.selectedColumn);
    EXPECT_EQ(extremes.maximum.number, 3);
    EXPECT_EQ(extremeLabelText(extremes.maximum, true, options.dataType, view), "最大 5 (節点 3)");
    EXPECT_EQ(extremesJson(dataSet, options.dataType, view.selectedColumn),
              "{\"max\": {\"node\": 3, \"value\": 5, \"coordinates\": [2, 0, 0]}, "
              "\"min\": {\"node\": 1, \"value\": -2, \"coordinates\": [0, 0, 0]}}");
}

TEST_F(Probes, ElementValuesAnswerTheElementAndVectorsTheirComponents) {
    load("DataType=1\nDataFile=element-values.txt\n");
    const ProbeHit hit = pickAt(0.2, 1.7); // element 13, nearest node 7
    ASSERT_TRUE(hit.hit);
    const ProbeReading reading = readProbe(dataSet, options.dataType, view.selectedColumn, hit.target);
    EXPECT_TRUE(reading.hasElement);
    EXPECT_EQ(reading.element, 13);
    EXPECT_EQ(reading.node, 7);
    EXPECT_EQ(reading.values, std::vector<double>{30});
    EXPECT_EQ(probeStatusText(reading, view), "要素 13 節点 7 (0, 2, 0) 値 30");
    // Ties of element values go to the lowest element number.
    EXPECT_EQ(findExtremes(dataSet, options.dataType, 0).minimum.number, 11);
    EXPECT_EQ(findExtremes(dataSet, options.dataType, 0).maximum.number, 13);

    load("DataType=2\nDataNumber=0>1>2\nDataFile=vectors.txt\n");
    const ProbeHit vector = pickAt(1.9, 0.1); // node 3
    ASSERT_TRUE(vector.hit);
    const ProbeReading arrow = readProbe(dataSet, options.dataType, view.selectedColumn, vector.target);
    EXPECT_EQ(arrow.values, (std::vector<double>{3, 4, 0, 5}));
    EXPECT_EQ(probeStatusText(arrow, view), "節点 3 (2, 0, 0) 成分 (3, 4, 0) 大きさ 5");
    EXPECT_EQ(probesTabText({arrow}, options.dataType), "節点\t要素\tx\ty\tz\t成分1\t成分2\t成分3\t大きさ\n"
                                                         "3\t\t2\t0\t0\t3\t4\t0\t5\n");
    EXPECT_EQ(probeJson(10, 20, &arrow), "{\"pixel\": [10, 20], \"hit\": true, \"node\": 3, \"element\": null, "
                                         "\"coordinates\": [2, 0, 0], \"values\": [3, 4, 0, 5]}");
    EXPECT_EQ(probeJson(1, 2, nullptr), "{\"pixel\": [1, 2], \"hit\": false}");

    // Without data a probe reads the node alone, and a new load drops the pins.
    document.pins.push_back(vector.target);
    load("");
    EXPECT_TRUE(document.pins.empty());
    const ProbeReading bare = readProbe(dataSet, options.dataType, 0, pickAt(0.1, 0.1).target);
    EXPECT_TRUE(bare.values.empty());
    EXPECT_EQ(probesTabText({bare}, options.dataType), "節点\t要素\tx\ty\tz\n1\t\t0\t0\t0\n");
}

} // namespace
} // namespace vellum
