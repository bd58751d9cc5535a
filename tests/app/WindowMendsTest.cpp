// What a person sees of the window's own parts: Qt's standard texts in the interface's
// language, captions that fit their controls, a refusal over its own page, the first
// start's size and place, and the toolbar's tick in the View menu.
#include "AppWindowTest.h"
#include "app/DataColumnDialog.h"
#include "app/InterfaceStyle.h"
#include "app/QtTranslations.h"
#include "app/sheet/SettingsSheet.h"
#include "app/sheet/SheetPages.h"
#include "model/ColumnChoiceForm.h"
#include "model/CommandTable.h"
#include "settings/Profile.h"
#include "settings/ProfileValues.h"

#include <QAction>
#include <QColorDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QTranslator>

#include <functional>

namespace vellum {
namespace {

// Qt's translations for a test's lifetime only, so other tests see Qt as it starts.
class QtTranslationsScope {
public:
    explicit QtTranslationsScope(const QString& language) {
        installed = installQtTranslations(*QCoreApplication::instance(), language);
    }
    ~QtTranslationsScope() { installQtTranslations(*QCoreApplication::instance(), QStringLiteral("en")); }
    bool installed = false;
};

QStringList buttonTexts(const QWidget& window) {
    QStringList texts;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) texts << button->text();
    return texts;
}

TEST(QtTranslations, StandardButtonsAndChoosersSpeakJapanese) {
    QtTranslationsScope japanese(QStringLiteral("ja"));
    ASSERT_TRUE(japanese.installed) << "Qt's Japanese translations are not installed";
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    ASSERT_NE(cancel, QStringLiteral("Cancel"));

    QMessageBox question(QMessageBox::NoIcon, {}, {}, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(question.button(QMessageBox::Cancel)->text(), cancel);
    QMessageBox yesNo(QMessageBox::NoIcon, {}, {}, QMessageBox::Yes | QMessageBox::No);
    for (QMessageBox::StandardButton b : {QMessageBox::Yes, QMessageBox::No}) {
        const QString shown = yesNo.button(b)->text();
        EXPECT_FALSE(shown.contains(QStringLiteral("Yes")) || shown.contains(QStringLiteral("No"))) << shown.toStdString();
    }

    QColorDialog colours;
    colours.setOption(QColorDialog::DontUseNativeDialog);
    EXPECT_TRUE(buttonTexts(colours).contains(cancel)) << buttonTexts(colours).join('|').toStdString();
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_TRUE(buttonTexts(files).contains(cancel)) << buttonTexts(files).join('|').toStdString();

    // English, for a later interface language, gives Qt's own texts back.
    installQtTranslations(*QCoreApplication::instance(), QStringLiteral("en"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

// Every caption on `window` fits the control that shows it. A group box's title must fit
// the place its style draws it in, measured by advance in bold, the widest a style draws it.
void expectCaptionsFit(const QWidget& window, const std::string& where) {
    for (const QGroupBox* box : window.findChildren<QGroupBox*>()) {
        if (!box->isVisibleTo(&window)) continue;
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        QFont bold = box->font();
        bold.setBold(true);
        const int advance = QFontMetrics(bold).horizontalAdvance(box->title());
        EXPECT_GE(title.width(), advance) << where << ": " << box->title().toStdString();
        EXPECT_LE(title.left() + advance, box->width()) << where << ": " << box->title().toStdString();
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty()) continue;
        EXPECT_LE(label->sizeHint().width(), label->width()) << where << ": " << label->text().toStdString();
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window) || button->text().isEmpty()) continue;
        EXPECT_LE(button->sizeHint().width(), button->width()) << where << ": " << button->text().toStdString();
    }
}

// The program's style for a test's lifetime only.
class InterfaceStyleScope {
public:
    InterfaceStyleScope() : before_(QApplication::style()->name()) {
        installInterfaceStyle(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }
    ~InterfaceStyleScope() { QApplication::setStyle(before_); }

private:
    QString before_;
};

// Runs `check` at the screen's own font size and at one and a half times it, as 144 dots
// per inch shows it beside 96.
void atBothDensities(const std::function<void(const QFont&, const std::string&)>& check) {
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSizeF(normal.pointSizeF() * 1.5);
    check(normal, "96 dpi");
    check(large, "144 dpi");
}

TEST(WindowLayout, EverySheetPagesCaptionsAndTabsFitAt96And144DotsPerInch) {
    InterfaceStyleScope style;
    DataSet dataSet;
    ViewSettings look;
    RecordingUi ui;
    const SheetForm form(look, sheetFactsOf(dataSet, look, kNodeValues, 0));
    atBothDensities([&](const QFont& font, const std::string& density) {
        SettingsSheet sheet(form, ui, 0);
        sheet.setFont(font);
        sheet.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
        const QTabBar* tabs = sheet.tabs()->tabBar();
        EXPECT_LE(tabs->tabRect(kSheetPageCount - 1).right(), tabs->width()) << density << ": a tab is out of sight";
        for (int page = 0; page < kSheetPageCount; ++page) {
            sheet.tabs()->setCurrentIndex(page);
            QApplication::processEvents();
            expectCaptionsFit(*sheet.page(page), density + ", page " + std::to_string(page));
        }
    });
}

TEST(WindowLayout, TheColumnDialogOpensShowingFourDataColumnsAndFifteenRows) {
    DataSet d;
    d.columnCount = 4;
    const double values[4] = {-12345.678901, 0.5, -1.25, 2.0};
    for (int32_t number = 1; number <= 100; ++number) d.rows.append(number * 1000, values, 4);
    RecordingUi ui;
    InterfaceStyleScope style;
    atBothDensities([&](const QFont& font, const std::string& density) {
        DataColumnDialog dialog(ColumnChoiceForm(d, kNodeValues, {0, 0, 0}), ui);
        dialog.setFont(font);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QApplication::processEvents();
        const QTableView* table = dialog.table();
        EXPECT_FALSE(table->horizontalScrollBar()->isVisible()) << density;
        const QHeaderView* columns = table->horizontalHeader();
        EXPECT_LE(columns->sectionViewportPosition(4) + columns->sectionSize(4), table->viewport()->width()) << density;
        EXPECT_GE(table->viewport()->height() / table->verticalHeader()->defaultSectionSize(), 15) << density;
        // The widest number fits its column.
        const QString widest = table->model()->data(table->model()->index(99, 1)).toString();
        EXPECT_LE(table->fontMetrics().horizontalAdvance(widest), columns->sectionSize(1)) << density;
        expectCaptionsFit(dialog, density);
    });
}


TEST(SettingsSheetRefusal, ARefusedEntryIsShownOverItsOwnPage) {
    DataSet dataSet;
    ViewSettings look;
    QtUi ui;
    SettingsSheet sheet(SheetForm(look, sheetFactsOf(dataSet, look, kNodeValues, 0)), ui, sheetpage::kPosition);
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    auto* angle = sheet.page(sheetpage::kPosition)->findChild<QLineEdit*>(QStringLiteral("DIGREE1"));
    ASSERT_NE(angle, nullptr);
    angle->setText(QStringLiteral("400"));

    // What the person sees while the refusal is up, then closes it.
    int pageUnderBox = -1;
    bool fieldShown = false;
    QTimer inspector;
    QObject::connect(&inspector, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        inspector.stop();
        pageUnderBox = sheet.tabs()->currentIndex();
        fieldShown = angle->isVisible();
        box->button(QMessageBox::Ok)->click();
    });
    inspector.start(20);
    QTabBar* tabs = sheet.tabs()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(sheetpage::kGrid).center());

    EXPECT_EQ(pageUnderBox, sheetpage::kPosition);
    EXPECT_TRUE(fieldShown);
    EXPECT_EQ(sheet.tabs()->currentIndex(), sheetpage::kPosition);
    EXPECT_EQ(sheet.activePage(), sheetpage::kPosition);
    EXPECT_EQ(sheet.focusWidget(), angle);
    // Corrected, the page lets the person go on.
    angle->setText(QStringLiteral("10"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(sheetpage::kGrid).center());
    EXPECT_EQ(sheet.tabs()->currentIndex(), sheetpage::kGrid);
    EXPECT_EQ(sheet.activePage(), sheetpage::kGrid);
}

class MainWindowPlacement : public testing::AppWindowTest {};

TEST_F(MainWindowPlacement, AFirstStartOpensCentredAtTheFullSizeAndASavedPlacementWins) {
    {
        MainWindow frame(ui, chooser, true);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        EXPECT_GE(frame.width(), 780);
        EXPECT_GE(frame.height(), 560);
        const QPoint offset = frame.frameGeometry().center() - frame.screen()->availableGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
    }
    {
        Profile profile = Profile::openUserProfile();
        storeWindowPlacement(profile, WindowEdges{700, 40, 30, 530, 1}); // right, left, top, bottom
        ASSERT_TRUE(profile.save());
    }
    MainWindow frame(ui, chooser, true);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_EQ(frame.size(), QSize(660, 500));
}

TEST_F(MainWindowPlacement, TheViewMenusToolbarTickFollowsTheToolbar) {
    auto frame = frameWith("");
    auto* bar = frame->findChild<QToolBar*>(QStringLiteral("toolbar163"));
    ASSERT_NE(bar, nullptr);
    QAction* menuEntry = nullptr;
    for (QAction* top : frame->menuBar()->actions())
        for (QAction* entry : top->menu()->actions())
            if (entry->text() == QStringLiteral("ツール バー(&T)")) menuEntry = entry;
    ASSERT_NE(menuEntry, nullptr);
    ASSERT_TRUE(menuEntry->isChecked());

    // The window's own context menu hides the bar through its view action.
    bar->toggleViewAction()->trigger();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(menuEntry->isChecked());
    bar->toggleViewAction()->trigger();
    EXPECT_TRUE(menuEntry->isChecked());

    menuEntry->trigger();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(bar->toggleViewAction()->isChecked());
    menuEntry->trigger();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(bar->toggleViewAction()->isChecked());
}

} // namespace
} // namespace vellum
