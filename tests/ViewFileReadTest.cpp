#include "common/Encoding.h"
#include "common/FileIo.h"
#include "tests/support/RecordingUi.h"
#include "data/DataSet.h"
#include "settings/ViewSettingsFile.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <random>

namespace vellum {
namespace {

// Every stored field as text: two records are equal in what a file can hold when these are.
std::string storedFields(const ViewSettings& settings) { return formatViewSettingsFile(settings, SaveItemSelection::allItems()); }

class ViewFileRead : public ::testing::Test {
protected:
    ViewFileRead() {
        dataSet.minimum = {-1.0, -2.0, -3.0};
        dataSet.maximum = {1.0, 2.0, 7.0};
        dataSet.columnCount = 2;
        dataSet.columnMinimum = {10.0, 20.0};
        dataSet.columnMaximum = {11.0, 22.0};
    }

    // Applies `text` (UTF-8, LF line ends) as a CP932 file.
    void read(const std::string& text) { applyViewSettingsText(utf8ToCp932(text), settings, dataSet); }
    ViewSettings settings;
    ViewSettings before;
    DataSet dataSet;
};

TEST_F(ViewFileRead, AColourMapAloneChangesOnlyItAndTheRecomputedValues) {
    read("[COLOR]\nMODE= 3\n");
    EXPECT_EQ(settings.colorMode, 3);
    EXPECT_EQ(settings.colorInvert(), 1);
    // No version, no GRIDSIZE3 line: axis 3 follows DIM (1: the node coordinate); no
    // DIVISIONLINEVALUE line: the intervals follow the ranges and the division counts.
    ViewSettings expected = before;
    expected.colorMode = 3;
    expected.gridSize[2] = {-3.0, 7.0};
    expected.divisionRange[2] = {-3.0, 7.0};
    expected.DIVISIONLINEVALUE = {0.25, 0.25, 2.5};
    EXPECT_EQ(storedFields(settings), storedFields(expected));
}

TEST_F(ViewFileRead, KeysBelongToTheirSection) {
    settings.gridVal = {1, 1, 1};
    read("[GRAPH]\nMODE= 3\n[GRID]\nVAL= X Y Z\nNUM= 5 6 7 8\n[ZAHYO]\nVAL= X Y Z\n");
    EXPECT_EQ(settings.MODE, 3);
    EXPECT_EQ(settings.colorMode, 16);
    EXPECT_EQ(settings.gridVal, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(settings.axesVal, (std::array<std::string, 3>{"X", "Y", "Z"}));
    EXPECT_EQ(settings.gridNum, (std::array<int, 3>{5, 6, 7}));
}

TEST_F(ViewFileRead, KeysMatchExactlyAndUnknownLinesAreIgnored) {
    read("MODE= 2\n"                 // before any header
         "[GRAPH]\n"
         "MODE=4\n"                  // no separator: not a key
         "mode= 4\n"                 // keys are upper case
         "MODE\n"                    // no equals sign
         "DIM=\n"                    // no value
         "NOSUCHKEY= 9\n"
         "[NOSUCHSECTION]\n"         // a key of [GRAPH] that does not exist
         "HIDE= 1\n"                 // so this still belongs to [GRAPH]
         "\n   \n");
    EXPECT_EQ(settings.MODE, 0);
    EXPECT_EQ(settings.DIM, 1);
    EXPECT_EQ(settings.HIDE, 1);
}

TEST_F(ViewFileRead, RepeatedKeysAndValuesTheLastWins) {
    read("[GRAPH]\nMODE= 1\nMODE= 2 4\nSUISENWIDTH= 1.5 2.5\n[GRID]\nGRIDSIZE1= 1 2 3\nDIVISIONLINEVALUE2= 5\n");
    EXPECT_EQ(settings.MODE, 4);
    EXPECT_EQ(settings.SUISENWIDTH, 2.5);
    EXPECT_EQ(settings.gridSize[0], (std::array<double, 2>{1.0, 3.0}));
    EXPECT_EQ(settings.divisionRange[1], (std::array<double, 2>{5.0, 0.5}));
}

TEST_F(ViewFileRead, ValuesAreTheirLeadingNumbers) {
    read("[GRAPH]\nMODE= abc\nHIDE= 1x\nSUISENWIDTH= 2.5e1mm\nCONTWID= -.5\nDIM= 1e9\nWIREWID= 1e999\n"
         "[GRAPHPOSITION]\nDIGREE= +10 -20 3.9\nSCALE= 2 3\n");
    EXPECT_EQ(settings.MODE, 0);
    EXPECT_EQ(settings.HIDE, 1);
    EXPECT_EQ(settings.SUISENWIDTH, 25.0);
    EXPECT_EQ(settings.graph.CONTWID, -0.5);
    EXPECT_EQ(settings.DIM, 1);
    EXPECT_EQ(settings.graph.WIREWID, 0.0); // beyond a double: never infinite
    EXPECT_EQ(settings.DIGREE, (std::array<int, 3>{10, -20, 3}));
    EXPECT_EQ(settings.SCALE, (std::array<double, 3>{2.0, 3.0, 1.0}));
}

TEST_F(ViewFileRead, ColoursNeedThreeValuesAndWrap) {
    read("[GRAPH]\nSUISENCOLOR= 255 0\nWIRECOLOR= 1\nPOINTCOLOR= 256 257 -1 9\n");
    EXPECT_EQ(settings.SUISENCOLOR, (RGBColor{128, 128, 128}));
    EXPECT_EQ(settings.graph.WIRECOLOR, (RGBColor{0, 0, 0}));
    EXPECT_EQ(settings.graph.POINTCOLOR, (RGBColor{0, 1, 255}));
    read("[GRAPH]\nSUISENCOLOR= 256 0 0\n");
    EXPECT_EQ(settings.SUISENCOLOR, (RGBColor{0, 0, 0}));
}

TEST_F(ViewFileRead, GridPlanesNeedSixValuesAndBecomeFlags) {
    read("[GRID]\nON= 0 1 0 1 1\n");
    EXPECT_EQ(settings.gridOn, (std::array<int, 6>{1, 0, 1, 0, 0, 1}));
    read("[GRID]\nON= 2 0 -1 0 0 7 1\n[HANREI]\nON= 2 3\n");
    EXPECT_EQ(settings.gridOn, (std::array<int, 6>{1, 0, 1, 0, 0, 1}));
    EXPECT_EQ(settings.legendOn, (std::array<int, 2>{2, 3})); // only the grid planes are reduced
}

TEST_F(ViewFileRead, SeparatorsAndLineEnds) {
    read("[GRAPHPOSITION]\r\nPOSITION=\t1,2\xE3\x80\x80" "3\r\nSCALE123=,,4\n[GRAPH]\rMODE= 2\n");
    EXPECT_EQ(settings.POSITION, (std::array<double, 3>{1.0, 2.0, 3.0}));
    EXPECT_EQ(settings.SCALE123, 4.0);
    EXPECT_EQ(settings.MODE, 0); // a lone carriage return does not end a line
}

TEST_F(ViewFileRead, TitlesAndLabelsAreTheRestOfTheLine) {
    read("[LABEL]\nTITLE= Stress distribution\nLABEL2= 変位 (mm)\nLABEL3=　全角 で\n");
    EXPECT_EQ(settings.TITLE, "Stress distribution");
    EXPECT_EQ(settings.LABEL[1], "変位 (mm)");
    EXPECT_EQ(settings.LABEL[2], "全角 で");
    read("[LABEL]\nTITLE=\nTITLE= \n");
    EXPECT_EQ(settings.TITLE, "Stress distribution"); // an empty title line changes nothing
}

TEST_F(ViewFileRead, Cp932TextsComeBackAsUtf8) {
    const std::string bytes = utf8ToCp932("[ZAHYO]\nVAL= 横軸 縦軸 高さ\n[LABEL]\nTITLE= 応力分布図\n");
    applyViewSettingsText(bytes, settings, dataSet);
    EXPECT_EQ(settings.axesVal, (std::array<std::string, 3>{"横軸", "縦軸", "高さ"}));
    EXPECT_EQ(settings.TITLE, "応力分布図");
}

TEST_F(ViewFileRead, ColoursLegendRangeAndRectScaleAreRead) {
    read("[GRAPHPOSITION]\nRECTSCALE= 1\n[COLOR]\nORIGN2= 1 2 3\nMODE2= 21\n[HANREI]\nMAX= 9.5\nMIN= -1\n");
    EXPECT_EQ(settings.RECTSCALE, 1);
    EXPECT_EQ(settings.userColours.ORIGN2, (RGBColor{1, 2, 3}));
    EXPECT_EQ(settings.MAX, 9.5);
    EXPECT_EQ(settings.MIN, -1.0);
    EXPECT_EQ(settings.colorMode2 / 2, 10);
    EXPECT_EQ(settings.colorInvert2(), 1);
}

TEST_F(ViewFileRead, PatternsAndFormatsFollowTheCodesRead) {
    read("[GRAPH]\nSUISENSTYLE= 1\nWIRESTYLE= 2\n[GRAPH2]\nCONTSTYLE= 1\n[GRID]\nSTYLE= 2\nVALSTYLE= 0 2 3\n"
         "VALSHO= 1 2 3\n[HANREI]\nSTYLE= 2\nSHO= 4\n[ZAHYO]\nSTYLE= 1\n");
    EXPECT_EQ(settings.suisenPattern(), 0xFF00);
    EXPECT_EQ(settings.graph.wirePattern(), 0xFFF0);
    EXPECT_EQ(settings.projection.contPattern(), 0xFF00);
    EXPECT_EQ(settings.gridPattern(), 0xFFF0);
    EXPECT_EQ(settings.axesPattern(), 0xFF00);
    EXPECT_EQ(settings.legendFormat(), "%.4f");
    EXPECT_EQ(settings.gridValueFormat(0), "%.1G");
    EXPECT_EQ(settings.gridValueFormat(1), "%.2f");
    EXPECT_EQ(settings.gridValueFormat(2), "%.3E");
}

TEST_F(ViewFileRead, LabelPositionsAndWindowTakeWhatTheLineHas) {
    settings.WINDOW = WindowEdges{900, 100, 50, 650, 1}; // the frame's current edges
    read("[GRAPHPOSITION]\nWINDOW= 800 200\n[LABEL]\nLABEL1POS= 1 2 3 45 6\nLABEL3POS= 7\n");
    EXPECT_EQ(settings.WINDOW, (WindowEdges{800, 200, 50, 650, 1}));
    EXPECT_EQ(settings.labelPos[0], (std::array<double, 3>{1.0, 2.0, 3.0}));
    EXPECT_EQ(settings.labelAngle[0], 45);
    EXPECT_EQ(settings.labelPos[2], (std::array<double, 3>{7.0, 0.0, 0.0}));
    EXPECT_EQ(settings.labelAngle[2], 0);
}

TEST(ViewFileWindow, TheFrameMovesOnlyWhenItFits) {
    const WindowEdges edges{900, 100, 50, 650, 1}; // 800 x 600 at (100, 50)
    EXPECT_EQ(placeFrameWindow(edges, 10, 10, 1920, 1080), (FrameRect{100, 50, 800, 600}));
    EXPECT_EQ(placeFrameWindow(edges, 1200, 10, 1920, 1080), (FrameRect{0, 0, 800, 600}));
    EXPECT_EQ(placeFrameWindow(edges, 10, 480, 1920, 1080), (FrameRect{0, 0, 800, 600}));
    const WindowEdges extreme{std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), 0, 0, 0};
    EXPECT_EQ(placeFrameWindow(extreme, 0, 0, 1920, 1080).width, std::numeric_limits<int>::max());
}

TEST_F(ViewFileRead, Version200ShiftsTheGraphKindAndSwapsWireframeModes) {
    read("[VERSION]\nVERSION= 200\n[GRAPH]\nMODE= 1\nWIREMODE= 1\n[GRAPH2]\nWIREMODE= 1\n"
         "[GRID]\nSTYLE= 2\nDWID= 3.5\nCOLOR= 1 2 3\nSTYLE2= 0\nDWID2= 1\nCOLOR2= 9 9 9\n"
         "GRIDSIZE3= 4 5\nDIVISIONLINEVALUE3= 4 5\n");
    EXPECT_EQ(settings.MODE, 0);
    EXPECT_EQ(settings.graph.WIREMODE, 2);
    EXPECT_EQ(settings.projection.WIREMODE, 1); // only the graph's
    EXPECT_EQ(settings.COLOR2, (RGBColor{1, 2, 3}));
    EXPECT_EQ(settings.DWID2, 3.5);
    EXPECT_EQ(settings.STYLE2, 2);
    EXPECT_EQ(settings.style2Pattern(), 0xFFF0);
    EXPECT_EQ(settings.gridSize[2], (std::array<double, 2>{-3.0, 7.0}));
    EXPECT_EQ(settings.divisionRange[2], (std::array<double, 2>{-3.0, 7.0}));

    read("[VERSION]\nVERSION= 200\n[GRAPH]\nWIREMODE= 2\n");
    EXPECT_EQ(settings.graph.WIREMODE, 1);
}

TEST_F(ViewFileRead, Version210TakesTheOuterFrameForDivisionLinesButKeepsTheKind) {
    settings.DIM = 0;
    read("[VERSION]\nVERSION= 210\n[GRAPH]\nMODE= 1\nWIREMODE= 1\n[GRID]\nSTYLE= 1\nDWID= 2\nCOLOR= 4 5 6\n"
         "GRIDSIZE3= 4 5\nDIVISIONLINEVALUE= 1 1 1\n");
    EXPECT_EQ(settings.MODE, 1);
    EXPECT_EQ(settings.graph.WIREMODE, 1);
    EXPECT_EQ(settings.COLOR2, (RGBColor{4, 5, 6}));
    EXPECT_EQ(settings.DWID2, 2.0);
    EXPECT_EQ(settings.STYLE2, 1);
    EXPECT_EQ(settings.gridSize[2], (std::array<double, 2>{0.0, 0.0})); // DIM 0: flat
    EXPECT_EQ(settings.divisionRange[2], (std::array<double, 2>{0.0, 0.0}));
    EXPECT_EQ(settings.DIVISIONLINEVALUE, (std::array<double, 3>{1.0, 1.0, 1.0}));
}

TEST_F(ViewFileRead, Version220KeepsTheGridSizeButRecomputesTheDivisionRange) {
    settings.selectedColumn = 1;
    read("[VERSION]\nVERSION= 220\n[GRAPH]\nDIM= 2\n[GRID]\nGRIDSIZE3= 4 5\nDIVISIONLINEVALUE3= 4 5\n");
    EXPECT_EQ(settings.gridSize[2], (std::array<double, 2>{4.0, 5.0}));
    EXPECT_EQ(settings.divisionRange[2], (std::array<double, 2>{20.0, 22.0})); // the selected column
}

TEST_F(ViewFileRead, CurrentVersionKeepsWhatTheFileSays) {
    const std::string lines = "[GRID]\nGRIDSIZE3= 4 5\nDIVISIONLINEVALUE3= 4 6\n";
    read("[VERSION]\nVERSION= 230\n" + lines);
    EXPECT_EQ(settings.gridSize[2], (std::array<double, 2>{4.0, 5.0}));
    EXPECT_EQ(settings.divisionRange[2], (std::array<double, 2>{4.0, 6.0}));
    // No DIVISIONLINEVALUE line: the intervals are the ranges over the division counts.
    EXPECT_EQ(settings.DIVISIONLINEVALUE, (std::array<double, 3>{0.25, 0.25, 0.5}));
    // A file without a version line counts as the current version.
    settings.divisionRange[2] = {0.0, 0.0};
    read(lines);
    EXPECT_EQ(settings.divisionRange[2], (std::array<double, 2>{4.0, 6.0}));
}

TEST_F(ViewFileRead, NoDivisionsLeaveTheIntervalAlone) {
    read("[GRID]\nNUM= 0 2 4\nGRIDSIZE3= 0 1\n");
    EXPECT_EQ(settings.DIVISIONLINEVALUE, (std::array<double, 3>{0.25, 0.5, 0.25}));
}

TEST_F(ViewFileRead, UnreadableFileChangesNothing) {
    test::TemporaryFolder folder;
    RecordingUi ui;
    settings.MODE = 2;
    EXPECT_EQ(readViewSettingsFile(folder.file("missing.ini"), settings, dataSet, ui), 1);
    EXPECT_EQ(readViewSettingsFile(folder.path(), settings, dataSet, ui), 1); // a folder
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"視覚設定ファイルが開けません", "視覚設定ファイルが開けません"}));
    EXPECT_EQ(settings.MODE, 2);
    EXPECT_EQ(settings.gridSize[2], (std::array<double, 2>{-0.5, 0.5}));
}

