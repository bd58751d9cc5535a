#include "tests/support/RecordingUi.h"

namespace vellum {

void RecordingUi::showMessage(std::string_view text) { messages.emplace_back(text); }

void RecordingUi::showDetail(std::string_view text) { details.emplace_back(text); }

bool RecordingUi::askYesNo(std::string_view text) {
    questions.emplace_back(text);
    if (answers.empty()) return defaultAnswer;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void RecordingUi::beginProgress(std::string_view caption) {
    captions.emplace_back(caption);
    ++openProgressBars;
}

void RecordingUi::setProgress(int position) { positions.push_back(position); }

void RecordingUi::endProgress(bool) { --openProgressBars; }

void RecordingUi::beginWaitCursor() {
    ++waitCursorDepth;
    if (waitCursorDepth > maxWaitCursorDepth) maxWaitCursorDepth = waitCursorDepth;
}

void RecordingUi::endWaitCursor() { --waitCursorDepth; }

} // namespace vellum
