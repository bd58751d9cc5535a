#include "common/Numbers.h"
#include "data/TextRecordReader.h"

#include <gtest/gtest.h>

#include <bit>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <random>
#include <string>
#include <vector>

namespace vellum {
namespace {

// The C library's decimal conversion in the "C" locale: correctly rounded, and on decimal
// text it follows the same rules (blanks first, the longest number, "1e" read as 1), so it
// judges every double and where every number ends.
struct Expected {
    double value;
    bool overflow;
    size_t length;
};
Expected convertWithTheCLibrary(const std::string& text) {
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    char* end = nullptr;
    errno = 0;
    const double value = strtod_l(text.c_str(), &end, c);
    if (std::isinf(value)) return {0.0, true, static_cast<size_t>(end - text.c_str())};
    return {value, false, static_cast<size_t>(end - text.c_str())};
}

// Decimal text of every shape a file may hold: signs, leading and trailing zeros, long
// mantissas, a point anywhere, exponents from tiny to huge, and junk after the number.
// No "x", "i" or "n", which the C library would read as hexadecimal, infinity or NaN.
std::string randomDecimal(std::mt19937_64& random) {
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<uint64_t>(n)); };
    std::string text;
    if (pick(4) == 0) text += pick(2) ? '-' : '+';
    if (pick(5) == 0) text.append(static_cast<size_t>(pick(25)), '0');
    const int digits = pick(10) == 0 ? pick(40) : pick(21);
    const int point = pick(digits + 2) - 1;
    for (int i = 0; i < digits; ++i) {
        if (i == point) text += '.';
        text += static_cast<char>('0' + (pick(6) == 0 ? 0 : pick(10)));
    }
    if (point == digits) text += '.';
    if (pick(2) == 0) {
        text += pick(2) ? 'e' : 'E';
        if (pick(2) == 0) text += pick(2) ? '-' : '+';
        const int range[] = {5, 25, 320, 400, 100000};
        const int exponentDigits = pick(8) == 0 ? 0 : 1;
        if (exponentDigits) text += std::to_string(pick(range[pick(5)]));
    }
    const char* junk[] = {"", "", "", "abc", ".5", "e", "-", "+1", "\x81\x40", "E+"};
    text += junk[pick(10)];
    return text;
}

TEST(NumberScan, EveryDecimalReadsAsTheCorrectlyRoundedDouble) {
    std::mt19937_64 random(20261209);
    std::vector<std::string> texts = {"0", "-0", "0.0", "1e22", "1e23", "9007199254740993", "9007199254740992",
                                      "123456789012345678", "1234567890123456789", "12345678901234567890",
                                      "0.1", "2.2250738585072011e-308", "4.9e-324", "2e-324", "1.7976931348623157e308",
                                      "1.7976931348623159e308", "0e99999", "1e-22", "3.14159e-23", ".5", "5.",
                                      "1e", "1e+", "-.", "+", "00000000000000000000001.5"};
    for (int i = 0; i < 300000; ++i) texts.push_back(randomDecimal(random));
    for (const std::string& text : texts) {
        const Expected expected = convertWithTheCLibrary(text);
        const RealParse parsed = parseRealPrefix(text);
        ASSERT_EQ(parsed.overflow, expected.overflow) << text;
        if (!expected.overflow) {
            ASSERT_EQ(std::bit_cast<uint64_t>(parsed.value), std::bit_cast<uint64_t>(expected.value)) << text;
        }
        RealParse scanned;
        const char* end = scanRealPrefix(text.data(), text.data() + text.size(), scanned);
        ASSERT_EQ(static_cast<size_t>(end - text.data()), expected.length) << text;
        ASSERT_EQ(std::bit_cast<uint64_t>(scanned.value), std::bit_cast<uint64_t>(parsed.value)) << text;
    }
}

