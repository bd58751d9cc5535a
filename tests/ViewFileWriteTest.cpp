#include "common/Encoding.h"
#include "common/FileIo.h"
#include "tests/support/RecordingUi.h"
#include "settings/ViewSettingsFile.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vellum {
namespace {

std::string joinCrLf(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

// The whole file for the start defaults with every item on, line by line in writing order.
const std::string kDefaultFile = joinCrLf({
    "[VERSION]", "VERSION= 230",
    "[GRAPH]", "MODE= 0", "MODE2= 5", "HIDE= 0", "HIDE2= 0",
    "SUISEN1= 0", "SUISEN2= 0", "SUISENCOLOR= 128 128 128", "SUISENWIDTH= 1.000000", "SUISENSTYLE= 0",
    "DIM= 1",
    "WIREMODE= 2", "WIRECOLOR= 0 0 0", "WIREWID= 1.000000", "WIRESTYLE= 0",
    "POINTSIZE= 3.000000", "POINTSIZEDATA= 0", "POINTBALL= 0", "POINTMODE= 0", "POINTCOLOR= 0 0 0",
    "CONT= 1", "CONTNUM= 16", "CONTWID= 1.000000", "CONTSTYLE= 0", "CONTMODE= 0", "CONTCOLOR= 0 0 0",
    "VECLEN= 1.000000", "VECWID= 1.000000", "VECSIZE= 1.000000", "VEC0= 1", "VEC_COM_LEN= 0", "VECMODE= 0",
    "VECCOLOR= 0 0 0",
    "[GRAPH2]",
    "WIREMODE= 2", "WIRECOLOR= 0 0 0", "WIREWID= 1.000000", "WIRESTYLE= 0",
    "POINTSIZE= 3.000000", "POINTSIZEDATA= 0", "POINTBALL= 0", "POINTMODE= 0", "POINTCOLOR= 0 0 0",
    "CONT= 1", "CONTNUM= 16", "CONTWID= 1.000000", "CONTSTYLE= 0", "CONTMODE= 0", "CONTCOLOR= 0 0 0",
    "VECLEN= 1.000000", "VECWID= 1.000000", "VECSIZE= 1.000000", "VEC0= 1", "VEC_COM_LEN= 0", "VECMODE= 0",
    "VECCOLOR= 0 0 0",
    "[GRAPHPOSITION]", "POSITION= 0.000000 0.000000 0.000000", "DIGREE= 1800 1800 1800", "RECTSCALE= 0",
    "SCALE123= 1.000000", "SCALE= 1.000000 1.000000 1.000000", "WINDOW= 640 0 0 480 1", "BACKCOLOR= 255 255 255",
    "[COLOR]", "MODE= 16", "MODE2= 16", "ORIGN1= 0 0 0", "ORIGN2= 128 128 128", "ORIGN3= 255 255 255",
    "[GRID]", "FREESPACE= 0", "GRIDDEV= 0", "ON= 1 0 1 0 0 1", "STYLE= 0", "STYLE2= 0", "DWID= 1.000000",
    "DWID2= 1.000000", "COLOR= 0 0 0", "COLOR2= 0 0 0", "NUM= 4 4 4", "DIVISIONLINESTYLE= 0",
    "DIVISIONLINEVALUE= 0.250000 0.250000 0.250000", "DIVISIONLINEVALUE1= -0.500000 0.500000",
    "DIVISIONLINEVALUE2= -0.500000 0.500000", "DIVISIONLINEVALUE3= -0.500000 0.500000",
    "VAL= 0 0 0", "POS1= 0.000000 0.000000 0.000000", "POS2= 0.000000 0.000000 0.000000",
    "POS3= 0.000000 0.000000 0.000000", "VALSTYLE= 0 0 0", "VALSHO= 3 3 3", "STRINGCOLOR= 0 0 0",
    "GRIDSIZE1= -0.500000 0.500000", "GRIDSIZE2= -0.500000 0.500000", "GRIDSIZE3= -0.500000 0.500000",
    "[HANREI]", "ON= 1 0", "SCALE= 0.100000 1.500000", "STYLE= 0", "SHO= 3", "NUM= 10", "STRINGCOLOR= 0 0 0",
    "POS= 0.000000 0.000000 0.000000", "MAX= 0.000000", "MIN= 0.000000",
    "[ZAHYO]", "ON= 1", "STYLE= 0", "WID= 1.000000", "COLOR= 0 0 0", "SCALE= 1.000000",
    "POS= 0.000000 0.000000 0.000000", "VAL= 1 2 3",
    "[LABEL]", "TITLE= ", "STRINGCOLOR0= 0 0 0", "TITLEPOS= 0.000000 0.000000",
    "LABEL1= ", "STRINGCOLOR1= 0 0 0", "LABEL1POS= 0.000000 0.000000 0.000000 0",
    "LABEL2= ", "STRINGCOLOR2= 0 0 0", "LABEL2POS= 0.000000 0.000000 0.000000 0",
    "LABEL3= ", "STRINGCOLOR3= 0 0 0", "LABEL3POS= 0.000000 0.000000 0.000000 0",
});

TEST(ViewFileWrite, DefaultsWithEveryItemOnGiveTheFullLayout) {
    ViewSettings settings;
    EXPECT_EQ(formatViewSettingsFile(settings, SaveItemSelection::allItems()), kDefaultFile);
}

TEST(ViewFileWrite, EveryItemOffWritesOnlyTheTenFixedLines) {
    ViewSettings settings;
    SaveItemSelection none;
    none.setAll(0);
    EXPECT_EQ(formatViewSettingsFile(settings, none),
              joinCrLf({"[VERSION]", "VERSION= 230", "[GRAPH]", "[GRAPH2]", "[GRAPHPOSITION]", "[COLOR]", "[GRID]",
                        "[HANREI]", "[ZAHYO]", "[LABEL]"}));
}

TEST(ViewFileWrite, ItemsChooseTheirLinesAndGroupFlagsDecideNothing) {
    ViewSettings settings;
    SaveItemSelection selection; // the defaults: the window size is off
    std::string text = formatViewSettingsFile(settings, selection);
    EXPECT_EQ(text.find("WINDOW="), std::string::npos);
    EXPECT_NE(text.find("BACKCOLOR= 255 255 255\r\n"), std::string::npos);

    selection.set(SaveItem::graphpos1, 0);
    selection.set(SaveItem::graphpos0, 1); // a group flag alone writes nothing
    text = formatViewSettingsFile(settings, selection);
    EXPECT_EQ(text.find("DIGREE="), std::string::npos);
    EXPECT_NE(text.find("[GRAPHPOSITION]\r\nPOSITION= 0.000000 0.000000 0.000000\r\nRECTSCALE= 0\r\n"),
              std::string::npos);

    // The projection's options are governed by their own items.
    selection = SaveItemSelection();
    selection.set(SaveItem::graph11, 0);
    text = formatViewSettingsFile(settings, selection);
    const size_t graph2 = text.find("[GRAPH2]");
    EXPECT_NE(text.find("CONTNUM= 16"), std::string::npos);
    EXPECT_EQ(text.find("CONTNUM= 16", graph2), std::string::npos);
}

TEST(ViewFileWrite, TextsAreCp932AndValuesFollowTheRecord) {
    ViewSettings settings;
    settings.TITLE = "応力 分布";
    settings.axesVal = {"Ｘ軸", "y", "z"};
    settings.MAX = 12.5;
    settings.RECTSCALE = 1;
    settings.labelAngle[1] = 90;
    settings.SCALE123 = -0.0000004; // rounds to minus zero at six decimals
    const std::string bytes = formatViewSettingsFile(settings, SaveItemSelection::allItems());
    EXPECT_NE(bytes.find(utf8ToCp932("TITLE= 応力 分布\r\n")), std::string::npos);
    EXPECT_NE(bytes.find(utf8ToCp932("VAL= Ｘ軸 y z\r\n")), std::string::npos);
    EXPECT_EQ(bytes.find("応力"), std::string::npos); // not UTF-8
    EXPECT_NE(bytes.find("MAX= 12.500000\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("RECTSCALE= 1\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("LABEL2POS= 0.000000 0.000000 0.000000 90\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("SCALE123= -0.000000\r\n"), std::string::npos);
}

TEST(ViewFileWrite, ALineBreakInATextCannotStartANewLine) {
    ViewSettings settings;
    settings.TITLE = "a\r\nMODE= 3";
    const std::string bytes = formatViewSettingsFile(settings, SaveItemSelection::allItems());
    EXPECT_NE(bytes.find("TITLE= a  MODE= 3\r\n"), std::string::npos);
}

TEST(ViewFileWrite, WritesTheFileAndReportsAFailure) {
    test::TemporaryFolder folder;
    ViewSettings settings;
    RecordingUi ui;
    const std::string path = folder.file("view.ini");
    ASSERT_EQ(writeViewSettingsFile(path, settings, SaveItemSelection::allItems(), ui), 0);
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path, bytes));
    EXPECT_EQ(bytes, kDefaultFile);
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(writeViewSettingsFile(folder.file("missing/view.ini"), settings, SaveItemSelection::allItems(), ui), 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"設定ファイルのエクスポートに失敗しました"});
}

TEST(ViewFileWrite, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
    test::TemporaryFolder folder;
    ViewSettings settings;
    RecordingUi ui;
    // A folder in the file's place cannot be replaced: what is there must stay as it was.
    const std::string path = folder.file("view.ini");
    std::filesystem::create_directory(path);
    ASSERT_TRUE(writeFileAtomically(path + "/keep", "old"));
    EXPECT_EQ(writeViewSettingsFile(path, settings, SaveItemSelection::allItems(), ui), 1);
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path + "/keep", bytes));
    EXPECT_EQ(bytes, "old");
    size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1u); // no temporary file left beside it
}

} // namespace
} // namespace vellum
