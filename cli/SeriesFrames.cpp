#include "cli/SeriesFrames.h"

#include "batch/FileNameResolution.h"
#include "common/Numbers.h"
#include "common/SilentUi.h"
#include "common/Texts.h"
#include "common/UserPaths.h"
#include "common/Ui.h"
#include "model/Document.h"
#include "model/FaultNotes.h"
#include "render/AnimationWriter.h"
#include "render/ImageFile.h"
#include "render/OffscreenPicture.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace vellum {
namespace {

// What one step's drawing said, shown in step order once every thread is done.
struct Said {
    bool detail;
    std::string text;
};
struct FrameOutcome {
    bool written = false;
    std::vector<Said> said;
};

class CollectingUi final : public Ui {
public:
    explicit CollectingUi(std::vector<Said>& lines) : lines_(lines) {}
    void showMessage(std::string_view text) override { lines_.push_back({false, std::string(text)}); }
    void showDetail(std::string_view text) override { lines_.push_back({true, std::string(text)}); }
    bool askYesNo(std::string_view) override { return false; }
    void beginProgress(std::string_view) override {}
    void setProgress(int) override {}
    void endProgress(bool) override {}
    void beginWaitCursor() override {}
    void endWaitCursor() override {}

private:
    std::vector<Said>& lines_;
};

std::vector<size_t> unfitSteps(const Document& document, Ui& ui) {
    std::vector<size_t> unfit;
    const auto& steps = document.series.steps;
    for (size_t s = 0; s < steps.size(); ++s) {
        const std::string why = checkSeriesStep(document.dataSet, document.options.dataType, steps[s].path);
        if (why.empty()) continue;
        ui.showMessage(shownText(TX("データシリーズのステップを除きました（%1）\n%2"), {shownText(why), steps[s].name}));
        unfit.push_back(s);
    }
    return unfit;
}

} // namespace

int printSeriesRange(Document& document, Ui& ui, std::ostream& out) {
    if (document.loaded != 1 || document.series.empty()) {
        ui.showMessage(TX("コマンドラインファイルにデータシリーズ（DataSeries）がありません"));
        return 1;
    }
    document.DropSeriesSteps(unfitSteps(document, ui));
    const SeriesRange range = seriesRange(document.series.steps, document.options.dataType,
                                          document.look.selectedColumn, document.dataSet.vectorColumns);
    if (!range.found) {
        ui.showMessage(TX("データシリーズに表示する値がありません"));
        return 1;
    }
    out << "{\"min\": " << formatShortest(range.minimum) << ", \"max\": " << formatShortest(range.maximum) << "}\n";
    return 0;
}

std::string frameFileName(const std::string& pattern, int number) {
    std::string out;
    bool filled = false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            out += pattern[i];
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // One conversion: optional zero flag and width, then "d".
        size_t j = i + 1;
        const bool zero = j < pattern.size() && pattern[j] == '0';
        if (zero) ++j;
        int width = 0;
        while (j < pattern.size() && pattern[j] >= '0' && pattern[j] <= '9' && width < 100) width = width * 10 + (pattern[j++] - '0');
        if (filled || j >= pattern.size() || pattern[j] != 'd' || width >= 100) return {};
        std::string digits = std::to_string(number);
        if (digits.size() < size_t(width)) digits.insert(0, size_t(width) - digits.size(), zero ? '0' : ' ');
        out += digits;
        filled = true;
        i = j;
    }
    return filled ? out : std::string();
}

int writeSeriesFrames(Document& document, const SeriesFramesRequest& request, Ui& ui) {
    if (document.loaded != 1 || document.series.empty()) {
        ui.showMessage(TX("コマンドラインファイルにデータシリーズ（DataSeries）がありません"));
        return 1;
    }
    const bool animation = isAnimationExtension(extensionOf(request.pattern));
    if (!animation && frameFileName(request.pattern, 1).empty()) {
        ui.showMessage(shownText(TX("フレームのファイル名には %d（%04d など）を一つ入れてください\n%1"), {request.pattern}));
        return 1;
    }
    // A pattern that names a folder of its own ("frames/f_%04d.png") gets it.
    makeFolders(folderOf(request.pattern));
    document.DropSeriesSteps(unfitSteps(document, ui));
    if (document.series.empty()) return 1;
    if (request.givenRange) {
        document.look.seriesFixedRange = 1;
        document.series.fixed = SeriesRange{true, request.rangeMinimum, request.rangeMaximum};
        document.series.fixedColumn = document.look.selectedColumn;
    }
    document.ApplySeriesLegend(); // the fixed range, when asked for, over the steps left

    // This shard's steps, in series order.
    std::vector<size_t> mine;
    for (size_t s = 0; s < document.series.steps.size(); ++s)
        if (s % size_t(std::max(1, request.shardCount)) == size_t(request.shardIndex)) mine.push_back(s);
    const size_t steps = document.series.steps.size();
    std::vector<FrameOutcome> outcomes(steps);
    std::string animationError;
    std::unique_ptr<AnimationWriter> writer;
    if (animation) {
        writer = AnimationWriter::open(request.pattern, request.width * request.scale, request.height * request.scale,
                                       request.fps, animationError);
        if (!writer) {
            ui.showMessage(animationError);
            noteUnwritableFile(ui, request.pattern);
            return 1;
        }
    }
    // An animation takes its frames in order from one thread; separate pictures are drawn
    // on every core, each worker with its own copy of the mesh and its own context, taking
    // the next step as it finishes one.
    const size_t workers =
        animation ? 1 : std::max<size_t>(1, std::min<size_t>(std::thread::hardware_concurrency(), mine.size()));
    std::atomic<size_t> next{0};
    auto work = [&](Document& own) {
        OffscreenPainter painter(request.width, request.height, true, request.font, request.scale, request.antialias);
        for (size_t taken = next++; taken < mine.size(); taken = next++) {
            const size_t s = mine[taken];
            FrameOutcome& outcome = outcomes[s];
            CollectingUi said(outcome.said);
            if (!painter.ok()) {
                said.showMessage(shownText(TX("OpenGLの初期化に失敗しました\n%1"), {painter.error()}));
                continue;
            }
            own.loaded = 1; // a step that failed before spoiled only its own data rows
            if (own.ShowSeriesStep(said, s) != 0) continue;
            SilentUi silent;
            const RgbImage image =
                painter.paint(own.look, own.drawable(), SceneState{own.options.dataType, own.modelShape()}, silent);
            if (writer) {
                std::string error;
                if (!writer->addFrame(image, error)) {
                    said.showMessage(error);
                    continue;
                }
            } else {
                const std::string path = frameFileName(request.pattern, int(s) + 1);
                if (ExportImage(said, path, image) != 0) {
                    noteUnwritableFile(said, path);
                    continue;
                }
            }
            outcome.written = true;
        }
    };
    std::vector<Document> copies(workers - 1, document);
    std::vector<std::thread> threads;
    for (Document& copy : copies) threads.emplace_back(work, std::ref(copy));
    work(document);
    for (std::thread& t : threads) t.join();
    if (writer && !writer->finish(animationError)) {
        ui.showMessage(animationError);
        noteUnwritableFile(ui, request.pattern);
        return 1;
    }

    int result = 0;
    for (const size_t s : mine) {
        const FrameOutcome& outcome = outcomes[s];
        for (const Said& line : outcome.said) {
            if (line.detail) ui.showDetail(line.text);
            else ui.showMessage(line.text);
        }
        if (!outcome.written) result = 1;
    }
    return result;
}

} // namespace vellum
