#include "cli/BatchOptions.h"
#include "common/Language.h"
#include "settings/Profile.h"
#include "settings/ProfileValues.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

TEST(InterfaceLanguage, LocalesOfJapanAndOfNoCountrySpeakJapaneseAndEveryOtherEnglish) {
    for (const char* locale : {"ja_JP.UTF-8", "ja", "ja_JP.eucJP", "C", "C.UTF-8", "POSIX", ""})
        EXPECT_EQ(languageForLocale(locale), Language::japanese) << locale;
    for (const char* locale : {"en_US.UTF-8", "de_DE.UTF-8", "en", "fr_FR@euro", "jam_JM", "Ca"})
        EXPECT_EQ(languageForLocale(locale), Language::english) << locale;
}

// --lang beats the choice kept in the profile, which beats the locale; an unknown word is
// refused by the option and ignored in the profile, where the locale then decides.
TEST(InterfaceLanguage, TheOptionThenTheProfileThenTheLocaleDecide) {
    test::TemporaryFolder folder;
    const test::EnvironmentOverride all("LC_ALL", "");
    const test::EnvironmentOverride messages("LC_MESSAGES", "de_DE.UTF-8");
    const test::EnvironmentOverride lang("LANG", "ja_JP.UTF-8");
    const std::string path = folder.path() + "/profile.ini";

    {
        Profile empty(path);
        EXPECT_EQ(chooseInterfaceLanguage(std::nullopt, empty), Language::english); // LC_MESSAGES before LANG
        EXPECT_EQ(chooseInterfaceLanguage(Language::japanese, empty), Language::japanese);
        empty.setString("Interface", "Language", "fr");
        EXPECT_EQ(loadChosenLanguage(empty), std::nullopt);
        storeChosenLanguage(empty, Language::japanese);
        ASSERT_TRUE(empty.save());
    }
    const Profile chosen(path);
    EXPECT_EQ(loadChosenLanguage(chosen), Language::japanese);
    EXPECT_EQ(chooseInterfaceLanguage(std::nullopt, chosen), Language::japanese);
    EXPECT_EQ(chooseInterfaceLanguage(Language::english, chosen), Language::english);

    EXPECT_EQ(parseBatchOptions({"--lang", "en", "a.dat"}).options.language, Language::english);
    EXPECT_EQ(parseBatchOptions({"--lang=ja", "a.dat"}).options.language, Language::japanese);
    EXPECT_EQ(parseBatchOptions({"a.dat"}).options.language, std::nullopt);
    EXPECT_EQ(parseBatchOptions({"--lang", "english", "a.dat"}).error, "--lang wants ja or en: english");
}

} // namespace
} // namespace vellum
