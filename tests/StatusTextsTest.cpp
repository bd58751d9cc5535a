#include "data/DataSet.h"
#include "model/StatusTexts.h"
#include "settings/ViewSettings.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

TEST(StatusTexts, PanesShowTheCameraAndTheColumn) {
    ViewSettings settings;
    DataSet dataSet;
    settings.POSITION = {0.5, -1.25, 0};
    settings.SCALE123 = 2;
    settings.SCALE = {1, 1.5, 10};
    settings.DIGREE = {1810, 1800, 2159};
    settings.selectedColumn = 4;
    StatusPanes panes = statusPanesFor(settings, dataSet, 0);
    EXPECT_EQ(panes.translation, "0.50/-1.25/0.00");
    EXPECT_EQ(panes.scale, "2.00[1.00/1.50/10.00]");
    EXPECT_EQ(panes.rotation, " 10/  0/359");
    settings.DIGREE = {-10, 0, 360};
    EXPECT_EQ(statusPanesFor(settings, dataSet, 0).rotation, "350/  0/  0");
    EXPECT_EQ(panes.column, "5/-/-");
    EXPECT_EQ(statusPanesFor(settings, dataSet, 1).column, "5/-/-");
    dataSet.vectorColumns = {0, 1, 2};
    EXPECT_EQ(statusPanesFor(settings, dataSet, 2).column, "1/2/3");
    EXPECT_EQ(statusPanesFor(settings, dataSet, 3).column, "-/-/-");
}

TEST(StatusTexts, Captions) {
    const StatusPanes captions = statusPaneCaptions();
    EXPECT_EQ(captions.translation, "平行位置");
    EXPECT_EQ(captions.scale, "拡大率");
    EXPECT_EQ(captions.rotation, "回転角");
    EXPECT_EQ(captions.column, "ﾃﾞｰﾀ列");
}

} // namespace
} // namespace vellum
