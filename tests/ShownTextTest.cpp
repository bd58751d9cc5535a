// The core passes Japanese source texts and the Ui translates what it shows; texts that
// carry a path or a number are composed from a translated pattern. Files never change.
#include "batch/CommandLineFile.h"
#include "common/Language.h"
#include "common/StreamUi.h"
#include "common/Texts.h"
#include "data/DataSet.h"
#include "settings/ViewSettings.h"
#include "tests/support/RecordingUi.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace vellum {
namespace {

constexpr const char* kNodeFileOpenFailed = "節点ファイルのオープンに失敗しました\nファイルの有無を確認してください";
constexpr const char* kLineTooLong = "コマンドラインファイルの%1行目が%2文字を超えるため読み飛ばしました\n%3";

// English for the test's length, Japanese again however the test ends, so that the
// suites that check Japanese texts never see English.
class EnglishShown : public ::testing::Test {
protected:
    void SetUp() override { setInterfaceLanguage(Language::english); }
    void TearDown() override { setInterfaceLanguage(Language::japanese); }
};

TEST_F(EnglishShown, FailedLoadStepHandsTheUiItsSourceTextAndTheStreamPrintsEnglish) {
    test::TemporaryFolder folder;
    DataSet dataSet;
    dataSet.files.pointFilePath = folder.file("missing-nodes.dat");
    RecordingUi recorded;
    EXPECT_EQ(dataSet.ReadNodes(recorded), 1);
    ASSERT_EQ(recorded.messages, std::vector<std::string>{kNodeFileOpenFailed});

    if (englishText(kNodeFileOpenFailed).empty()) GTEST_SKIP() << "the English table has no entry yet";
    std::ostringstream printed;
    StreamUi stream(printed);
    EXPECT_EQ(dataSet.ReadNodes(stream), 1);
    EXPECT_EQ(printed.str(), "Failed to open the node file.\nCheck that the file exists.\n");
}

TEST_F(EnglishShown, ComposedMessageIsEnglishAroundAnUnchangedPath) {
    if (englishText(kLineTooLong).empty()) GTEST_SKIP() << "the English table has no entry yet";
    // A Japanese folder name must come through byte for byte inside the English text.
    const std::string fileName = "/data/解析結果/job.dat";
    RunOptions options;
    DataSet dataSet;
    ViewSettings view;
    std::ostringstream printed;
    StreamUi stream(printed);
    applyCommandLineText("DataType=1\n" + std::string(kMaxCommandLineLength + 1, 'x') + "\n", options, dataSet, view,
                         stream, fileName);
    EXPECT_EQ(printed.str(), "Line 2 of the command-line file is longer than 4095 characters and was skipped.\n" +
                                 fileName + "\n");
    EXPECT_EQ(options.dataType, 1); // the lines around the long one still count
}

TEST_F(EnglishShown, WrittenFilesAreTheSameInEitherLanguage) {
    RunOptions options;
    DataSet dataSet;
    dataSet.files.pointFileName = "nodes.txt";
    const std::string english = formatCommandLineFile(options, dataSet, 0, 0);
    setInterfaceLanguage(Language::japanese);
    const std::string japanese = formatCommandLineFile(options, dataSet, 0, 0);
    EXPECT_EQ(english, japanese);
    EXPECT_NE(japanese.find("//イメージファイル出力用\n"), std::string::npos);
}

TEST(ShownText, JapaneseInterfaceShowsTheSourceBytes) {
    ASSERT_EQ(interfaceLanguage(), Language::japanese);
    std::ostringstream printed;
    StreamUi(printed).showMessage(kNodeFileOpenFailed);
    EXPECT_EQ(printed.str(), std::string(kNodeFileOpenFailed) + "\n");
    EXPECT_EQ(shownText(kLineTooLong, {"3", "4095", "job.dat"}),
              "コマンドラインファイルの3行目が4095文字を超えるため読み飛ばしました\njob.dat");
}

TEST(ShownText, PlaceholdersTakeOnlyTheirOwnArgumentsOnce) {
    // A number past the arguments given, %0 and a % before a non-digit stay as written.
    EXPECT_EQ(shownText("%1 and %3", {"a", "b"}), "a and %3");
    EXPECT_EQ(shownText("100% at %0 and %x", {"a"}), "100% at %0 and %x");
    EXPECT_EQ(shownText("ends in %", {"a"}), "ends in %");
    // A path that itself holds %1 or %2 is put in as it is, never substituted again.
    EXPECT_EQ(shownText("%1 then %2", {"frame_%2.png", "%1"}), "frame_%2.png then %1");
    // One argument may be used twice; %% is no escape, so its second % starts %1.
    EXPECT_EQ(shownText("%1/%1 %%1", {"x"}), "x/x %x");
    EXPECT_EQ(shownText("no placeholders", {}), "no placeholders");
}

} // namespace
} // namespace vellum
