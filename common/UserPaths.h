#pragma once
// Where the program keeps what outlives a run, following the XDG base directories.
#include <string>

namespace vellum {

// $XDG_CONFIG_HOME/vellumPLOT/vellumPLOT.ini (default ~/.config/...).
std::string profilePath();

// $XDG_DATA_HOME/vellumPLOT/ with a trailing "/" (default ~/.local/share/...): the
// program folder that holds the backups.
std::string programFolder();

// Creates `folder` and its parents as needed. False when it cannot be created.
bool makeFolders(const std::string& folder);

} // namespace vellum
