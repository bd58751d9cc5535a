// Probes on a shown window: the value under the pointer in the status bar, pins by a
// Ctrl-click drawn on the graph, copied as text and deleted in their dialog, and the
// markers of the extremes switched by the key P, the menu and a look file.
#include "AppWindowTest.h"
#include "app/PinListDialog.h"
#include "model/CommandTable.h"

#include <QAction>
#include <QClipboard>
#include <QCursor>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>

namespace vellum {
namespace {

using testing::ModalScript;

const QString kKeyGuide = QStringLiteral("ｷｰｶﾞｲﾄﾞ[a-d/w-x/q-c：回転　e-z：拡大　↑↓←→：平行移動 r：再描画 p：最大最小]");

class Probes : public testing::AppWindowTest {
protected:
    std::unique_ptr<MainWindow> frame;

    void SetUp() override {
        AppWindowTest::SetUp();
        frame = frameWith("plate/plate.dat");
        ASSERT_EQ(view().document().loaded, 1);
    }
    GraphView& view() { return frame->view(); }
    QString message() const { return frame->statusBar()->currentMessage(); }
    QPoint middle() { return QPoint(view().width() / 2, view().height() / 2); }
    // The X server's own pointer goes there too: its motion events would otherwise probe
    // wherever it happens to stand after ours.
    void pointAt(QPoint at) {
        QCursor::setPos(view().mapToGlobal(at));
        QTest::qWait(50);
        QTest::mouseMove(&view(), at);
    }
};

TEST_F(Probes, ThePointerReadsTheGraphAndACtrlClickPinsWhatItReads) {
    const auto turn = view().document().look.DIGREE;
    const RgbImage unpinned = view().capture();

    pointAt(middle());
    EXPECT_TRUE(message().startsWith(QStringLiteral("節点 "))) << message().toStdString();
    EXPECT_TRUE(message().contains(QStringLiteral(" 値 "))) << message().toStdString();
    pointAt(QPoint(3, 3)); // the corner lies off the graph
    EXPECT_EQ(message(), kKeyGuide);

    // Ctrl let go while the button is still down: the moves that follow turn nothing.
    QTest::mousePress(&view(), Qt::LeftButton, Qt::ControlModifier, middle());
    QTest::mouseMove(&view(), middle() + QPoint(10, 5));
    QTest::mouseMove(&view(), middle() + QPoint(20, 10));
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, middle() + QPoint(20, 10));
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::ControlModifier, QPoint(3, 3)); // nothing there to pin
    ASSERT_EQ(view().document().pins.size(), 1u);
    EXPECT_EQ(view().document().look.DIGREE, turn);
    QTest::qWait(50);
    EXPECT_GT(testing::differingPixels(view().capture(), unpinned), 20) << "the pin is drawn on the graph";

    QApplication::clipboard()->clear();
    QTest::keyClick(frame.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << QApplication::clipboard()->text().toStdString();
    const QStringList cells = lines[1].split(QLatin1Char('\t'));
    EXPECT_EQ(lines[0].split(QLatin1Char('\t')).size(), cells.size()) << lines[0].toStdString();
    bool numbers = cells.size() >= 5;
    for (int i : {0, 2, 3, 4, int(cells.size()) - 1}) {
        bool ok = false;
        cells.value(i).toDouble(&ok);
        numbers = numbers && ok;
    }
    EXPECT_TRUE(numbers) << lines[1].toStdString();
    // The pin holds what the status bar reads at the same place.
    pointAt(middle());
    EXPECT_TRUE(message().startsWith(QStringLiteral("節点 ") + cells[0] + QLatin1Char(' '))) << message().toStdString();

    // The dialog edits a copy: cancel keeps the pin, OK after "削除" drops it.
    ModalScript script;
    script
        .then<PinListDialog>([](PinListDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("ピン留めした値"));
            dialog->removeAllButton()->click();
            EXPECT_EQ(dialog->table()->rowCount(), 0);
            dialog->reject();
        })
        .then<PinListDialog>([](PinListDialog* dialog) {
            ASSERT_EQ(dialog->table()->rowCount(), 1);
            QTableWidget* table = dialog->table();
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(0, 2)).center());
            dialog->removeButton()->click();
            EXPECT_EQ(dialog->table()->rowCount(), 0);
            dialog->accept();
        });
    view().runCommand(command::kPinnedProbes);
    EXPECT_EQ(view().document().pins.size(), 1u);
    view().runCommand(command::kPinnedProbes);
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(view().document().pins.empty());
    QTest::qWait(50);
    EXPECT_LE(testing::differingPixels(view().capture(), unpinned), 0) << "the deleted pin is gone from the graph";
}

TEST_F(Probes, TheDeleteButtonTakesTheRowsNamedInAnyOrderAndKeepsTheirCellsInStep) {
    const Document& doc = view().document();
    std::vector<ProbeTarget> pins;
    for (uint32_t node : {0u, 1u, 2u, 3u}) pins.push_back(ProbeTarget{node, kNoIndex});
    PinListForm form(pins, doc.dataSet, doc.options.dataType, doc.look.selectedColumn);
    const std::vector<std::string> third = form.cells(2);
    form.remove({3, 1, 1, 7, -1});
    EXPECT_EQ(form.pins(), (std::vector<ProbeTarget>{pins[0], pins[2]}));
    ASSERT_EQ(form.rowCount(), 2u);
    EXPECT_EQ(form.cells(1), third);
    form.removeAll();
    EXPECT_TRUE(form.pins().empty());
}

TEST_F(Probes, TheKeyPTheMenuAndALookFileSwitchTheExtremesAndTheTickFollows) {
    QAction* tick = frame->action(command::kShowExtremes);
    ASSERT_TRUE(tick->isCheckable());
    EXPECT_FALSE(tick->isChecked());
    const RgbImage plain = view().capture();

    QTest::keyClick(&view(), Qt::Key_P);
    EXPECT_EQ(view().document().look.showExtremes, 1);
    EXPECT_TRUE(tick->isChecked());
    QTest::qWait(50);
    EXPECT_GT(testing::differingPixels(view().capture(), plain), 20) << "the markers are drawn";
    const std::string look = folder.path() + "extremes.ini";
    chooser.answers = {QString::fromStdString(look)};
    view().runCommand(command::kExportViewSettings);

    tick->trigger();
    EXPECT_EQ(view().document().look.showExtremes, 0);
    EXPECT_FALSE(tick->isChecked());
    QTest::qWait(50);
    EXPECT_LE(testing::differingPixels(view().capture(), plain), 0);

    chooser.answers = {QString::fromStdString(look)};
    view().runCommand(command::kImportViewSettings);
    EXPECT_EQ(view().document().look.showExtremes, 1);
    EXPECT_TRUE(tick->isChecked());
}

} // namespace
} // namespace vellum
