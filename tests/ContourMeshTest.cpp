#include "render/ContourMesh.h"

#include "tests/support/RecordingUi.h"
#include "data/DataSet.h"

#include <gtest/gtest.h>

#include <vector>

namespace vellum {
namespace {

struct Piece {
    std::vector<Point3> corners;
    int band;
    friend bool operator==(const Piece&, const Piece&) = default;
};

class CollectingSink : public ContourSink {
public:
    void fill(const Point3* corners, int count, int band) override {
        fills.push_back({std::vector<Point3>(corners, corners + count), band});
    }
    void line(const Point3& from, const Point3& to, int level) override {
        lines.push_back({{from, to}, level});
    }
    std::vector<Piece> fills, lines;
};

// A row of `count` unit squares along x at height 0.3, t = x / count, column 0 from 0 to 1.
DataSet squareRow(int count) {
    DataSet d;
    for (int j = 0; j <= 1; ++j)
        for (int i = 0; i <= count; ++i) {
            NodeRecord node;
            node.position = {double(i), double(j), 0.3};
            node.t = double(i) / count;
            d.nodes.push_back(node);
        }
    for (int i = 0; i < count; ++i) {
        ElementRecord e;
        const auto a = uint32_t(i);
        e.nodes = {a, a + 1, a + uint32_t(count) + 2, a + uint32_t(count) + 1};
        e.nodeCount = 4;
        e.faces[0] = 1; // the 4-node quadrilateral
        e.faceCount = 1;
        d.elements.push_back(e);
    }
    d.columnMinimum = {0.0};
    d.columnMaximum = {1.0};
    d.columnRange = {1.0};
    d.columnMiddle = {0.5};
    return d;
}

TEST(ContourRunProgress, ShowsItsBarInQuartersOfTheElements) {
    const DataSet data = squareRow(8);
    RecordingUi ui;
    CollectingSink sink;
    traceContours(data, ui, ContourRun{}, sink);
    EXPECT_EQ(ui.captions, std::vector<std::string>{"等高線描画中"});
    EXPECT_EQ(ui.positions, (std::vector<int>{10, 0, 20, 40, 60, 100}));
    EXPECT_EQ(ui.openProgressBars, 0);
    EXPECT_FALSE(sink.fills.empty());

    RecordingUi small;
    traceContours(squareRow(3), small, ContourRun{}, sink);
    EXPECT_EQ(small.positions, (std::vector<int>{10, 80, 100}));
}

TEST(ContourRunProgress, TracedInTwoTheHalvesGiveThePiecesOfOneRunInItsOrder) {
    DataSet data = squareRow(101);
    data.elements[70].visible = 0.0;
    ContourRun run;
    run.divisions = 7;
    RecordingUi one, two;
    CollectingSink whole, first, second;
    traceContours(data, one, run, whole);
    traceContoursInTwo(data, two, run, first, second);
    ASSERT_FALSE(first.fills.empty());
    ASSERT_FALSE(second.fills.empty());
    first.fills.insert(first.fills.end(), second.fills.begin(), second.fills.end());
    first.lines.insert(first.lines.end(), second.lines.begin(), second.lines.end());
    EXPECT_EQ(first.fills, whole.fills);
    EXPECT_EQ(first.lines, whole.lines);
    EXPECT_EQ(two.captions, one.captions);
    EXPECT_EQ(two.positions, (std::vector<int>{10, 0, 20, 40, 60, 80, 100}));
    EXPECT_EQ(two.openProgressBars, 0);
}

TEST(ContourRunRange, AnEmptyLegendRangeDrawsNothingAndShowsNoBar) {
    const DataSet data = squareRow(4);
    RecordingUi ui;
    CollectingSink sink;
    ContourRun run;
    run.legendMin = run.legendMax = 0.5;
    traceContours(data, ui, run, sink);
    EXPECT_TRUE(sink.fills.empty());
    EXPECT_TRUE(sink.lines.empty());
    EXPECT_TRUE(ui.captions.empty());
}

TEST(ContourRunFaces, HiddenElementsAreSkippedAndTheProjectionLiesFlat) {
    DataSet data = squareRow(2);
    data.elements[1].visible = 0.0;
    RecordingUi ui;
    CollectingSink sink;
    ContourRun run;
    run.divisions = 4;
    run.fill = ContourFill::none;
    run.flat = true;
    run.flatZ = -0.7;
    traceContours(data, ui, run, sink);
    // Only the first square (t from 0 to 0.5): the levels 0, 0.25 and 0.5 over its two
    // triangles, except where a level only touches a corner.
    ASSERT_FALSE(sink.lines.empty());
    for (const Piece& line : sink.lines) {
        EXPECT_LE(line.band, 2);
        for (const Point3& p : line.corners) {
            EXPECT_LE(p[0], 1.0);
            EXPECT_EQ(p[2], -0.7);
        }
    }
}

TEST(ContourRunFaces, BandsOfAFaceCoverIt) {
    const DataSet data = squareRow(1);
    RecordingUi ui;
    CollectingSink sink;
    ContourRun run;
    run.divisions = 3;
    traceContours(data, ui, run, sink);
    double area = 0.0;
    for (const Piece& f : sink.fills) {
        double twice = 0.0;
        for (size_t i = 0; i < f.corners.size(); ++i) {
            const Point3& a = f.corners[i];
            const Point3& b = f.corners[(i + 1) % f.corners.size()];
            twice += a[0] * b[1] - b[0] * a[1];
        }
        area += std::abs(twice) / 2.0;
    }
    EXPECT_NEAR(area, 1.0, 1e-12);
}

} // namespace
} // namespace vellum
