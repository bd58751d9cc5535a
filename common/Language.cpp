#include "common/Language.h"

#include <atomic>
#include <cstdlib>

namespace vellum {
namespace {

// Read by worker threads that format messages while the main thread may not change it;
// atomic so that a language switch in the window is never a data race.
std::atomic<Language> gLanguage{Language::japanese};

} // namespace

Language interfaceLanguage() { return gLanguage.load(std::memory_order_relaxed); }

void setInterfaceLanguage(Language language) { gLanguage.store(language, std::memory_order_relaxed); }

std::optional<Language> parseLanguageName(std::string_view name) {
    if (name == "ja") return Language::japanese;
    if (name == "en") return Language::english;
    return std::nullopt;
}

std::string_view languageName(Language language) { return language == Language::english ? "en" : "ja"; }

Language languageForLocale(std::string_view localeName) {
    // "ja_JP.UTF-8", "ja", "C", "C.UTF-8", "POSIX": the part before the territory,
    // codeset and modifier decides.
    const std::string_view language = localeName.substr(0, localeName.find_first_of("_.@"));
    if (language.empty() || language == "ja" || language == "C" || language == "POSIX") return Language::japanese;
    return Language::english;
}

Language languageFromEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') return languageForLocale(value);
    }
    return Language::japanese;
}

} // namespace vellum
