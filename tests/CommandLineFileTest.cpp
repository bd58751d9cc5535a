#include "batch/CommandLineFile.h"
#include "model/Document.h"
#include "BatchTestFolder.h"
#include "common/Encoding.h"
#include "tests/support/RecordingUi.h"
#include "data/DataSet.h"
#include "settings/ViewSettings.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace vellum {
namespace {

struct Parsed {
    RunOptions options;
    DataSet dataSet;
    ViewSettings view;
    RecordingUi ui;
    CommandLineParse parse;
    void apply(const std::string& text) {
        parse = applyCommandLineText(text, options, dataSet, view, ui, "job.dat");
    }
};

TEST(CommandLineKeys, EveryKeySetsItsTarget) {
    Parsed p;
    p.apply("Dimension=3\nPolarCoordinates=1\nRadianData=1\nDataType=1\nDataNumber=4\n"
            "PointFile=n.txt\nElementFile=e.txt\nDataFile=d.txt\nViewFile=v.ini\nImageFile=out.png\nAutoExit=1\n");
    EXPECT_EQ(p.options.shape, 1);
    EXPECT_EQ(p.options.polarDefault, 1);
    EXPECT_EQ(p.dataSet.polarFlag, 1);
    EXPECT_EQ(p.options.radiansDefault, 1);
    EXPECT_EQ(p.dataSet.radiansFlag, 1);
    EXPECT_EQ(p.options.dataType, 1);
    EXPECT_EQ(p.view.selectedColumn, 4);
    EXPECT_EQ(p.dataSet.files.pointFileName, "n.txt");
    EXPECT_EQ(p.dataSet.files.elementFileName, "e.txt");
    EXPECT_EQ(p.dataSet.files.dataFileName, "d.txt");
    EXPECT_EQ(p.dataSet.files.viewFileName, "v.ini");
    EXPECT_EQ(p.dataSet.files.imageFilePath, "out.png");
    EXPECT_EQ(p.options.exitFlag, 1);
    EXPECT_TRUE(p.parse.pointFileKeySeen);
    EXPECT_TRUE(p.ui.messages.empty());
}

TEST(CommandLineKeys, LastValueWinsAndSeparatorsRunTogether) {
    Parsed p;
    p.apply("Dimension=2>3\nDataType==>>1\nPointFile=a.txt\nPointFile=b.txt>c.txt\n=AutoExit=7\r\n");
    EXPECT_EQ(p.options.shape, 1);
    EXPECT_EQ(p.options.dataType, 1);
    EXPECT_EQ(p.dataSet.files.pointFileName, "c.txt");
    EXPECT_EQ(p.options.exitFlag, 7); // leading separators skipped, CR before LF dropped
}

TEST(CommandLineKeys, UnknownSpacedCommentAndEmptyValueLinesChangeNothing) {
    Parsed p;
    p.dataSet.files.elementFileName = "kept.txt";
    p.options.shape = 0;
    p.apply("Dimension = 3\ndimension=3\n//Dimension=3\n\nElementFile=\nImageFile=\nAutoExit=x\n");
    EXPECT_EQ(p.options.shape, 0);
    EXPECT_EQ(p.dataSet.files.elementFileName, "kept.txt");
    EXPECT_EQ(p.dataSet.files.imageFilePath, "");
    EXPECT_EQ(p.options.exitFlag, 0); // no digits read as 0
    EXPECT_FALSE(p.parse.pointFileKeySeen);
    p.apply("PointFile=\n");
    EXPECT_TRUE(p.parse.pointFileKeySeen);
    EXPECT_EQ(p.dataSet.files.pointFileName, "");
}

TEST(CommandLineKeys, DimensionsAtTheIntegerLimitsNeitherWrapNorOverflow) {
    Parsed p;
    p.apply("Dimension=-2147483648\n");
    EXPECT_EQ(p.options.shape, std::numeric_limits<int>::min());
    p.apply("Dimension=99999999999\n");
    EXPECT_EQ(p.options.shape, std::numeric_limits<int>::max() - 2);

    // The writer's shape + 2 is taken wide, so the text reads back to the same limit.
    DataSet d;
    d.files.pointFileName = "n.txt";
    RunOptions options;
    options.shape = std::numeric_limits<int>::max();
    EXPECT_EQ(formatCommandLineFile(options, d, 0, 0).substr(0, 21), "Dimension=2147483649\n");
    options.shape = std::numeric_limits<int>::min();
    const std::string text = formatCommandLineFile(options, d, 0, 0);
    EXPECT_EQ(text.substr(0, 22), "Dimension=-2147483646\n");
    p.apply(text);
    EXPECT_EQ(p.options.shape, std::numeric_limits<int>::min());
}

TEST(CommandLineKeys, DataNumberFollowsTheDataTypeInForceWhenRead) {
    Parsed before;
    before.apply("DataNumber=1>2>3\nDataType=2\n");
    EXPECT_EQ(before.view.selectedColumn, 3);
    EXPECT_EQ(before.dataSet.vectorColumns, (std::array<int32_t, 3>{0, 1, 2}));

    Parsed after;
    after.apply("DataType=2\nDataNumber=5>1>9>8\n");
    EXPECT_EQ(after.dataSet.vectorColumns, (std::array<int32_t, 3>{5, 1, 9}));
    EXPECT_EQ(after.view.selectedColumn, 0);

    Parsed fewer;
    fewer.dataSet.vectorColumns = {6, 7, 8};
    fewer.apply("DataType=2\nDataNumber=3\n");
    EXPECT_EQ(fewer.dataSet.vectorColumns, (std::array<int32_t, 3>{3, 7, 8}));
}

TEST(CommandLineKeys, OverlongLineIsSkippedWholeWithAMessage) {
    Parsed p;
    const std::string longName(kMaxCommandLineLength, 'x');
    // 4095 characters are read; one more and the line goes, not its tail as a new line.
    p.apply("PointFile=" + longName + "\nDataType=1\n" + "DataFile=" + longName.substr(9) + "\n");
    EXPECT_EQ(p.dataSet.files.pointFileName, "");
    EXPECT_FALSE(p.parse.pointFileKeySeen);
    EXPECT_EQ(p.options.dataType, 1);
    EXPECT_EQ(p.dataSet.files.dataFileName, longName.substr(9));
    ASSERT_EQ(p.ui.messages.size(), 1u);
    EXPECT_EQ(p.ui.messages[0], "コマンドラインファイルの1行目が4095文字を超えるため読み飛ばしました\njob.dat");

    Parsed tail;
    tail.apply(std::string(5000, 'y') + "AutoExit=1");
    EXPECT_EQ(tail.options.exitFlag, 0);
}

TEST(CommandLineKeys, NamesAreReadAsCp932OrUtf8) {
    Parsed cp932;
    cp932.apply(utf8ToCp932("PointFile=節点.txt\n//コメント\n"));
    EXPECT_EQ(cp932.dataSet.files.pointFileName, "節点.txt");
    Parsed utf8;
    utf8.apply("\xEF\xBB\xBFPointFile=節点.txt\n");
    EXPECT_EQ(utf8.dataSet.files.pointFileName, "節点.txt");
}

TEST(CommandLineKeys, ArbitraryBytesNeverBreakTheReader) {
    std::mt19937 random(12345);
    const std::string alphabet = "=>\r\n/ -0123456789PointFileDataNumberType\x81\x40\x82\xA0\xEF\xBB\xBF";
    for (int round = 0; round < 300; ++round) {
        std::string text(random() % 9000, ' ');
        for (char& c : text) c = random() % 4 == 0 ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
        Parsed p;
        p.apply(text);
        EXPECT_LE(p.dataSet.files.pointFileName.size(), 3 * kMaxCommandLineLength);
    }
}

RunOptions loadedOptions() {
    RunOptions o;
    o.shape = 1;
    o.polarDefault = 1;
    o.radiansDefault = 0;
    o.dataType = 0;
    return o;
}

struct Graph {
    DataSet d;
    int column = 2;
};

TEST(CommandLineWriter, WritesTheLinesInOrderByName) {
    Graph g;
    DataSet& d = g.d;
    d.files.pointFileName = "n.txt";
    d.files.pointFilePath = "/data/n.txt";
    d.files.dataFileName = "d.txt";
    d.files.dataFilePath = "/data/d.txt";
    EXPECT_EQ(formatCommandLineFile(loadedOptions(), d, g.column, 0),
              "Dimension=3\nPolarCoordinates=1\nRadianData=0\nDataType=0\nDataNumber=2\n"
              "PointFile=n.txt\nElementFile=\nDataFile=d.txt\n//イメージファイル出力用\nImageFile=\nAutoExit=0\n");

    RunOptions vector = loadedOptions();
    vector.dataType = 2;
    d.vectorColumns = {3, 4, 5};
    d.files.viewFileName = "v.ini";
    d.files.viewFilePath = "/data/v.ini";
    EXPECT_EQ(formatCommandLineFile(vector, d, g.column, 1),
              "Dimension=3\nPolarCoordinates=1\nRadianData=0\nDataType=2\nDataNumber=3>4>5\n"
              "PointFile=/data/n.txt\nElementFile=\nDataFile=/data/d.txt\nViewFile=/data/v.ini\n"
              "//イメージファイル出力用\nImageFile=\nAutoExit=0\n");
}

TEST(CommandLineWriter, CreatesAFileOnlyWhenThereIsSomethingToWrite) {
    testing::TempFolder folder;
    Graph g;
    DataSet& d = g.d;
    RecordingUi ui;
    Document notLoaded;
    EXPECT_EQ(notLoaded.WriteCommandLineFile(ui, folder.path() + "a.dat"), 0);
    EXPECT_FALSE(folder.exists("a.dat"));

    // No node file name: failure, and no empty file left behind.
    EXPECT_EQ(writeCommandLineFile(folder.path() + "b.dat", loadedOptions(), d, g.column, 0, ui), 1);
    EXPECT_FALSE(folder.exists("b.dat"));
    EXPECT_TRUE(ui.messages.empty());

    d.files.pointFileName = "節点.txt";
    EXPECT_EQ(writeCommandLineFile(folder.path() + "c.dat", loadedOptions(), d, g.column, 0, ui), 0);
    const std::string bytes = folder.read("c.dat");
    EXPECT_EQ(bytes, utf8ToCp932(formatCommandLineFile(loadedOptions(), d, g.column, 0)));
    EXPECT_NE(bytes.find(utf8ToCp932("PointFile=節点.txt\n")), std::string::npos);
}

TEST(CommandLineWriter, AFileThatCannotBeCreatedIsReported) {
    testing::TempFolder folder;
    Graph g;
    DataSet& d = g.d;
    d.files.pointFileName = "n.txt";
    RecordingUi ui;
    EXPECT_EQ(writeCommandLineFile(folder.path() + "missing/x.dat", loadedOptions(), d, g.column, 0, ui), 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"コマンドライン処理用のファイル作成に失敗しました"});
}

