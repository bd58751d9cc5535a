// The settings sheet's rules without a window: number fields, kind lists, enable rules,
// the shown form of angles and colour maps, and the "初期値" texts.
#include "common/Codes.h"
#include "data/DataSet.h"
#include "settings/SheetFields.h"
#include "settings/SheetForm.h"
#include "settings/SheetPageRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellum {
namespace {

std::string refusal(const NumberRule& rule, const char* text) { return readNumberField(rule, text).message; }

TEST(SheetFields, RefusedTextsGetTheStandardMessagesWithTheirBounds) {
    const std::string contour = "Please enter an integer between 2 and 256.";
    EXPECT_EQ(refusal(kContourCount, "1"), contour);
    EXPECT_EQ(refusal(kContourCount, "300"), contour);
    EXPECT_EQ(refusal(kDivisionCount, "300"), "Please enter an integer between 0 and 256.");
    EXPECT_EQ(refusal(kRotationAngle, "360"), "Please enter an integer between 0 and 359.");
    EXPECT_EQ(refusal(kLegendValueCount, "33"), "Please enter an integer between 0 and 32.");
    EXPECT_EQ(refusal(kLineWidth, "10.5"), "Please enter a number between 0 and 10.");
    EXPECT_EQ(refusal(kTranslation, "-5.01"), "Please enter a number between -5 and 5.");
    EXPECT_EQ(refusal(kGraphScale, "101"), "Please enter a number between 0 and 100.");
    for (const char* text : {"", "abc", "3.5", "2x", "99999999999", "--3"})
        EXPECT_EQ(refusal(kDigits, text), "Please enter an integer.") << text;
    // Only finite decimal numbers: nothing a double cannot hold reaches the look.
    for (const char* text : {"", "x", "1e999", "inf", "nan", "0x10", "1,5", "--1", "1 2"})
        EXPECT_EQ(refusal(kAnyNumber, text), "Please enter a number.") << text;

    EXPECT_EQ(*readNumberField(kRotationAngle, "359").value, 359.0);
    EXPECT_EQ(*readNumberField(kLabelAngle, "360").value, 360.0);
    EXPECT_EQ(*readNumberField(kLegendValueCount, "0").value, 0.0);
    EXPECT_EQ(*readNumberField(kDigits, " +7 ").value, 7.0);
    EXPECT_EQ(*readNumberField(kAnyNumber, " -1.5e3 ").value, -1500.0);
    // What an edit shows reads back as the very value.
    for (double value : {0.1, 1.0 / 3.0, -2.5e-7, 123456789.125})
        EXPECT_EQ(*readNumberField(kAnyNumber, numberFieldText(kAnyNumber, value)).value, value);
    EXPECT_EQ(numberFieldText(kContourCount, 16), "16");
    EXPECT_EQ(numberFieldText(kLineWidth, 3.0), "3");
}

std::vector<std::string> captionsOf(const std::vector<KindEntry>& kinds) {
    std::vector<std::string> captions;
    for (const KindEntry& kind : kinds) captions.emplace_back(kind.caption);
    return captions;
}

TEST(SheetStylePage, KindListsFollowTheDataTypeAndMapPositionsToCodes) {
    using Strings = std::vector<std::string>;
    EXPECT_EQ(captionsOf(graphKinds(kNodeValues)), (Strings{"グラデーション", "等高線", "ポイント", "ワイヤーフレーム"}));
    EXPECT_EQ(captionsOf(graphKinds(kElementValues)), (Strings{"要素塗りつぶし", "ワイヤーフレーム"}));
    EXPECT_EQ(captionsOf(projectionKinds(kVectorData)),
              (Strings{"グラデーション", "等高線", "ポイント", "ベクトル", "ワイヤーフレーム", "表示しない"}));
    EXPECT_EQ(captionsOf(projectionKinds(kNoDataFile)), (Strings{"ワイヤーフレーム", "表示しない"}));

    // Stored code -> position shown -> code stored again, for every data type.
    struct Case {
        int dataType;
        bool projection;
        int code, position, stored;
    };
    const Case cases[] = {
        {kNodeValues, false, 4, 3, 4},    {kNodeValues, false, 3, 3, 4}, // vectors left from earlier data
        {kNodeValues, true, 5, 4, 5},     {kNodeValues, true, 1, 1, 1},
        {kElementValues, false, 4, 1, 4}, {kElementValues, false, 0, 0, 0},
        {kElementValues, false, 2, -1, 0}, // beyond the list: nothing selected, the first code kept
        {kElementValues, true, 5, 2, 5},  {kVectorData, false, 3, 3, 3},
        {kVectorData, true, 5, 5, 5},     {kNoDataFile, false, 4, 0, 4},
        {kNoDataFile, true, 5, 1, 5},     {kNoDataFile, true, 0, 0, 4},
    };
    for (const Case& c : cases) {
        const auto kinds = c.projection ? projectionKinds(c.dataType) : graphKinds(c.dataType);
        EXPECT_EQ(kindPosition(kinds, c.code), c.position) << c.dataType << " " << c.code;
        EXPECT_EQ(kindCode(kinds, kindPosition(kinds, c.code)), c.stored) << c.dataType << " " << c.code;
    }
}

TEST(SheetStylePage, EnableRulesForEveryDataTypeAndShape) {
    for (int dataType = kNodeValues; dataType <= kNoDataFile; ++dataType) {
        SheetFacts facts{dataType, kSheetShape};
        const StylePageEnables off = stylePageEnables(facts, false);
        EXPECT_EQ(off.axis3Sources, (std::array<bool, 3>{true, true, dataType != kNoDataFile})) << dataType;
        EXPECT_EQ(off.fillBetween, dataType == kElementValues) << dataType;
        EXPECT_TRUE(off.perpendiculars);
        EXPECT_TRUE(off.projection);
        EXPECT_FALSE(off.perpendicularLine);
        EXPECT_TRUE(stylePageEnables(facts, true).perpendicularLine);

        facts.shape = kSolidShape;
        const StylePageEnables solid = stylePageEnables(facts, true);
        EXPECT_EQ(solid.axis3Sources, (std::array<bool, 3>{false, false, false}));
        EXPECT_FALSE(solid.perpendiculars || solid.fillBetween || solid.perpendicularLine || solid.projection);
    }
}

TEST(SheetOptionPages, GroupsFollowTheDataTypeAndColourButtonsTheirModes) {
    const OptionModes graphColours{1, 0, 0, 0}, oneColour{2, 1, 1, 1};
    for (int dataType = kNodeValues; dataType <= kNoDataFile; ++dataType) {
        const bool nodeWise = dataType == kNodeValues || dataType == kVectorData;
        for (bool projection : {false, true}) {
            const OptionPageEnables e = optionPageEnables(dataType, projection, graphColours);
            EXPECT_EQ(e.wireGraphColours, nodeWise);
            EXPECT_EQ(e.contourGroup, nodeWise);
            EXPECT_EQ(e.pointGroup, nodeWise);
            EXPECT_EQ(e.vectorGroup, dataType == kVectorData);
            EXPECT_EQ(e.vectorLength, dataType == kVectorData && !projection);
            EXPECT_FALSE(e.wireColour || e.contourColour || e.pointColour || e.vectorColour);
            // A colour button follows its mode even where its group is off.
            const OptionPageEnables single = optionPageEnables(dataType, projection, oneColour);
            EXPECT_TRUE(single.wireColour && single.contourColour && single.pointColour && single.vectorColour);
        }
    }
}

TEST(SheetColourPage, UserColourMapsSwitchTheInvertBoxAndTheColourButtons) {
    const ColourPageEnables plain = colourPageEnables(kSheetShape, 8, 8);
    EXPECT_TRUE(plain.graphInvert && plain.projectionMap);
    EXPECT_FALSE(plain.minimum || plain.middle || plain.maximum);
    // Map 9 chosen for the projection alone still switches the graph's invert box off.
    const ColourPageEnables two = colourPageEnables(kSheetShape, 0, 9);
    EXPECT_FALSE(two.graphInvert || two.middle);
    EXPECT_TRUE(two.minimum && two.maximum);
    const ColourPageEnables three = colourPageEnables(kSolidShape, 9, 10);
    EXPECT_FALSE(three.graphInvert || three.projectionMap);
    EXPECT_TRUE(three.minimum && three.middle && three.maximum);
}

TEST(SheetForm, AnglesAndColourMapsAreShownTheirWayAndStoredBack) {
    ViewSettings look;
    look.DIGREE = {2170, 10, 2159};
    look.colorMode = 17;
    look.colorMode2 = 21;
    look.sheetStartPage = 3;
    SheetForm form(look, SheetFacts{});
    EXPECT_EQ(form.angles, (std::array<int, 3>{10, 10, 359}));
    EXPECT_EQ(form.graphMap, (ColourMapChoice{8, 1}));
    EXPECT_EQ(form.projectionMap, (ColourMapChoice{10, 1}));

    ViewSettings back = form.confirmed(sheetpage::kGrid);
    EXPECT_EQ(back.DIGREE, (std::array<int, 3>{1810, 1810, 2159}));
    EXPECT_EQ(back.colorMode, 17);
    EXPECT_EQ(back.colorInvert(), 1);
    EXPECT_EQ(back.sheetStartPage, sheetpage::kGrid);
    back.DIGREE = look.DIGREE;
    back.sheetStartPage = look.sheetStartPage;
    EXPECT_EQ(back, look); // nothing else changes by going through the sheet

    form.angles[1] = 359;
    form.graphMap = {0, 0};
    EXPECT_EQ(form.confirmed(0).DIGREE[1], 2159);
    EXPECT_EQ(form.confirmed(0).colorMode, 0);
}

TEST(SheetForm, FactsCommandsAndCaptions) {
    DataSet data;
    data.minimum = {-1, -2, -3};
    data.maximum = {1, 2, 3};
    data.columnMinimum = {0.5, 7, 0.25};
    data.columnMaximum = {12, 9, 8};
    ViewSettings look;
    look.selectedColumn = 2; // e.g. the magnitude column of vector data
    const SheetFacts facts = sheetFactsOf(data, look, kVectorData, kSolidShape);
    EXPECT_EQ(facts.minimum[2], -3);
    EXPECT_EQ(facts.columnMinimum, 0.25);
    EXPECT_EQ(facts.columnMaximum, 8);
    EXPECT_EQ(sheetFactsOf(data, look, kNoDataFile, kSheetShape).columnMaximum, 0.0);
    look.selectedColumn = 5; // a column without statistics reads as no data
    EXPECT_EQ(sheetFactsOf(data, look, kNodeValues, kSheetShape).columnMaximum, 0.0);

    const int commands[] = {178, 179, 180, 181, 182, 268, 183, 184, 185};
    const int pages[] = {0, 1, 3, 4, 5, 6, 7, 8, 9};
    for (size_t i = 0; i < 9; ++i) EXPECT_EQ(sheetPageOfCommand(commands[i]), pages[i]);
    EXPECT_EQ(sheetPageOfCommand(144), -1);
    EXPECT_STREQ(sheetPageCaptions()[sheetpage::kProjectionOptions], "ｵﾌﾟｼｮﾝ");
    EXPECT_STREQ(sheetPageCaptions()[sheetpage::kGridValues], "グリッド値");
}

TEST(SheetGridAndLegendPages, InitialValuesFollowTheDataAndThePendingAxis3Source) {
    SheetFacts facts;
    facts.minimum = {-1.5, 0, 2};
    facts.maximum = {12.5, 3.0, 4};
    facts.columnMinimum = 0.5;
    facts.columnMaximum = 12;
    ViewSettings look;
    look.DIM = kDimNodeCoordinate;
    SheetForm form(look, facts);
    EXPECT_EQ(gridInitialText(form, 0, false), "-1.5");
    EXPECT_EQ(gridInitialText(form, 0, true), "12.5");
    EXPECT_EQ(gridInitialText(form, 1, true), "3");
    EXPECT_EQ(gridInitialText(form, 2, true), "4");
    // The style page's choice counts at once, before OK.
    form.pendingAxis3Source = kDimFlat;
    EXPECT_EQ(gridInitialText(form, 2, false), "0");
    EXPECT_EQ(gridInitialText(form, 2, true), "0");
    form.pendingAxis3Source = kDimDataValue;
    EXPECT_EQ(gridInitialText(form, 2, false), "0.5");
    EXPECT_EQ(gridInitialText(form, 2, true), "12");
    EXPECT_EQ(gridInitialText(form, 1, false), "0"); // other axes keep their extents

    EXPECT_TRUE(divisionRangeEnabled(false));
    EXPECT_FALSE(divisionRangeEnabled(true));
    EXPECT_TRUE(divisionCountsEnabled(0) && !divisionIntervalsEnabled(0));
    EXPECT_TRUE(!divisionCountsEnabled(1) && divisionIntervalsEnabled(1));

    facts.columnMinimum = 0.25;
    facts.columnMaximum = 8;
    EXPECT_TRUE(legendRangeEnabled(facts));
    EXPECT_EQ(legendDataText(facts, true), "8");
    EXPECT_EQ(legendDataText(facts, false), "0.25");
    facts.dataType = kNoDataFile;
    EXPECT_FALSE(legendRangeEnabled(facts));
    EXPECT_EQ(legendDataText(facts, true), "データ情報はありません");
}

} // namespace
} // namespace vellum
