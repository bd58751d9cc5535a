#include "common/ProgressDisplay.h"

namespace vellum {

void ProgressDisplay::begin(std::string caption) {
    ++depth_;
    caption_ = std::move(caption);
    position_ = 0;
}

void ProgressDisplay::set(int position) { position_ = position; }

void ProgressDisplay::end(bool hold, Clock::time_point now) {
    if (depth_ > 0) --depth_;
    if (depth_ > 0) return;
    if (hold) held_ = Held{caption_, now + kHold};
}

ProgressDisplay::Shown ProgressDisplay::shown(Clock::time_point now) const {
    if (held_ && now < held_->until) return {true, held_->caption, 100};
    if (depth_ > 0) return {true, caption_, position_};
    return {};
}

} // namespace vellum