TEST(CommandLineWriter, WrittenTextReadsBackToTheSameOptions) {
    Graph g;
    DataSet& d = g.d;
    d.files.pointFileName = "n.txt";
    d.files.elementFileName = "e.txt";
    d.files.dataFileName = "d.txt";
    d.files.viewFileName = "v.ini";
    d.vectorColumns = {2, 0, 1};
    RunOptions o = loadedOptions();
    o.dataType = 2;
    Parsed back;
    back.apply(utf8ToCp932(formatCommandLineFile(o, d, g.column, 0)));
    EXPECT_EQ(back.options.shape, o.shape);
    EXPECT_EQ(back.options.polarDefault, o.polarDefault);
    EXPECT_EQ(back.options.radiansDefault, o.radiansDefault);
    EXPECT_EQ(back.options.dataType, 2);
    EXPECT_EQ(back.dataSet.vectorColumns, d.vectorColumns);
    EXPECT_EQ(back.dataSet.files.pointFileName, "n.txt");
    EXPECT_EQ(back.dataSet.files.elementFileName, "e.txt");
    EXPECT_EQ(back.dataSet.files.dataFileName, "d.txt");
    EXPECT_EQ(back.dataSet.files.viewFileName, "v.ini");
    EXPECT_EQ(back.dataSet.files.imageFilePath, "");
    EXPECT_EQ(back.options.exitFlag, 0);
}

} // namespace
} // namespace vellum
