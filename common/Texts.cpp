#include "common/Texts.h"

#include "common/EnglishTexts.h"
#include "common/Language.h"

#include <algorithm>

namespace vellum {

std::string_view englishText(std::string_view japanese) {
    const auto* begin = kEnglishTexts;
    const auto* end = kEnglishTexts + kEnglishTextCount;
    const auto* found = std::lower_bound(begin, end, japanese,
                                         [](const TextTranslation& entry, std::string_view key) { return entry.japanese < key; });
    if (found == end || found->japanese != japanese) return {};
    return found->english;
}

std::string_view shownText(std::string_view japanese) {
    if (interfaceLanguage() != Language::english) return japanese;
    const std::string_view english = englishText(japanese);
    return english.empty() ? japanese : english;
}

std::string shownText(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    const std::string_view shown = shownText(pattern);
    std::string text;
    text.reserve(shown.size() + 64);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const char c = shown[i];
        if (c == '%' && i + 1 < shown.size() && shown[i + 1] >= '1' && shown[i + 1] <= '9') {
            const auto number = static_cast<std::size_t>(shown[i + 1] - '1');
            if (number < arguments.size()) {
                text += *(arguments.begin() + number);
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

} // namespace vellum
