#include "batch/Backups.h"

#include "batch/BatchView.h"
#include "batch/CommandLineFile.h"
#include "common/UserPaths.h"
#include "data/DataSet.h"
#include "settings/SaveItemSelection.h"
#include "settings/ViewSettingsFile.h"

namespace vellum {

std::string backupCommandFilePath() { return programFolder() + kBackupCommandFile; }

int WriteBackups(BatchView& b) {
    if (b.options.loaded != 1) return 0;
    const std::string folder = programFolder();
    makeFolders(folder); // a failure shows up as the writers' own messages
    FileSet& f = b.dataSet.files;

    // Every item, whatever the stored selection says (which stays as it is).
    f.viewFilePath = folder + kBackupViewFile;
    int result = writeViewSettingsFile(f.viewFilePath, b.view, SaveItemSelection::allItems(), b.ui);

    // The backup names every file by its full path, whatever the absolute-path option says.
    f.pointFileName = f.pointFilePath;
    f.elementFileName = f.elementFilePath;
    f.dataFileName = f.dataFilePath;
    f.viewFileName = f.viewFilePath;
    if (writeCommandLineFile(folder + kBackupCommandFile, b.options, b.dataSet, b.view, b.ui) != 0) result = 1;
    return result;
}

} // namespace vellum
