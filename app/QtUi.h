#pragma once
// The desktop program's Ui: modal message boxes with the fixed texts, the Yes/No question,
// a progress bar with its caption in the status bar, and the wait cursor.
#include "common/Ui.h"

class QLabel;
class QProgressBar;
class QStatusBar;
class QWidget;

namespace vellum {

class QtUi : public Ui {
public:
    QtUi() = default;
    // The window the boxes belong to and the status bar that shows progress; either may be
    // null before the frame exists.
    void attach(QWidget* window, QStatusBar* statusBar);

    void showMessage(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    void beginProgress(std::string_view caption) override;
    void setProgress(int position) override;
    void endProgress(bool holdFullBar) override;
    void beginWaitCursor() override;
    void endWaitCursor() override;

private:
    QWidget* window_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* caption_ = nullptr;
    QProgressBar* bar_ = nullptr;
    int progressDepth_ = 0;
};

} // namespace vellum
