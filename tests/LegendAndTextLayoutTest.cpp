#include "render/LegendLayout.h"
#include "common/TextNumber.h"
#include "render/TitleLayout.h"
#include "settings/ViewSettings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace vellum {
namespace {

TEST(ValueTexts, TheFourStylesFormatLikeTheirFormats) {
    EXPECT_EQ(formatValueText(valueFormatOf(0, 3), 1234.5), "1.23E+03");
    EXPECT_EQ(formatValueText(valueFormatOf(0, 3), 0.25), "0.25");
    EXPECT_EQ(formatValueText(valueFormatOf(1, 5), 2.7), "3");
    EXPECT_EQ(formatValueText(valueFormatOf(2, 2), 3.14159), "3.14");
    EXPECT_EQ(formatValueText(valueFormatOf(3, 4), 3.14159), "3.1416E+00");
    EXPECT_EQ(formatValueText(valueFormatOf(2, 0), -1.4), "-1");
}

TEST(ValueTexts, FormatsFromAFileThatAreNotOneOfTheFourReadAsTheDefault) {
    for (const char* format : {"%s", "%.-3G", "%.999f", "%d", "", "%.3Gx", "%3G", "%n"})
        EXPECT_EQ(formatValueText(format, 0.5), "0.5") << format;
}

TEST(ValueTexts, DoNotFollowTheProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale";
    const std::string text = formatValueText("%.2f", 0.5);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(text, "0.50");
}

class LegendLayoutTest : public ::testing::Test {
protected:
    ViewSettings settings;
    void SetUp() override {
        settings.MIN = 0.0;
        settings.MAX = 100.0;
    }
};

TEST_F(LegendLayoutTest, DefaultsGiveAVerticalBarAtTheRightWithElevenValues) {
    const LegendLayout legend = layoutLegend(settings);
    ASSERT_TRUE(legend.shown);
    EXPECT_EQ(legend.barOrigin, (Point3{1.5, 0.0, 0.0}));
    EXPECT_EQ(legend.barOutline[0], (Point3{0.0, -0.75, 0.0}));
    EXPECT_EQ(legend.barOutline[2], (Point3{0.1, 0.75, 0.0}));
    ASSERT_EQ(legend.values.size(), 11u);
    EXPECT_EQ(legend.values.front().text, "0");
    EXPECT_EQ(legend.values[5].text, "50");
    EXPECT_EQ(legend.values.back().text, "100");
    EXPECT_NEAR(legend.values.front().anchor[0], 1.65, 1e-12);
    EXPECT_NEAR(legend.values.front().anchor[1], -0.75, 1e-12);
    EXPECT_NEAR(legend.values.back().anchor[1], 0.75, 1e-12);
    // A gradient of ten slices from the minimum colour at the bottom to the maximum at the top.
    ASSERT_EQ(legend.quads.size(), 10u);
    EXPECT_DOUBLE_EQ(legend.quads.front().values[0], 0.0);
    EXPECT_NEAR(legend.quads.back().values[2], 1.0, 1e-12);
    EXPECT_NEAR(legend.quads.back().corners[2][1], 0.75, 1e-12);
    EXPECT_TRUE(legend.lines.empty());
}

TEST_F(LegendLayoutTest, IntegerStyleShowsNoDecimalsWhateverTheDigits) {
    settings.MAX = 1.0;
    settings.SHO = 6;
    settings.legendStyle = 1;
    const LegendLayout legend = layoutLegend(settings);
    EXPECT_EQ(legend.values[1].text, "0");
    EXPECT_EQ(legend.values[9].text, "1");
}

TEST_F(LegendLayoutTest, HorizontalLegendLiesBelowTheGraphAlongAxisOne) {
    settings.legendOn[1] = 1;
    settings.legendPos = {0.2, 0.3, 0.0};
    const LegendLayout legend = layoutLegend(settings);
    EXPECT_EQ(legend.barOrigin, (Point3{0.3, 0.2 - 1.0, 0.0}));
    EXPECT_EQ(legend.barOutline[0], (Point3{-0.75, -0.1, 0.0}));
    EXPECT_EQ(legend.barOutline[2], (Point3{0.75, 0.0, 0.0}));
    EXPECT_NEAR(legend.values.front().anchor[0], 0.3 - 0.75, 1e-12);
    EXPECT_NEAR(legend.values.front().anchor[1], 0.2 - 1.18, 1e-12);
    // The gradient runs from left (minimum) to right (maximum).
    EXPECT_LT(legend.quads.front().corners[0][0], legend.quads.back().corners[0][0]);
}

TEST_F(LegendLayoutTest, ContourGraphsShowTheirLevelsOrBands) {
    settings.MODE = 1;
    settings.graph.CONTNUM = 4;
    LegendLayout legend = layoutLegend(settings);
    ASSERT_EQ(legend.quads.size(), 4u);
    for (int s = 0; s < 4; ++s) EXPECT_DOUBLE_EQ(legend.quads[s].values[0], (s + 1) / 4.0);

    settings.graph.CONT = 0;
    legend = layoutLegend(settings);
    EXPECT_TRUE(legend.quads.empty());
    ASSERT_EQ(legend.lines.size(), 5u);
    EXPECT_DOUBLE_EQ(legend.lines[2].value, 0.5);
    EXPECT_NEAR(legend.lines[2].from[1], 0.0, 1e-12);
}

TEST_F(LegendLayoutTest, NotDrawnForTheWireframeOrWhenSwitchedOff) {
    settings.MODE = 4;
    EXPECT_FALSE(layoutLegend(settings).shown);
    settings.MODE = 0;
    settings.legendOn[0] = 0;
    EXPECT_FALSE(layoutLegend(settings).shown);
}

TEST_F(LegendLayoutTest, NoValueStepsShowTheMinimumAloneInsteadOfDividingByZero) {
    settings.legendNum = 0;
    const LegendLayout legend = layoutLegend(settings);
    ASSERT_EQ(legend.values.size(), 1u);
    EXPECT_EQ(legend.values[0].text, "0");
}

TEST_F(LegendLayoutTest, TitleFollowsTheTranslationAndLabelsStandOffTheGrid) {
    EXPECT_EQ(titleOrigin(settings), (Point3{0.0, 1.0, 3.0}));
    settings.POSITION = {0.5, -0.5, 0.0};
    settings.TITLEPOS = {0.1, 0.2};
    const Point3 title = titleOrigin(settings);
    EXPECT_DOUBLE_EQ(title[0], 0.6);
    EXPECT_DOUBLE_EQ(title[1], 0.7);

    settings.POSITION = {0.0, 0.0, 0.0};
    const Point3 label1 = labelOrigin(settings, 0, -0.5, -0.4);
    EXPECT_DOUBLE_EQ(label1[0], 0.0);
    EXPECT_DOUBLE_EQ(label1[1], -0.4 * 1.5 - 0.15);
    const Point3 label3 = labelOrigin(settings, 2, -0.5, -0.4);
    EXPECT_DOUBLE_EQ(label3[0], -0.5 * 1.5 - 0.15);
    EXPECT_DOUBLE_EQ(label3[1], -0.4 * 1.5 - 0.15);
    EXPECT_DOUBLE_EQ(label3[2], 0.0);
}

} // namespace
} // namespace vellum
