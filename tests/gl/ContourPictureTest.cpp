#include "TextDecorationsFixture.h"

namespace vellum::testing {
namespace {

class ContourPicture : public DecoratedScene {
protected:
    void SetUp() override {
        DecoratedScene::SetUp();
        dataSet_ = quadSheet(4, 4, 0.0, [](double x, double) { return x + 0.5; });
        settings_.MODE = 1;
        settings_.graph.CONTNUM = 4;
        settings_.colorMode = 0; // white to black
    }
    static int gx(double x) { return kWidth / 2 + int(std::lround(x * 280.0)); }
    static int gy(double y) { return kHeight / 2 - int(std::lround(y * 280.0)); }
};

TEST_F(ContourPicture, BandsTakeTheColourOfTheirUpperLevel) {
    const RgbImage image = paint(0);
    expectPixel(image, gx(-0.44), gy(0.1), {191, 191, 191}, 3); // (0, 0.25]: 0.25
    expectPixel(image, gx(0.1), gy(0.1), {64, 64, 64}, 3);      // (0.5, 0.75]: 0.75
    expectPixel(image, gx(0.44), gy(0.1), kBlack, 3);           // (0.75, 1]: 1
    EXPECT_EQ(ui_.captions, std::vector<std::string>{"等高線描画中"});
    EXPECT_EQ(ui_.openProgressBars, 0);
}

TEST_F(ContourPicture, LinesInOneColourOverWhiteWhenHiding) {
    settings_.graph.CONT = 0;
    settings_.graph.CONTMODE = 1;
    settings_.graph.CONTCOLOR = {255, 0, 0};
    settings_.graph.CONTWID = 3;
    settings_.HIDE = 1;
    const RgbImage image = paint(0);
    expectLineNear(image, gx(-0.25), gy(0.1), kRed, 3);
    expectLineNear(image, gx(0.0), gy(0.1), kRed, 3);
    expectBackground(image, gx(-0.125), gy(0.1));
}

TEST_F(ContourPicture, AnEmptyLegendRangeDrawsNoContours) {
    settings_.MIN = settings_.MAX = 0.5;
    const RgbImage image = paint(0);
    expectBackground(image, gx(-0.44), gy(0.1));
    expectBackground(image, gx(0.0), gy(0.1));
    EXPECT_TRUE(ui_.captions.empty());
}

} // namespace
} // namespace vellum::testing
