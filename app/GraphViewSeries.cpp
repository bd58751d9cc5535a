// Result series in the window: the background check of the steps after a load, stepping
// with the keys and the toolbar, the playback, and the legend range over every step.
#include "app/GraphView.h"

#include "app/QtUi.h"
#include "common/Texts.h"

#include <algorithm>

namespace vellum {

bool GraphView::hasSeries() const { return document_.loaded == 1 && document_.series.steps.size() > 1; }

void GraphView::startSeriesCheck() {
    if (!hasSeries()) return;
    ui_.beginProgress(TX("データシリーズを確認しています"));
    seriesCheck_.start(document_.dataSet, document_.options.dataType, document_.series.steps);
}

void GraphView::stopSeriesWork() {
    stopPlayback();
    if (!seriesCheck_.running()) return;
    seriesCheck_.stop();
    ui_.endProgress(false);
}

void GraphView::seriesChecked(const std::vector<UnfitStep>& unfit) {
    ui_.endProgress(false);
    if (unfit.empty() || document_.loaded != 1) return;
    std::vector<size_t> indices;
    for (const UnfitStep& step : unfit) indices.push_back(step.index);
    const std::string shownPath = document_.dataSet.files.dataFilePath;
    document_.DropSeriesSteps(indices);
    ui_.showMessage(unfitStepsMessage(unfit));
    // The step on the screen may have been one of those left out: the graph shows one that
    // is still part of the series.
    const ResultSeries& series = document_.series;
    if (!series.empty() && series.steps[series.shown].path != shownPath) {
        showSeriesStep(series.shown);
        return;
    }
    if (document_.look.seriesFixedRange != 0) {
        // The range held over every step included those now left out.
        WaitCursorScope wait(ui_);
        document_.ApplySeriesLegend();
    }
    refresh();
}

void GraphView::showSeriesStep(size_t step) {
    if (!hasSeries() || step >= document_.series.steps.size()) return;
    QtUi::MessageGroup messages(ui_);
    if (document_.ShowSeriesStep(ui_, step) != 0) stopPlayback();
    refresh();
}

void GraphView::moveInSeries(SeriesMove move) {
    const ResultSeries& series = document_.series;
    const size_t next = seriesStepAfter(move, series.shown, series.steps.size());
    if (next != series.shown) showSeriesStep(next);
}

void GraphView::setPlayRate(int framesPerSecond) {
    playRate_ = std::clamp(framesPerSecond, kMinPlayRate, kMaxPlayRate);
}

void GraphView::togglePlayback() {
    if (playing_) {
        stopPlayback();
        return;
    }
    if (!hasSeries()) return;
    playing_ = true;
    stepAwaitingPaint_ = true;
    const size_t start = playbackStart(document_.series.shown, document_.series.steps.size());
    if (start != document_.series.shown) showSeriesStep(start);
    else update();
    emit stateChanged();
}

void GraphView::stopPlayback() {
    const bool was = playing_;
    playing_ = false;
    stepAwaitingPaint_ = false;
    playTimer_.stop();
    if (was) emit stateChanged();
}

void GraphView::playbackPainted() {
    if (!playing_ || !stepAwaitingPaint_) return;
    stepAwaitingPaint_ = false;
    playTimer_.start(playIntervalMs(playRate_));
}

void GraphView::playNextStep() {
    if (!playing_) return;
    const std::optional<size_t> next = playbackStepAfter(document_.series.shown, document_.series.steps.size());
    if (!next || !hasSeries()) {
        stopPlayback();
        return;
    }
    stepAwaitingPaint_ = true;
    showSeriesStep(*next);
}

void GraphView::toggleSeriesFixedRange() {
    // Without a series the entry has nothing to fix; a look's own range stays as it is.
    if (!hasSeries()) {
        emit stateChanged();
        return;
    }
    document_.look.seriesFixedRange = document_.look.seriesFixedRange != 0 ? 0 : 1;
    {
        // The first fixed range reads every step once.
        WaitCursorScope wait(ui_);
        document_.ApplySeriesLegend();
    }
    refresh();
}

} // namespace vellum
