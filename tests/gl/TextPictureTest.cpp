#include "TextSceneFixture.h"

namespace vellum::testing {
namespace {

class TextPicture : public TextScene {};

TEST_F(TextPicture, AJapaneseTitleDrawsCentredAboveTheGraphAndBuildsItsGlyphsOnce) {
    settings_.TITLE = "等高線図";
    settings_.STRINGCOLOR0 = {0, 0, 255};
    const RgbImage image = paint(0);
    // Four full-width characters, a tenth of a world unit each, on the baseline y = 1.
    const int top = screenY(1.0) - int(0.1 * kPixelsPerWorldUnit);
    const int bottom = screenY(1.0) + 3;
    const double centre = inkCentreX(image, top, bottom);
    ASSERT_GT(centre, 0.0);
    EXPECT_NEAR(centre, kWidth / 2, 4.0);
    const auto [first, last] = paintedSpan(image, screenY(1.04));
    EXPECT_GT(first, screenX(-0.21));
    EXPECT_LT(last, screenX(0.21));
    EXPECT_GT(last - first, int(0.3 * kPixelsPerWorldUnit));
    expectPixel(image, first, screenY(1.04), {0, 0, 255}, 120);
    EXPECT_EQ(inkIn(image, 0, 0, kWidth - 1, top - 4), 0);

    const size_t glyphs = text().outlineGlyphCount();
    EXPECT_EQ(glyphs, 4u);
    paint(0);
    EXPECT_EQ(text().outlineGlyphCount(), glyphs);
}

TEST_F(TextPicture, MixedTextIsMeasuredByTheAdvanceOfEveryCharacter) {
    // Full-width characters advance one em, half-width ones half an em.
    EXPECT_DOUBLE_EQ(text().measure("等高線図 ab"), 5.5);
    EXPECT_DOUBLE_EQ(text().measure(""), 0.0);
}

TEST_F(TextPicture, TheTitleFollowsTheGraphsTranslation) {
    settings_.TITLE = "AB";
    settings_.POSITION = {0.5, 0.0, 0.0};
    const RgbImage image = paint(0);
    EXPECT_NEAR(inkCentreX(image, screenY(1.0) - 18, screenY(1.0) + 3), screenX(0.5), 4.0);
}

TEST_F(TextPicture, TheAxesSymbolSitsAtTheLowerLeftByDefault) {
    settings_.axesOn = 1;
    const RgbImage image = paint(0);
    const int ox = screenX(-1.5), oy = screenY(-1.0);
    // Axis 1 runs right, axis 2 up; axis 3 points at the viewer.
    expectLineNear(image, ox + 30, oy, kBlack);
    expectLineNear(image, ox, oy - 30, kBlack);
    expectBackground(image, ox - 20, oy + 20);
    // Cone heads at the ends, the names beyond them.
    expectLineNear(image, screenX(-1.5 + 0.32), oy, kBlack);
    EXPECT_GT(inkIn(image, screenX(-1.5 + 0.28), screenY(-1.0 + 0.1), screenX(-1.5 + 0.36), oy - 4), 3);
    // Nothing of it near the middle of the view.
    EXPECT_EQ(inkIn(image, screenX(-1.0), 0, kWidth - 1, kHeight - 1), 0);
}

TEST_F(TextPicture, GridPlaneOutlinesDivisionsAndValues) {
    settings_.gridOn = {1, 0, 0, 0, 0, 0}; // the bottom plane only, seen from above
    settings_.gridVal = {1, 0, 0};
    const RgbImage image = paint(0);
    // Graph frame: 280 pixels a unit at zoom 1.
    auto gx = [](double x) { return kWidth / 2 + int(std::lround(x * 280.0)); };
    auto gy = [](double y) { return kHeight / 2 - int(std::lround(y * 280.0)); };
    expectLineNear(image, gx(-0.5), gy(0.1), kBlack);  // outline
    expectLineNear(image, gx(0.25), gy(0.1), kBlack);  // a division line
    expectBackground(image, gx(0.125), gy(0.1));
    // Values below the bottom edge, from "-0.5" at the left to "0.5" at the right.
    EXPECT_GT(inkIn(image, gx(-0.5), gy(-0.55) - 14, gx(-0.35), gy(-0.55) + 2), 5);
    EXPECT_GT(inkIn(image, gx(0.5), gy(-0.55) - 14, gx(0.62), gy(-0.55) + 2), 5);
}

} // namespace
} // namespace vellum::testing
