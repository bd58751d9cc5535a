// Turning, moving and zooming by command, drag and key, as arithmetic on the look record.
#include "BatchGraph.h"
#include "BatchTestFolder.h"
#include "common/Codes.h"
#include "model/ViewCommands.h"
#include "model/ViewInteraction.h"
#include "render/Camera.h"

#include <gtest/gtest.h>

#include <climits>

namespace vellum {
namespace {

TEST(ViewCommands, PresetViewsTurnAndZoomStepsAndMouseModes) {
    ViewSettings look;
    ASSERT_TRUE(applyViewCommand(look, 201));
    ASSERT_TRUE(applyViewCommand(look, 207));
    EXPECT_EQ(look.DIGREE, (std::array<int, 3>{2100, 1805, 2130}));
    EXPECT_EQ(look.degrees(0), 300);
    EXPECT_EQ(look.degrees(1), 5);
    EXPECT_EQ(look.degrees(2), 330);
    for (int id : {206, 206, 208, 209}) applyViewCommand(look, id);
    EXPECT_EQ(look.DIGREE, (std::array<int, 3>{2090, 1800, 2135}));
    applyViewCommand(look, 203);
    EXPECT_EQ(look.DIGREE, (std::array<int, 3>{1710, 1800, 1710}));
    applyViewCommand(look, 204);
    EXPECT_EQ(look.DIGREE, (std::array<int, 3>{1890, 1890, 1800}));
    applyViewCommand(look, 202);
    EXPECT_EQ(look.DIGREE, (std::array<int, 3>{1800, 1800, 1800}));
    applyViewCommand(look, 265);
    applyViewCommand(look, 265);
    applyViewCommand(look, 266);
    EXPECT_DOUBLE_EQ(look.SCALE123, 1.02);

    // An angle read from a file at the edge of the integers turns without overflowing.
    look.DIGREE[2] = INT_MAX - 2;
    applyViewCommand(look, 209);
    EXPECT_EQ(look.degrees(2), (INT_MAX - 2) % 360 + 5);

    // 224..238 choose modes 0..14 and 223 the selection zoom; nothing else is a view command.
    for (int mode = 0; mode <= 15; ++mode) {
        ASSERT_TRUE(applyViewCommand(look, mouseModeCommand(mode)));
        EXPECT_EQ(look.mouseMode, mode);
        EXPECT_EQ(mouseModeOf(mouseModeCommand(mode)), mode);
    }
    EXPECT_EQ(mouseModeCommand(15), 223);
    EXPECT_EQ(mouseModeCommand(0), 224);
    const ViewSettings before = look;
    EXPECT_FALSE(applyViewCommand(look, 200)); // the initialise command asks first: the view's
    EXPECT_FALSE(applyViewCommand(look, 239));
    EXPECT_EQ(mouseModeOf(239), -1);
    EXPECT_EQ(look, before);
}

TEST(ViewDrag, EachModeMovesItsOwnSettingAndJumpsChangeNothing) {
    // A drag step of 4 right and 4 up in every mode, against the change the mode makes:
    // 0.01 a pixel, upwards positive.
    const ViewSettings start;
    const double step = 0.01 * 4;
    const std::array<double, 3> moved{step, step, 0.0};
    for (int mode = 0; mode <= 15; ++mode) {
        ViewSettings look = start;
        ASSERT_TRUE(applyDrag(look, mode, 4, -4)) << mode;
        ViewSettings expected = start;
        switch (mode) {
        case 0: expected.DIGREE = {1796, 1804, 1800}; break;
        case 1: expected.DIGREE[2] = 1804; break;
        case 2: expected.POSITION = moved; break;
        case 3: expected.SCALE123 = 1.0 - step; break;
        case 4: expected.legendPos = moved; break;
        case 5: expected.legendScale = {0.1 - step, 1.5 - step}; break;
        case 6: expected.axesPos = moved; break;
        case 7: expected.axesScale = 1.0 - step; break;
        case 8: case 9: case 10: expected.gridValuePos[size_t(mode - 8)] = moved; break;
        case 11: expected.TITLEPOS = {step, step}; break;
        case 12: case 13: case 14: expected.labelPos[size_t(mode - 12)] = moved; break;
        default: break; // the selection zoom waits for the release
        }
        EXPECT_EQ(look, expected) << mode;
    }

    // 29 pixels in one step is a drag; 30 or 40 in either direction is a jump.
    ViewSettings look;
    EXPECT_TRUE(applyDrag(look, 0, 29, -29));
    EXPECT_EQ(look.DIGREE, (std::array<int, 3>{1771, 1829, 1800}));
    for (const auto& [dx, dy] : {std::pair{40, 0}, {0, 40}, {-30, 0}, {0, -30}}) {
        EXPECT_FALSE(applyDrag(look, 0, dx, dy));
        EXPECT_FALSE(applyDrag(look, 2, dx, dy));
    }
    EXPECT_EQ(look.DIGREE, (std::array<int, 3>{1771, 1829, 1800}));
    EXPECT_EQ(look.POSITION, start.POSITION);
}

// Through the camera the renderer draws with: what lay under the selection fills the area,
// its centre in the middle, in a turned view and at every window size.
TEST(SelectionZoom, TheSelectedRectangleFillsTheViewAtEverySize) {
    const std::array<Point3, 3> points{Point3{0.3, -0.2, 0.1}, Point3{-0.4, 0.25, -0.3}, Point3{0.05, 0.4, 0.45}};
    for (const auto& [width, height] : {std::pair{640, 480}, std::pair{780, 560}, std::pair{1280, 1024}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        ViewSettings look;
        look.DIGREE = {2100, 1805, 2130};
        look.POSITION = {0.1, -0.05, 0.0};
        look.SCALE123 = 1.3;
        look.mouseMode = 15;
        const Matrix4 before = graphMatrix(look.DIGREE, look.POSITION, look.SCALE123);
        // A selection near a corner, twice as wide as high relative to the area.
        const int ax = width / 10, ay = height / 8, x = ax + width / 5, y = ay + height / 10;
        ASSERT_TRUE(zoomToSelection(look, width, height, ax, ay, x, y));
        const Matrix4 after = graphMatrix(look.DIGREE, look.POSITION, look.SCALE123);
        const double factor = static_cast<double>(width) / (x - ax);
        EXPECT_DOUBLE_EQ(look.SCALE123, 1.3 * factor);
        for (const Point3& p : points) {
            const auto old = pixelOf(before, width, height, p);
            const auto now = pixelOf(after, width, height, p);
            EXPECT_NEAR(now[0], width / 2 + (old[0] - (ax + x) / 2) * factor, 1e-6);
            EXPECT_NEAR(now[1], height / 2 + (old[1] - (ay + y) / 2) * factor, 1e-6);
        }
    }
}

TEST(SelectionZoom, TheLargerSideFillsTheAreaAndAnEmptySelectionIsIgnored) {
    // 100 x 50 pixels in an 800 x 600 area, from upper left to lower right: the width
    // decides, 800 / 100.
    ViewSettings look;
    look.mouseMode = 15;
    ASSERT_TRUE(zoomToSelection(look, 800, 600, 100, 100, 200, 150));
    EXPECT_DOUBLE_EQ(look.SCALE123, 8.0);
    EXPECT_EQ(look.mouseMode, 0);

    // The same selection from lower right to upper left: negative sizes let the height
    // decide, 600 / 50.
    ViewSettings back;
    back.mouseMode = 15;
    back.SCALE123 = 2.0;
    ASSERT_TRUE(zoomToSelection(back, 800, 600, 200, 150, 100, 100));
    EXPECT_DOUBLE_EQ(back.SCALE123, 24.0);

    // No width or no height would divide by zero: the camera stays and so does the mode.
    ViewSettings flat;
    flat.mouseMode = 15;
    const ViewSettings before = flat;
    EXPECT_FALSE(zoomToSelection(flat, 800, 600, 100, 100, 100, 180));
    EXPECT_FALSE(zoomToSelection(flat, 800, 600, 100, 100, 180, 100));
    EXPECT_FALSE(zoomToSelection(flat, 800, 600, 100, 100, 100, 100));
    EXPECT_FALSE(zoomToSelection(flat, 0, 600, 100, 100, 120, 120));
    EXPECT_EQ(flat, before);
    // Nor at an overall scale of 0, where a pixel stands for no distance at all.
    flat.SCALE123 = 0.0;
    EXPECT_FALSE(zoomToSelection(flat, 800, 600, 100, 100, 200, 150));
    EXPECT_EQ(flat.POSITION, before.POSITION);
    EXPECT_EQ(flat.mouseMode, 15);
}

class ViewKeys : public ::testing::Test {
protected:
    testing::TempFolder folder; // no real profile
    testing::BatchGraph graph;
    Document& document = graph.document;
    ViewSettings& look = graph.view;

    bool press(ViewKey key) { return applyKey(document, key, graph.ui); }
};

TEST_F(ViewKeys, AnEmptyViewIgnoresEveryKey) {
    const ViewSettings before = look;
    for (int k = 0; k <= static_cast<int>(ViewKey::N); ++k) EXPECT_FALSE(press(static_cast<ViewKey>(k))) << k;
    EXPECT_EQ(look, before);
    EXPECT_TRUE(graph.ui.messages.empty());
}

TEST_F(ViewKeys, TurnsMovesZoomsAndCyclesColourMapsAndGraphKinds) {
    document.loaded = 1;
    for (ViewKey key : {ViewKey::W, ViewKey::W, ViewKey::X, ViewKey::D, ViewKey::A, ViewKey::A, ViewKey::Q})
        ASSERT_TRUE(press(key));
    EXPECT_EQ(look.DIGREE, (std::array<int, 3>{1801, 1799, 1801}));
    for (ViewKey key : {ViewKey::E, ViewKey::E, ViewKey::Z, ViewKey::Left, ViewKey::Left, ViewKey::Right,
                        ViewKey::Up, ViewKey::Down, ViewKey::Down, ViewKey::R, ViewKey::C})
        ASSERT_TRUE(press(key));
    EXPECT_EQ(look.DIGREE[2], 1800);
    EXPECT_DOUBLE_EQ(look.SCALE123, 1.01);
    EXPECT_NEAR(look.POSITION[0], -0.01, 1e-12);
    EXPECT_NEAR(look.POSITION[1], -0.01, 1e-12);

    // G: the plain maps first, then the inverted ones; 21 is never reached.
    std::vector<int> codes;
    for (int i = 0; i < 13; ++i) {
        press(ViewKey::G);
        codes.push_back(look.colorMode);
    }
    EXPECT_EQ(codes, (std::vector<int>{18, 20, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 0}));
    press(ViewKey::G);
    EXPECT_EQ(look.colorMode, 2);

    // S: the graph kinds the data can show, in turn.
    const auto kinds = [&](int dataType, int presses) {
        document.options.dataType = dataType;
        look.MODE = 0;
        std::vector<int> seen;
        for (int i = 0; i < presses; ++i) {
            press(ViewKey::S);
            seen.push_back(look.MODE);
        }
        return seen;
    };
    EXPECT_EQ(kinds(kElementValues, 4), (std::vector<int>{4, 0, 4, 0}));
    EXPECT_EQ(kinds(kNodeValues, 5), (std::vector<int>{1, 2, 4, 0, 1}));
    EXPECT_EQ(kinds(kVectorData, 5), (std::vector<int>{1, 2, 3, 4, 0}));
    EXPECT_EQ(kinds(kNoDataFile, 2), (std::vector<int>{4, 4}));
}

TEST_F(ViewKeys, MAndNStepThroughTheColumnsAndTheLegendRangeFollows) {
    ASSERT_EQ(graph.runFile(std::string(VELLUM_SOURCE_DIR) + "/examples/element-values/beam.dat"), 0);
    ASSERT_EQ(graph.dataSet.columnCount, 3u);
    ASSERT_EQ(look.selectedColumn, 0);
    ASSERT_TRUE(press(ViewKey::N));
    EXPECT_EQ(look.selectedColumn, 2);
    EXPECT_EQ(look.MAX, graph.dataSet.columnMaximum[2]);
    EXPECT_EQ(look.MIN, graph.dataSet.columnMinimum[2]);
    press(ViewKey::M);
    EXPECT_EQ(look.selectedColumn, 0);
    EXPECT_EQ(look.MAX, graph.dataSet.columnMaximum[0]);
    press(ViewKey::M);
    EXPECT_EQ(look.selectedColumn, 1);

    // Vector data choose their components elsewhere: the keys leave the column alone.
    document.options.dataType = kVectorData;
    EXPECT_TRUE(press(ViewKey::M));
    EXPECT_EQ(look.selectedColumn, 1);
    EXPECT_TRUE(graph.ui.messages.empty());
}

} // namespace
} // namespace vellum
