// The files a person reads and writes on command, and the backups at closing.
#include "batch/CommandLineFile.h"
#include "batch/DataExport.h"
#include "batch/FileNameResolution.h"
#include "common/FileIo.h"
#include "common/UserPaths.h"
#include "model/Document.h"
#include "model/FaultNotes.h"
#include "settings/ViewSettingsFile.h"

namespace vellum {

int Document::ReadViewSettingsFile(Ui& ui, const std::string& path) {
    FileSet& f = dataSet.files;
    f.viewFilePath = path;
    f.viewFileName = finalComponent(path);
    // Read into a copy, so that the change can be measured against the look in force.
    ViewSettings edited = look;
    if (readViewSettingsFile(path, edited, dataSet, ui) != 0) return 1;
    ApplyLook(ui, edited); // a normalisation failure has shown its message; the look stays
    return 0;
}

int Document::WriteViewSettingsFile(Ui& ui, const std::string& path) {
    FileSet& f = dataSet.files;
    f.viewFilePath = path;
    f.viewFileName = finalComponent(path);
    return writeViewSettingsFile(path, look, saveItems, ui);
}

int Document::ExportNodeFile(Ui& ui, const std::string& path) { return exportNodeFile(dataSet, path, ui); }

int Document::ExportElementFile(Ui& ui, const std::string& path) { return exportElementFile(dataSet, path, ui); }

int Document::WriteBackups(Ui& ui, const std::string& folder) {
    if (loaded != 1) return 0;
    makeFolders(folder); // a failure shows up as the writers' own messages
    FileSet& f = dataSet.files;

    // Every item, whatever the stored selection says (which stays as it is).
    f.viewFilePath = folder + kBackupViewFile;
    int result = writeViewSettingsFile(f.viewFilePath, look, SaveItemSelection::allItems(), ui);
    if (result != 0) noteUnwritableBackup(ui, f.viewFilePath);

    // The backup names every file by its full path, whatever the absolute-path option says.
    f.pointFileName = f.pointFilePath;
    f.elementFileName = f.elementFilePath;
    f.dataFileName = f.dataFilePath;
    f.stlFileName = f.stlFilePath;
    f.viewFileName = f.viewFilePath;
    if (writeCommandLineFile(folder + kBackupCommandFile, options, dataSet, look.selectedColumn, 1, ui) != 0) {
        // Without a node file or an STL file there is nothing to write and nothing to say.
        if (!f.pointFileName.empty() || !f.stlFileName.empty()) noteUnwritableBackup(ui, folder + kBackupCommandFile);
        result = 1;
    }
    return result;
}

} // namespace vellum
