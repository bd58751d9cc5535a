#include "common/StreamUi.h"

namespace vellum {

void StreamUi::showMessage(std::string_view text) {
    out_ << text << '\n';
    out_.flush();
}

void StreamUi::showDetail(std::string_view text) { showMessage(text); }

bool StreamUi::askYesNo(std::string_view text) {
    out_ << text << (answerYes_ ? " -> yes" : " -> no") << '\n';
    out_.flush();
    return answerYes_;
}

} // namespace vellum
