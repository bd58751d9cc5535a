#pragma once
// The headless program's Ui: messages go to a stream (standard error) as UTF-8 lines,
// questions take a fixed answer, progress and the wait cursor show nothing.
#include "common/Ui.h"

#include <ostream>

namespace vellum {

class StreamUi : public Ui {
public:
    explicit StreamUi(std::ostream& out, bool answerYes = false) : out_(out), answerYes_(answerYes) {}
    void showMessage(std::string_view text) override;
    void showDetail(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    void beginProgress(std::string_view) override {}
    void setProgress(int) override {}
    void endProgress(bool) override {}
    void beginWaitCursor() override {}
    void endWaitCursor() override {}

private:
    std::ostream& out_;
    bool answerYes_;
};

} // namespace vellum
