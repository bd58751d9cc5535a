// The file-open dialog pressed and filled as a person would.
#include "FakeChooser.h"
#include "app/FileOpenDialog.h"
#include "common/Codes.h"
#include "tests/support/RecordingUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vellum {
namespace {

TEST(FileOpenDialog, ControlsFollowTheChoicesAndOkRefusesMissingFiles) {
    testing::FakeChooser chooser;
    RecordingUi ui;
    FileSet before;
    before.elementFilePath = "/old/e.txt";
    before.elementFileName = "e.txt";
    FileOpenDialog dialog(FileOpenForm(before, RunOptions{}, 0, 1), chooser, ui);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ファイルオープン"));
    EXPECT_EQ(dialog.dataTypeList()->count(), 4);
    EXPECT_EQ(dialog.dataTypeList()->itemText(2), QStringLiteral("・ﾍﾞｸﾄﾙﾃﾞｰﾀ"));
    EXPECT_EQ(dialog.elementEdit()->text(), QStringLiteral("e.txt"));
    EXPECT_FALSE(dialog.radiansBox()->isEnabled()); // the polar box is clear
    EXPECT_TRUE(dialog.radiansBox()->isChecked());

    dialog.show();
    QTest::mouseClick(dialog.autoMeshBox(), Qt::LeftButton);
    EXPECT_FALSE(dialog.elementBrowse()->isEnabled());
    dialog.dataTypeList()->setCurrentIndex(kNoDataFile);
    EXPECT_FALSE(dialog.dataBrowse()->isEnabled());
    QTest::mouseClick(dialog.polarBox(), Qt::LeftButton);
    EXPECT_TRUE(dialog.radiansBox()->isEnabled());

    // OK without a node file: the message, and the dialog stays open.
    dialog.accept();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"節点ファイルを選択してください"});
    EXPECT_TRUE(dialog.isVisible());

    chooser.answers = {QStringLiteral("/data/plate/nodes.txt")};
    QTest::mouseClick(dialog.nodeBrowse(), Qt::LeftButton);
    EXPECT_EQ(dialog.nodeEdit()->text(), QStringLiteral("nodes.txt"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const OpenChoice& c = dialog.form().choice();
    EXPECT_EQ(c.pointFilePath, "/data/plate/nodes.txt");
    EXPECT_EQ(c.elementFilePath, ""); // the automatic mesh forgets the element file
    EXPECT_EQ(c.autoMesh, 1);
    EXPECT_EQ(c.dataType, kNoDataFile);
    EXPECT_EQ(c.polar, 1);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST(FileOpenDialog, SeveralDataFilesMakeASeriesInTheOrderChosen) {
    testing::FakeChooser chooser;
    RecordingUi ui;
    FileOpenDialog dialog(FileOpenForm(FileSet{}, RunOptions{}, 0, 0), chooser, ui);
    dialog.show();
    chooser.answers = {QStringLiteral("/r/step_10.txt\n/r/step_2.txt\n/r/step_1.txt"), QString(),
                       QStringLiteral("/r/one.txt")};
    QTest::mouseClick(dialog.dataBrowse(), Qt::LeftButton);
    EXPECT_EQ(dialog.dataEdit()->text(), QStringLiteral("step_10.txt ほか 2 個"));
    const OpenChoice& c = dialog.form().choice();
    EXPECT_EQ(c.seriesPaths, (std::vector<std::string>{"/r/step_10.txt", "/r/step_2.txt", "/r/step_1.txt"}));
    EXPECT_EQ(c.dataFilePath, "/r/step_10.txt");
    EXPECT_EQ(c.dataFileName, "step_10.txt");
    // A cancelled browse keeps the series; one file chosen afterwards replaces it.
    QTest::mouseClick(dialog.dataBrowse(), Qt::LeftButton);
    EXPECT_EQ(c.seriesPaths.size(), 3u);
    QTest::mouseClick(dialog.dataBrowse(), Qt::LeftButton);
    EXPECT_EQ(dialog.dataEdit()->text(), QStringLiteral("one.txt"));
    EXPECT_TRUE(c.seriesPaths.empty());
    EXPECT_EQ(chooser.asked, QStringList(3, QStringLiteral("open files 0")));
}

} // namespace
} // namespace vellum
