#pragma once
// Texts a person reads. The code writes each one in Japanese, the source language, and
// marks it with TX so that the translation tools collect it into i18n/vellumplot_en.ts;
// the build turns that file's translations into the English table shownText looks in.
// Texts are translated where they are shown (the Ui implementations, the window's
// captions), so the core keeps passing Japanese and the files it writes never change
// with the language.
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a Japanese source text for the translation files; the text itself is unchanged.
#define TX(text) text

namespace vellum {

// `japanese` in the interface language: the English table's entry when English is chosen
// and the table has one, otherwise `japanese` itself (a path, a number, a text the table
// does not know). The result lives as long as `japanese` does or longer.
std::string_view shownText(std::string_view japanese);

// shownText(pattern) with each %1..%9 replaced by the argument of that number; a % not
// followed by a digit in range stays as it is. For messages that carry a file name or a
// number: the pattern is translated before the values go in.
std::string shownText(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// The English table's entry for `japanese`, whatever language is chosen; empty when the
// table has none.
std::string_view englishText(std::string_view japanese);

} // namespace vellum
