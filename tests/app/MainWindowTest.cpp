// The main window on a real OpenGL context (run under Xvfb): what a person sees after a
// job, the commands it enables, the exports and the backups read back.
#include "AppWindowTest.h"
#include "app/ImageExportDialog.h"
#include "model/CommandTable.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QProgressBar>

#include <chrono>

namespace vellum {
namespace {

namespace fs = std::filesystem;
using testing::MessageBoxAnswerer;

class MainWindowJobs : public testing::AppWindowTest {};

TEST_F(MainWindowJobs, AJobShowsItsCaptionPanesAndTheHeadlessProgramsPicture) {
    auto frame = frameWith("plate/plate.dat");
    GraphView& view = frame->view();
    ASSERT_EQ(view.document().loaded, 1);
    EXPECT_EQ(frame->windowTitle().toStdString(), "vellumPLOT - ver.2.41 [" + examples + "plate/nodes.txt]");
    EXPECT_EQ(frame->paneTexts(), (QStringList{"0.00/0.00/0.00", "0.90[1.00/1.00/0.50]", "300/  0/330", "1/-/-"}));
    // The progress bars of the load came and went; every pane is still there to be read.
    for (const char* pane : {"pane161", "pane1", "pane159", "pane160"})
        EXPECT_TRUE(frame->findChild<QLabel*>(QString::fromUtf8(pane))->isVisible()) << pane;

    // The view draws what the headless program draws for the same look and size.
    expectHeadlessPicture(view, "MainWindow");
}

TEST_F(MainWindowJobs, AFinishedStepsFullBarStaysInSightWhileTheNextStepRuns) {
    auto frame = frameWith("");
    auto* bar = frame->findChild<QProgressBar*>();
    auto* caption = frame->findChild<QLabel*>(QStringLiteral("progressCaption"));
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(caption, nullptr);
    ui.beginProgress("節点ファイル展開中");
    ui.setProgress(80);
    ui.endProgress(true);
    const auto ended = std::chrono::steady_clock::now();
    ui.beginProgress("要素ファイル展開中");
    ui.setProgress(30);
    // Within its moment the finished step's full bar is what the person sees.
    if (std::chrono::steady_clock::now() - ended < std::chrono::milliseconds(90)) {
        EXPECT_TRUE(bar->isVisible());
        EXPECT_EQ(bar->value(), 100);
        EXPECT_EQ(caption->text(), QStringLiteral("節点ファイル展開中"));
    }
    // Then the running step's bar, and nothing once it ends.
    QTRY_COMPARE(caption->text(), QStringLiteral("要素ファイル展開中"));
    EXPECT_EQ(bar->value(), 30);
    ui.endProgress(false);
    QTRY_VERIFY(!bar->isVisible());
    EXPECT_FALSE(caption->isVisible());
}

TEST_F(MainWindowJobs, CommandsFollowTheGraphAndCtrlOOpensNothing) {
    auto frame = frameWith("");
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("ver.2.41 - vellumPLOT"));
    EXPECT_EQ(frame->paneTexts(), (QStringList{"平行位置", "拡大率", "回転角", "ﾃﾞｰﾀ列"}));
    EXPECT_FALSE(frame->action(command::kExportImage)->isEnabled());
    EXPECT_TRUE(frame->action(command::kImportBackup)->isEnabled());

    QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(chooser.asked.isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // The command-line import is on Ctrl+Shift+L: it asks for a file (cancelled here).
    QTest::keyClick(frame.get(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(chooser.asked, QStringList{"open 1"});

    frame->view().openPath(QString::fromStdString(examples + "plate/plate-automesh.dat"));
    EXPECT_TRUE(frame->action(command::kExportImage)->isEnabled());
    EXPECT_TRUE(frame->action(command::kChangeColumn)->isEnabled());
    MessageBoxAnswerer answerer;
    frame->view().openPath(QString::fromStdString(folder.write("bare/job.dat", "PointFile=n.txt\n")));
    EXPECT_EQ(frame->view().document().loaded, 0); // n.txt is missing: messages shown, nothing drawn
    EXPECT_EQ(answerer.texts, (QStringList{"節点ファイルのオープンに失敗しました\nファイルの有無を確認してください",
                                           "節点ファイルを確認してください"}));
    EXPECT_FALSE(frame->action(command::kExportImage)->isEnabled());
}

TEST_F(MainWindowJobs, ExportsAndTheBackupBringTheGraphBack) {
    {
        auto frame = frameWith("plate/plate.dat");
        chooser.answers = {QString::fromStdString(folder.path() + "out/picture.png"),
                           QString::fromStdString(folder.path() + "out/n.dat"),
                           QString::fromStdString(folder.path() + "out/e.dat"),
                           QString::fromStdString(folder.path() + "out/job.dat")};
        fs::create_directories(folder.path() + "out");
        // The picture's options are taken as offered: the window's own size.
        testing::ModalScript options;
        options.then<ImageExportDialog>([](ImageExportDialog* dialog) { dialog->accept(); });
        for (int id : {command::kExportImage, command::kExportNodes, command::kExportElements,
                       command::kExportCommandLine})
            frame->action(id)->trigger();
        EXPECT_TRUE(options.finished());
        const QImage picture(QString::fromStdString(folder.path() + "out/picture.png"));
        EXPECT_EQ(picture.size(), frame->view().size() * frame->view().devicePixelRatio());
        EXPECT_NE(folder.read("out/job.dat").find("PointFile=n.dat\n"), std::string::npos);
        EXPECT_NE(folder.read("out/e.dat").find("1\t1\t2\t43\t42\n"), std::string::npos);
        frame->view().document().look.DIGREE = {1810, 1820, 1830};
        frame->close();
    }
    EXPECT_TRUE(folder.exists("data/vellumPLOT/bkView.ini"));
    ASSERT_TRUE(folder.exists("data/vellumPLOT/bkCmdLine.dat"));

    auto again = frameWith("");
    MessageBoxAnswerer yes(QMessageBox::Yes);
    again->action(command::kImportBackup)->trigger();
    EXPECT_EQ(yes.texts, QStringList{"前回終了時のバックアップファイルを読み込みます．"});
    const Document& doc = again->view().document();
    ASSERT_EQ(doc.loaded, 1);
    EXPECT_EQ(doc.look.DIGREE, (std::array<int, 3>{1810, 1820, 1830}));
    EXPECT_EQ(doc.dataSet.files.pointFilePath, folder.path() + "out/n.dat");
    EXPECT_EQ(doc.dataSet.nodes.size(), 861u);
}

} // namespace
} // namespace vellum
