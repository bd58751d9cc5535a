// A result series in the window: the steps checked in the background after the run, the
// step that does not fit named and left out, stepping with the keys and the toolbar's
// step box, the playback stopping at the last step, and one legend range for every step.
#include "AppWindowTest.h"
#include "model/CommandTable.h"

#include <QAction>
#include <QSpinBox>

namespace vellum {
namespace {

class SeriesWindow : public testing::AppWindowTest {
protected:
    std::unique_ptr<MainWindow> frame;
    testing::MessageBoxAnswerer answerer;

    // A 3 x 3 sheet; step k holds n * k at node n, and step 3 lacks node 9.
    std::string writeJob() {
        folder.write("series/nodes.txt", "1 0 0\n2 1 0\n3 2 0\n4 0 1\n5 1 1\n6 2 1\n7 0 2\n8 1 2\n9 2 2\n");
        folder.write("series/elements.txt", "1 1 2 5 4\n2 2 3 6 5\n3 4 5 8 7\n4 5 6 9 8\n");
        for (int step = 1; step <= 4; ++step) {
            std::string rows;
            for (int n = 1; n <= (step == 3 ? 8 : 9); ++n) rows += std::to_string(n) + " " + std::to_string(n * step) + "\n";
            folder.write("series/step_" + std::to_string(step) + ".txt", rows);
        }
        return folder.write("series/job.dat",
                            "PointFile=nodes.txt\nElementFile=elements.txt\nDataSeries=step_*.txt\nAutoExit=0\n");
    }
    GraphView& view() { return frame->view(); }
    QSpinBox* stepBox() { return frame->findChild<QSpinBox*>(QStringLiteral("seriesStep")); }
    double legendTop() { return view().document().look.MAX; }
    void press(Qt::Key key) {
        QTest::keyClick(&view(), key);
        QTest::qWait(20);
    }
};

TEST_F(SeriesWindow, StepsAreCheckedThenShownByKeysAndTheStepBox) {
    frame = frameWith("");
    ASSERT_NE(stepBox(), nullptr);
    EXPECT_FALSE(stepBox()->isVisibleTo(frame.get())) << "no series, no step box";
    view().openPath(QString::fromStdString(writeJob()));
    ASSERT_EQ(view().document().loaded, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view().checkingSeries() && answerer.texts.size() == 1; }, 10000))
        << ::testing::PrintToString(answerer.texts);
    EXPECT_EQ(answerer.texts.front(),
              QStringLiteral("データシリーズの次のステップは使えないため除きました\nstep_3.txt：節点番号 9 のデータがありません"));
    ASSERT_EQ(view().document().series.steps.size(), 3u);
    EXPECT_TRUE(stepBox()->isVisibleTo(frame.get()));
    EXPECT_EQ(stepBox()->text(), QStringLiteral("1/3"));
    EXPECT_DOUBLE_EQ(legendTop(), 9.0);
    const auto turn = view().document().look.DIGREE;

    // The message box took the activation; the keys are shortcuts of the active window.
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    view().setFocus();
    press(Qt::Key_PageDown);
    EXPECT_EQ(stepBox()->text(), QStringLiteral("2/3"));
    EXPECT_DOUBLE_EQ(legendTop(), 18.0);
    press(Qt::Key_End);
    EXPECT_EQ(stepBox()->text(), QStringLiteral("3/3"));
    EXPECT_DOUBLE_EQ(legendTop(), 36.0) << "the dropped step is skipped";
    press(Qt::Key_PageDown); // the last step holds
    EXPECT_EQ(stepBox()->text(), QStringLiteral("3/3"));
    press(Qt::Key_Home);
    EXPECT_EQ(stepBox()->text(), QStringLiteral("1/3"));
    EXPECT_DOUBLE_EQ(legendTop(), 9.0);
    press(Qt::Key_PageUp); // and so does the first
    EXPECT_EQ(stepBox()->text(), QStringLiteral("1/3"));
    EXPECT_EQ(view().document().look.DIGREE, turn);

    // A number typed into the box shows that step.
    stepBox()->setFocus();
    stepBox()->selectAll();
    QTest::keyClicks(stepBox(), QStringLiteral("2"));
    QTest::keyClick(stepBox(), Qt::Key_Return);
    EXPECT_EQ(stepBox()->text(), QStringLiteral("2/3"));
    EXPECT_DOUBLE_EQ(legendTop(), 18.0);
    EXPECT_EQ(answerer.texts.size(), 1) << ::testing::PrintToString(answerer.texts);
}

TEST_F(SeriesWindow, PlaybackStopsAtTheLastStepAndTheFixedRangeHoldsTheLegend) {
    frame = frameWith("");
    view().openPath(QString::fromStdString(writeJob()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view().checkingSeries() && answerer.texts.size() == 1; }, 10000));
    frame->activateWindow(); // back from the message box, for the keys
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    frame->findChild<QSpinBox*>(QStringLiteral("seriesRate"))->setValue(30);
    view().setFocus();
    press(Qt::Key_Space);
    EXPECT_TRUE(view().playing());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view().playing(); }, 5000));
    EXPECT_EQ(stepBox()->text(), QStringLiteral("3/3"));
    // Played again from the last step, it starts over at the first; Space stops it.
    press(Qt::Key_Space);
    EXPECT_EQ(stepBox()->text(), QStringLiteral("1/3"));
    press(Qt::Key_Space);
    EXPECT_FALSE(view().playing());

    QAction* fixed = frame->action(command::kSeriesFixedRange);
    ASSERT_NE(fixed, nullptr);
    EXPECT_FALSE(fixed->isChecked());
    press(Qt::Key_Home);
    fixed->trigger();
    EXPECT_TRUE(fixed->isChecked());
    EXPECT_EQ(view().document().look.seriesFixedRange, 1);
    EXPECT_DOUBLE_EQ(legendTop(), 36.0);
    EXPECT_DOUBLE_EQ(view().document().look.MIN, 1.0);
    press(Qt::Key_PageDown);
    EXPECT_DOUBLE_EQ(legendTop(), 36.0) << "the legend holds while the steps change";
    fixed->trigger();
    EXPECT_FALSE(fixed->isChecked());
    EXPECT_DOUBLE_EQ(legendTop(), 18.0) << "and follows the step again";

    // The image export makes an animation of every step; the window keeps its step.
    chooser.answers = {QString::fromStdString(folder.path() + "series/anim.gif")};
    view().runCommand(command::kExportImage);
    EXPECT_EQ(stepBox()->text(), QStringLiteral("2/3"));
    const std::string check = "/usr/bin/python3 -c \"from PIL import Image; print(Image.open('" + folder.path() +
                              "series/anim.gif').n_frames)\" > " + folder.path() + "frames.txt 2>&1";
    ASSERT_EQ(std::system(check.c_str()), 0) << folder.read("frames.txt");
    EXPECT_EQ(folder.read("frames.txt"), "3\n");
}

} // namespace
} // namespace vellum
