#pragma once
// Number conversions that never depend on the process locale: a German desktop must
// not write "1,5" into a file or read "0.5" as 0.
#include <cstdint>
#include <string>
#include <string_view>

namespace vellum {

// The usual decimal integer parse: leading blanks, an optional sign, decimal digits;
// stops at the first other character. A text without leading digits gives 0. A value
// beyond int32 saturates.
int32_t parseIntPrefix(std::string_view text);

struct RealParse {
    double value = 0.0;
    bool overflow = false; // the number's magnitude is beyond what a double holds
};

// The usual decimal floating-point parse: leading blanks, an optional sign, digits with
// an optional fraction and an optional exponent; stops at the first character that does
// not fit. A text without a leading number gives 0.0. Only decimal numbers are taken
// ("inf", "nan" and hexadecimal read as 0.0), so the value is finite unless `overflow`.
RealParse parseRealPrefix(std::string_view text);

// The same parses over the bytes [first, last) without skipping leading blanks, for readers
// that scan numbers where they lie. Each returns where its number ends: `first` when there
// is none (the value is then 0), otherwise the first byte after it.
const char* scanIntPrefix(const char* first, const char* last, int32_t& value);
const char* scanRealPrefix(const char* first, const char* last, RealParse& result);

// printf-style formatting under the "C" locale.
std::string formatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The shortest text that reads back as exactly `value`.
std::string formatShortest(double value);

} // namespace vellum
