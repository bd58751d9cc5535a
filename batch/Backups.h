#pragma once
// The backups written when a loaded graph's window closes: the whole look as bkView.ini
// and a command-line file bkCmdLine.dat naming every file by its full path, both in the
// program folder, so that the backup import restores the graph later.
#include <string>

namespace vellum {

struct BatchView;

inline constexpr const char* kBackupViewFile = "bkView.ini";
inline constexpr const char* kBackupCommandFile = "bkCmdLine.dat";

// Writes both backups when a graph is loaded; does nothing otherwise. A writer that fails
// shows its own message and the other backup is still written. 0 when both were written
// (or nothing was loaded), 1 otherwise.
int WriteBackups(BatchView& batch);

// The path of the command-line backup, for the backup import.
std::string backupCommandFilePath();

} // namespace vellum
