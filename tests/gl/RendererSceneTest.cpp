#include "GlTestSupport.h"

#include <GL/gl.h>

namespace vellum::testing {
namespace {

class ScenePicture : public RendererFixture {};

TEST_F(ScenePicture, ProjectionLiesUnderAnInvisibleGraph) {
    dataSet_ = quadSheet(4, 4, 0.2, [](double x, double) { return x + 0.5; });
    settings_.MODE = 4;
    settings_.graph.WIREMODE = 0;
    settings_.MODE2 = 0;
    settings_.projection.WIREMODE = 0;
    const RgbImage image = paint(0);
    expectPixel(image, kCx, kCy, kGreen, 8);
    expectPixel(image, px(0.49), kCy, kRed, 12);
    // Tilted by 60 degrees about axis 1 the projection, on the drop plane at -0.495, shows
    // between heights 0.5 y - 0.866 x 0.495 on the screen; the graph's own plane would
    // show 0.52 higher.
    settings_.DIGREE = {1740, 1800, 1800};
    const RgbImage tilted = paint(0);
    expectPixel(tilted, kCx, py(-0.43), kGreen, 8);
    expectBackground(tilted, kCx, py(0.1));
    // Not for a solid, and not while dragging.
    settings_.DIGREE = {1800, 1800, 1800};
    expectBackground(paint(0, 1), kCx, kCy);
    settings_.dragging = 1;
    expectBackground(paint(0), kCx, kCy);
}

TEST_F(ScenePicture, ProjectionUsesItsOwnColourMap) {
    dataSet_ = quadSheet(2, 2, 0.0, [](double, double) { return 1.0; });
    settings_.MODE = 4;
    settings_.graph.WIREMODE = 0;
    settings_.MODE2 = 0;
    settings_.projection.WIREMODE = 0;
    settings_.colorMode2 = 0; // white to black
    expectPixel(paint(0), px(0.25), py(0.25), kBlack, 2);
}

TEST_F(ScenePicture, NodeDropLinesReachTheDropPlane) {
    dataSet_.nodes = {nodeAt(0.1, 0.0, 0.3, 0.5)};
    setUnitColumn(dataSet_);
    settings_.MODE = 4;
    settings_.SUISEN1 = 1;
    settings_.SUISENWIDTH = 3;
    settings_.SUISENCOLOR = {0, 0, 255};
    settings_.DIGREE = {1710, 1800, 1800}; // axis 3 up the screen
    const RgbImage image = paint(0);
    expectPixel(image, px(0.1), py(0.0), kBlue, 0);
    expectPixel(image, px(0.1), py(-0.49), kBlue, 0);
    expectBackground(image, px(0.1), py(-0.51));
    expectBackground(image, px(0.1), py(0.32));
    // Also while dragging.
    settings_.dragging = 1;
    expectPixel(paint(0), px(0.1), py(0.0), kBlue, 0);
}

TEST_F(ScenePicture, ElementDropLinesOnlyWithTheWireframe) {
    dataSet_ = quadSheet(1, 1, 0.3, [](double, double) { return 0.5; });
    dataSet_.elements[0].t = 1.0;
    settings_.MODE = 4;
    settings_.SUISEN1 = 1;
    settings_.SUISENWIDTH = 3;
    settings_.SUISENCOLOR = {0, 0, 255};
    settings_.DIGREE = {1710, 1800, 1800};
    settings_.graph.WIREMODE = 0;
    expectBackground(paint(1), px(-0.5) - 1, py(0.0));
    settings_.graph.WIREMODE = 2;
    expectPixel(paint(1), px(-0.5) - 1, py(0.0), kBlue, 0);
    // Node values draw them without any wireframe.
    settings_.graph.WIREMODE = 0;
    expectPixel(paint(0), px(-0.5) - 1, py(0.0), kBlue, 0);
}

TEST_F(ScenePicture, ElementsFloatAtTheirValueWithWallsBelow) {
    dataSet_ = quadSheet(2, 1, 0.0, [](double, double) { return 0.0; });
    dataSet_.elements[0].t = 1.0; // lifted to 0.5
    dataSet_.elements[1].t = 0.5; // stays at 0
    settings_.DIM = 2;
    settings_.SUISEN2 = 1;
    settings_.gridSize[2] = {0.0, 1.0}; // the drop plane at -0.495
    settings_.DIGREE = {1710, 1800, 1800};
    const RgbImage image = paint(1);
    expectPixel(image, px(-0.25), py(0.25), kRed, 4);
    expectPixel(image, px(0.25), py(-0.25), kGreen, 8);
    expectBackground(image, px(0.25), py(0.25));
    expectBackground(image, px(-0.25), py(-0.52));
}

TEST_F(ScenePicture, SphereListsArePerSizeAndGoWithTheLookTheyWereMadeFor) {
    for (int i = 0; i < 5; ++i) dataSet_.nodes.push_back(nodeAt(-0.4 + 0.2 * i, 0.0, 0.0, 0.2 * i));
    setUnitColumn(dataSet_);
    settings_.MODE = 2;
    settings_.graph.POINTBALL = 1;
    paint(0);
    EXPECT_EQ(renderer_.primitiveListCount(), 1u);
    settings_.graph.POINTSIZEDATA = 1; // five sizes; the one of before is no longer used
    paint(0);
    EXPECT_EQ(renderer_.primitiveListCount(), 5u);
    paint(0);
    EXPECT_EQ(renderer_.primitiveListCount(), 5u);
    renderer_.dataSetChanged();
    EXPECT_EQ(renderer_.primitiveListCount(), 0u);
    const RgbImage again = paint(0);
    EXPECT_EQ(renderer_.primitiveListCount(), 5u);
    expectPixel(again, px(0.0), kCy, Rgb{0, 255, 150}, 8); // t = 0.4
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

} // namespace
} // namespace vellum::testing
