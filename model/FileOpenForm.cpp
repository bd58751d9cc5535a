#include "model/FileOpenForm.h"

#include "batch/FileNameResolution.h"
#include "common/Codes.h"
#include "common/Texts.h"
#include "settings/ProfileValues.h"

namespace vellum {

void storeOpenChoice(Profile& profile, const OpenChoice& choice) {
    OpenDialogDefaults defaults;
    defaults.dimension = choice.shape;
    defaults.autoMesh = choice.autoMesh;
    defaults.dataType = choice.dataType;
    defaults.store(profile);
    PolarOptions polar;
    polar.polarCoordinates = choice.polar;
    polar.radianData = choice.radians;
    polar.store(profile);
}

FileOpenForm::FileOpenForm(const FileSet& files, const RunOptions& options, int polar, int radians) {
    choice_.pointFilePath = files.pointFilePath;
    choice_.pointFileName = files.pointFileName;
    choice_.elementFilePath = files.elementFilePath;
    choice_.elementFileName = files.elementFileName;
    choice_.dataFilePath = files.dataFilePath;
    choice_.dataFileName = files.dataFileName;
    choice_.shape = options.shape;
    choice_.dataType = options.dataType;
    choice_.autoMesh = options.autoMesh;
    choice_.polar = polar;
    choice_.radians = radians;
}

void FileOpenForm::setNodeFile(const std::string& path) {
    choice_.pointFilePath = path;
    choice_.pointFileName = finalComponent(path);
}

void FileOpenForm::setElementFile(const std::string& path) {
    choice_.elementFilePath = path;
    choice_.elementFileName = finalComponent(path);
}

void FileOpenForm::setDataFile(const std::string& path) {
    choice_.dataFilePath = path;
    choice_.dataFileName = finalComponent(path);
    choice_.seriesPaths.clear();
}

void FileOpenForm::setDataFiles(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    setDataFile(paths.front());
    if (paths.size() > 1) choice_.seriesPaths = paths;
}

std::string FileOpenForm::dataFieldText() const {
    if (choice_.seriesPaths.size() < 2) return choice_.dataFileName;
    return shownText(TX("%1 ほか %2 個"), {choice_.dataFileName, std::to_string(choice_.seriesPaths.size() - 1)});
}

std::string FileOpenForm::confirm() {
    if (choice_.pointFilePath.empty()) return TX("節点ファイルを選択してください");
    if (choice_.elementFilePath.empty() && choice_.autoMesh == 0) return TX("要素ファイルを選択してください");
    if (choice_.autoMesh == 1) {
        choice_.elementFilePath.clear();
        choice_.elementFileName.clear();
    }
    if (choice_.dataFilePath.empty() && choice_.dataType != kNoDataFile) return TX("データファイルを選択してください");
    if (choice_.dataType == kNoDataFile) {
        choice_.dataFilePath.clear();
        choice_.dataFileName.clear();
        choice_.seriesPaths.clear();
    }
    return {};
}

} // namespace vellum