TEST(NumberScan, IntegersStopWhereTheUsualParseStopsAndSaturate) {
    const struct {
        const char* text;
        int32_t value;
        size_t length;
    } cases[] = {{"12.7", 12, 2},        {"N5", 0, 0},          {"-4x", -4, 2},
                 {"+8", 8, 2},           {"-", 0, 0},           {"2147483647", 2147483647, 10},
                 {"2147483648", 2147483647, 10}, {"-2147483649", -2147483647 - 1, 11},
                 {"000000000000000000000000042", 42, 27}, {"99999999999999999999999999", 2147483647, 26},
                 {"-1000000000000000000", -2147483647 - 1, 20}, {"0000000000000000000000000", 0, 25},
                 {"-00000000000000000000000000000000002147483648", -2147483647 - 1, 45}};
    for (const auto& c : cases) {
        const std::string text = c.text;
        int32_t value = -1;
        const char* end = scanIntPrefix(text.data(), text.data() + text.size(), value);
        EXPECT_EQ(value, c.value) << text;
        EXPECT_EQ(static_cast<size_t>(end - text.data()), c.length) << text;
        EXPECT_EQ(parseIntPrefix(text), c.value) << text;
    }
}

// The record reader converts plain numbers where they lie and every other token through the
// tokeniser. Both ways must give what tokenising each line and converting each token gives,
// whatever the mix of separators, words, junk after numbers and two-byte characters.
TEST(NumberScan, RecordsReadAsTheirTokensConvertOneByOne) {
    std::mt19937_64 random(7);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<uint64_t>(n)); };
    const char* separators[] = {" ", "\t", ",", "  ", " ,\t", "\x81\x40"};
    const char* words[] = {"N5", "x", "1.5abc", "\x83\x40", "\x81\x81\x40", "\v7", "3\r4", "-", "1e999", "\x82\xA0" "2"};
    for (const char* ending : {"\n", "\r\n"}) {
        std::string file;
        for (int line = 0; line < 3000; ++line) {
            if (pick(3) == 0) file += separators[pick(6)];
            const int tokens = pick(12);
            for (int t = 0; t < tokens; ++t) {
                if (t > 0) file += separators[pick(6)];
                if (pick(8) == 0) file += words[pick(10)];
                else if (pick(2) == 0) file += std::to_string(static_cast<int64_t>(random() >> (1 + pick(63))) - (1 << 20));
                else file += randomDecimal(random).substr(0, 12) + (pick(3) == 0 ? "" : "1");
            }
            if (pick(4) == 0) file += separators[pick(6)];
            file += ending;
        }

        TextRecordReader tokens, reals, integers;
        tokens.openBytes(file, "t.dat");
        reals.openBytes(file, "t.dat");
        integers.openBytes(file, "t.dat");
        for (;;) {
            const bool more = tokens.nextLine();
            int32_t realNumber = 0, number = 0, intValues[8];
            double realValues[9];
            size_t realCount = 0, intCount = 0;
            const auto realResult = reals.readRealRecord(realNumber, realValues, 9, realCount);
            const auto intResult = integers.readIntegerRecord(number, intValues, 8, intCount);
            if (!more) {
                ASSERT_EQ(realResult, TextRecordReader::Result::End);
                ASSERT_EQ(intResult, TextRecordReader::Result::End);
                break;
            }
            ASSERT_EQ(reals.lineNumber(), tokens.lineNumber());
            std::vector<std::string> line;
            std::string_view token;
            while (tokens.nextToken(token)) line.emplace_back(token);
            ASSERT_FALSE(line.empty());
            EXPECT_EQ(number, parseIntPrefix(line[0])) << line[0];
            EXPECT_EQ(realNumber, number);
            ASSERT_EQ(intResult, TextRecordReader::Result::Record);
            ASSERT_EQ(intCount, std::min<size_t>(line.size() - 1, 8));
            for (size_t i = 0; i < intCount; ++i) EXPECT_EQ(intValues[i], parseIntPrefix(line[i + 1])) << line[i + 1];
            // Values up to the first too large for a double; that one ends the record.
            size_t expectedReals = 0;
            bool overflow = false;
            while (expectedReals < std::min<size_t>(line.size() - 1, 9)) {
                const RealParse parsed = parseRealPrefix(line[expectedReals + 1]);
                if (parsed.overflow) {
                    overflow = true;
                    break;
                }
                ASSERT_EQ(std::bit_cast<uint64_t>(realValues[expectedReals]), std::bit_cast<uint64_t>(parsed.value))
                    << line[expectedReals + 1];
                ++expectedReals;
            }
            ASSERT_EQ(realResult, overflow ? TextRecordReader::Result::Overflow : TextRecordReader::Result::Record);
            ASSERT_EQ(realCount, expectedReals);
        }
    }
}

} // namespace
} // namespace vellum
