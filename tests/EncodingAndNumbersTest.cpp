#include "common/Encoding.h"
#include "common/FileIo.h"
#include "common/Numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>

namespace vellum {
namespace {

TEST(Encoding, ConvertsJapaneseBothWays) {
    const std::string utf8 = "節点ファイル　展開中ｱｲｳ";
    const std::string cp932 = utf8ToCp932(utf8);
    EXPECT_NE(cp932, utf8);
    EXPECT_EQ(cp932.substr(0, 2), "\x90\xDF"); // 節
    EXPECT_EQ(cp932ToUtf8(cp932), utf8);
}

TEST(Encoding, InvalidBytesNeverStopTheConversion) {
    EXPECT_EQ(cp932ToUtf8("a\x81"), "a\xEF\xBF\xBD");     // cut-off lead byte
    EXPECT_EQ(utf8ToCp932("x\xF0\x9F\x98\x80y"), "x?y"); // no CP932 form
}

TEST(Encoding, DecidesUtf8OnlyForBomOrMultibyteUtf8) {
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF" "abc"), "abc");
    EXPECT_EQ(decodeFileText("タイトル"), "タイトル");
    EXPECT_EQ(decodeFileText(utf8ToCp932("タイトル")), "タイトル");
    EXPECT_FALSE(isMultibyteUtf8("plain ascii"));
    EXPECT_FALSE(isMultibyteUtf8("\xC0\xAF")); // overlong form is not UTF-8
}

TEST(Numbers, IntegerPrefixFollowsTheUsualParse) {
    EXPECT_EQ(parseIntPrefix("12.7"), 12);
    EXPECT_EQ(parseIntPrefix("N5"), 0);
    EXPECT_EQ(parseIntPrefix("  -4x"), -4);
    EXPECT_EQ(parseIntPrefix("+8"), 8);
    EXPECT_EQ(parseIntPrefix("99999999999999999999"), 2147483647);
    EXPECT_EQ(parseIntPrefix("-99999999999999999999"), -2147483647 - 1);
}

TEST(Numbers, RealPrefixTakesOnlyDecimalNumbers) {
    EXPECT_DOUBLE_EQ(parseRealPrefix("1.5e3").value, 1500.0);
    EXPECT_DOUBLE_EQ(parseRealPrefix("-.5").value, -0.5);
    EXPECT_DOUBLE_EQ(parseRealPrefix("2.5abc").value, 2.5);
    EXPECT_DOUBLE_EQ(parseRealPrefix("3e").value, 3.0);
    EXPECT_DOUBLE_EQ(parseRealPrefix("3e+").value, 3.0);
    EXPECT_EQ(parseRealPrefix("inf").value, 0.0);
    EXPECT_EQ(parseRealPrefix("nan").value, 0.0);
    EXPECT_EQ(parseRealPrefix("0x10").value, 0.0);
    EXPECT_EQ(parseRealPrefix(".").value, 0.0);
    EXPECT_TRUE(parseRealPrefix("1e999").overflow);
    EXPECT_TRUE(parseRealPrefix("-1e999").overflow);
    EXPECT_FALSE(parseRealPrefix("1e-999").overflow);
    EXPECT_EQ(parseRealPrefix("1e-999").value, 0.0);
}

TEST(Numbers, FormattingIgnoresTheProcessLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "de_DE.UTF-8 not generated";
    EXPECT_EQ(formatC("%f", 0.5), "0.500000");
    EXPECT_EQ(formatC("%.2e", 1234.5), "1.23e+03");
    EXPECT_DOUBLE_EQ(parseRealPrefix("0.5").value, 0.5);
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(Numbers, ShortestFormReadsBackExactly) {
    for (double v : {0.1, 1.0 / 3.0, -2.5e-300, 1e300, 123456789.125}) {
        EXPECT_EQ(parseRealPrefix(formatShortest(v)).value, v);
    }
}

TEST(FileIo, AtomicWriteReplacesOnlyWhenComplete) {
    const auto folder = std::filesystem::temp_directory_path() / "vellum-fileio-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "a.ini").string();
    ASSERT_TRUE(writeFileAtomically(path, "first"));
    ASSERT_TRUE(writeFileAtomically(path, "second"));
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path, bytes));
    EXPECT_EQ(bytes, "second");
    // A folder that does not exist: nothing is written and the call says so.
    EXPECT_FALSE(writeFileAtomically((folder / "missing" / "b.ini").string(), "x"));
    EXPECT_FALSE(readWholeFile((folder / "missing.txt").string(), bytes));
    // No temporary file is left behind.
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++files;
    EXPECT_EQ(files, 1u);
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace vellum
