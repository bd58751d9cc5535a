// Result series: the steps a job names, and showing one step after another on one mesh.
#include "batch/FileNameResolution.h"
#include "common/SilentUi.h"
#include "common/Texts.h"
#include "common/Ui.h"
#include "data/LoadMessages.h"
#include "model/Document.h"
#include "model/FaultNotes.h"

#include <algorithm>

namespace vellum {

int Document::resolveJobSeries(Ui& ui, const std::string& folder, const std::vector<std::string>& searchList) {
    FileSet& f = dataSet.files;
    std::vector<std::string> unmatched;
    series.patterns = f.seriesPatterns;
    series.steps = resolveSeries(f.seriesPatterns, folder, searchList, unmatched, f.seriesPatternPaths);
    for (const std::string& pattern : unmatched) {
        ui.showMessage(shownText(TX("データシリーズに一致するファイルがありません\n%1"), {pattern}));
        noteFileAtFault(ui, pattern, folder + pattern);
    }
    if (series.steps.empty()) {
        series = ResultSeries{};
        f.seriesPatterns.clear();
        f.seriesPatternPaths.clear();
        return 1;
    }
    // The first step is the data file; a data file of the job's own that is no step of
    // the series would show something else, so it gives way.
    if (!f.dataFileName.empty()) {
        std::string name = f.dataFileName, path;
        resolveFileName(name, path, folder, searchList);
        const bool isStep = std::any_of(series.steps.begin(), series.steps.end(),
                                        [&](const SeriesStep& s) { return s.path == path; });
        if (!isStep)
            ui.showMessage(shownText(TX("データシリーズがあるため DataFile の指定は使いません\n%1"), {f.dataFileName}));
    }
    f.dataFileName = series.steps.front().name;
    return 0;
}

void Document::ApplySeriesLegend() {
    const auto column = static_cast<size_t>(look.selectedColumn);
    if (!series.empty() && look.seriesFixedRange != 0 && options.dataType != kNoDataFile) {
        if (series.fixedColumn != look.selectedColumn || !series.fixed.found) {
            series.fixed = seriesRange(series.steps, options.dataType, look.selectedColumn, dataSet.vectorColumns);
            series.fixedColumn = look.selectedColumn;
        }
        if (series.fixed.found) {
            look.MAX = series.fixed.maximum;
            look.MIN = series.fixed.minimum;
            return;
        }
    }
    if (look.selectedColumn >= 0 && column < dataSet.columnMaximum.size() && column < dataSet.columnMinimum.size()) {
        look.MAX = dataSet.columnMaximum[column];
        look.MIN = dataSet.columnMinimum[column];
    }
}

int Document::ShowSeriesStep(Ui& ui, size_t step) {
    if (loaded != 1 || step >= series.steps.size()) return 1;
    WaitCursorScope waitCursor(ui);
    const size_t before = series.shown;
    FileSet& f = dataSet.files;
    f.dataFilePath = series.steps[step].path;
    f.dataFileName = series.steps[step].name;
    const int column = look.selectedColumn;
    // The step was checked, but it may have changed since: what failed is said, and the
    // half-read data are not drawn.
    auto failed = [&](const char* message) {
        if (message) ui.showMessage(message);
        noteFileAtFault(ui, f.dataFileName, f.dataFilePath);
        loaded = 0;
        // The step shown before comes back, so that a bad step costs the person no graph.
        SilentUi quiet;
        if (before != step && before < series.steps.size()) {
            loaded = 1;
            if (ShowSeriesStep(quiet, before) != 0) loaded = 0;
        }
        return 1;
    };
    if (dataSet.ReadDataRows(ui, options.dataType) != 0) return failed(kCheckDataFileMessage);
    if (dataSet.rows.empty()) return failed(TX("データファイルにデータ値がありません"));
    if (dataSet.ComputeColumnStatistics(ui, options.dataType) != 0) return failed(kCheckDataMatchMessage);
    if (options.dataType == kVectorData) {
        for (size_t i = 0; i < 3; ++i) {
            const int32_t c = dataSet.vectorColumns[i];
            if (c < 0 || static_cast<uint32_t>(c) >= dataSet.columnCount) dataSet.vectorColumns[i] = static_cast<int32_t>(i);
        }
        dataSet.magnitudeColumns = {-1, -1, -1}; // the magnitude belongs to the old rows
    } else {
        look.selectedColumn = column >= 0 && static_cast<uint32_t>(column) < dataSet.columnCount ? column : 0;
    }
    series.shown = step;
    if (RebuildDrawingData(ui) != 0) return failed(nullptr);
    ApplySeriesLegend();
    ApplyVisibility(ui); // the section box and the hidden materials stay as they were
    return 0;
}

void Document::DropSeriesSteps(const std::vector<size_t>& unfit) {
    if (unfit.empty()) return;
    const SeriesStep shown = series.steps.at(std::min(series.shown, series.steps.size() - 1));
    std::vector<SeriesStep> kept;
    for (size_t i = 0; i < series.steps.size(); ++i)
        if (std::find(unfit.begin(), unfit.end(), i) == unfit.end()) kept.push_back(series.steps[i]);
    series.steps = std::move(kept);
    const auto at = std::find(series.steps.begin(), series.steps.end(), shown);
    series.shown = at == series.steps.end() ? 0 : size_t(at - series.steps.begin());
    series.fixed = SeriesRange{}; // over the steps that are left
}

} // namespace vellum
