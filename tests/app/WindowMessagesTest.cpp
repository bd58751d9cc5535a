// What the window says about a load: the file at fault below the message, the warning for
// a graph without elements, and a material file that belongs to another model.
#include "AppWindowTest.h"
#include "app/SpecificElementsDialog.h"
#include "model/ViewElementForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableView>

namespace vellum {
namespace {

// Answers every message box, keeping its text and, after "|", the lines below it.
class BoxReader {
public:
    BoxReader() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            boxes << box->text() + "|" + box->informativeText();
            box->button(QMessageBox::Ok)->click();
        });
        timer_.start(20);
    }
    QStringList boxes;

private:
    QTimer timer_;
};

class WindowMessages : public testing::AppWindowTest {};

TEST_F(WindowMessages, AFailedJobNamesTheFileAndAGraphWithoutElementsIsNotSilent) {
    auto frame = frameWith("");
    const QString missing = QString::fromStdString(folder.write("jobs/missing.dat", "PointFile=none.txt\n"));
    {
        BoxReader person;
        frame->view().openPath(missing);
        EXPECT_EQ(person.boxes,
                  QStringList({QStringLiteral("節点ファイルのオープンに失敗しました\nファイルの有無を確認してください|"),
                               QStringLiteral("節点ファイルを確認してください|対象ファイル: ") +
                                   QString::fromStdString(folder.path()) + "jobs/none.txt（ファイルがありません）"}));
    }

    // One row of nodes makes no automatic mesh: the nodes are drawn, and the window says why.
    folder.write("jobs/row.txt", "1 0 0 0\n2 1 0 0\n3 2 0 0\n");
    const QString row = QString::fromStdString(folder.write("jobs/row.dat", "PointFile=row.txt\n"));
    {
        BoxReader person;
        frame->view().openPath(row);
        EXPECT_EQ(person.boxes,
                  QStringList(QStringLiteral("警告: オートメッシュで要素ができませんでした（節点がすべて座標2の等しい一つの行にあります）\n"
                                             "節点だけを描きます\n対象ファイル: ") +
                              QString::fromStdString(folder.path()) + "jobs/row.txt|"));
    }
    EXPECT_EQ(frame->view().document().loaded, 1);
}

TEST_F(WindowMessages, TheMaterialDialogSaysWhenItsFileBelongsToAnotherModel) {
    Document document;
    RecordingUi quiet;
    folder.write("m/nodes.txt", "1 0 0\n2 1 0\n3 2 0\n4 0 1\n5 1 1\n6 2 1\n");
    folder.write("m/square.txt", "1 1 2 5 4\n2 2 3 6 5\n");
    folder.write("m/other.txt", "11 1 2 5 4\n");
    folder.write("m/materials.txt", "1 10\n2 20\n");
    ASSERT_EQ(document.RunCommandLineFile(quiet, folder.write("m/a.dat", "PointFile=nodes.txt\nElementFile=square.txt\n"), {}),
              0);
    ViewElementForm form(document);
    form.readMaterialFile(document, quiet, folder.path() + "m/materials.txt");
    form.hideRows({1});
    ASSERT_EQ(document.ApplySpecificElements(quiet, form.choice()), 0);
    ASSERT_EQ(document.RunCommandLineFile(quiet, folder.write("m/b.dat", "PointFile=nodes.txt\nElementFile=other.txt\n"), {}),
              0);

    testing::FakeChooser none;
    SpecificElementsDialog dialog(ViewElementForm(document), document, none, quiet);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.nameEdit()->text(), QStringLiteral("materials.txt"));
    EXPECT_TRUE(dialog.fitNote()->isVisible());
    EXPECT_TRUE(dialog.fitNote()->text().startsWith(
        QStringLiteral("このモデルにない要素番号がマテリアルファイルに 2 行あります（最初は要素 1）")));
    // The hidden choice stays, counted over the elements on screen.
    const QAbstractItemModel* hidden = dialog.hiddenList()->model();
    ASSERT_EQ(hidden->rowCount(), 1);
    EXPECT_EQ(hidden->data(hidden->index(0, 0)).toString(), QStringLiteral("20"));
    EXPECT_EQ(hidden->data(hidden->index(0, 1)).toString(), QStringLiteral("0"));
    EXPECT_TRUE(quiet.messages.empty());
}

} // namespace
} // namespace vellum
