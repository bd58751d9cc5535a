// Running and writing command-line files: the batch counterpart of the open command,
// with its own order and its own messages.
#include "batch/CommandLineFile.h"
#include "batch/FileNameResolution.h"
#include "common/FileIo.h"
#include "common/SilentUi.h"
#include "common/Texts.h"
#include "common/Ui.h"
#include "model/Document.h"
#include "model/FaultNotes.h"
#include "model/LoadPrefetch.h"
#include "model/LoadSource.h"
#include "settings/ViewSettingsFile.h"

#include <algorithm>
#include <filesystem>

namespace vellum {
namespace {

constexpr const char* kDataMismatch = TX("データ番号と節点番号/要素番号の対応を確認してください");

const SequenceMessages kRunMessages{
    TX("節点ファイルを確認してください"), TX("要素情報構築失敗"), TX("要素ファイルを確認してください"),
    TX("データファイルを確認して下さい"), kDataMismatch,
};

// The accepted extensions of a command-line file; compared with case, so ".Txt" is not one.
bool isCommandLineExtension(const std::string& extension) {
    for (const char* accepted : {".txt", ".dat", ".TXT", ".DAT", ".stl", ".STL"})
        if (extension == accepted) return true;
    return false;
}

// The folder of the command-line file as an absolute path ending in "/", so that names
// resolve the same whatever the current directory is when they are looked for.
std::string absoluteFolderOf(const std::string& commandFilePath) {
    std::string folder = folderOf(commandFilePath);
    if (!folder.empty() && folder.front() == '/') return folder;
    std::error_code ec;
    std::string current = std::filesystem::current_path(ec).string();
    if (ec) return folder;
    if (current.empty() || current.back() != '/') current += '/';
    return current + folder;
}

// The run names its files relative to the job's folder and the registered folders; a
// file that cannot be found or read loses its name and path.
class JobFiles : public LoadSource {
public:
    JobFiles(FileSet& files, std::string folder, const std::vector<std::string>& searchList)
        : files_(files), folder_(std::move(folder)), searchList_(searchList) {}

    Found locate(LoadFile file, Ui& ui) override {
        auto [name, path] = fields(file);
        if (file != LoadFile::Nodes && name.empty()) {
            path.clear();
            return Found::Skip;
        }
        if (resolveFileName(name, path, folder_, searchList_) != Resolution::NotFound) return Found::Read;
        ui.showMessage(notFoundMessage(file));
        // Named as it would lie beside the job; the registered folders did not have it either.
        noteFileAtFault(ui, name, path);
        failed(file);
        return Found::Fail;
    }
    std::string plannedPath(LoadFile file) override {
        auto [name, path] = fields(file);
        if (file != LoadFile::Nodes && name.empty()) return {};
        std::string plannedName = name, planned = path;
        if (resolveFileName(plannedName, planned, folder_, searchList_) == Resolution::NotFound) return {};
        return planned;
    }
    void failed(LoadFile file) override {
        auto [name, path] = fields(file);
        name.clear();
        path.clear();
    }
    bool fallBackVectorColumns() const override { return true; }

private:
    std::pair<std::string&, std::string&> fields(LoadFile file) { return fieldsOf(files_, file); }
    static const char* notFoundMessage(LoadFile file) {
        switch (file) {
        case LoadFile::Nodes: return TX("節点ファイルが開けません\n節点ファイルの有無，パスを確認してください");
        case LoadFile::Elements: return TX("要素ファイルが開けません\n要素ファイルの有無，パスを確認してください");
        case LoadFile::Data: break;
        }
        return TX("データファイルが開けません\nデータファイルの有無，パスを確認してください");
    }

