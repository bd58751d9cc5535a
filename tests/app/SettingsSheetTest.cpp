// The settings sheet on the main window (run under Xvfb): every page filled, changed and
// confirmed is drawn at once; refused entries hold their page; the start page; the look
// saved from the sheet comes back in a new session.
#include "AppWindowTest.h"
#include "app/sheet/SettingsSheet.h"
#include "app/sheet/SheetPages.h"
#include "common/Numbers.h"
#include "model/CommandTable.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include <deque>
#include <functional>
#include <optional>

namespace vellum {
namespace {

using testing::MessageBoxAnswerer;
using testing::differingPixels;

// Acts on the settings sheet once it is shown, as a person would, then presses OK or
// "キャンセル" (OK again while the sheet stays open after a refused entry).
class SheetDriver {
public:
    SheetDriver(std::function<void(SettingsSheet&)> act, bool ok = true) {
        QObject::connect(&timer_, &QTimer::timeout, [this, act, ok] {
            auto* sheet = qobject_cast<SettingsSheet*>(QApplication::activeModalWidget());
            if (!sheet || ran_) return;
            ran_ = true;
            act(*sheet);
            const QString caption = ok ? QStringLiteral("OK") : QStringLiteral("キャンセル");
            for (QAbstractButton* button : sheet->findChild<QDialogButtonBox*>()->buttons())
                if (button->text() == caption) button->click();
            if (sheet->isVisible()) sheet->reject();
        });
        timer_.start(20);
    }
    bool ran() const { return ran_; }

private:
    QTimer timer_;
    bool ran_ = false;
};

// Answers the colour chooser with the queued colours (none: cancel) and keeps the colour
// each one started at.
class ColourChooserAnswerer {
public:
    explicit ColourChooserAnswerer(std::deque<std::optional<QColor>> answers) : answers_(std::move(answers)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (!dialog || answers_.empty()) return;
            started << dialog->currentColor();
            const std::optional<QColor> answer = answers_.front();
            answers_.pop_front();
            if (!answer) {
                dialog->reject();
                return;
            }
            dialog->setCurrentColor(*answer);
            dialog->accept();
        });
        timer_.start(20);
    }
    QList<QColor> started;

private:
    std::deque<std::optional<QColor>> answers_;
    QTimer timer_;
};

