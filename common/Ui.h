#pragma once
// The core's only way to talk to the person: messages, questions, progress and the
// wait cursor. The Qt shell, the headless program and the tests each implement it,
// so no core code ever includes a toolkit header. All texts are UTF-8.
#include <string>
#include <string_view>

namespace vellum {

class Ui {
public:
    virtual ~Ui() = default;

    // A modal message with an OK button.
    virtual void showMessage(std::string_view text) = 0;
    // A line of detail after the messages of a failed step: the file at fault, the first
    // number without a row. Programs that print their messages show it; message boxes keep
    // their fixed texts and leave it out.
    virtual void showDetail(std::string_view) {}
    // A modal question; true for Yes.
    virtual bool askYesNo(std::string_view text) = 0;

    // The status-bar progress bar, positions 0 to 100.
    virtual void beginProgress(std::string_view caption) = 0;
    virtual void setProgress(int position) = 0;
    // Removes the bar. `holdFullBar` asks a visible bar to stay full for a moment so that
    // the person sees it complete; implementations without a visible bar ignore it.
    virtual void endProgress(bool holdFullBar) = 0;

    virtual void beginWaitCursor() = 0;
    virtual void endWaitCursor() = 0;
};

// Shows a progress bar for the life of the scope; the bar is removed on every return path.
class ProgressScope {
public:
    ProgressScope(Ui& ui, std::string_view caption) : ui_(ui) { ui_.beginProgress(caption); }
    ~ProgressScope() { ui_.endProgress(holdFullBar_); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void set(int position) { ui_.setProgress(position); }
    // Marks the run as complete: the bar is shown full before it goes.
    void finish() {
        ui_.setProgress(100);
        holdFullBar_ = true;
    }

private:
    Ui& ui_;
    bool holdFullBar_ = false;
};

class WaitCursorScope {
public:
    explicit WaitCursorScope(Ui& ui) : ui_(ui) { ui_.beginWaitCursor(); }
    ~WaitCursorScope() { ui_.endWaitCursor(); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;

private:
    Ui& ui_;
};

} // namespace vellum
