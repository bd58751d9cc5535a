// The cross-section, window, path and saved-item dialogs, opened by their commands on a
// shown window and filled as a person would; what they change in the view and the profile.
#include "AppWindowTest.h"
#include "app/PathsDialog.h"
#include "app/SectionDialog.h"
#include "app/WindowSizeDialog.h"
#include "app/SaveItemsDialog.h"
#include "model/CommandTable.h"
#include "settings/Profile.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace vellum {
namespace {

using testing::MessageBoxAnswerer;
using testing::ModalScript;

class ViewDialogs : public testing::AppWindowTest {
protected:
    std::unique_ptr<MainWindow> frame;

    void SetUp() override {
        AppWindowTest::SetUp();
        frame = frameWith("plate/plate.dat");
        ASSERT_EQ(view().document().loaded, 1);
    }
    GraphView& view() { return frame->view(); }
};

TEST_F(ViewDialogs, TheCrossSectionRefusesAnEmptyBoxAndThenCutsTheGraph) {
    const RgbImage whole = view().capture();
    ModalScript script;
    script
        .then<SectionDialog>([](SectionDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("断面の設定"));
            EXPECT_EQ(dialog->edit(0, 1)->text(), QStringLiteral("2"));
            dialog->edit(0, 0)->setText(QStringLiteral("3"));
            dialog->accept(); // refused: the message, and the dialog stays
            EXPECT_TRUE(dialog->isVisible());
            dialog->resetButton(0)->click();
            EXPECT_EQ(dialog->edit(0, 0)->text(), QStringLiteral("0"));
            dialog->edit(0, 1)->setText(QStringLiteral("1"));
            dialog->accept();
        });
    MessageBoxAnswerer answerer;
    view().runCommand(command::kCrossSection);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(answerer.texts,
              QStringList{"１軸の最小値が最大値より大きくなっています．\nこのままでは何も描画されません．"});
    const DataSet& d = view().document().dataSet;
    EXPECT_EQ(d.sectionBox[1], 1.0);
    EXPECT_EQ(std::count_if(d.elements.begin(), d.elements.end(), [](const auto& e) { return e.visible == 1.0; }),
              400);
    QTest::qWait(50);
    EXPECT_GT(testing::differingPixels(view().capture(), whole), 1000); // half the plate is gone
}

TEST_F(ViewDialogs, TheWindowDialogSizesTheFrameAndPaintsTheBackground) {
    ModalScript script;
    script
        .then<WindowSizeDialog>([](WindowSizeDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Window設定"));
            EXPECT_EQ(dialog->widthEdit()->text(), QStringLiteral("780"));
            dialog->widthEdit()->setText(QStringLiteral("700"));
            dialog->heightEdit()->setText(QStringLiteral("50x"));
            dialog->accept();
            dialog->heightEdit()->setText(QStringLiteral("500"));
            dialog->colourButton()->click();
            EXPECT_EQ(dialog->swatch()->palette().color(QPalette::Window), QColor(0, 64, 128));
            dialog->accept();
        })
        .then<QColorDialog>([](QColorDialog* chooser) {
            EXPECT_EQ(chooser->currentColor(), QColor(255, 255, 255));
            chooser->setCurrentColor(QColor(0, 64, 128));
            chooser->accept();
        });
    MessageBoxAnswerer answerer;
    view().runCommand(command::kWindow);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(answerer.texts, QStringList{"Please enter an integer."});
    EXPECT_EQ(frame->frameGeometry().size(), QSize(700, 500));
    EXPECT_EQ(view().document().look.BACKCOLOR, (RGBColor{0, 64, 128}));
    QTest::qWait(50);
    const RgbImage shown = view().capture();
    size_t background = 0;
    for (size_t i = 0; i < shown.pixels.size(); i += 3)
        background += shown.pixels[i] == 0 && shown.pixels[i + 1] == 64 && shown.pixels[i + 2] == 128;
    EXPECT_GT(background, shown.pixels.size() / 3 / 2);
}

TEST_F(ViewDialogs, PathsAndSavedItemsAreWrittenToTheProfileOnOkOnly) {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    chooser.answers = {QStringLiteral("/data/one"), QString()};
    ModalScript script;
    script.then<PathsDialog>([](PathsDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("パスの追加"));
        dialog->addButton()->click();
        dialog->addButton()->click(); // the browser cancelled: nothing added
        dialog->list()->setCurrentRow(0);
        dialog->desktopButton()->click(); // goes before the selected row
        dialog->fullPathBox()->click();
        dialog->accept();
    });
    view().runCommand(command::kEditPaths);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(chooser.asked, (QStringList{"folder", "folder"}));
    {
        const Profile profile = Profile::openUserProfile();
        EXPECT_EQ(profile.getInt("PATH", "num", -1), 2);
        EXPECT_EQ(profile.getString("PATH", "path0", ""), desktop.toStdString());
        EXPECT_EQ(profile.getString("PATH", "path1", ""), "/data/one");
        EXPECT_EQ(profile.getInt("PATH", "fullPath", -1), 1);
    }

    // Cancel changes nothing; OK writes every flag, the window size's too.
    ModalScript items;
    items.then<SaveItemsDialog>([](SaveItemsDialog* dialog) {
             dialog->box(SaveItem::graphpos1)->click();
             dialog->reject();
         })
        .then<SaveItemsDialog>([](SaveItemsDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("視覚設定保存ファイルの設定"));
            EXPECT_TRUE(dialog->box(SaveItem::graphpos1)->isChecked());
            EXPECT_FALSE(dialog->box(SaveItem::graphpos4)->isEnabled());
            dialog->box(SaveItem::graphgrid0)->click();
            EXPECT_FALSE(dialog->box(SaveItem::graphgrid2)->isEnabled());
            dialog->box(SaveItem::graphpos1)->click();
            dialog->accept();
        });
    view().runCommand(command::kSavedItems);
    EXPECT_EQ(Profile::openUserProfile().getInt("SAVEVIEW", "graphpos1", -1), -1);
    view().runCommand(command::kSavedItems);
    EXPECT_TRUE(items.finished());
    const Profile profile = Profile::openUserProfile();
    EXPECT_EQ(profile.getInt("SAVEVIEW", "graphpos1", -1), 0);
    EXPECT_EQ(profile.getInt("SAVEVIEW", "graphpos4", -1), 1);
    EXPECT_EQ(profile.getInt("SAVEVIEW", "graphgrid0", -1), 1);
    EXPECT_EQ(profile.getInt("SAVEVIEW", "graphlabel8", -1), 1);
    EXPECT_FALSE(view().document().saveItems.on(SaveItem::graphpos1));
}

} // namespace
} // namespace vellum
