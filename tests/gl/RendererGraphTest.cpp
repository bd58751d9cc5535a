#include "GlTestSupport.h"

namespace vellum::testing {
namespace {

class GraphPicture : public RendererFixture {};

TEST_F(GraphPicture, NothingLoadedShowsOnlyTheBackground) {
    dataSet_ = quadSheet(2, 2, 0.0, [](double, double) { return 0.5; });
    paint(0);
    settings_.BACKCOLOR = {10, 20, 30};
    renderer_.paint(nullptr, settings_, SceneState{});
    const RgbImage image = context_.readPixels();
    expectPixel(image, kCx, kCy, Rgb{10, 20, 30}, 1);
}

TEST_F(GraphPicture, RainbowSquareIsGreenInTheMiddleAndBlueToRedAcross) {
    dataSet_ = quadSheet(10, 10, 0.0, [](double x, double) { return x + 0.5; });
    settings_.graph.WIREMODE = 0;
    const RgbImage image = paint(0);
    expectPixel(image, kCx, kCy, kGreen, 8);
    expectPixel(image, px(-0.49), kCy, kBlue, 12);
    expectPixel(image, px(0.49), kCy, kRed, 12);
    expectPixel(image, px(-0.4), kCy, Rgb{0, 85, 255}, 8); // t = 0.1
    expectBackground(image, px(-0.55), kCy);
    expectBackground(image, kCx, py(0.52));
}

TEST_F(GraphPicture, QuadrilateralsSplitAlongTheirFirstToThirdCorner) {
    // Corners 0 and 2 (nodes 0 and 3) at the maximum, corners 1 and 3 at the minimum.
    dataSet_ = quadSheet(1, 1, 0.0, [](double x, double y) { return x == y ? 1.0 : 0.0; });
    settings_.graph.WIREMODE = 0;
    expectPixel(paint(0), kCx, kCy, kRed, 12);
    dataSet_.elements[0].faces[0] = 2; // the same four nodes from corner 1: diagonal 1-3
    dataSet_.markChanged();
    expectPixel(paint(0), kCx, kCy, kBlue, 12);
}

TEST_F(GraphPicture, UnitModelSpans280LogicalPixelsWhateverTheWindowWidthOrPixelRatio) {
    dataSet_ = quadSheet(2, 2, 0.0, [](double, double) { return 0.5; });
    settings_.graph.WIREMODE = 0;
    const RgbImage image = paint(0);
    EXPECT_EQ(paintedSpan(image, kCy), std::make_pair(60, 339));

    HeadlessGlContext wide(800, 300);
    ASSERT_TRUE(wide.ok());
    Renderer renderer;
    renderer.resize(800, 300);
    renderer.paint(&dataSet_, settings_, SceneState{0, 0});
    const auto span = paintedSpan(wide.readPixels(), kCy);
    EXPECT_EQ(span, std::make_pair(260, 539));
    renderer.releaseGlResources(); // while their context is current

    // A HiDPI window of the fixture's logical size: the same picture in twice the pixels,
    // lines twice as wide.
    HeadlessGlContext sharp(800, 600);
    ASSERT_TRUE(sharp.ok());
    renderer.resize(400, 300, 2.0);
    settings_.MODE = 4;
    settings_.graph.WIREMODE = 2;
    settings_.graph.WIREWID = 2;
    renderer.paint(&dataSet_, settings_, SceneState{0, 0});
    const RgbImage sharpImage = sharp.readPixels();
    int dark = 0;
    for (int x = 110; x < 130; ++x) dark += sharpImage.at(x, 200)[0] == 0 ? 1 : 0;
    EXPECT_EQ(dark, 4) << "the left edge at x = 120, 4 device pixels wide";
    const auto [left, right] = paintedSpan(sharpImage, 200);
    EXPECT_EQ(right - left + 1, 564);
    renderer.releaseGlResources();
    ASSERT_TRUE(context_.makeCurrent());
}

TEST_F(GraphPicture, ZoomTranslationAndTurnMoveThePicture) {
    dataSet_ = quadSheet(2, 2, 0.0, [](double, double) { return 0.5; });
    settings_.graph.WIREMODE = 0;
    settings_.SCALE123 = 0.5;
    settings_.POSITION = {0.4, 0.0, 0.0};
    EXPECT_EQ(paintedSpan(paint(0), kCy), std::make_pair(186, 325));
    settings_.POSITION = {0, 0, 0};
    settings_.SCALE123 = 1.0;
    settings_.DIGREE = {1800, 1800, 1845}; // a diamond: wider along the middle row
    const auto span = paintedSpan(paint(0), kCy);
    EXPECT_NEAR(span.second - span.first, 395, 3); // 280 x sqrt(2), less the tips
}

TEST_F(GraphPicture, ElementValuesFillEachElementInOneColour) {
    dataSet_ = quadSheet(2, 1, 0.0, [](double, double) { return 0.0; });
    dataSet_.elements[0].t = 0.0;
    dataSet_.elements[1].t = 1.0;
    settings_.graph.WIREMODE = 0;
    const RgbImage image = paint(1);
    expectPixel(image, px(-0.25), kCy, kBlue, 2);
    expectPixel(image, px(-0.02), kCy, kBlue, 2);
    expectPixel(image, px(0.02), kCy, kRed, 2);
}

TEST_F(GraphPicture, HiddenElementAndItsNodesAreNotDrawn) {
    dataSet_ = quadSheet(2, 1, 0.0, [](double, double) { return 0.5; });
    dataSet_.elements[1].visible = 0.0;
    dataSet_.nodes[2].visible = dataSet_.nodes[5].visible = 0.0;
    settings_.SUISEN1 = 1;
    const RgbImage surface = paint(0);
    expectPixel(surface, px(-0.25), kCy, kGreen, 8);
    expectBackground(surface, px(0.25), kCy);
    expectBackground(surface, px(0.5), py(0.5) + 1);

    settings_.MODE = 2;
    settings_.graph.POINTSIZE = 7;
    settings_.graph.WIREMODE = 0;
    const RgbImage points = paint(0);
    expectPixel(points, px(0.0), py(-0.5) - 2, kGreen, 8);
    expectBackground(points, px(0.5) - 2, py(-0.5) - 2);
}

TEST_F(GraphPicture, WireframeInOneColourOrTheGraphColours) {
    dataSet_ = quadSheet(2, 2, 0.0, [](double x, double) { return x + 0.5; });
    settings_.MODE = 4;
    settings_.graph.WIREWID = 3;
    settings_.graph.WIRECOLOR = {0, 0, 255};
    const RgbImage single = paint(0);
    expectPixel(single, kCx, py(0.25), kBlue, 0);
    expectBackground(single, px(0.25), py(0.25));

    settings_.graph.WIREMODE = 1;
    const RgbImage coloured = paint(0);
    expectPixel(coloured, kCx, py(0.25), kGreen, 8);
    // With no data file there is nothing to colour by: red.
    const RgbImage noData = paint(3);
    expectPixel(noData, kCx, py(0.25), kRed, 0);
    expectPixel(noData, px(-0.25), py(0.5), kRed, 0);
}

TEST_F(GraphPicture, DraggingThinsTheWireframeAndDropsTheSurface) {
    dataSet_ = quadSheet(5, 1, 0.0, [](double, double) { return 0.5; });
    settings_.graph.WIREWID = 3;
    settings_.dragging = 1;
    const RgbImage image = paint(0);
    // Only element 0 is outlined; its right edge at x = -0.3, element 1's at -0.1.
    expectPixel(image, px(-0.3), kCy, kBlack, 0);
    expectBackground(image, px(-0.1), kCy);
    expectBackground(image, px(-0.4), kCy);
}

TEST_F(GraphPicture, HiddenLineFillHidesLinesBehindTheSheet) {
    // A large sheet above and a small one below whose outline lies under the large one.
    dataSet_ = quadSheet(1, 1, 0.1, [](double, double) { return 0.5; });
    DataSet lower = quadSheet(1, 1, -0.1, [](double, double) { return 0.5; });
    const uint32_t base = uint32_t(dataSet_.nodes.size());
    for (NodeRecord n : lower.nodes) {
        n.position = {n.position[0] * 0.5, n.position[1] * 0.5, n.position[2]};
        dataSet_.nodes.push_back(n);
    }
    ElementRecord e = lower.elements[0];
    for (auto& index : e.nodes) index += base;
    dataSet_.elements.push_back(e);
    settings_.MODE = 4;
    settings_.graph.WIREWID = 3;
    expectPixel(paint(0), kCx, py(0.25), kBlack, 0);
    settings_.HIDE = 1;
    const RgbImage hidden = paint(0);
    expectBackground(hidden, kCx, py(0.25));
    expectPixel(hidden, kCx, py(0.5), kBlack, 0); // the upper sheet's own outline stays
    // Contour bands hide lines by themselves: no white fill then.
    settings_.MODE = 1;
    expectPixel(paint(0), kCx, py(0.25), kGreen, 8);
}

TEST_F(GraphPicture, PointsAndBallsSitWhereTheCameraPutsThem) {
    dataSet_.nodes = {nodeAt(0.25, 0.1, 0.0, 1.0)};
    setUnitColumn(dataSet_);
    settings_.MODE = 2;
    settings_.graph.POINTSIZE = 5;
    const RgbImage point = paint(0);
    expectPixel(point, px(0.25), py(0.1), kRed, 4);
    expectBackground(point, px(0.25) + 5, py(0.1));

    settings_.graph.POINTMODE = 1;
    settings_.graph.POINTCOLOR = {0, 0, 255};
    settings_.graph.POINTBALL = 1;
    settings_.graph.POINTSIZE = 10; // radius 0.03: 8.4 pixels
    const RgbImage ball = paint(0);
    expectPixel(ball, px(0.25) + 6, py(0.1), kBlue, 0);
    expectPixel(ball, px(0.25), py(0.1) - 6, kBlue, 0);
    expectBackground(ball, px(0.25) + 11, py(0.1));
}

TEST_F(GraphPicture, ArrowRunsFromTheNodeToItsTipWithAHead) {
    NodeArrow arrow;
    arrow.tip = {0.0, 0.0, 0.0};
    arrow.magnitude = 1.0;
    arrow.halfVector = {0.5, 0.0, 0.5}; // the vector (1, 0, 0)
    NodeRecord zero = nodeAt(0.0, 0.3, 0.0, 0.5);
    NodeArrow zeroArrow;
    zeroArrow.tip = zero.position;
    dataSet_.nodes = {nodeAt(-0.2, 0.0, 0.0, 0.5), zero};
    dataSet_.arrows = {arrow, zeroArrow};
    setUnitColumn(dataSet_);
    settings_.MODE = 3;
    settings_.graph.VECWID = 3;
    settings_.graph.VECSIZE = 4; // head 0.1 long (28 pixels), base radius 0.04
    settings_.graph.VEC0 = 0;
    const RgbImage image = paint(2);
    expectPixel(image, px(-0.1), kCy, kGreen, 8);        // the shaft
    expectPixel(image, px(0.05), kCy - 4, kGreen, 8);    // the head, beside the shaft's line
    expectBackground(image, px(0.05), kCy - 10);
    expectBackground(image, px(0.12), kCy);              // beyond the apex
    expectBackground(image, px(0.0), py(0.3));           // a zero vector without VEC0
    settings_.graph.VEC0 = 1;
    expectPixel(paint(2), px(0.0) + 5, py(0.3), kGreen, 8); // ball of radius 0.04
}

TEST_F(GraphPicture, ArrowHeadsPointDownAlongAnAxis3Vector) {
    NodeArrow arrow;
    arrow.tip = {0.0, 0.0, -0.1};
    arrow.magnitude = 1.0;
    arrow.halfVector = {0.0, 0.0, 0.0}; // the vector (0, 0, -1)
    dataSet_.nodes = {nodeAt(0.0, 0.0, 0.0, 0.5)};
    dataSet_.arrows = {arrow};
    setUnitColumn(dataSet_);
    settings_.MODE = 3;
    settings_.graph.VECSIZE = 4;
    settings_.DIGREE = {1710, 1800, 1800}; // axis 3 up the screen
    const RgbImage image = paint(2);
    // The head spans axis 3 from -0.1 down to -0.2; a head turned the wrong way would
    // cover the shaft's side instead.
    expectPixel(image, kCx + 3, py(-0.15), kGreen, 8);
    expectBackground(image, kCx + 5, py(-0.05));
}

} // namespace
} // namespace vellum::testing
