#include "render/FontFace.h"
#include "render/FontOutline.h"
#include "render/TextCodePoints.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vellum {
namespace {

double inkArea(const GlyphShape& shape) {
    double area = 0.0;
    for (size_t i = 0; i + 5 < shape.triangles.size(); i += 6) {
        const float* t = &shape.triangles[i];
        area += std::fabs((t[2] - t[0]) * (t[5] - t[1]) - (t[4] - t[0]) * (t[3] - t[1])) / 2.0;
    }
    return area;
}

bool inked(const GlyphShape& shape, double x, double y) {
    for (size_t i = 0; i + 5 < shape.triangles.size(); i += 6) {
        const float* t = &shape.triangles[i];
        auto side = [&](int a, int b) {
            return (t[2 * b] - t[2 * a]) * (y - t[2 * a + 1]) - (t[2 * b + 1] - t[2 * a + 1]) * (x - t[2 * a]);
        };
        const double s0 = side(0, 1), s1 = side(1, 2), s2 = side(2, 0);
        if ((s0 >= 0 && s1 >= 0 && s2 >= 0) || (s0 <= 0 && s1 <= 0 && s2 <= 0)) return true;
    }
    return false;
}

class JapaneseFaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        font = FontFace::openJapaneseGothic();
        if (!font) GTEST_SKIP() << "no Japanese face installed";
    }
    std::unique_ptr<FontFace> font;
};

TEST_F(JapaneseFaceTest, TheGothicFaceIsFoundAndHoldsJapaneseGlyphs) {
    EXPECT_EQ(font->familyName(), "IPAGothic") << font->path();
    EXPECT_TRUE(font->hasGlyph(U'日'));
    EXPECT_TRUE(font->hasGlyph(U'等'));
    EXPECT_TRUE(font->hasGlyph(U'7'));
}

TEST_F(JapaneseFaceTest, GlyphsAreFilledShapesInEmsWithTheirAdvance) {
    const GlyphShape kanji = buildGlyphShape(*font, U'日');
    ASSERT_FALSE(kanji.triangles.empty());
    EXPECT_NEAR(kanji.advance, 1.0, 1e-9);
    const double area = inkArea(kanji);
    EXPECT_GT(area, 0.05);
    EXPECT_LT(area, 0.8);
    for (size_t i = 0; i < kanji.triangles.size(); ++i) {
        EXPECT_GE(kanji.triangles[i], -0.3f);
        EXPECT_LE(kanji.triangles[i], 1.1f);
    }
    const GlyphShape digit = buildGlyphShape(*font, U'1');
    EXPECT_NEAR(digit.advance, 0.5, 1e-9);
    const GlyphShape space = buildGlyphShape(*font, U' ');
    EXPECT_TRUE(space.triangles.empty());
    EXPECT_GT(space.advance, 0.0);
}

TEST_F(JapaneseFaceTest, HolesOfGlyphsStayOpen) {
    const GlyphShape o = buildGlyphShape(*font, U'O');
    ASSERT_FALSE(o.triangles.empty());
    // The middle of the letter is its counter; the stroke at its left side is ink.
    float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
    for (size_t i = 0; i + 1 < o.triangles.size(); i += 2) {
        minX = std::min(minX, o.triangles[i]), maxX = std::max(maxX, o.triangles[i]);
        minY = std::min(minY, o.triangles[i + 1]), maxY = std::max(maxY, o.triangles[i + 1]);
    }
    const double midY = (minY + maxY) / 2.0;
    EXPECT_FALSE(inked(o, (minX + maxX) / 2.0, midY));
    EXPECT_TRUE(inked(o, minX + 0.02, midY));
}

TEST(Utf8Decoding, GivesCodePointsAndReplacesDamagedBytes) {
    EXPECT_EQ(decodeUtf8("A日本"), (std::u32string{U'A', U'日', U'本'}));
    EXPECT_EQ(decodeUtf8("\xF0\x9F\x98\x80"), std::u32string{U'\U0001F600'});
    EXPECT_EQ(decodeUtf8("\xFF" "a"), (std::u32string{U'\uFFFD', U'a'}));
    EXPECT_EQ(decodeUtf8("\xE6\x97"), (std::u32string{U'\uFFFD', U'\uFFFD'}));
    EXPECT_EQ(decodeUtf8("\xC0\xAF"), (std::u32string{U'\uFFFD', U'\uFFFD'}));
    EXPECT_EQ(decodeUtf8("\xED\xA0\x80"), (std::u32string{U'\uFFFD', U'\uFFFD', U'\uFFFD'}));
    EXPECT_TRUE(decodeUtf8("").empty());
}

} // namespace
} // namespace vellum