template <class Widget>
Widget* on(SettingsSheet& sheet, int page, const char* name) {
    auto* widget = sheet.page(page)->findChild<Widget*>(QString::fromUtf8(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void type(SettingsSheet& sheet, int page, const char* name, const char* text) {
    QLineEdit* edit = on<QLineEdit>(sheet, page, name);
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromUtf8(text));
}

void click(SettingsSheet& sheet, int page, const char* name) { on<QAbstractButton>(sheet, page, name)->click(); }

struct PageCase {
    const char* name;
    int command;
    int page; // the page OK is pressed on
    std::function<void(SettingsSheet&)> fill;
    std::function<void(ViewSettings&)> change;
};

void PrintTo(const PageCase& c, std::ostream* out) { *out << c.name; }

class SheetPages : public testing::AppWindowTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(SheetPages, AChangeConfirmedIsStoredAndDrawnAtOnce) {
    const PageCase& c = GetParam();
    auto frame = frameWith("plate/plate.dat");
    GraphView& view = frame->view();
    ViewSettings expected = view.document().look;
    c.change(expected);
    expected.sheetStartPage = c.page;
    const RgbImage before = view.capture();

    SheetDriver driver([&](SettingsSheet& sheet) {
        EXPECT_EQ(sheet.activePage(), sheetPageOfCommand(c.command));
        c.fill(sheet);
        EXPECT_EQ(sheet.activePage(), c.page);
    });
    frame->action(c.command)->trigger();
    ASSERT_TRUE(driver.ran());
    EXPECT_TRUE(view.document().look == expected) << c.name << ": the look differs from the one expected";
    EXPECT_GT(differingPixels(before, view.capture()), 50) << c.name << ": the picture did not change";
    expectHeadlessPicture(view, std::string("SheetPage-") + c.name);
}

const PageCase kPageCases[] = {
    {"style", 178, 0, [](SettingsSheet& s) { on<QComboBox>(s, 0, "MODE")->setCurrentIndex(2); },
     [](ViewSettings& look) { look.MODE = kGraphPoints; }},
    {"graphOptions", 179, 1,
     [](SettingsSheet& s) {
         // The chooser starts at the current colour; cancelling it keeps the chosen one.
         ColourChooserAnswerer chooser({QColor(255, 0, 0), std::nullopt});
         auto* colour = on<ColourButton>(s, 1, "WIRECOLOR");
         QTest::mouseClick(colour->button(), Qt::LeftButton);
         QTest::mouseClick(colour->button(), Qt::LeftButton);
         EXPECT_EQ(chooser.started, (QList<QColor>{QColor(60, 60, 60), QColor(255, 0, 0)}));
         EXPECT_EQ(colour->swatch()->palette().color(QPalette::Base), QColor(255, 0, 0));
     },
     [](ViewSettings& look) { look.graph.WIRECOLOR = {255, 0, 0}; }},
    {"projectionOptions", 178, 2,
     [](SettingsSheet& s) {
         on<QComboBox>(s, 0, "MODE2")->setCurrentIndex(3); // "ワイヤーフレーム"
         s.tabs()->setCurrentIndex(2);
         EXPECT_EQ(on<QLabel>(s, 2, "note")->text(), QStringLiteral("※　投影図の詳細を設定"));
         type(s, 2, "WIREWID", "3");
     },
     [](ViewSettings& look) {
         look.MODE2 = kGraphWireframe;
         look.projection.WIREWID = 3.0;
     }},
    {"position", 180, 3, [](SettingsSheet& s) { type(s, 3, "DIGREE1", "10"); },
     [](ViewSettings& look) { look.DIGREE[0] = 1810; }},
    {"colour", 181, 4,
     [](SettingsSheet& s) {
         on<QComboBox>(s, 4, "colorMode")->setCurrentIndex(0);
         click(s, 4, "colorInvert");
     },
     [](ViewSettings& look) { look.colorMode = 1; }},
    {"grid", 182, 5, [](SettingsSheet& s) { click(s, 5, "gridOn0"); }, [](ViewSettings& look) { look.gridOn[0] = 0; }},
    {"gridValues", 268, 6, [](SettingsSheet& s) { click(s, 6, "gridVal1"); }, [](ViewSettings& look) { look.gridVal[0] = 1; }},
    {"legend", 183, 7, [](SettingsSheet& s) { click(s, 7, "legendOn1"); }, [](ViewSettings& look) { look.legendOn[0] = 0; }},
    {"axes", 184, 8, [](SettingsSheet& s) { type(s, 8, "axesScale", "3"); }, [](ViewSettings& look) { look.axesScale = 3.0; }},
    {"labels", 185, 9, [](SettingsSheet& s) { type(s, 9, "TITLE", "Sheet"); }, [](ViewSettings& look) { look.TITLE = "Sheet"; }},
};

INSTANTIATE_TEST_SUITE_P(EveryPage, SheetPages, ::testing::ValuesIn(kPageCases),
                         [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

class SettingsSheetWindow : public testing::AppWindowTest {};

TEST_F(SettingsSheetWindow, OkKeepsThePageShownAsTheStartPageAndCancelChangesNothing) {
    auto frame = frameWith("plate/plate.dat");
    GraphView& view = frame->view();
    {
        SheetDriver driver([](SettingsSheet& sheet) {
            EXPECT_EQ(sheet.windowTitle(), QStringLiteral("視覚設定"));
            QStringList captions;
            for (int i = 0; i < sheet.tabs()->count(); ++i) captions << sheet.tabs()->tabText(i);
            EXPECT_EQ(captions, (QStringList{"ｽﾀｲﾙ", "ｵﾌﾟｼｮﾝ", "ｵﾌﾟｼｮﾝ", "ﾎﾟｼﾞｼｮﾝ", "ｶﾗｰ", "ｸﾞﾘｯﾄﾞ", "グリッド値", "凡例",
                                              "軸", "ﾗﾍﾞﾙ"}));
            EXPECT_EQ(sheet.activePage(), sheetpage::kLegend);
            QTest::mouseClick(sheet.tabs()->tabBar(), Qt::LeftButton, {},
                              sheet.tabs()->tabBar()->tabRect(sheetpage::kGrid).center());
        });
        frame->action(183)->trigger();
    }
    EXPECT_EQ(view.document().look.sheetStartPage, sheetpage::kGrid);

    // A double click opens the page last confirmed; cancel forgets every change made.
    const ViewSettings before = view.document().look;
    {
        SheetDriver driver(
            [](SettingsSheet& sheet) {
                EXPECT_EQ(sheet.activePage(), sheetpage::kGrid);
                sheet.tabs()->setCurrentIndex(sheetpage::kLabels);
                type(sheet, sheetpage::kLabels, "TITLE", "forgotten");
                sheet.tabs()->setCurrentIndex(sheetpage::kAxes);
            },
            false);
        QTest::mouseDClick(&view, Qt::LeftButton, {}, view.rect().center());
        EXPECT_TRUE(driver.ran());
    }
    EXPECT_TRUE(view.document().look == before);
    SheetDriver ctrlF([](SettingsSheet& sheet) { EXPECT_EQ(sheet.activePage(), sheetpage::kGrid); }, false);
    frame->activateWindow(); // shortcuts reach the active window only
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QTest::keyClick(frame.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(ctrlF.ran());
}

TEST_F(SettingsSheetWindow, ARefusedEntryHoldsItsPageUntilCorrected) {
    auto frame = frameWith("plate/plate.dat");
    GraphView& view = frame->view();
    // A value read from a file beyond the page's range, in an edit node values switch off.
    view.document().look.graph.VECLEN = 20.0;
    MessageBoxAnswerer answerer;
    SheetDriver driver([&](SettingsSheet& sheet) {
        type(sheet, 1, "CONTNUM", "300");
        sheet.tabs()->setCurrentIndex(sheetpage::kPosition);
        EXPECT_EQ(sheet.tabs()->currentIndex(), sheetpage::kGraphOptions);
        EXPECT_EQ(sheet.focusWidget(), on<QLineEdit>(sheet, 1, "CONTNUM"));
        sheet.accept();
        EXPECT_TRUE(sheet.isVisible());
        type(sheet, 1, "CONTNUM", "40");
        EXPECT_FALSE(on<QLineEdit>(sheet, 1, "VECLEN")->isEnabled());
    });
    frame->action(179)->trigger();
    EXPECT_EQ(answerer.texts, (QStringList{"Please enter an integer between 2 and 256.",
                                           "Please enter an integer between 2 and 256."}));
    EXPECT_EQ(view.document().look.graph.CONTNUM, 40);
    EXPECT_EQ(view.document().look.graph.VECLEN, 20.0);
}

TEST_F(SettingsSheetWindow, TheGridPagesInitialValuesFollowTheAxis3SourceChosenBeforeOk) {
    auto frame = frameWith("plate/plate.dat");
    const Document& doc = frame->view().document();
    ASSERT_EQ(doc.look.DIM, kDimDataValue);
    const QString dataMaximum = QString::fromStdString(formatC("%G", doc.dataSet.columnMaximum[0]));
    const QString xMinimum = QString::fromStdString(formatC("%G", doc.dataSet.minimum[0]));
    SheetDriver driver([&](SettingsSheet& sheet) {
        click(sheet, sheetpage::kStyle, "DIM0");
        sheet.tabs()->setCurrentIndex(sheetpage::kGrid);
        click(sheet, sheetpage::kGrid, "GRIDSIZE3maxInitial");
        click(sheet, sheetpage::kGrid, "GRIDSIZE1minInitial");
        EXPECT_EQ(on<QLineEdit>(sheet, sheetpage::kGrid, "GRIDSIZE3max")->text(), QStringLiteral("0"));
        EXPECT_EQ(on<QLineEdit>(sheet, sheetpage::kGrid, "GRIDSIZE1min")->text(), xMinimum);
        sheet.tabs()->setCurrentIndex(sheetpage::kStyle);
        click(sheet, sheetpage::kStyle, "DIM2");
        sheet.tabs()->setCurrentIndex(sheetpage::kGrid);
        click(sheet, sheetpage::kGrid, "DIVISIONLINEVALUE3maxInitial");
        EXPECT_EQ(on<QLineEdit>(sheet, sheetpage::kGrid, "DIVISIONLINEVALUE3max")->text(), dataMaximum);
        // Division ranges that follow the grid size cannot be edited; the grid size can.
        click(sheet, sheetpage::kGrid, "GRIDDEV");
        EXPECT_FALSE(on<QLineEdit>(sheet, sheetpage::kGrid, "DIVISIONLINEVALUE3max")->isEnabled());
        EXPECT_TRUE(on<QLineEdit>(sheet, sheetpage::kGrid, "GRIDSIZE3max")->isEnabled());
    });
    frame->action(182)->trigger();
    EXPECT_EQ(doc.look.DIM, kDimDataValue);
    EXPECT_EQ(doc.look.gridSize[2][1], 0.0);
    EXPECT_EQ(doc.look.gridSize[0][0], parseRealPrefix(xMinimum.toStdString()).value);
    EXPECT_EQ(doc.look.divisionRange[2][1], parseRealPrefix(dataMaximum.toStdString()).value);
    EXPECT_EQ(doc.look.GRIDDEV, 1);
}

TEST_F(SettingsSheetWindow, ALookMadeInTheSheetAndSavedComesBackInANewSession) {
    const std::string saved = folder.path() + "sheet.ini";
    RgbImage made;
    ViewSettings look;
    {
        auto frame = frameWith("plate/plate.dat");
        SheetDriver driver([](SettingsSheet& s) {
            on<QComboBox>(s, sheetpage::kStyle, "MODE2")->setCurrentIndex(3);
            s.tabs()->setCurrentIndex(sheetpage::kColour);
            on<QComboBox>(s, sheetpage::kColour, "colorMode")->setCurrentIndex(7);
            s.tabs()->setCurrentIndex(sheetpage::kGridValues);
            click(s, sheetpage::kGridValues, "gridVal2");
            s.tabs()->setCurrentIndex(sheetpage::kLegend);
            click(s, sheetpage::kLegend, "legendOn2");
            type(s, sheetpage::kLegend, "legendNum", "5");
            s.tabs()->setCurrentIndex(sheetpage::kLabels);
            type(s, sheetpage::kLabels, "LABEL1", "x");
        });
        frame->action(command::kSettings)->trigger();
        made = frame->view().capture();
        look = frame->view().document().look;
        ASSERT_EQ(look.colorMode, 14);
        chooser.answers = {QString::fromStdString(saved)};
        frame->action(command::kExportViewSettings)->trigger();
        frame->close();
    }
    auto again = frameWith("plate/plate.dat");
    chooser.answers = {QString::fromStdString(saved)};
    again->action(command::kImportViewSettings)->trigger();
    const ViewSettings& read = again->view().document().look;
    EXPECT_EQ(read.MODE2, look.MODE2);
    EXPECT_EQ(read.legendOn, look.legendOn);
    EXPECT_EQ(read.LABEL, look.LABEL);
    const int differing = differingPixels(made, again->view().capture());
    EXPECT_GE(differing, 0);
    EXPECT_LT(differing, made.width * made.height / 200);
}

} // namespace
} // namespace vellum
