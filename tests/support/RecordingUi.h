#pragma once
// A Ui that remembers everything it was asked to show, for tests that assert the exact
// texts and their order. It never waits.
#include "common/Ui.h"

#include <deque>
#include <string>
#include <vector>

namespace vellum {

class RecordingUi : public Ui {
public:
    void showMessage(std::string_view text) override;
    void showDetail(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    void beginProgress(std::string_view caption) override;
    void setProgress(int position) override;
    void endProgress(bool holdFullBar) override;
    void beginWaitCursor() override;
    void endWaitCursor() override;

    // Answers for askYesNo, taken in order; when none is queued the answer is `defaultAnswer`.
    std::deque<bool> answers;
    bool defaultAnswer = true;

    std::vector<std::string> messages;     // showMessage texts, in order
    std::vector<std::string> details;      // showDetail texts, in order
    std::vector<std::string> questions;    // askYesNo texts, in order
    std::vector<std::string> captions;     // progress captions, in order
    std::vector<int> positions;            // every progress position, in order
    int openProgressBars = 0;              // begun and not yet ended
    int waitCursorDepth = 0;
    int maxWaitCursorDepth = 0;
};

} // namespace vellum