TEST_F(ViewFileRead, ReadsAFileFromDisk) {
    test::TemporaryFolder folder;
    RecordingUi ui;
    const std::string path = folder.file("view.ini");
    ASSERT_TRUE(writeFileAtomically(path, "[GRAPH]\r\nMODE= 2\r\n"));
    EXPECT_EQ(readViewSettingsFile(path, settings, dataSet, ui), 0);
    EXPECT_EQ(settings.MODE, 2);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ViewFileRead, LongLinesAreReadWhole) {
    const std::string longTitle(100000, 'a');
    read("[LABEL]\nTITLE= " + longTitle + "\n[GRAPH]\nMODE= 2 " + std::string(1000000, '7') + "\nHIDE= 1\n");
    EXPECT_EQ(settings.TITLE, longTitle);
    EXPECT_EQ(settings.MODE, std::numeric_limits<int>::max()); // a huge number saturates
    EXPECT_EQ(settings.HIDE, 1);
}

TEST_F(ViewFileRead, BinaryJunkNeverStopsTheReader) {
    std::mt19937 random(12345);
    for (int round = 0; round < 20; ++round) {
        std::string junk(4096, '\0');
        for (char& c : junk) c = static_cast<char>(random() & 0xFF);
        // Sprinkle real headers and keys so that the value paths see junk too.
        junk.insert(random() % junk.size(), "\n[GRID]\nON= ");
        junk.insert(random() % junk.size(), "\n[LABEL]\nTITLE= ");
        junk.insert(random() % junk.size(), "\n[ZAHYO]\nVAL= ");
        applyViewSettingsText(junk, settings, dataSet);
        for (int on : settings.gridOn) EXPECT_TRUE(on == 0 || on == 1);
    }
    // Whatever was read can be written again.
    EXPECT_FALSE(formatViewSettingsFile(settings, SaveItemSelection::allItems()).empty());
}

} // namespace
} // namespace vellum
