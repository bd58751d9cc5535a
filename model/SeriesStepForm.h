#pragma once
// The rules of the series controls apart from their widgets: where a step key leads, where
// playback goes next, how fast it may go, and the texts the controls and the check show.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vellum {

enum class SeriesMove { Next, Previous, First, Last };

// The step a move leads to from `shown` among `count` steps; the ends hold (no wrap), so a
// held key stops at the last step instead of jumping back to the first.
size_t seriesStepAfter(SeriesMove move, size_t shown, size_t count);

// Playback's next step after `shown`; none after the last, where playback stops.
std::optional<size_t> playbackStepAfter(size_t shown, size_t count);
// Where playback starts: from the shown step, or from the first once the last is shown.
size_t playbackStart(size_t shown, size_t count);

// Frames per second the person may set, and the wait between steps for a rate.
inline constexpr int kMinPlayRate = 1, kMaxPlayRate = 30, kDefaultPlayRate = 5;
int playIntervalMs(int framesPerSecond);

// "3/120": the shown step counted from 1, and the number of steps.
std::string seriesStepLabel(size_t shown, size_t count);

struct UnfitStep {
    size_t index = 0;
    std::string name, reason;
};
// The one message that names every step left out, a line each; empty when none is.
std::string unfitStepsMessage(const std::vector<UnfitStep>& unfit);

} // namespace vellum
