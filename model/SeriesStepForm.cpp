#include "model/SeriesStepForm.h"

#include "common/Texts.h"

#include <algorithm>

namespace vellum {

size_t seriesStepAfter(SeriesMove move, size_t shown, size_t count) {
    if (count == 0) return 0;
    const size_t last = count - 1;
    shown = std::min(shown, last);
    switch (move) {
    case SeriesMove::Next: return shown < last ? shown + 1 : last;
    case SeriesMove::Previous: return shown > 0 ? shown - 1 : 0;
    case SeriesMove::First: return 0;
    case SeriesMove::Last: return last;
    }
    return shown;
}

std::optional<size_t> playbackStepAfter(size_t shown, size_t count) {
    if (shown + 1 >= count) return std::nullopt;
    return shown + 1;
}

size_t playbackStart(size_t shown, size_t count) { return shown + 1 >= count ? 0 : shown; }

int playIntervalMs(int framesPerSecond) {
    return 1000 / std::clamp(framesPerSecond, kMinPlayRate, kMaxPlayRate);
}

std::string seriesStepLabel(size_t shown, size_t count) {
    if (count == 0) return {};
    return std::to_string(std::min(shown, count - 1) + 1) + "/" + std::to_string(count);
}

std::string unfitStepsMessage(const std::vector<UnfitStep>& unfit) {
    if (unfit.empty()) return {};
    std::string text(shownText(TX("データシリーズの次のステップは使えないため除きました")));
    for (const UnfitStep& step : unfit) text += "\n" + shownText(TX("%1：%2"), {step.name, step.reason});
    return text;
}

} // namespace vellum
