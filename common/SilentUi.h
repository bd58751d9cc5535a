#pragma once
// A Ui that shows nothing: geometry built inside a paint must not open a progress bar,
// since a window cannot show one while it is painting; and a step the person did not ask
// for (a material file read again after a load) reports through its result instead.
#include "common/Ui.h"

namespace vellum {

class SilentUi final : public Ui {
public:
    void showMessage(std::string_view) override {}
    bool askYesNo(std::string_view) override { return false; }
    void beginProgress(std::string_view) override {}
    void setProgress(int) override {}
    void endProgress(bool) override {}
    void beginWaitCursor() override {}
    void endWaitCursor() override {}
};

} // namespace vellum
