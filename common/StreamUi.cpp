#include "common/StreamUi.h"

#include "common/Texts.h"

namespace vellum {

void StreamUi::showMessage(std::string_view text) {
    out_ << shownText(text) << '\n';
    out_.flush();
}

void StreamUi::showDetail(std::string_view text) { showMessage(text); }

bool StreamUi::askYesNo(std::string_view text) {
    out_ << shownText(text) << (answerYes_ ? " -> yes" : " -> no") << '\n';
    out_.flush();
    return answerYes_;
}

} // namespace vellum
