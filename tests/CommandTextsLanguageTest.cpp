#include "common/Language.h"
#include "common/Texts.h"
#include "model/CommandTable.h"

#include <gtest/gtest.h>

#include <string>

namespace vellum {
namespace {

// Chooses English for one test and gives Japanese back whatever the test does.
struct EnglishForTheTest {
    EnglishForTheTest() { setInterfaceLanguage(Language::english); }
    ~EnglishForTheTest() { setInterfaceLanguage(Language::japanese); }
};

bool hasPart(std::string_view text, char separator) { return text.find(separator) != std::string_view::npos; }

void expectSeparatorsKept(const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& e : entries) {
        // A caption's tab starts the key shown at the right of the item.
        const std::string_view english = englishText(e.caption);
        if (!english.empty()) {
            EXPECT_EQ(hasPart(english, '\t'), hasPart(e.caption, '\t')) << e.caption;
        }
        if (e.kind == MenuEntry::Kind::Submenu) expectSeparatorsKept(e.items);
    }
}

// A status text and its tooltip are one source text: a translation that lost the line
// feed would put the whole text in the tooltip and the tooltip in the status bar.
TEST(CommandTexts, TranslationsKeepTheStatusTooltipAndKeySeparators) {
    const EnglishForTheTest english;
    for (const CommandInfo& command : commandTable()) {
        const std::string_view translated = englishText(command.statusText);
        if (translated.empty()) continue;
        EXPECT_EQ(hasPart(translated, '\n'), hasPart(command.statusText, '\n')) << command.statusText;
        EXPECT_EQ(shownStatusTextOf(command), translated.substr(0, translated.find('\n')));
        EXPECT_FALSE(hasPart(shownTooltipOf(command), '\n')) << command.statusText;
    }
    expectSeparatorsKept(mainMenu());
    expectSeparatorsKept(contextMenu());
}

TEST(CommandTexts, JapaneseShowsTheSourceTexts) {
    for (const CommandInfo& command : commandTable()) {
        EXPECT_EQ(shownStatusTextOf(command), statusTextOf(command));
        EXPECT_EQ(shownTooltipOf(command), tooltipOf(command));
    }
}

} // namespace
} // namespace vellum
