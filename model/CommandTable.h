#pragma once
// Every command of the application as data: its number, the rule that enables it, its
// keys and its status text, and the menus, the context menu and the toolbar that show
// it. The window builds its widgets from this table; tests read it without a window.
#include "common/CommandIds.h"
#include <string_view>
#include <vector>

namespace vellum {

// When a command can be chosen.
enum class EnableRule {
    Always,         // A
    Loaded,         // L: a graph is loaded
    LoadedWithData, // D: a graph with a data file is loaded
    Never,          // X: shown, never enabled
    NoHandler,      // N: nothing handles it, so it is shown disabled
    LoadedWithSeries, // a graph with a result series of more than one step is loaded
};

struct CommandInfo {
    int id = 0;
    EnableRule rule = EnableRule::Always;
    // Up to two key sequences in Qt's portable form ("Ctrl+Shift+L"); empty when none.
    std::string_view keys[2];
    // The status-bar text; a part after "\n" is the tooltip.
    std::string_view statusText;
};

// The state the enable rules look at.
struct CommandState {
    bool loaded = false;
    int dataType = 0;
    bool series = false; // the graph has a result series of more than one step
};

bool commandEnabled(EnableRule rule, const CommandState& state);

// Every command with a handler, a key or a status text; null for an unknown number.
const CommandInfo* findCommand(int id);
const std::vector<CommandInfo>& commandTable();

// The status text before "\n", and the tooltip after it (or the whole text).
std::string_view statusTextOf(const CommandInfo& command);
std::string_view tooltipOf(const CommandInfo& command);
// The same in the interface language, for the window to show. Every Japanese text of this
// table (status texts, menu and submenu captions) is a source text: the window shows it
// through shownText.
std::string_view shownStatusTextOf(const CommandInfo& command);
std::string_view shownTooltipOf(const CommandInfo& command);

struct MenuEntry {
    enum class Kind { Command, Separator, Submenu } kind = Kind::Command;
    int id = 0;                  // the command, for Kind::Command
    std::string_view caption;    // the item's or the submenu's text, with its "&" mnemonic
    std::vector<MenuEntry> items; // a submenu's entries
};

// The menu bar's menus, in order.
const std::vector<MenuEntry>& mainMenu();
// The right-button menu of the view.
const std::vector<MenuEntry>& contextMenu();
// The menu under a toolbar button's arrow (144, 201, 209, 224); empty for other buttons.
const std::vector<MenuEntry>& dropDownMenu(int buttonId);
// The toolbar's buttons in order; 0 stands for a separator.
const std::vector<int>& toolbarButtons();
// The caption a command has in the main menu (the first place it appears), for the
// toolbar's buttons.
std::string_view captionOf(int id);


} // namespace vellum
