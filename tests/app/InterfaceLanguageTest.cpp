// The window in either interface language: what a person reads follows the language, and
// nothing the program writes does.
#include "AppWindowTest.h"
#include "app/ImageExportDialog.h"
#include "app/QtTranslations.h"
#include "app/sheet/SettingsSheet.h"
#include "common/CommandIds.h"
#include "common/Texts.h"
#include "model/CommandTable.h"
#include "settings/Profile.h"
#include "settings/ProfileValues.h"

#include <QAction>
#include <QComboBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>

namespace vellum {
namespace {

namespace fs = std::filesystem;
using testing::MessageBoxAnswerer;

// Kana, CJK ideographs and the half- and full-width forms: what no English text holds.
bool readsJapanese(const QString& text) {
    static const QRegularExpression japanese(QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    return japanese.match(text).hasMatch();
}

void collectMenuTexts(const QMenu& menu, QStringList& texts) {
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) continue;
        texts << action->text() << action->statusTip() << action->toolTip();
        if (action->menu()) collectMenuTexts(*action->menu(), texts);
    }
}

// Every caption of the window a person reads: menus with their tips, the toolbar's tips,
// the status bar's message and panes.
QStringList windowTexts(MainWindow& frame) {
    QStringList texts;
    for (const QAction* top : frame.menuBar()->actions()) {
        texts << top->text();
        if (top->menu()) collectMenuTexts(*top->menu(), texts);
    }
    for (const QAction* action : frame.findChildren<QAction*>()) texts << action->toolTip() << action->statusTip();
    texts << frame.statusBar()->currentMessage() << frame.paneTexts();
    texts.removeAll(QString());
    return texts;
}

// The settings sheet's tabs, labels, buttons, group titles and choices (not the fonts the
// system offers, whose names are the fonts' own).
QStringList sheetTexts(const QWidget& sheet) {
    QStringList texts;
    for (const QTabWidget* tabs : sheet.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    for (const QLabel* label : sheet.findChildren<QLabel*>()) texts << label->text();
    for (const QAbstractButton* button : sheet.findChildren<QAbstractButton*>()) texts << button->text();
    for (const QGroupBox* box : sheet.findChildren<QGroupBox*>()) texts << box->title();
    for (const QComboBox* combo : sheet.findChildren<QComboBox*>()) {
        if (qobject_cast<const QFontComboBox*>(combo)) continue;
        for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    }
    texts << sheet.windowTitle();
    texts.removeAll(QString());
    return texts;
}

// The language menu names Japanese in Japanese in either language, so that it can be found.
QStringList japaneseAmong(const QStringList& texts) {
    QStringList found;
    for (const QString& text : texts)
        if (readsJapanese(text) && text != QStringLiteral("日本語(&J)")) found << text;
    return found;
}

QString firstMenuCaption(MainWindow& frame) { return frame.menuBar()->actions().front()->text(); }

// The menus a switch replaced go once the event loop deletes them.
void deleteReplacedMenus() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class InterfaceLanguage : public testing::AppWindowTest {
protected:
    void TearDown() override { installInterfaceLanguage(*QCoreApplication::instance(), Language::japanese); }

    struct Seen {
        QStringList window, sheet, messages;
        std::map<std::string, std::string> files; // what the window wrote, by name
    };

    // A person's session in `language`: the plate job, the sheet opened and closed, the look
    // and the command line exported, a job whose node file is missing, the window closed
    // (which writes the backups).
    Seen session(Language language) {
        EXPECT_TRUE(installInterfaceLanguage(*QCoreApplication::instance(), language));
        Seen seen;
        // The same names in both sessions, since the command line names its files by path.
        const std::string out = folder.path() + "out/";
        fs::create_directories(out);
        {
            auto frame = frameWith("plate/plate.dat");
            seen.window = windowTexts(*frame);
            testing::ModalScript script;
            script.then<SettingsSheet>([&seen](SettingsSheet* sheet) {
                seen.sheet = sheetTexts(*sheet);
                sheet->reject();
            });
            frame->action(command::kSettings)->trigger();
            EXPECT_TRUE(script.finished());

            chooser.answers = {QString::fromStdString(out + "look.ini"), QString::fromStdString(out + "job.dat")};
            frame->action(command::kExportViewSettings)->trigger();
            frame->action(command::kExportCommandLine)->trigger();
            {
                MessageBoxAnswerer answerer;
                frame->view().openPath(QString::fromStdString(folder.write("bare/job.dat", "PointFile=n.txt\n", true)));
                seen.messages = answerer.texts;
            }
            frame->view().openPath(QString::fromStdString(examples + "plate/plate.dat"));
            frame->close();
        }
        for (const std::string& name : {out + "look.ini", out + "job.dat", folder.path() + "data/vellumPLOT/bkView.ini",
                                        folder.path() + "data/vellumPLOT/bkCmdLine.dat"}) {
            std::string bytes = folder.read(name.substr(folder.path().size()));
            EXPECT_FALSE(bytes.empty()) << name;
            seen.files[fs::path(name).filename().string()] = bytes;
        }
        return seen;
    }
};

TEST_F(InterfaceLanguage, EnglishIsReadEverywhereJapaneseStaysAndTheFilesAreTheSame) {
    const Seen japanese = session(Language::japanese);
    const Seen english = session(Language::english);

    // Japanese reads exactly the source texts: the menu bar's first caption and the missing
    // node file's messages as they always were.
    ASSERT_FALSE(japanese.window.isEmpty());
    EXPECT_EQ(japanese.window.front(), QString::fromUtf8(mainMenu().front().caption.data(),
                                                         static_cast<qsizetype>(mainMenu().front().caption.size())));
    EXPECT_EQ(japanese.messages, (QStringList{"節点ファイルのオープンに失敗しました\nファイルの有無を確認してください",
                                              "節点ファイルを確認してください"}));
    EXPECT_FALSE(japaneseAmong(japanese.sheet).isEmpty());

    // English: not one caption, tip, tab, label, choice or message left in Japanese.
    EXPECT_EQ(japaneseAmong(english.window).join(" | "), QString());
    EXPECT_EQ(japaneseAmong(english.sheet).join(" | "), QString());
    ASSERT_EQ(english.messages.size(), 2);
    EXPECT_EQ(japaneseAmong(english.messages).join(" | "), QString());
    EXPECT_EQ(english.messages.front().toStdString(),
              englishText("節点ファイルのオープンに失敗しました\nファイルの有無を確認してください"));

    // The look file, the command-line export and both backups do not change by one byte.
    EXPECT_EQ(english.files, japanese.files);
}

// Options > Language switches the open window at once and is remembered for the next start.
TEST_F(InterfaceLanguage, TheLanguageMenuSwitchesTheWindowAndIsRemembered) {
    ASSERT_TRUE(installInterfaceLanguage(*QCoreApplication::instance(), Language::japanese));
    auto frame = frameWith("plate/plate.dat");
    const QString japanese = firstMenuCaption(*frame);
    EXPECT_TRUE(frame->action(command::kLanguageJapanese)->isChecked());

    frame->action(command::kLanguageEnglish)->trigger();
    deleteReplacedMenus();
    EXPECT_EQ(firstMenuCaption(*frame).toStdString(), englishText(japanese.toStdString()));
    EXPECT_TRUE(frame->action(command::kLanguageEnglish)->isChecked());
    EXPECT_FALSE(frame->action(command::kLanguageJapanese)->isChecked());
    EXPECT_EQ(japaneseAmong(windowTexts(*frame)).join(" | "), QString());
    EXPECT_EQ(loadChosenLanguage(Profile::openUserProfile()), Language::english);

    frame->action(command::kLanguageJapanese)->trigger();
    deleteReplacedMenus();
    EXPECT_EQ(firstMenuCaption(*frame), japanese);
    EXPECT_EQ(loadChosenLanguage(Profile::openUserProfile()), Language::japanese);
}

} // namespace
} // namespace vellum
