#include "GlTestSupport.h"

#include "tests/support/RecordingUi.h"

namespace vellum::testing {
namespace {

// Contours need no text: a renderer without one draws them all the same.
class ContourPicture : public RendererFixture {
protected:
    static constexpr int kWidth = 800, kHeight = 600;
    ContourPicture() : RendererFixture(kWidth, kHeight) {}
    void SetUp() override {
        RendererFixture::SetUp();
        ASSERT_EQ(renderer_.text(), nullptr);
        dataSet_ = quadSheet(4, 4, 0.0, [](double x, double) { return x + 0.5; });
        settings_.MODE = 1;
        settings_.graph.CONTNUM = 4;
        settings_.graph.WIREMODE = 0;
        settings_.colorMode = 0; // white to black
    }
    static int gx(double x) { return kWidth / 2 + int(std::lround(x * 280.0)); }
    static int gy(double y) { return kHeight / 2 - int(std::lround(y * 280.0)); }
    void prepare(int dataType) { renderer_.prepare(&dataSet_, settings_, SceneState{dataType, 0}, ui_); }

    RecordingUi ui_;
};

TEST_F(ContourPicture, BandsTakeTheColourOfTheirUpperLevelAndProgressShowsOnlyWhileBuilding) {
    prepare(0);
    EXPECT_EQ(ui_.captions, std::vector<std::string>{"等高線描画中"});
    EXPECT_EQ(ui_.openProgressBars, 0);
    const RgbImage image = paint(0);
    expectPixel(image, gx(-0.44), gy(0.1), {191, 191, 191}, 3); // (0, 0.25]: 0.25
    expectPixel(image, gx(0.1), gy(0.1), {64, 64, 64}, 3);      // (0.5, 0.75]: 0.75
    expectPixel(image, gx(0.44), gy(0.1), kBlack, 3);           // (0.75, 1]: 1
    // The paint used what prepare built; a paint that has to build does so silently.
    settings_.graph.CONTNUM = 2;
    expectPixel(paint(0), gx(0.1), gy(0.1), kBlack, 3); // (0.5, 1]: 1
    EXPECT_EQ(ui_.captions.size(), 1u);
}

TEST_F(ContourPicture, LinesInOneColourOverWhiteWhenHiding) {
    settings_.graph.CONT = 0;
    settings_.graph.CONTMODE = 1;
    settings_.graph.CONTCOLOR = {255, 0, 0};
    settings_.graph.CONTWID = 3;
    settings_.HIDE = 1;
    const RgbImage image = paint(0);
    for (double x : {-0.25, 0.0}) {
        const int column = gx(x);
        int red = 0;
        for (int dx = -2; dx <= 2; ++dx) red += image.at(column + dx, gy(0.1))[1] == 0 ? 1 : 0;
        EXPECT_EQ(red, 3) << "a 3-pixel line at x = " << x;
    }
    expectBackground(image, gx(-0.125), gy(0.1));
}

TEST_F(ContourPicture, AnEmptyRangeOrAnUnreadableCountDrawsNoContours) {
    settings_.MIN = settings_.MAX = 0.5;
    prepare(0);
    const RgbImage empty = paint(0);
    expectBackground(empty, gx(-0.44), gy(0.1));
    expectBackground(empty, gx(0.0), gy(0.1));
    EXPECT_TRUE(ui_.captions.empty());
    // A count from a settings file far beyond any readable graph: nothing, at once.
    settings_.MIN = 0.0;
    settings_.graph.CONTNUM = 2'000'000'000;
    prepare(0);
    expectBackground(paint(0), gx(0.0), gy(0.1));
    EXPECT_TRUE(ui_.captions.empty());
}

// The headless program paints once, drawing contours as they are made and leaving out
// fills that light no pixel: its picture must be the kept paint's, pixel for pixel.
TEST_F(ContourPicture, APictureDrawnOnceIsTheKeptPaintsInEveryViewAndFill) {
    dataSet_ = quadSheet(240, 240, 0.0, [](double x, double y) { return 0.5 + 0.4 * std::sin(9 * x) * std::cos(7 * y); });
    for (NodeRecord& node : dataSet_.nodes) node.position[2] = 0.3 * node.t;
    settings_.graph.CONTNUM = 16;
    settings_.colorMode = 16;
    struct View {
        std::array<int, 3> degrees;
        double zoom;
        int fill, hide, projection;
    };
    for (const View& view : {View{{1800, 1800, 1800}, 1.0, 1, 0, 5}, View{{1830, 1815, 1845}, 1.7, 1, 0, 5},
                             View{{1860, 1800, 1830}, 0.6, 0, 1, 1}}) {
        settings_.DIGREE = view.degrees;
        settings_.SCALE123 = view.zoom;
        settings_.graph.CONT = view.fill;
        settings_.HIDE = view.hide;
        settings_.MODE2 = view.projection;
        const RgbImage kept = paint(0);
        renderer_.paintOnce(&dataSet_, settings_, SceneState{0, 0}, ui_);
        const RgbImage once = context_.readPixels();
        ASSERT_EQ(once.pixels.size(), kept.pixels.size());
        EXPECT_TRUE(once.pixels == kept.pixels) << "view turned " << view.degrees[0] << " " << view.degrees[1];
    }
    // The progress bar shows while the once-drawn contours are made, and is gone after.
    EXPECT_FALSE(ui_.captions.empty());
    EXPECT_EQ(ui_.captions.back(), "等高線描画中");
    EXPECT_EQ(ui_.openProgressBars, 0);
}

} // namespace
} // namespace vellum::testing
