#include "data/DataSet.h"
#include "settings/ViewSettings.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

TEST(SettingsRecord, StartsAtTheStartDefaults) {
    ViewSettings s;
    EXPECT_EQ(s.SUISENCOLOR, (RGBColor{128, 128, 128}));
    EXPECT_EQ(s.graph.VEC0, 1);
    EXPECT_EQ(s.projection, s.graph);
    EXPECT_EQ(s.MODE2, 5);
    EXPECT_EQ(s.colorMode, 16);
    EXPECT_EQ(s.legendFormat(), "%.3G");
    EXPECT_EQ(s.gridValueFormat(2), "%.3G");
    EXPECT_EQ(s.userColours.ORIGN2, (RGBColor{128, 128, 128}));
    EXPECT_EQ(s.MAX, 0.0);
}

TEST(SettingsRecord, ResetReturnsTheLookButKeepsColoursBackgroundAndFreeSpace) {
    ViewSettings s;
    s.MODE = 1;
    s.graph.CONTNUM = 40;
    s.projection.WIREMODE = 0;
    s.colorMode = 17;
    s.gridNum = {9, 9, 9};
    s.axesVal = {"x", "y", "z"};
    s.TITLE = "t";
    s.BACKCOLOR = {1, 2, 3};
    s.FREESPACE = 1;
    s.DIVISIONLINESTYLE = 1;
    s.gridStringColor = {4, 5, 6};
    s.legendStringColor = {7, 8, 9};
    s.STRINGCOLOR0 = {10, 11, 12};
    s.labelColor[2] = {13, 14, 15};
    s.RECTSCALE = 1;
    s.userColours.ORIGN1 = {20, 21, 22};
    s.MAX = 5.0;
    s.selectedColumn = 3;
    s.mouseMode = 7;
    s.sheetStartPage = 2;
    s.resetBeforeLoad();

    EXPECT_EQ(s.MODE, 0);
    EXPECT_EQ(s.graph.CONTNUM, 16);
    EXPECT_EQ(s.projection, s.graph);
    EXPECT_EQ(s.colorMode, 16);
    EXPECT_EQ(s.colorInvert(), 0);
    EXPECT_EQ(s.gridNum, (std::array<int, 3>{4, 4, 4}));
    EXPECT_EQ(s.axesVal[0], "1");
    EXPECT_EQ(s.TITLE, "");
    // The reset values differ from the start values in two places.
    EXPECT_EQ(s.SUISENCOLOR, (RGBColor{0, 0, 0}));
    EXPECT_EQ(s.graph.VEC0, 0);
    EXPECT_EQ(s.projection.VEC0, 0);

    EXPECT_EQ(s.BACKCOLOR, (RGBColor{1, 2, 3}));
    EXPECT_EQ(s.FREESPACE, 1);
    EXPECT_EQ(s.DIVISIONLINESTYLE, 1);
    EXPECT_EQ(s.gridStringColor, (RGBColor{4, 5, 6}));
    EXPECT_EQ(s.legendStringColor, (RGBColor{7, 8, 9}));
    EXPECT_EQ(s.STRINGCOLOR0, (RGBColor{10, 11, 12}));
    EXPECT_EQ(s.labelColor[2], (RGBColor{13, 14, 15}));
    EXPECT_EQ(s.RECTSCALE, 1);
    EXPECT_EQ(s.userColours.ORIGN1, (RGBColor{20, 21, 22}));
    EXPECT_EQ(s.MAX, 5.0);
    EXPECT_EQ(s.selectedColumn, 3);
    EXPECT_EQ(s.mouseMode, 7);
    EXPECT_EQ(s.sheetStartPage, 2);
}

// A dialog edits a copy and drops it on cancel: nothing of the copy may reach the record,
// the values once held beside the data set (colours, legend range, RECTSCALE) included.
TEST(SettingsRecord, AnEditedCopyDroppedLeavesTheOriginalUntouched) {
    ViewSettings s;
    s.MIN = -1.0;
    const ViewSettings before = s;
    {
        ViewSettings copy = s;
        copy.RECTSCALE = 1;
        copy.MIN = -2.0;
        copy.MAX = 7.0;
        copy.userColours.ORIGN3 = {1, 1, 1};
        copy.graph.WIRESTYLE = 2;
        copy.colorMode = 17;
        EXPECT_EQ(copy.graph.wirePattern(), 0xFFF0);
        EXPECT_EQ(copy.colorInvert(), 1);
    }
    EXPECT_EQ(s, before);
    EXPECT_EQ(s.graph.wirePattern(), 0xFFFF);
    EXPECT_EQ(s.colorInvert(), 0);
}

