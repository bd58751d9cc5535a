#include "render/ContourGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace vellum {
namespace {

struct RecordedFill {
    std::vector<Point3> corners;
    int band;
};
struct RecordedLine {
    Point3 from, to;
    int level;
};

class RecordingSink : public ContourSink {
public:
    void fill(const Point3* corners, int count, int band) override {
        fills.push_back({std::vector<Point3>(corners, corners + count), band});
    }
    void line(const Point3& from, const Point3& to, int level) override { lines.push_back({from, to, level}); }
    std::vector<RecordedFill> fills;
    std::vector<RecordedLine> lines;
};

// A triangle in the plane z = 0 whose legend value is u = x, so every point's x says
// which value it stands at.
std::array<ContourCorner, 3> triangleWithUEqualX(double a, double b, double c) {
    return {{{{a, 0.0, 0.0}, a}, {{b, 1.0, 0.0}, b}, {{c, 0.3, 0.0}, c}}};
}

double polygonArea(const std::vector<Point3>& p) {
    double twice = 0.0;
    for (size_t i = 0; i < p.size(); ++i) {
        const Point3& a = p[i];
        const Point3& b = p[(i + 1) % p.size()];
        twice += a[0] * b[1] - b[0] * a[1];
    }
    return std::fabs(twice) / 2.0;
}

TEST(ContourLevels, DivideTheLegendRangeEvenlyWithBandsBelowAndAbove) {
    const ContourLevels levels(4);
    ASSERT_EQ(levels.divisions(), 4);
    for (int i = 0; i <= 4; ++i) EXPECT_DOUBLE_EQ(levels.level(i), i * 0.25);
    EXPECT_EQ(levels.bandOf(-3.0), 0);
    EXPECT_EQ(levels.bandOf(0.25), 1);
    EXPECT_EQ(levels.bandOf(0.3), 2);
    EXPECT_EQ(levels.bandOf(7.0), 5);
    EXPECT_DOUBLE_EQ(levels.bandValue(0), 0.0);
    EXPECT_DOUBLE_EQ(levels.bandValue(2), 0.5);
    EXPECT_DOUBLE_EQ(levels.bandValue(5), 1.0);
    EXPECT_TRUE(ContourLevels(0).empty());
    EXPECT_TRUE(ContourLevels(-2).empty());
}

TEST(ContourLevels, ACountBeyondTenThousandDivisionsDrawsNothingInsteadOfExhaustingMemory) {
    // A count read from a settings file once aborted the program allocating its levels.
    EXPECT_TRUE(ContourLevels(2'000'000'000).empty());
    EXPECT_TRUE(ContourLevels(kMaxContourDivisions + 1).empty());
    RecordingSink sink;
    contourTriangle(ContourLevels(2'000'000'000), triangleWithUEqualX(0.0, 1.0, 0.5), ContourFill::bands, sink);
    EXPECT_TRUE(sink.fills.empty());
    // The largest readable count still draws every level it crosses.
    const ContourLevels most(kMaxContourDivisions);
    ASSERT_EQ(most.divisions(), 10000);
    contourTriangle(most, triangleWithUEqualX(0.0, 0.01, 0.005), ContourFill::none, sink);
    EXPECT_EQ(sink.lines.size(), 99u); // levels 1 to 99: 0 and 100 touch one vertex only
}

TEST(LegendUnitMapping, PlacesColumnValuesWithinTheLegendRange) {
    // Column from 10 to 30; legend from 15 to 25.
    const auto map = LegendUnitMapping::make(10.0, 20.0, 15.0, 25.0);
    ASSERT_TRUE(map.has_value());
    EXPECT_DOUBLE_EQ((*map)(0.25), 0.0);
    EXPECT_DOUBLE_EQ((*map)(0.5), 0.5);
    EXPECT_DOUBLE_EQ((*map)(1.0), 1.5);
}

TEST(LegendUnitMapping, AnEmptyLegendRangeMapsNothingInsteadOfDividingByZero) {
    EXPECT_FALSE(LegendUnitMapping::make(0.0, 1.0, 2.0, 2.0).has_value());
    EXPECT_FALSE(LegendUnitMapping::make(0.0, 1.0, 0.0, INFINITY).has_value());
    EXPECT_FALSE(LegendUnitMapping::make(NAN, 1.0, 0.0, 1.0).has_value());
}

TEST(ContourLines, FourDivisionsGiveLinesAtEveryLevelIncludingTheEnds) {
    RecordingSink sink;
    contourTriangle(ContourLevels(4), triangleWithUEqualX(-0.1, 0.5, 1.1), ContourFill::none, sink);
    EXPECT_TRUE(sink.fills.empty());
    ASSERT_EQ(sink.lines.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(sink.lines[i].level, i);
        EXPECT_NEAR(sink.lines[i].from[0], i * 0.25, 1e-12);
        EXPECT_NEAR(sink.lines[i].to[0], i * 0.25, 1e-12);
        EXPECT_GT(std::fabs(sink.lines[i].from[1] - sink.lines[i].to[1]), 1e-6);
    }
}

TEST(ContourLines, TwoEqualLowValuesAndTwoDivisionsGiveOneLineAtTheMiddle) {
    RecordingSink sink;
    const std::array<ContourCorner, 3> corners{{{{0, 0, 0}, 0.1}, {{1, 0, 0}, 0.1}, {{0, 1, 0}, 0.9}}};
    contourTriangle(ContourLevels(2), corners, ContourFill::none, sink);
    ASSERT_EQ(sink.lines.size(), 1u);
    EXPECT_EQ(sink.lines[0].level, 1);
    // u rises along y from 0.1 to 0.9: the level 0.5 lies at y = 0.5 on both edges.
    EXPECT_NEAR(sink.lines[0].from[1], 0.5, 1e-12);
    EXPECT_NEAR(sink.lines[0].to[1], 0.5, 1e-12);
}

TEST(ContourLines, ALevelThroughTwoVerticesFollowsTheirEdge) {
    RecordingSink sink;
    const std::array<ContourCorner, 3> corners{{{{0, 0, 0}, 0.0}, {{1, 0, 0}, 0.5}, {{0, 1, 0}, 0.5}}};
    contourTriangle(ContourLevels(2), corners, ContourFill::none, sink);
    ASSERT_EQ(sink.lines.size(), 1u);
    EXPECT_EQ(sink.lines[0].level, 1);
    const bool forward = sink.lines[0].from == Point3{0, 1, 0} && sink.lines[0].to == Point3{1, 0, 0};
    const bool backward = sink.lines[0].from == Point3{1, 0, 0} && sink.lines[0].to == Point3{0, 1, 0};
    EXPECT_TRUE(forward || backward);
}

TEST(ContourFillShortcuts, TrianglesWhollyOutsideTheRangeAreFilledWithTheEndColoursAndGetNoLine) {
    RecordingSink below;
    contourTriangle(ContourLevels(4), triangleWithUEqualX(-0.9, -0.5, -0.2), ContourFill::bands, below);
    ASSERT_EQ(below.fills.size(), 1u);
    EXPECT_EQ(below.fills[0].corners.size(), 3u);
    EXPECT_DOUBLE_EQ(ContourLevels(4).bandValue(below.fills[0].band), 0.0);
    EXPECT_TRUE(below.lines.empty());

    RecordingSink above;
    contourTriangle(ContourLevels(4), triangleWithUEqualX(1.2, 1.5, 3.0), ContourFill::bands, above);
    ASSERT_EQ(above.fills.size(), 1u);
    EXPECT_DOUBLE_EQ(ContourLevels(4).bandValue(above.fills[0].band), 1.0);
    EXPECT_TRUE(above.lines.empty());

    RecordingSink hidden;
    contourTriangle(ContourLevels(4), triangleWithUEqualX(1.2, 1.5, 3.0), ContourFill::white, hidden);
    ASSERT_EQ(hidden.fills.size(), 1u);
    EXPECT_EQ(hidden.fills[0].band, ContourSink::kWhiteBand);

    RecordingSink linesOnly;
    contourTriangle(ContourLevels(4), triangleWithUEqualX(1.2, 1.5, 3.0), ContourFill::none, linesOnly);
    EXPECT_TRUE(linesOnly.fills.empty());
    EXPECT_TRUE(linesOnly.lines.empty());
}

TEST(ContourFillShortcuts, HidingWithoutBandsPaintsTheWholeTriangleWhiteUnderTheLines) {
    RecordingSink sink;
    contourTriangle(ContourLevels(4), triangleWithUEqualX(-0.1, 0.5, 1.1), ContourFill::white, sink);
    ASSERT_EQ(sink.fills.size(), 1u);
    EXPECT_EQ(sink.fills[0].band, ContourSink::kWhiteBand);
    EXPECT_EQ(sink.fills[0].corners.size(), 3u);
    EXPECT_EQ(sink.lines.size(), 5u);
}

TEST(ContourBands, ATriangleInsideOneBandIsFilledOnceInTheColourOfItsUpperLevel) {
    RecordingSink sink;
    contourTriangle(ContourLevels(4), triangleWithUEqualX(0.3, 0.4, 0.45), ContourFill::bands, sink);
    ASSERT_EQ(sink.fills.size(), 1u);
    EXPECT_EQ(sink.fills[0].band, 2);
    EXPECT_DOUBLE_EQ(ContourLevels(4).bandValue(2), 0.5);
    EXPECT_TRUE(sink.lines.empty());
}

TEST(ContourBands, BandsCoverTheTriangleExactlyAndStayWithinTheirLevels) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-1.0, 1.0);
    std::uniform_real_distribution<double> value(-0.4, 1.4);
    const ContourLevels levels(16);
    for (int round = 0; round < 500; ++round) {
        // u is a linear function of x and y, as over a real face.
        const double ax = value(random), ay = value(random), c = value(random) * 0.5;
        std::array<ContourCorner, 3> corners;
        for (auto& corner : corners) {
            corner.position = {coordinate(random), coordinate(random), 0.0};
            corner.u = ax * corner.position[0] + ay * corner.position[1] + c;
        }
        if (round % 50 == 0) corners[1].u = corners[0].u = 0.5; // vertices on a level
        RecordingSink sink;
        contourTriangle(levels, corners, ContourFill::bands, sink);
        const double triangleArea =
            polygonArea({corners[0].position, corners[1].position, corners[2].position});
        double sum = 0.0;
        for (const RecordedFill& f : sink.fills) {
            sum += polygonArea(f.corners);
            ASSERT_GE(f.band, 0);
            ASSERT_LE(f.band, 17);
            const double low = f.band == 0 ? -1e9 : levels.level(f.band - 1);
            const double high = f.band == 17 ? 1e9 : levels.level(f.band);
            if (round % 50 == 0) continue; // u is no longer linear in x and y
            for (const Point3& p : f.corners) {
                const double u = ax * p[0] + ay * p[1] + c;
                EXPECT_GE(u, low - 1e-9);
                EXPECT_LE(u, high + 1e-9);
            }
        }
        EXPECT_NEAR(sum, triangleArea, 1e-9 * (1.0 + triangleArea)) << "round " << round;
    }
}

TEST(ContourGeometry, NonNumericValuesDrawNothing) {
    RecordingSink sink;
    contourTriangle(ContourLevels(4), triangleWithUEqualX(NAN, 0.5, 1.0), ContourFill::bands, sink);
    EXPECT_TRUE(sink.fills.empty());
    EXPECT_TRUE(sink.lines.empty());
}

TEST(FaceSplit, QuadrilateralsSplitAlongTheThirdToFirstDiagonal) {
    std::array<std::array<int, 3>, 2> triangles{};
    ASSERT_EQ(splitFaceIntoTriangles(4, triangles), 2);
    EXPECT_EQ(triangles[0], (std::array<int, 3>{0, 1, 2}));
    EXPECT_EQ(triangles[1], (std::array<int, 3>{2, 3, 0}));
    ASSERT_EQ(splitFaceIntoTriangles(3, triangles), 1);
    EXPECT_EQ(triangles[0], (std::array<int, 3>{0, 1, 2}));
    EXPECT_EQ(splitFaceIntoTriangles(5, triangles), 0);
    EXPECT_EQ(splitFaceIntoTriangles(2, triangles), 0);
}

} // namespace
} // namespace vellum
