#pragma once
// The English table, generated at build time from i18n/vellumplot_en.ts (every finished
// translation, sorted by its Japanese source text so that it can be searched).
#include <cstddef>
#include <string_view>

namespace vellum {

struct TextTranslation {
    std::string_view japanese;
    std::string_view english;
};

extern const TextTranslation kEnglishTexts[];
extern const std::size_t kEnglishTextCount;

} // namespace vellum
