#pragma once
// A Ui for a helper thread of a HandOff: every call is carried out on the consuming thread
// (where a window's widgets live), in order with the helper's other items. A question waits
// for its answer.
#include "common/HandOff.h"
#include "common/Ui.h"

#include <future>
#include <memory>
#include <string>

namespace vellum {

class HandOffUi : public Ui {
public:
    HandOffUi(HandOff& handOff, Ui& target) : handOff_(handOff), target_(target) {}

    void showMessage(std::string_view text) override {
        handOff_.push([&ui = target_, text = std::string(text)] { ui.showMessage(text); });
    }
    void showDetail(std::string_view text) override {
        handOff_.push([&ui = target_, text = std::string(text)] { ui.showDetail(text); });
    }
    bool askYesNo(std::string_view text) override {
        // Owned by the item alone: an item dropped unrun breaks the promise, and no, the
        // answer that changes nothing, is taken.
        auto answer = std::make_shared<std::promise<bool>>();
        std::future<bool> answered = answer->get_future();
        handOff_.push([&ui = target_, answer = std::move(answer), text = std::string(text)] {
            answer->set_value(ui.askYesNo(text));
        });
        try {
            return answered.get();
        } catch (const std::future_error&) {
            return false;
        }
    }
    void beginProgress(std::string_view caption) override {
        handOff_.push([&ui = target_, caption = std::string(caption)] { ui.beginProgress(caption); });
    }
    void setProgress(int position) override {
        handOff_.push([&ui = target_, position] { ui.setProgress(position); });
    }
    void endProgress(bool holdFullBar) override {
        handOff_.push([&ui = target_, holdFullBar] { ui.endProgress(holdFullBar); });
    }
    void beginWaitCursor() override {
        handOff_.push([&ui = target_] { ui.beginWaitCursor(); });
    }
    void endWaitCursor() override {
        handOff_.push([&ui = target_] { ui.endWaitCursor(); });
    }

private:
    HandOff& handOff_;
    Ui& target_;
};

} // namespace vellum
