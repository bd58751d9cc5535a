// The main window on a real OpenGL context (run under Xvfb): what a person sees after a
// job, the commands it enables, the exports and the backups read back.
#include "../BatchTestFolder.h"
#include "FakeChooser.h"
#include "app/CMainFrame.h"
#include "app/CvellumPLOTView.h"
#include "app/QtUi.h"
#include "model/CommandTable.h"
#include "render/ImageFile.h"
#include "render/OffscreenPicture.h"
#include "tests/support/RecordingUi.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace vellum {
namespace {

namespace fs = std::filesystem;

} // namespace
} // namespace vellum

QT_BEGIN_NAMESPACE
// Readable failures: lists of texts print as their texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }
QT_END_NAMESPACE

namespace vellum {
namespace {

// Answers every message box shown while it lives, as a person clicking through them, and
// keeps their texts.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton button = QMessageBox::Ok) {
        QObject::connect(&timer_, &QTimer::timeout, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            texts << box->text();
            QAbstractButton* answer = box->button(button);
            if (!answer) answer = box->button(QMessageBox::Ok);
            if (answer) answer->click();
        });
        timer_.start(20);
    }
    QStringList texts;

private:
    QTimer timer_;
};

class MainWindow : public ::testing::Test {
protected:
    testing::TempFolder folder;
    testing::FakeChooser chooser;
    QtUi ui;
    std::string examples = folder.path() + "examples/";

    void SetUp() override {
        fs::copy(fs::path(VELLUM_SOURCE_DIR) / "examples", examples, fs::copy_options::recursive);
        // The examples end the program after their picture; these tests keep the window.
        for (const char* job : {"plate/plate.dat", "plate/plate-automesh.dat"}) {
            std::string text = folder.read(std::string("examples/") + job);
            text.replace(text.find("AutoExit=1"), 10, "AutoExit=0");
            folder.write(std::string("examples/") + job, text, true);
        }
    }

    // A frame shown at its start-up size with a job loaded, painted once.
    std::unique_ptr<CMainFrame> frameWith(const std::string& job) {
        auto frame = std::make_unique<CMainFrame>(ui, chooser, false);
        frame->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        frame->activateWindow(); // shortcuts reach the active window only
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        if (!job.empty()) frame->view().openPath(QString::fromStdString(examples + job));
        QTest::qWait(50);
        return frame;
    }
};

int differingPixels(const RgbImage& a, const RgbImage& b) {
    if (a.width != b.width || a.height != b.height) return -1;
    int differing = 0;
    for (size_t i = 0; i < a.pixels.size(); i += 3)
        for (size_t c = 0; c < 3; ++c)
            if (std::abs(int(a.pixels[i + c]) - int(b.pixels[i + c])) > 8) {
                ++differing;
                break;
            }
    return differing;
}

TEST_F(MainWindow, AJobShowsItsCaptionPanesAndTheHeadlessProgramsPicture) {
    auto frame = frameWith("plate/plate.dat");
    CvellumPLOTView& view = frame->view();
    ASSERT_EQ(view.document().loaded, 1);
    EXPECT_EQ(frame->windowTitle().toStdString(), "vellumPLOT - ver.2.41 [" + examples + "plate/nodes.txt]");
    EXPECT_EQ(frame->paneTexts(), (QStringList{"0.00/0.00/0.00", "0.90[1.00/1.00/0.50]", "300/  0/330", "1/-/-"}));

    // The view draws what the headless program draws for the same look and size.
    const RgbImage shown = view.capture();
    ASSERT_GT(shown.width, 0);
    view.doneCurrent(); // the headless picture makes its own context current
    OffscreenRequest request;
    request.width = shown.width;
    request.height = shown.height;
    request.dataSet = view.document().drawable();
    request.state = SceneState{view.document().options.dataType, view.document().modelShape()};
    std::string error;
    const RgbImage headless = PaintOffscreen(view.document().look, request, error);
    ASSERT_TRUE(error.empty()) << error;
    const int differing = differingPixels(shown, headless);
    EXPECT_GE(differing, 0);
    EXPECT_LT(differing, shown.width * shown.height / 200) << "the view and the headless picture differ";
    if (::testing::Test::HasFailure()) {
        RecordingUi quiet;
        ExportImage(quiet, "MainWindow-view.png", shown);
        ExportImage(quiet, "MainWindow-headless.png", headless);
    }
}

TEST_F(MainWindow, CommandsFollowTheGraphAndCtrlOOpensNothing) {
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

TEST_F(MainWindow, ExportsAndTheBackupBringTheGraphBack) {
    {
        auto frame = frameWith("plate/plate.dat");
        chooser.answers = {QString::fromStdString(folder.path() + "out/picture.png"),
                           QString::fromStdString(folder.path() + "out/n.dat"),
                           QString::fromStdString(folder.path() + "out/e.dat"),
                           QString::fromStdString(folder.path() + "out/job.dat")};
        fs::create_directories(folder.path() + "out");
        for (int id : {command::kExportImage, command::kExportNodes, command::kExportElements,
                       command::kExportCommandLine})
            frame->action(id)->trigger();
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