    FileSet& files_;
    std::string folder_;
    const std::vector<std::string>& searchList_;
};

bool isShownColumn(int column, const DataSet& d) {
    return column >= 0 && static_cast<uint32_t>(column) < d.columnCount;
}

// Makes the graph kinds fit the data type, after a look file may have chosen others.
void fitGraphKinds(ViewSettings& view, const DataSet& d, int dataType) {
    switch (dataType) {
    case kNodeValues:
        if (view.MODE == kGraphVectors) view.MODE = kGraphGradation;
        if (view.MODE2 == kGraphVectors) view.MODE2 = kGraphNone;
        if (!isShownColumn(view.selectedColumn, d)) view.selectedColumn = 0;
        break;
    case kElementValues:
        if (view.MODE >= kGraphContour && view.MODE <= kGraphVectors) view.MODE = kGraphGradation;
        if (view.MODE2 >= kGraphContour && view.MODE2 <= kGraphVectors) view.MODE2 = kGraphNone;
        if (!isShownColumn(view.selectedColumn, d)) view.selectedColumn = 0;
        break;
    case kVectorData:
        break;
    case kNoDataFile:
        view.MODE = kGraphWireframe;
        if (view.MODE2 != kGraphWireframe) view.MODE2 = kGraphNone;
        if (view.DIM == kDimDataValue) view.DIM = kDimNodeCoordinate;
        view.selectedColumn = 0;
        break;
    default:
        view.MODE = kGraphPoints;
        view.MODE2 = kGraphNone;
        view.selectedColumn = 0;
        break;
    }
}

// The image goes beside the command-line file unless its name is absolute.
void placeImageFile(FileSet& f, const std::string& folder) {
    std::string image = withoutQuotes(f.imageFilePath);
    std::replace(image.begin(), image.end(), '\\', '/');
    // A name of quotes only names no file; the folder itself would be no image either.
    if (image.empty()) {
        f.imageFilePath.clear();
        return;
    }
    if (image.front() != '/') image = folder + image;
    f.imageFilePath = image;
    const std::string last = finalComponent(image);
    f.imageExtension = extensionOf(image);
    f.imageFileName = last.substr(0, last.size() - f.imageExtension.size());
}

} // namespace

int Document::RunCommandLineFile(Ui& ui, const std::string& path, const std::vector<std::string>& searchList) {
    WaitCursorScope waitCursor(ui);
    loaded = 0;
    pins.clear(); // pins belong to the graph they were put on
    series = ResultSeries{};
    FileSet& f = dataSet.files;
    f.commandFilePath = withoutQuotes(path);
    std::string bytes;
    if (f.commandFilePath.empty() || !readWholeFile(f.commandFilePath, bytes)) {
        ui.showMessage(TX("引数で指定したファイルが開けません\nファイルの有無，パスを確認してください"));
        noteFileAtFault(ui, f.commandFilePath, f.commandFilePath);
        f.commandFilePath.clear();
        return 1;
    }
    if (!isCommandLineExtension(extensionOf(f.commandFilePath))) {
        ui.showMessage(TX("コマンドラインファイルの拡張子が違います"));
        noteFileAtFault(ui, f.commandFilePath, f.commandFilePath);
        return 1;
    }
    const std::string folder = absoluteFolderOf(f.commandFilePath);
    f.commandFilePath = folder + finalComponent(f.commandFilePath);

    clearCommandLineTargets(options, dataSet, look);
    const CommandLineParse parse = applyCommandLineText(bytes, options, dataSet, look, ui, f.commandFilePath);
    // A file without a node file may name an STL surface instead.
    const bool stlJob = !parse.pointFileKeySeen && !f.stlFileName.empty();
    if (!parse.pointFileKeySeen && !stlJob) {
        ui.showMessage(TX("節点ファイルが指定されていません"));
        noteFileAtFault(ui, f.commandFilePath, f.commandFilePath);
        return 1;
    }
    if (stlJob) {
        if (readStlJob(ui, folder, searchList) != 0) return 1;
    } else {
        f.stlFileName.clear(); // the node file names the model
        if (!f.seriesPatterns.empty() && resolveJobSeries(ui, folder, searchList) != 0) return 1;
        look.resetBeforeLoad();
        JobFiles source(f, folder, searchList);
        if (readModelFiles(ui, source, kRunMessages) != 0) return 1;
        if (tieData(ui, source, kRunMessages) != 0) return 1;
    }
    look.adjustAfterLoad(dataSet, options.dataType);

    if (!f.viewFileName.empty()) {
        if (resolveFileName(f.viewFileName, f.viewFilePath, folder, searchList) == Resolution::NotFound) {
            ui.showMessage(TX("視点設定ファイルが開けません\n視点設定ファイルの有無，パスを確認してください"));
            noteFileAtFault(ui, f.viewFileName, f.viewFilePath);
            f.viewFileName.clear();
            f.viewFilePath.clear();
            return 1;
        }
        // The reader reports its own failure, which does not fail the run.
        if (readViewSettingsFile(f.viewFilePath, look, dataSet, ui) != 0)
            noteFileAtFault(ui, f.viewFileName, f.viewFilePath);
    }

    // A solid takes axis 3 from the node file and draws no perpendiculars. An STL surface
    // is a sheet whatever the shape says; the shape is kept to be written back as read.
    if (stlJob) {
        modelShape_ = kSheetShape;
    } else if (options.shape == kSolidShape) {
        look.SUISEN1 = 0;
        look.SUISEN2 = 0;
        look.DIM = kDimNodeCoordinate;
    } else {
        options.shape = kSheetShape;
    }
    if (!stlJob) modelShape_ = options.shape;
    fitGraphKinds(look, dataSet, options.dataType);
    dataSet.ResetSectionBox();
    // The normalisation shows its own message; the run adds none.
    if (RebuildDrawingData(ui) != 0) return 1;

    if (!f.imageFilePath.empty()) placeImageFile(f, folder);
    if (!series.empty()) ApplySeriesLegend(); // a look file may have asked for the fixed range
    refitMaterials(ui);
    loaded = 1;
    return 0;
}

std::shared_ptr<LoadPrefetch> Document::StartJobParses(const std::string& path,
                                                       const std::vector<std::string>& searchList) {
    // The same reading as the run's up to its load, on a scratch document.
    const std::string file = withoutQuotes(path);
    std::string bytes;
    const std::string extension = extensionOf(file);
    if (file.empty() || !isCommandLineExtension(extension) || isStlExtension(extension) || !readWholeFile(file, bytes))
        return nullptr;
    const std::string folder = absoluteFolderOf(file);
    Document scratch;
    FileSet& f = scratch.dataSet.files;
    f.commandFilePath = folder + finalComponent(file);
    SilentUi silent;
    clearCommandLineTargets(scratch.options, scratch.dataSet, scratch.look);
    const CommandLineParse parse =
        applyCommandLineText(bytes, scratch.options, scratch.dataSet, scratch.look, silent, f.commandFilePath);
    // A series run settles its data file first; an STL job parses nothing ahead.
    if (!parse.pointFileKeySeen || !f.seriesPatterns.empty()) return nullptr;
    JobFiles source(f, folder, searchList);
    // The program that starts has its own work on the starting thread: the parses take the
    // time it leaves.
    auto parses = std::make_shared<LoadPrefetch>(ParsePriority::lower);
    parses->startNodes(source.plannedPath(LoadFile::Nodes));
    parses->start(source.plannedPath(LoadFile::Elements), source.plannedPath(LoadFile::Data));
    return parses;
}

int Document::readStlJob(Ui& ui, const std::string& folder, const std::vector<std::string>& searchList) {
    FileSet& f = dataSet.files;
    std::string name = f.stlFileName, path;
    if (resolveFileName(name, path, folder, searchList) == Resolution::NotFound) {
        ui.showMessage(TX("STLファイルが開けません\nSTLファイルの有無，パスを確認してください"));
        noteFileAtFault(ui, name, path);
        f.stlFileName.clear();
        return 1;
    }
    const int column = look.selectedColumn; // the import colours by x; the job may say y or z
    if (readStlModel(ui, path) != 0) return 1;
    f.stlFileName = name; // as the job gave it, like the other names
    look.selectedColumn = column;
    return 0;
}

int Document::WriteCommandLineFile(Ui& ui, const std::string& path) const {
    if (loaded != 1) return 0;
    return writeCommandLineFile(path, options, dataSet, look.selectedColumn, registeredPaths.fullPath, ui);
}

} // namespace vellum
