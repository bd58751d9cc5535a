#pragma once
// The interface language. Japanese is the source language: every shown text is written
// in Japanese in the code and looked up in the English table when English is chosen.
// Only what is shown depends on it; no file the programs write ever does.
#include <optional>
#include <string_view>

namespace vellum {

enum class Language { japanese, english };

// The language texts are shown in; Japanese until a program chooses.
Language interfaceLanguage();
void setInterfaceLanguage(Language language);

// "ja" or "en" (as `--lang` and the profile spell them); nothing for any other word.
std::optional<Language> parseLanguageName(std::string_view name);
std::string_view languageName(Language language);

// Japanese for Japanese locales and for C/POSIX (and an unset locale), English for
// every other locale, as a locale name such as "de_DE.UTF-8" gives it.
Language languageForLocale(std::string_view localeName);
// The same rule for the process's locale: LC_ALL, then LC_MESSAGES, then LANG, the first
// that is set and not empty, as the C library chooses the messages locale.
Language languageFromEnvironment();

} // namespace vellum
