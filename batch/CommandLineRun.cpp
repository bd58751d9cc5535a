#include "batch/CommandLineRun.h"

#include "batch/BatchView.h"
#include "batch/CommandLineFile.h"
#include "batch/FileNameResolution.h"
#include "batch/RegisteredPaths.h"
#include "common/FileIo.h"
#include "common/Ui.h"
#include "data/DataSet.h"
#include "data/Normalise.h"
#include "settings/Profile.h"
#include "settings/ViewSettings.h"
#include "settings/ViewSettingsFile.h"

#include <algorithm>
#include <filesystem>
#include <unistd.h>

namespace vellum {
namespace {

constexpr const char* kDataMismatch = "データ番号と節点番号/要素番号の対応を確認してください";

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

void clear(std::string& name, std::string& path) {
    name.clear();
    path.clear();
}

// Resolves one of the run's files; on "not found" shows `notFound` and clears both fields.
bool resolveOrFail(BatchView& b, std::string& name, std::string& path, const std::string& folder,
                   const std::vector<std::string>& searchList, const char* notFound) {
    if (resolveFileName(name, path, folder, searchList) == Resolution::NotFound) {
        b.ui.showMessage(notFound);
        clear(name, path);
        return false;
    }
    return true;
}

// A column the view can show: inside the columns the data file gave.
bool isShownColumn(int column, const DataSet& d) {
    return column >= 0 && static_cast<uint32_t>(column) < d.columnCount;
}

int normaliseAndBuild(BatchView& b, int dataType) {
    NormaliseInputs inputs;
    inputs.dataType = dataType;
    inputs.column = b.view.selectedColumn;
    inputs.DIM = b.view.DIM;
    inputs.VECLEN = b.view.graph.VECLEN;
    inputs.VEC_COM_LEN = b.view.graph.VEC_COM_LEN;
    inputs.SCALE = b.view.SCALE;
    inputs.RECTSCALE = b.view.RECTSCALE;
    if (Normalise(b.dataSet, b.ui, inputs) != 0) return 1;
    return b.dataSet.BuildFaces(dataType, b.options.shape) != 0 ? 1 : 0;
}

void setGridRangesToExtents(ViewSettings& view, const DataSet& d) {
    for (size_t axis = 0; axis < 3; ++axis) {
        view.gridSize[axis] = {d.minimum[axis], d.maximum[axis]};
        view.divisionRange[axis] = {d.minimum[axis], d.maximum[axis]};
        view.DIVISIONLINEVALUE[axis] = (d.maximum[axis] - d.minimum[axis]) * 0.25;
    }
}

// Ties the data to the mesh by data type. False when a step reports failure.
bool tieData(BatchView& b) {
    DataSet& d = b.dataSet;
    ViewSettings& view = b.view;
    switch (b.options.dataType) {
    case 0:
    case 1:
        return d.ComputeColumnStatistics(b.ui, b.options.dataType) == 0;
    case 2:
        if (d.ComputeColumnStatistics(b.ui, 2) != 0) return false;
        // A component column the file does not have falls back to its own position; a
        // negative one too, so the magnitude never reads outside a row.
        for (int i = 0; i < 3; ++i)
            if (!isShownColumn(d.vectorColumns[i], d)) d.vectorColumns[i] = i;
        if (d.AddMagnitudeColumn(b.ui) != 0) return false;
        view.MODE = 3;
        view.selectedColumn = static_cast<int>(d.columnCount);
        return true;
    case 3:
        view.MODE = 4;
        return true;
    default:
        return true;
    }
}

// Makes the graph kinds fit the data type.
void fitGraphKinds(ViewSettings& view, const DataSet& d, int dataType) {
    switch (dataType) {
    case 0:
        if (view.MODE == 3) view.MODE = 0;
        if (view.MODE2 == 3) view.MODE2 = 5;
        if (!isShownColumn(view.selectedColumn, d)) view.selectedColumn = 0;
        break;
    case 1:
        if (view.MODE >= 1 && view.MODE <= 3) view.MODE = 0;
        if (view.MODE2 >= 1 && view.MODE2 <= 3) view.MODE2 = 5;
        if (!isShownColumn(view.selectedColumn, d)) view.selectedColumn = 0;
        break;
    case 2:
        break;
    case 3:
        view.MODE = 4;
        if (view.MODE2 != 4) view.MODE2 = 5;
        if (view.DIM == 2) view.DIM = 1;
        view.selectedColumn = 0;
        break;
    default:
        view.MODE = 2;
        view.MODE2 = 5;
        view.selectedColumn = 0;
        break;
    }
}

} // namespace

bool isStlExtension(const std::string& extension) {
    std::string lower = extension;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower == ".stl";
}

int RunCommandLineFile(BatchView& b) {
    DataSet& d = b.dataSet;
    FileSet& f = d.files;
    ViewSettings& view = b.view;
    RunOptions& o = b.options;

    f.commandFilePath = withoutQuotes(f.commandFilePath);
    std::string bytes;
    if (f.commandFilePath.empty() || !readWholeFile(f.commandFilePath, bytes)) {
        b.ui.showMessage("引数で指定したファイルが開けません\nファイルの有無，パスを確認してください");
        f.commandFilePath.clear();
        return 1;
    }
    if (!isCommandLineExtension(extensionOf(f.commandFilePath))) {
        b.ui.showMessage("コマンドラインファイルの拡張子が違います");
        return 1;
    }
    const std::string folder = absoluteFolderOf(f.commandFilePath);
    // The job's folder becomes the current directory, as it always has; names are resolved
    // against the absolute folder, so nothing below depends on this succeeding.
    if (!folder.empty()) {
        const bool changed = ::chdir(folder.c_str()) == 0;
        (void)changed;
    }

    const CommandLineParse parse = applyCommandLineText(bytes, o, d, view, b.ui, f.commandFilePath);
    if (!parse.pointFileKeySeen) {
        b.ui.showMessage("節点ファイルが指定されていません");
        return 1;
    }

    view.resetBeforeLoad();
    // Read afresh: a path registered a moment ago counts for this run.
    const std::vector<std::string> searchList = searchListFromProfile(Profile::openUserProfile());

    // Nodes.
    if (!resolveOrFail(b, f.pointFileName, f.pointFilePath, folder, searchList,
                       "節点ファイルが開けません\n節点ファイルの有無，パスを確認してください"))
        return 1;
    if (d.ReadNodes(b.ui) != 0) {
        b.ui.showMessage("節点ファイルを確認してください");
        clear(f.pointFileName, f.pointFilePath);
        return 1;
    }

    // Elements, read or built from rows of nodes.
    if (f.elementFileName.empty()) {
        f.elementFilePath.clear();
        if (d.BuildMesh(b.ui) != 0) {
            b.ui.showMessage("要素情報構築失敗");
            return 1;
        }
    } else {
        if (!resolveOrFail(b, f.elementFileName, f.elementFilePath, folder, searchList,
                           "要素ファイルが開けません\n要素ファイルの有無，パスを確認してください"))
            return 1;
        if (d.ReadElements(b.ui) != 0) {
            b.ui.showMessage("要素ファイルを確認してください");
            clear(f.elementFileName, f.elementFilePath);
            return 1;
        }
        d.SortElementsByNumber(b.ui);
    }

    // The mesh was made on (r, angle); the picture is drawn in x and y.
    if (d.polarFlag == 1) d.ConvertPolar(b.ui);
    d.ComputeExtents(b.ui);

    // Data.
    if (f.dataFileName.empty()) {
        f.dataFilePath.clear();
        o.dataType = 3;
    } else {
        if (!resolveOrFail(b, f.dataFileName, f.dataFilePath, folder, searchList,
                           "データファイルが開けません\nデータファイルの有無，パスを確認してください"))
            return 1;
        if (d.ReadDataRows(b.ui, o.dataType) != 0) {
            b.ui.showMessage("データファイルを確認して下さい");
            clear(f.dataFileName, f.dataFilePath);
            return 1;
        }
    }
    if (!tieData(b)) {
        b.ui.showMessage(kDataMismatch);
        clear(f.dataFileName, f.dataFilePath);
        return 1;
    }

    // Legend range from the column that will be shown: a column the file does not have
    // is replaced by column 0 below anyway, and its statistics do not exist.
    if (o.dataType == 3) {
        view.MODE = 4;
    } else {
        if ((o.dataType == 0 || o.dataType == 1) && !isShownColumn(view.selectedColumn, d))
            view.selectedColumn = 0;
        const auto column = static_cast<size_t>(view.selectedColumn);
        if (view.selectedColumn >= 0 && column < d.columnMaximum.size() && column < d.columnMinimum.size()) {
            view.MAX = d.columnMaximum[column];
            view.MIN = d.columnMinimum[column];
        }
    }
    setGridRangesToExtents(view, d);

    // The look file.
    if (!f.viewFileName.empty()) {
        if (!resolveOrFail(b, f.viewFileName, f.viewFilePath, folder, searchList,
                           "視点設定ファイルが開けません\n視点設定ファイルの有無，パスを確認してください"))
            return 1;
        // The reader reports its own failure, which does not fail the run.
        readViewSettingsFile(f.viewFilePath, view, d, b.ui);
    }

    // A solid takes axis 3 from the node file and draws no perpendiculars.
    if (o.shape == 1) {
        view.SUISEN1 = 0;
        view.SUISEN2 = 0;
        view.DIM = 1;
    } else {
        o.shape = 0;
    }
    fitGraphKinds(view, d, o.dataType);
    d.ResetSectionBox();

    if (normaliseAndBuild(b, o.dataType) != 0) return 1;
    if (b.computeDrawingBox) b.computeDrawingBox();
    if (b.setCaption) b.setCaption("vellumPLOT - ver.2.41 [" + f.pointFilePath + "]");

    // The image goes beside the command-line file unless its name is absolute.
    if (!f.imageFilePath.empty()) {
        std::string image = withoutQuotes(f.imageFilePath);
        std::replace(image.begin(), image.end(), '\\', '/');
        // A name of quotes only names no file; the folder itself would be no image either.
        if (image.empty()) {
            f.imageFilePath.clear();
            return 0;
        }
        if (image.front() != '/') image = folder + image;
        f.imageFilePath = image;
        const std::string last = finalComponent(image);
        f.imageExtension = extensionOf(image);
        f.imageFileName = last.substr(0, last.size() - f.imageExtension.size());
    }
    return 0;
}

} // namespace vellum
