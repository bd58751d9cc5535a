#include "app/MainWindow.h"

#include "app/GraphView.h"
#include "app/QtTranslations.h"
#include "app/QtUi.h"
#include "app/SeriesBar.h"
#include "app/ToolbarIcons.h"
#include "model/CommandTable.h"
#include "common/Texts.h"
#include "model/StatusTexts.h"
#include "model/ViewCommands.h"
#include "settings/Profile.h"
#include "settings/ProfileValues.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

namespace vellum {
namespace {

constexpr const char* kEmptyCaption = "ver.2.41 - vellumPLOT";

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
// A source text of the model (a caption of the command table, a pane's caption) in the
// interface language.
QString shown(std::string_view japanese) { return text(shownText(japanese)); }

} // namespace

MainWindow::MainWindow(QtUi& ui, FileChooser& chooser, bool placeFromProfile) : ui_(ui) {
    resize(780, 560);
    setWindowTitle(QString::fromUtf8(kEmptyCaption));
    view_ = new GraphView(ui, chooser, this);
    setCentralWidget(view_);
    ui_.attach(this, statusBar());
    buildActions();
    buildMenus();
    buildToolbar();
    buildStatusBar();
    connect(view_, &GraphView::painted, this, &MainWindow::updateCaptionAndPanes);
    connect(view_, &GraphView::stateChanged, this, &MainWindow::updateCommandStates);
    connect(view_, &GraphView::probed, this, [this](const QString& probe) {
        const QString message = probe.isEmpty() ? keyGuide() : probe;
        // Moves within one node's reach bring the same text: the bar is not redrawn for it.
        if (statusBar()->currentMessage() != message) statusBar()->showMessage(message);
    });
    connect(view_, &GraphView::exitRequested, this, [this](int status) {
        exitStatus_ = status;
        // Ends the program once the current handler has returned, through the closing.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    });
    connect(view_, &GraphView::contextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = buildMenu({}, contextMenu(), this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(at);
    });
    updateCommandStates();
    if (!placeFromProfile || !restorePlacement()) centreOnScreen();
}

QAction* MainWindow::action(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QString MainWindow::keyGuide() const {
    return tr("ｷｰｶﾞｲﾄﾞ[a-d/w-x/q-c：回転　e-z：拡大　↑↓←→：平行移動 r：再描画 p：最大最小]");
}

void MainWindow::buildActions() {
    for (const CommandInfo& command : commandTable()) {
        auto* a = new QAction(this);
        QList<QKeySequence> keys;
        for (std::string_view key : command.keys)
            if (!key.empty()) keys << QKeySequence(text(key));
        a->setShortcuts(keys);
        const int id = command.id;
        connect(a, &QAction::triggered, this, [this, id] { view_->runCommand(id); });
        if (mouseModeOf(id) >= 0 || id == command::kShowExtremes || id == command::kPlaySeries ||
            id == command::kSeriesFixedRange)
            a->setCheckable(true);
        // Shortcuts work even for commands that no menu shows (Ctrl+O).
        addAction(a);
        actions_[id] = a;
    }
    QAction* toolbarToggle = action(command::kToolbar);
    QAction* statusToggle = action(command::kStatusBar);
    toolbarToggle->setCheckable(true);
    statusToggle->setCheckable(true);
    toolbarToggle->setChecked(true);
    statusToggle->setChecked(true);
    disconnect(toolbarToggle, &QAction::triggered, this, nullptr);
    disconnect(statusToggle, &QAction::triggered, this, nullptr);
    connect(statusToggle, &QAction::toggled, statusBar(), &QWidget::setVisible);
    QAction* exit = action(command::kExit);
    disconnect(exit, &QAction::triggered, this, nullptr);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    auto* languages = new QActionGroup(this);
    for (const auto& [id, language] : {std::pair{command::kLanguageJapanese, Language::japanese},
                                      std::pair{command::kLanguageEnglish, Language::english}}) {
        QAction* choice = action(id);
        choice->setCheckable(true);
        languages->addAction(choice);
        disconnect(choice, &QAction::triggered, this, nullptr);
        connect(choice, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
    }
    setActionTexts();
}

void MainWindow::setActionTexts() {
    for (const CommandInfo& command : commandTable()) {
        QAction* a = action(command.id);
        a->setText(shown(captionOf(command.id)));
        a->setStatusTip(text(shownStatusTextOf(command)));
        a->setToolTip(text(shownTooltipOf(command)));
    }
}

void MainWindow::chooseLanguage(Language language) {
    Profile profile = Profile::openUserProfile();
    storeChosenLanguage(profile, language);
    saveProfile(ui_, profile);
    if (language != interfaceLanguage()) {
        installInterfaceLanguage(*QCoreApplication::instance(), language);
        retranslate();
    }
    updateCommandStates();
}

void MainWindow::retranslate() {
    setActionTexts();
    // The old menus may be showing the item that asked for this: they go once it returns.
    menuBar()->clear();
    for (QMenu* menu : menus_) menu->deleteLater();
    menus_.clear();
    buildMenus();
    toolbar_->setWindowTitle(tr("ツール バー"));
    for (const auto& [button, id] : dropDownButtons_) {
        QMenu* old = button->menu();
        button->setMenu(buildMenu({}, dropDownMenu(id), button));
        if (old) old->deleteLater();
    }
    seriesBar_->retranslate();
    updateCommandStates();
    statusBar()->showMessage(keyGuide());
    updateCaptionAndPanes();
}

QMenu* MainWindow::buildMenu(const QString& title, const std::vector<MenuEntry>& entries, QWidget* parent) {
    auto* menu = new QMenu(title, parent);
    for (const MenuEntry& e : entries) {
        switch (e.kind) {
        case MenuEntry::Kind::Separator: menu->addSeparator(); break;
        case MenuEntry::Kind::Submenu: menu->addMenu(buildMenu(shown(e.caption), e.items, menu)); break;
        case MenuEntry::Kind::Command: {
            QAction* primary = action(e.id);
            if (!primary) break;
            if (primary->text() == shown(e.caption)) {
                menu->addAction(primary);
                break;
            }
            // The same command under another caption: an item of its own that follows the
            // command's state and triggers it.
            QAction* copy = menu->addAction(shown(e.caption));
            copy->setStatusTip(primary->statusTip());
            copy->setEnabled(primary->isEnabled());
            connect(primary, &QAction::changed, copy, [copy, primary] { copy->setEnabled(primary->isEnabled()); });
            connect(copy, &QAction::triggered, primary, &QAction::trigger);
            break;
        }
        }
    }
    return menu;
}

void MainWindow::buildMenus() {
    for (const MenuEntry& top : mainMenu()) {
        menus_.push_back(buildMenu(shown(top.caption), top.items, this));
        menuBar()->addMenu(menus_.back());
    }
}

void MainWindow::buildToolbar() {
    // The window's own context menu names the toolbar by its title, as the View menu does.
    QToolBar* bar = addToolBar(tr("ツール バー"));
    toolbar_ = bar;
    bar->setObjectName(QStringLiteral("toolbar163"));
    bar->setMovable(false);
    // One state for the menu's tick and the bar, whichever of the menu and the window's
    // context menu hides it.
    QAction* toggle = action(command::kToolbar);
    connect(toggle, &QAction::toggled, bar, &QWidget::setVisible);
    connect(bar->toggleViewAction(), &QAction::toggled, toggle, &QAction::setChecked);
    for (int id : toolbarButtons()) {
        if (id == 0) {
            bar->addSeparator();
            continue;
        }
        QAction* a = action(id);
        a->setIcon(toolbarIcon(id));
        const std::vector<MenuEntry>& dropDown = dropDownMenu(id);
        if (dropDown.empty()) {
            bar->addAction(a);
            continue;
        }
        // A button with an arrow: the button runs the command, the arrow opens its menu.
        auto* button = new QToolButton(bar);
        button->setDefaultAction(a);
        button->setPopupMode(QToolButton::MenuButtonPopup);
        button->setMenu(buildMenu({}, dropDown, button));
        bar->addWidget(button);
        dropDownButtons_.emplace_back(button, id);
    }
    seriesBar_ = new SeriesBar(bar, *view_, action(command::kPlaySeries));
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->showMessage(keyGuide());
    const char* samples[4] = {"00.00/00.00/00.00", "000.00[00.00/00.00/00.00]", "000/000/000", "0/00/00"};
    const char* names[4] = {"pane161", "pane1", "pane159", "pane160"};
    for (int i = 0; i < 4; ++i) {
        panes_[i] = new QLabel(bar);
        panes_[i]->setObjectName(QString::fromUtf8(names[i]));
        panes_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panes_[i]->setAlignment(Qt::AlignCenter);
        panes_[i]->setMinimumWidth(panes_[i]->fontMetrics().horizontalAdvance(QString::fromUtf8(samples[i])) + 8);
        bar->addPermanentWidget(panes_[i]);
    }
    updateCaptionAndPanes();
}

QStringList MainWindow::paneTexts() const {
    QStringList texts;
    for (const QLabel* pane : panes_) texts << pane->text();
    return texts;
}

void MainWindow::updateCaptionAndPanes() {
    const Document& doc = view_->document();
    const bool drawn = doc.loaded == 1 && view_->hasPainted();
    const StatusPanes panes =
        drawn ? statusPanesFor(doc.look, doc.dataSet, doc.options.dataType) : statusPaneCaptions();
    if (drawn) setWindowTitle(text(doc.caption()));
    // Numbers once drawn; before that the panes' captions, which are source texts.
    const auto paneText = [drawn](const std::string& s) { return drawn ? text(s) : shown(s); };
    panes_[0]->setText(paneText(panes.translation));
    panes_[1]->setText(paneText(panes.scale));
    panes_[2]->setText(paneText(panes.rotation));
    panes_[3]->setText(paneText(panes.column));
}

void MainWindow::updateCommandStates() {
    const Document& doc = view_->document();
    const CommandState state{doc.loaded == 1, doc.options.dataType, view_->hasSeries()};
    for (const auto& [id, a] : actions_) {
        if (id == command::kToolbar || id == command::kStatusBar) continue;
        a->setEnabled(commandEnabled(findCommand(id)->rule, state));
        if (id == command::kShowExtremes) a->setChecked(doc.look.showExtremes != 0);
        else if (id == command::kSeriesFixedRange) a->setChecked(doc.look.seriesFixedRange != 0);
        else if (id == command::kPlaySeries) continue; // the series bar follows the playback
        else if (id == command::kLanguageJapanese) a->setChecked(interfaceLanguage() == Language::japanese);
        else if (id == command::kLanguageEnglish) a->setChecked(interfaceLanguage() == Language::english);
        else if (a->isCheckable()) a->setChecked(mouseModeOf(id) == doc.look.mouseMode);
    }
    if (seriesBar_) seriesBar_->update();
}

bool MainWindow::restorePlacement() {
    const Profile profile = Profile::openUserProfile();
    // The profile's defaults (640 x 480) are too small for the legend's numbers: a first
    // start keeps the initial size instead of taking them.
    if (!hasWindowPlacement(profile)) return false;
    const WindowEdges edges = loadWindowPlacement(profile);
    const long long width = static_cast<long long>(edges.right) - edges.left;
    const long long height = static_cast<long long>(edges.bottom) - edges.top;
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return false;
    move(edges.left, edges.top);
    resize(static_cast<int>(width), static_cast<int>(height));
    if (edges.show == 3) setWindowState(Qt::WindowMaximized);
    return true;
}

void MainWindow::centreOnScreen() {
    const QScreen* shown = screen();
    if (!shown) return;
    QRect placed = geometry();
    placed.moveCenter(shown->availableGeometry().center());
    move(placed.topLeft());
}

void MainWindow::storePlacement() {
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    Profile profile = Profile::openUserProfile();
    storeWindowPlacement(profile, WindowEdges{normal.x() + normal.width(), normal.x(), normal.y(),
                                              normal.y() + normal.height(), isMaximized() ? 3 : 1});
    // Quietly: closing must not stop at a message box (a job that ends the program would
    // wait for a person), and the placement is only a convenience.
    profile.save();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    view_->writeClosingBackups();
    storePlacement();
    event->accept();
}

bool MainWindow::event(QEvent* event) {
    // Leaving a menu item clears the message pane; it then shows the key guide again.
    if (event->type() == QEvent::StatusTip && static_cast<QStatusTipEvent*>(event)->tip().isEmpty()) {
        statusBar()->showMessage(keyGuide());
        return true;
    }
    return QMainWindow::event(event);
}

} // namespace vellum