TEST(SettingsRecord, SettersKeepPatternsFormatsAndInvertFlagsInStep) {
    ViewSettings s;
    s.SUISENSTYLE = 1;
    s.gridStyle = 2;
    s.STYLE2 = 0;
    s.axesStyle = 7; // out of range draws solid
    s.graph.WIRESTYLE = 2;
    s.projection.CONTSTYLE = 1;
    EXPECT_EQ(s.suisenPattern(), 0xFF00);
    EXPECT_EQ(s.gridPattern(), 0xFFF0);
    EXPECT_EQ(s.style2Pattern(), 0xFFFF);
    EXPECT_EQ(s.axesPattern(), 0xFFFF);
    EXPECT_EQ(s.graph.wirePattern(), 0xFFF0);
    EXPECT_EQ(s.projection.contPattern(), 0xFF00);

    s.legendStyle = 3;
    s.SHO = 5;
    EXPECT_EQ(s.legendFormat(), "%.5E");
    s.legendStyle = 1;
    EXPECT_EQ(s.legendFormat(), "%.0f");
    s.VALSHO[size_t(1)] = 2;
    s.VALSTYLE[size_t(1)] = 2;
    EXPECT_EQ(s.gridValueFormat(1), "%.2f");
    EXPECT_EQ(s.gridValueFormat(0), "%.3G");

    s.colorMode = 17;
    s.colorMode2 = 21;
    EXPECT_EQ(s.colorMode / 2, 8);
    EXPECT_EQ(s.colorInvert(), 1);
    EXPECT_EQ(s.colorMode2 / 2, 10);
    EXPECT_EQ(s.colorInvert2(), 1);
    s.colorMode = 16;
    EXPECT_EQ(s.colorInvert(), 0);
}

TEST(SettingsRecord, AnglesAreReadModulo360) {
    ViewSettings s;
    s.DIGREE = {1810, 2170, 10};
    EXPECT_EQ(s.degrees(0), 10);
    EXPECT_EQ(s.degrees(1), 10);
    EXPECT_EQ(s.degrees(2), 10);
    s.DIGREE[0] = -10;
    EXPECT_EQ(s.degrees(0), 350);
}

TEST(SettingsRecord, InitialiseViewKeepsThePerAxisScales) {
    ViewSettings s;
    s.DIGREE = {1, 2, 3};
    s.POSITION = {1.0, 2.0, 3.0};
    s.SCALE123 = 4.0;
    s.SCALE[2] = 2.0;
    s.initialiseView();
    EXPECT_EQ(s.DIGREE, (std::array<int, 3>{1800, 1800, 1800}));
    EXPECT_EQ(s.POSITION, (std::array<double, 3>{0.0, 0.0, 0.0}));
    EXPECT_EQ(s.SCALE123, 1.0);
    EXPECT_EQ(s.SCALE[2], 2.0);
}

} // namespace
} // namespace vellum

namespace vellum {
namespace {

class SettingsAfterLoad : public ::testing::Test {
protected:
    SettingsAfterLoad() {
        dataSet.minimum = {-1.0, 0.0, 2.0};
        dataSet.maximum = {3.0, 8.0, 2.0};
        dataSet.columnCount = 2;
        dataSet.columnMinimum = {-5.0, 1.0, 0.5}; // the third entry: the magnitude column
        dataSet.columnMaximum = {5.0, 2.0, 9.5};
    }
    ViewSettings settings;
    DataSet dataSet;
};

TEST_F(SettingsAfterLoad, NodeValuesTakeTheExtentsAndAColumnTheDataHas) {
    settings.MODE = 1;
    settings.selectedColumn = 1;
    settings.adjustAfterLoad(dataSet, 0);
    EXPECT_EQ(settings.selectedColumn, 1);
    EXPECT_EQ(settings.MAX, 2.0);
    settings.selectedColumn = 2; // the data has two columns
    settings.adjustAfterLoad(dataSet, 0);
    EXPECT_EQ(settings.MODE, 1);
    EXPECT_EQ(settings.selectedColumn, 0);
    EXPECT_EQ(settings.gridSize[0], (std::array<double, 2>{-1.0, 3.0}));
    EXPECT_EQ(settings.divisionRange[1], (std::array<double, 2>{0.0, 8.0}));
    EXPECT_EQ(settings.DIVISIONLINEVALUE, (std::array<double, 3>{1.0, 2.0, 0.0}));
    EXPECT_EQ(settings.MAX, 5.0);
    EXPECT_EQ(settings.MIN, -5.0);
}

TEST_F(SettingsAfterLoad, VectorDataShowVectorsOfTheMagnitudeColumn) {
    settings.MODE = 1; // contour lines chosen before
    settings.adjustAfterLoad(dataSet, 2);
    EXPECT_EQ(settings.MODE, 3);
    EXPECT_EQ(settings.selectedColumn, 2);
    EXPECT_EQ(settings.MAX, 9.5);
    EXPECT_EQ(settings.MIN, 0.5);
}

TEST_F(SettingsAfterLoad, NoDataFileKeepsTheLegendRange) {
    settings.MAX = 4.0;
    settings.MIN = 3.0;
    settings.selectedColumn = 1;
    settings.adjustAfterLoad(dataSet, 3);
    EXPECT_EQ(settings.MODE, 4);
    EXPECT_EQ(settings.selectedColumn, 1);
    EXPECT_EQ(settings.MAX, 4.0);
    EXPECT_EQ(settings.MIN, 3.0);
    EXPECT_EQ(settings.gridSize[2], (std::array<double, 2>{2.0, 2.0}));
}

TEST_F(SettingsAfterLoad, MissingStatisticsLeaveTheLegendRange) {
    settings.MAX = 4.0;
    dataSet.columnMaximum.clear();
    dataSet.columnMinimum.clear();
    settings.adjustAfterLoad(dataSet, 2);
    EXPECT_EQ(settings.MAX, 4.0);
}

} // namespace
} // namespace vellum
