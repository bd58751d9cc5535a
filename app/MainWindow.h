#pragma once
// CMainFrame: the main window: the menus, toolbar and status bar built from the command table, the
// view in the middle, the saved placement, and the closing steps.
#include "common/Language.h"

#include <QMainWindow>

#include <map>

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace vellum {

class GraphView;
class FileChooser;
class QtUi;
class SeriesBar;
struct MenuEntry;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `placeFromProfile`: false when the program was started with an argument, which keeps
    // the window at its initial size. Without a saved placement the window opens at its
    // initial size, centred on the screen.
    MainWindow(QtUi& ui, FileChooser& chooser, bool placeFromProfile);

    GraphView& view() { return *view_; }
    QAction* action(int id) const;
    // The texts of the four panes, in order (161, 1, 159, 160).
    QStringList paneTexts() const;
    // The exit status the program ends with.
    int exitStatus() const { return exitStatus_; }
    // Shows every caption, tip and status text again in the interface language: the
    // actions take their texts again, the menus are built anew from the command table,
    // and the toolbar, its arrow menus, the series controls and the status bar follow.
    // Safe to call from a menu item's handler (the old menus go once it has returned).
    void retranslate();
    // Options > Language: shows the window in `language` from now on (menus, tips, status
    // texts and every dialog opened afterwards) and keeps the choice in the profile, where
    // both programs find it at their next start.
    void chooseLanguage(Language language);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildActions();
    void setActionTexts();
    QString keyGuide() const;
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    QMenu* buildMenu(const QString& title, const std::vector<MenuEntry>& entries, QWidget* parent);
    void updateCommandStates();
    void updateCaptionAndPanes();
    // False when the profile holds no usable placement.
    bool restorePlacement();
    void centreOnScreen();
    void storePlacement();

    QtUi& ui_;
    GraphView* view_;
    std::map<int, QAction*> actions_;
    QLabel* panes_[4] = {};
    SeriesBar* seriesBar_ = nullptr;
    std::vector<QMenu*> menus_; // the menu bar's menus
    QToolBar* toolbar_ = nullptr;
    std::vector<std::pair<QToolButton*, int>> dropDownButtons_; // buttons with an arrow menu
    int exitStatus_ = 0;
};

} // namespace vellum
