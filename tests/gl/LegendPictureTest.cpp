#include "TextSceneFixture.h"

namespace vellum::testing {
namespace {

class LegendPicture : public TextScene {
protected:
    void SetUp() override {
        TextScene::SetUp();
        settings_.legendOn[0] = 1;
        settings_.MODE = 0; // a gradient graph
        settings_.colorMode = 16;
    }
};

TEST_F(LegendPicture, BarStandsRightOfTheGraphFromTheMinimumColourToTheMaximumColour) {
    const RgbImage image = paint(0);
    const int barX = screenX(1.55);
    expectPixel(image, barX, screenY(-0.72), {0, 25, 255}, 30);  // blue at the bottom
    expectPixel(image, barX, screenY(0.72), {255, 25, 0}, 30);   // red at the top
    expectPixel(image, barX, screenY(0.0), {0, 255, 0}, 60);     // green in the middle
    // The black outline at the bar's left edge, nothing left of it.
    expectLineNear(image, screenX(1.5), screenY(0.3), kBlack);
    expectBackground(image, screenX(1.45), screenY(0.3));
    expectBackground(image, barX, screenY(0.8));
    // Value texts right of the bar at the bottom and the top.
    EXPECT_GT(inkIn(image, screenX(1.64), screenY(-0.75) - 14, screenX(1.8), screenY(-0.75) + 2), 5);
    EXPECT_GT(inkIn(image, screenX(1.64), screenY(0.75) - 14, screenX(1.9), screenY(0.75) + 2), 5);
}

TEST_F(LegendPicture, ContourGraphsShowTheBandColours) {
    dataSet_ = quadSheet(4, 4, 0.0, [](double x, double) { return x + 0.5; });
    settings_.MODE = 1;
    settings_.graph.CONTNUM = 2;
    settings_.colorMode = 0; // white to black
    const RgbImage image = paint(0);
    // Two bands: the lower one in the colour of 0.5, the upper one in the colour of 1.
    expectPixel(image, screenX(1.55), screenY(-0.4), {128, 128, 128}, 3);
    expectPixel(image, screenX(1.55), screenY(0.4), kBlack, 3);
}

TEST_F(LegendPicture, HorizontalBarLiesBelowTheGraph) {
    settings_.legendOn[1] = 1;
    const RgbImage image = paint(0);
    expectPixel(image, screenX(-0.72), screenY(-1.05), {0, 25, 255}, 30);
    expectPixel(image, screenX(0.72), screenY(-1.05), {255, 25, 0}, 30);
    expectBackground(image, screenX(1.55), screenY(0.0));
}

TEST_F(LegendPicture, NoLegendForTheWireframe) {
    settings_.MODE = 4;
    const RgbImage image = paint(0);
    EXPECT_EQ(inkIn(image, screenX(1.4), 0, kWidth - 1, kHeight - 1), 0);
}

} // namespace
} // namespace vellum::testing
