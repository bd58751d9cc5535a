#include "data/DataSet.h"
#include "render/ColourMap.h"
#include "settings/ViewSettings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vellum {
namespace {

void expectColour(const Colour& c, double red, double green, double blue, double tolerance = 1e-6) {
    EXPECT_NEAR(c.red, red, tolerance);
    EXPECT_NEAR(c.green, green, tolerance);
    EXPECT_NEAR(c.blue, blue, tolerance);
}

TEST(ColourCodes, EveryMapRunsBetweenItsEndColours) {
    UserColours colours;
    struct Ends {
        int code;
        std::array<double, 3> start, end;
    };
    const Ends table[] = {
        {0, {1, 1, 1}, {0, 0, 0}},  {1, {0, 0, 0}, {1, 1, 1}},  {2, {1, 0, 0}, {0, 0, 0}},
        {3, {0, 0, 0}, {1, 0, 0}},  {4, {1, 0, 0}, {1, 1, 1}},  {5, {1, 1, 1}, {1, 0, 0}},
        {6, {0, 0, 1}, {0, 0, 0}},  {7, {0, 0, 0}, {0, 0, 1}},  {8, {0, 0, 1}, {1, 1, 1}},
        {9, {1, 1, 1}, {0, 0, 1}},  {10, {0, 1, 0}, {0, 0, 0}}, {11, {0, 0, 0}, {0, 1, 0}},
        {12, {0, 1, 0}, {1, 1, 1}}, {13, {1, 1, 1}, {0, 1, 0}}, {14, {0, 0, 1}, {1, 0, 0}},
        {15, {1, 0, 0}, {0, 0, 1}}, {16, {0, 0, 1}, {1, 0, 0}}, {17, {1, 0, 0}, {0, 0, 1}},
    };
    for (const Ends& e : table) {
        SCOPED_TRACE(e.code);
        expectColour(colourForCode(e.code, 0.0, colours), e.start[0], e.start[1], e.start[2], 1e-3);
        expectColour(colourForCode(e.code, 1.0, colours), e.end[0], e.end[1], e.end[2], 1e-3);
    }
}

TEST(ColourCodes, RainbowBandsAndItsReverse) {
    UserColours colours;
    expectColour(colourForCode(16, 0.5, colours), 0, 1, 0);
    expectColour(colourForCode(16, 0.6, colours), 0.588, 1, 0, 5e-4);
    expectColour(colourForCode(16, 0.2, colours), 0, 0.6666, 1, 5e-4);
    expectColour(colourForCode(16, 0.4, colours), 0, 1, 0.5882, 5e-4);
    expectColour(colourForCode(16, 0.9, colours), 1, 0.3333, 0, 5e-4);
    // The jump at 0.33 is hidden by clamping.
    expectColour(colourForCode(16, 0.33, colours), 0, 1, 1);
    expectColour(colourForCode(17, 0.6, colours), 0, 1, 0.588, 5e-4);
    expectColour(colourForCode(17, 0.9, colours), 0, 0.3333, 1, 5e-4);
}

TEST(ColourCodes, UserColoursWithAndWithoutMiddle) {
    UserColours colours;
    colours.ORIGN1 = {0, 0, 255};
    colours.ORIGN2 = {255, 255, 255};
    colours.ORIGN3 = {255, 0, 0};
    expectColour(colourForCode(20, 0.5, colours), 1, 1, 1);
    expectColour(colourForCode(20, 0.25, colours), 0.5, 0.5, 1);
    expectColour(colourForCode(20, 0.75, colours), 1, 0.5, 0.5);
    expectColour(colourForCode(18, 0.5, colours), 0.5, 0, 0.5);
    for (double t : {0.0, 0.3, 0.7, 1.0}) {
        const Colour a = colourForCode(18, t, colours), b = colourForCode(19, t, colours);
        expectColour(a, b.red, b.green, b.blue);
        const Colour c = colourForCode(20, t, colours), d = colourForCode(21, t, colours);
        expectColour(c, d.red, d.green, d.blue);
    }
}

TEST(ColourCodes, WhiteCodeAndUnknownCodes) {
    UserColours colours;
    expectColour(colourForCode(200, 0.3, colours), 1, 1, 1);
    for (int code : {22, -1, 199, 201}) expectColour(colourForCode(code, 0.5, colours), 0, 0, 0);
}

TEST(ColourCodes, ValuesOutsideTheRangeSaturate) {
    UserColours colours;
    expectColour(colourForCode(16, -0.5, colours), 0, 0, 1);
    expectColour(colourForCode(16, 1.7, colours), 1, 0, 0);
    expectColour(colourForCode(0, -2.0, colours), 1, 1, 1);
    // A value that is not a number still gives a colour OpenGL can take.
    const Colour c = colourForCode(16, std::nan(""), colours);
    for (float component : {c.red, c.green, c.blue}) EXPECT_TRUE(component >= 0.0f && component <= 1.0f);
}

class ColumnColourMap : public ::testing::Test {
protected:
    void SetUp() override {
        // Column 0 runs from 10 to 30.
        dataSet.columnMinimum = {10.0};
        dataSet.columnMaximum = {30.0};
        dataSet.columnRange = {20.0};
        dataSet.columnMiddle = {20.0};
        look.MIN = 10.0;
        look.MAX = 30.0;
    }
    DataSet dataSet;
    ViewSettings look;
};

TEST_F(ColumnColourMap, PlacesValuesWithinTheLegendRange) {
    look.MIN = 20.0;
    look.MAX = 30.0;
    const ColourMap map(16, 0, dataSet, look);
    EXPECT_DOUBLE_EQ(map.legendPosition(0.75), 0.5); // the value 25
    expectColour(map(0.75), 0, 1, 0);
    expectColour(map(0.25), 0, 0, 1); // 15 is below the legend minimum
    const ColourMap white(0, 0, dataSet, look);
    expectColour(white(0.0), 1, 1, 1);
    look.MAX = 25.0;
    expectColour(ColourMap(16, 0, dataSet, look)(1.0), 1, 0, 0); // above the maximum
}

TEST_F(ColumnColourMap, PlainColumnSkipsTheLegendRange) {
    look.MIN = 0.0;
    look.MAX = 100.0;
    EXPECT_DOUBLE_EQ(ColourMap(16, kPlainValueColumn, dataSet, look).legendPosition(0.6), 0.6);
}

TEST_F(ColumnColourMap, EmptyLegendRangeGivesTheStartColour) {
    look.MIN = look.MAX = 20.0;
    const ColourMap map(16, 0, dataSet, look);
    for (double t : {0.0, 0.5, 1.0}) {
        EXPECT_EQ(map.legendPosition(t), 0.0);
        expectColour(map(t), 0, 0, 1);
    }
}

TEST_F(ColumnColourMap, MissingColumnUsesTheValueAsIs) {
    EXPECT_DOUBLE_EQ(ColourMap(16, 3, dataSet, look).legendPosition(0.4), 0.4);
    DataSet empty;
    EXPECT_DOUBLE_EQ(ColourMap(16, 0, empty, look).legendPosition(0.4), 0.4);
}

} // namespace
} // namespace vellum
