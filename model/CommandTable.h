#pragma once
// Every command of the application as data: its number, the rule that enables it, its
// keys and its status text, and the menus, the context menu and the toolbar that show
// it. The window builds its widgets from this table; tests read it without a window.
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

// Command numbers the window refers to by name.
namespace command {
inline constexpr int kNew = 57600;
inline constexpr int kOpenInert = 57601; // Ctrl+O: handled, does nothing
inline constexpr int kImportCommandLine = 153;
inline constexpr int kImportViewSettings = 154;
inline constexpr int kImportBackup = 270;
inline constexpr int kImportStl = 272;
inline constexpr int kExportImage = 155;
inline constexpr int kExportNodes = 274;
inline constexpr int kExportElements = 156;
inline constexpr int kExportCommandLine = 157;
inline constexpr int kExportViewSettings = 158;
inline constexpr int kExit = 57665;
inline constexpr int kCopy = 57634;
inline constexpr int kToolbar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kChangeColumn = 142;
inline constexpr int kSettings = 144;
inline constexpr int kCrossSection = 145;
inline constexpr int kSpecificElements = 146;
inline constexpr int kWindow = 147;
inline constexpr int kEditPaths = 148;
inline constexpr int kSavedItems = 149;
inline constexpr int kWeb = 150;
inline constexpr int kAbout = 57664;
inline constexpr int kInitialiseView = 200;
inline constexpr int kRedraw = 267;
inline constexpr int kSelectionZoom = 223;
inline constexpr int kPinnedProbes = 300; // the dialog that lists and deletes pinned probes
inline constexpr int kCopyPins = 301;     // the pinned probes as tab-separated text
inline constexpr int kShowExtremes = 302; // the markers of the largest and smallest value
// Result series: stepping through the steps, playing them, one legend range for them all.
inline constexpr int kNextStep = 310;
inline constexpr int kPreviousStep = 311;
inline constexpr int kFirstStep = 312;
inline constexpr int kLastStep = 313;
inline constexpr int kPlaySeries = 314; // starts or stops the playback
inline constexpr int kSeriesFixedRange = 315;
} // namespace command

} // namespace vellum
