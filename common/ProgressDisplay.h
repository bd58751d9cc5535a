#pragma once
// What the status bar's progress bar shows. A step that ends with its bar held keeps the
// full bar in sight for a moment so that the person sees it complete; the work goes on
// meanwhile, and the next step's bar takes its place only once the moment has passed.
#include <chrono>
#include <optional>
#include <string>

namespace vellum {

class ProgressDisplay {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kHold{100};

    struct Shown {
        bool visible = false;
        std::string caption;
        int position = 0;
        friend bool operator==(const Shown&, const Shown&) = default;
    };

    void begin(std::string caption);
    void set(int position);
    // Ends the innermost step; the bar goes when the outermost ends. `hold` keeps that
    // step's full bar in sight until kHold after `now`.
    void end(bool hold, Clock::time_point now);

    Shown shown(Clock::time_point now) const;
    // When a held bar stops being shown, for a timer to show what comes after it.
    std::optional<Clock::time_point> heldUntil() const {
        return held_ ? std::optional(held_->until) : std::nullopt;
    }

private:
    struct Held {
        std::string caption;
        Clock::time_point until;
    };
    int depth_ = 0;
    std::string caption_;
    int position_ = 0;
    std::optional<Held> held_;
};

} // namespace vellum
