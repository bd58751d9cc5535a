// The steps every load shares, and the open command's load built from them.
#include "common/FileIo.h"
#include "common/Texts.h"
#include "common/Ui.h"
#include "data/LoadMessages.h"
#include "data/Normalise.h"
#include "model/Document.h"
#include "model/LoadPrefetch.h"
#include "model/FaultNotes.h"
#include "model/LoadSource.h"

namespace vellum {
namespace {

int fail(Ui& ui, const char* message) {
    if (message) ui.showMessage(message);
    return 1;
}

// The open command names its files in the dialog: the element file is skipped with the
// automatic mesh, the data file without a data file.
class DialogFiles : public LoadSource {
public:
    DialogFiles(const RunOptions& options, FileSet& files) : options_(options), files_(files) {}
    Found locate(LoadFile file, Ui&) override {
        if (file == LoadFile::Elements && options_.autoMesh == 1) return Found::Skip;
        if (file == LoadFile::Data && options_.dataType == kNoDataFile) return Found::Skip;
        return Found::Read;
    }
    std::string plannedPath(LoadFile file) override {
        if (file == LoadFile::Elements && options_.autoMesh == 1) return {};
        if (file == LoadFile::Data && options_.dataType == kNoDataFile) return {};
        return fieldsOf(files_, file).second;
    }

private:
    const RunOptions& options_;
    FileSet& files_;
};

const SequenceMessages kOpenMessages{
    kCheckNodeFileMessage, nullptr, kCheckElementFileMessage, kCheckDataFileMessage, kCheckDataFileMessage,
};

} // namespace

// A step reading `file` failed and has shown its messages: the source forgets the file,
// the caller adds its own message, and the file at fault is named after both.
int Document::failReading(Ui& ui, LoadSource& source, LoadFile file, const char* message) {
    // Copies: the source clears the fields.
    const auto [name, path] = std::pair<std::string, std::string>(fieldsOf(dataSet.files, file));
    source.failed(file);
    fail(ui, message);
    noteFileAtFault(ui, name, path);
    return 1;
}

int Document::readModelFiles(Ui& ui, LoadSource& source, const SequenceMessages& messages) {
    WaitCursorScope waitCursor(ui);
    // Elements index the nodes they were read for; once new nodes may arrive, old
    // elements would point at the wrong nodes or past the end.
    dataSet.elements.clear();
    dataSet.elementCount = 0;

    if (source.locate(LoadFile::Nodes, ui) == LoadSource::Found::Fail) return 1;
    LoadPrefetch prefetch;
    if (parsesStarted) {
        // Taken by this load alone; a parse of another file than it reads goes unused.
        if (parseAhead) prefetch = std::move(*parsesStarted);
        parsesStarted.reset();
    }
    if (parseAhead) prefetch.start(source.plannedPath(LoadFile::Elements), source.plannedPath(LoadFile::Data));
    if (prefetch.takeNodes(dataSet.files.pointFilePath, dataSet)) {
        // The node step's bar as when it reads the file itself: the person sees the same.
        ProgressScope progress(ui, TX("節点ファイル展開中"));
        progress.set(30);
        progress.set(80);
        progress.finish();
    } else if (dataSet.ReadNodes(ui) != 0) {
        return failReading(ui, source, LoadFile::Nodes, messages.nodeFile);
    }
    // Extents, the mesh and the normalisation all start from a first node.
    if (dataSet.nodes.empty()) {
        ui.showMessage(TX("節点ファイルに節点データがありません"));
        return failReading(ui, source, LoadFile::Nodes, messages.nodeFile);
    }

    switch (source.locate(LoadFile::Elements, ui)) {
    case LoadSource::Found::Fail: return 1;
    case LoadSource::Found::Skip:
        if (dataSet.BuildMesh(ui) != 0) {
            // The node file was read; the mesh made from it failed, so it keeps its name.
            fail(ui, messages.mesh);
            noteFileAtFault(ui, dataSet.files.pointFileName, dataSet.files.pointFilePath);
            return 1;
        }
        break;
    case LoadSource::Found::Read:
        if (dataSet.ReadElements(ui, [&] { return prefetch.elements(dataSet.files.elementFilePath); }) != 0) {
            // A readable file failed on a node number the node file lacks, so the node
            // file may be the one at fault: both are named.
            const bool nodeMissing = unreadableReason(dataSet.files.elementFilePath).empty();
            failReading(ui, source, LoadFile::Elements, messages.elementFile);
            if (nodeMissing)
                ui.showDetail(shownText(TX("節点ファイルにない節点番号: %1（%2）"),
                                        {std::to_string(dataSet.missingNodeNumber), dataSet.files.pointFilePath}));
            return 1;
        }
        dataSet.SortElementsByNumber(ui);
        break;
    }

    // The mesh was made on (radius, angle); the picture is drawn in x and y.
    if (dataSet.polarFlag == 1) dataSet.ConvertPolar(ui);
    dataSet.ComputeExtents(ui);

    switch (source.locate(LoadFile::Data, ui)) {
    case LoadSource::Found::Fail: return 1;
    case LoadSource::Found::Skip: options.dataType = kNoDataFile; return 0;
    case LoadSource::Found::Read: break;
    }
    if (dataSet.ReadDataRows(ui, options.dataType, [&] { return prefetch.dataRows(dataSet.files.dataFilePath); }) != 0)
        return failReading(ui, source, LoadFile::Data, messages.dataFile);
    // The statistics start from a first row.
    if (dataSet.rows.empty()) {
        ui.showMessage(TX("データファイルにデータ値がありません"));
        return failReading(ui, source, LoadFile::Data, messages.dataFile);
    }
    return 0;
}

int Document::tieData(Ui& ui, LoadSource& source, const SequenceMessages& messages) {
    if (options.dataType == kNoDataFile) return 0;
    bool tied = dataSet.ComputeColumnStatistics(ui, options.dataType) == 0;
    if (tied && options.dataType == kVectorData) {
        if (source.fallBackVectorColumns()) {
            // A negative column falls back too, so the magnitude never reads outside a row.
            for (int i = 0; i < 3; ++i) {
                const int32_t column = dataSet.vectorColumns[static_cast<size_t>(i)];
                if (column < 0 || static_cast<uint32_t>(column) >= dataSet.columnCount)
                    dataSet.vectorColumns[static_cast<size_t>(i)] = i;
            }
        }
        tied = dataSet.AddMagnitudeColumn(ui) == 0;
    }
    if (tied) return 0;
    return failReading(ui, source, LoadFile::Data, messages.dataMatch);
}

int Document::RebuildDrawingData(Ui& ui) {
    const int dataType = options.dataType;
    if (dataType == kVectorData) {
        // Components chosen anew since the magnitude was computed need a new one.
        if (dataSet.magnitudeColumns != dataSet.vectorColumns && dataSet.AddMagnitudeColumn(ui) != 0) return 1;
        look.selectedColumn = static_cast<int>(dataSet.columnCount);
    }
    NormaliseInputs inputs;
    inputs.dataType = dataType;
    inputs.column = dataType == kNoDataFile ? 0 : look.selectedColumn;
    inputs.DIM = look.DIM;
    inputs.VECLEN = look.graph.VECLEN;
    inputs.VEC_COM_LEN = look.graph.VEC_COM_LEN;
    inputs.SCALE = look.SCALE;
    inputs.RECTSCALE = look.RECTSCALE;
    if (Normalise(dataSet, ui, inputs) != 0) {
        if (dataType != kNoDataFile && !dataSet.files.dataFileName.empty())
            noteFileAtFault(ui, dataSet.files.dataFileName, dataSet.files.dataFilePath);
        noteFirstNumberWithoutRow(ui, dataSet, dataType);
        return 1;
    }
    return dataSet.BuildFaces(dataType, modelShape_) != 0 ? 1 : 0;
}

int Document::Open(Ui& ui, const OpenChoice& choice) {
    pins.clear(); // pins belong to the graph they were put on
    look.resetBeforeLoad();
    FileSet& f = dataSet.files;
    f.pointFilePath = choice.pointFilePath;
    f.pointFileName = choice.pointFileName;
    f.elementFilePath = choice.elementFilePath;
    f.elementFileName = choice.elementFileName;
    f.dataFilePath = choice.dataFilePath;
    f.dataFileName = choice.dataFileName;
    options.shape = choice.shape;
    options.dataType = choice.dataType;
    options.autoMesh = choice.autoMesh;
    options.polarDefault = dataSet.polarFlag = choice.polar;
    options.radiansDefault = dataSet.radiansFlag = choice.radians;
    series = ResultSeries{};
    f.seriesPatterns = choice.seriesPaths.size() > 1 ? choice.seriesPaths : std::vector<std::string>{};
    f.seriesPatternPaths = f.seriesPatterns;
    for (const std::string& path : f.seriesPatterns) series.steps.push_back({path, path});
    series.patterns = f.seriesPatterns;
    loaded = Load(ui) == 0 ? 1 : 0;
    if (loaded == 1 && !series.empty()) ApplySeriesLegend();
    if (loaded == 1) refitMaterials(ui);
    return loaded == 1 ? 0 : 1;
}

int Document::Load(Ui& ui) {
    WaitCursorScope waitCursor(ui);
    DialogFiles source(options, dataSet.files);
    if (readModelFiles(ui, source, kOpenMessages) != 0) return 1;
    if (tieData(ui, source, kOpenMessages) != 0) return 1;
    // Node and element values show their first column; vector data its magnitude.
    if (options.dataType != kVectorData) look.selectedColumn = 0;
    return finishOpenLoad(ui, options.shape);
}

// The tail the open command and the STL import share: the look fitted to the data, the
// drawing data, and the whole model inside the section box.
int Document::finishOpenLoad(Ui& ui, int shape) {
    modelShape_ = shape;
    look.adjustAfterLoad(dataSet, options.dataType);
    if (RebuildDrawingData(ui) != 0) return fail(ui, kCheckDataMatchMessage);
    dataSet.ResetSectionBox();
    return 0;
}

int Document::SelectColumn(Ui& ui, int column) {
    look.selectedColumn = column;
    const int result = RebuildDrawingData(ui);
    const auto c = static_cast<size_t>(look.selectedColumn);
    if (look.selectedColumn >= 0 && c < dataSet.columnMaximum.size() && c < dataSet.columnMinimum.size()) {
        look.MAX = dataSet.columnMaximum[c];
        look.MIN = dataSet.columnMinimum[c];
    }
    return result;
}

int Document::ApplyLook(Ui& ui, const ViewSettings& edited) {
    const LookChange change = compareLooks(look, edited);
    look = edited;
    if (!change.drawingData || loaded != 1) return 0;
    return RebuildDrawingData(ui);
}

} // namespace vellum
