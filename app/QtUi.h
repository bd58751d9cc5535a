#pragma once
// The desktop program's Ui: modal message boxes with the fixed texts, the Yes/No question,
// a progress bar with its caption in the status bar, and the wait cursor.
#include "common/ProgressDisplay.h"
#include "common/Ui.h"

#include <string>
#include <vector>

class QLabel;
class QProgressBar;
class QStatusBar;
class QWidget;

namespace vellum {

class QtUi : public Ui {
public:
    QtUi() = default;

    // While a group lives, messages wait for its end, so that the detail lines a failed
    // step adds after its messages (the file at fault and why) go below the message in the
    // same box. The window opens one round each load, import and export; dialogs that
    // refuse a value show their message at once, outside any group.
    class MessageGroup {
    public:
        explicit MessageGroup(QtUi& ui) : ui_(ui) { ++ui_.groupDepth_; }
        ~MessageGroup() {
            if (--ui_.groupDepth_ == 0) ui_.flushMessages();
        }
        MessageGroup(const MessageGroup&) = delete;
        MessageGroup& operator=(const MessageGroup&) = delete;

    private:
        QtUi& ui_;
    };

    // The window the boxes belong to and the status bar that shows progress; either may be
    // null before the frame exists.
    void attach(QWidget* window, QStatusBar* statusBar);

    void showMessage(std::string_view text) override;
    void showDetail(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    void beginProgress(std::string_view caption) override;
    void setProgress(int position) override;
    void endProgress(bool holdFullBar) override;
    void beginWaitCursor() override;
    void endWaitCursor() override;

private:
    struct PendingMessage {
        std::string text;
        std::string details; // lines, each ended by a line feed
    };
    void flushMessages();
    // Brings the bar and its caption to what the display says now.
    void showProgress();
    void showBox(const std::string& text, const std::string& details);

    std::vector<PendingMessage> pending_;
    int groupDepth_ = 0;
    QWidget* window_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* caption_ = nullptr;
    QProgressBar* bar_ = nullptr;
    ProgressDisplay display_;
    ProgressDisplay::Shown shown_; // what the widgets show
};

} // namespace vellum
