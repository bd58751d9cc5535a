#include "common/Numbers.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace vellum {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The "C" locale, made once; uselocale() switches only the calling thread.
locale_t cLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

} // namespace

int32_t parseIntPrefix(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    int32_t value = 0;
    scanIntPrefix(text.data() + i, text.data() + text.size(), value);
    return value;
}

const char* scanIntPrefix(const char* first, const char* last, int32_t& value) {
    const char* p = first;
    bool negative = false;
    if (p < last && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    const char* const digitsStart = p;
    // Leading zeros leave the value as it is; up to 18 further digits fit an int64 exactly,
    // and more than that are beyond int32 whatever they are, so the value saturates.
    while (p < last && *p == '0') ++p;
    const char* const exactEnd = last - p > 18 ? p + 18 : last;
    int64_t magnitude = 0;
    for (; p < exactEnd && isDigit(*p); ++p) magnitude = magnitude * 10 + (*p - '0');
    if (p == exactEnd && p < last && isDigit(*p)) {
        magnitude = int64_t{1} << 40;
        while (p < last && isDigit(*p)) ++p;
    }
    if (p == digitsStart) {
        value = 0;
        return first;
    }
    if (negative) magnitude = -magnitude;
    if (magnitude > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
    else if (magnitude < std::numeric_limits<int32_t>::min()) value = std::numeric_limits<int32_t>::min();
    else value = static_cast<int32_t>(magnitude);
    return p;
}

RealParse parseRealPrefix(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    RealParse result;
    scanRealPrefix(text.data() + i, text.data() + text.size(), result);
    return result;
}

namespace {

// Powers of ten that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The exact conversion of the unsigned number text [first, last), which the syntax scan has
// already accepted. Out of range tells overflow (refused) from underflow (the nearest tiny
// value or 0).
double convertExactly(const char* first, const char* last, bool& overflow) {
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        std::string copy(first, last);
        value = strtod_l(copy.c_str(), nullptr, cLocale());
        if (std::isinf(value)) {
            overflow = true;
            value = 0.0;
        }
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    return value;
}

} // namespace

const char* scanRealPrefix(const char* first, const char* last, RealParse& result) {
    result = RealParse{};
    const char* p = first;
    bool negative = false;
    if (p < last && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    const char* const start = p;
    // Most numbers in result files have at most 19 significant digits and a small exponent:
    // their digits fit a 64-bit integer as they are scanned, and one multiplication or
    // division by an exact power of ten then rounds once, to the very double the full
    // conversion gives. Anything else takes the full conversion.
    uint64_t mantissa = 0; // wraps when more than 19 digits count; they take the full conversion
    size_t significant = 0;
    const char* const integerStart = p;
    while (p < last && *p == '0') ++p;
    const char* digitsStart = p;
    for (; p < last && isDigit(*p); ++p) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    significant = static_cast<size_t>(p - digitsStart);
    size_t digits = static_cast<size_t>(p - integerStart);
    int64_t exponent = 0;
    if (p < last && *p == '.') {
        const char* const fractionStart = ++p;
        // Zeros after the point and before any other digit only move the point.
        if (mantissa == 0)
            while (p < last && *p == '0') ++p;
        digitsStart = p;
        for (; p < last && isDigit(*p); ++p) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
        significant += static_cast<size_t>(p - digitsStart);
        digits += static_cast<size_t>(p - fractionStart);
        exponent = -static_cast<int64_t>(p - fractionStart);
    }
    if (digits == 0) return first;
    const bool tooManyDigits = significant > 19;
    // An exponent counts only when digits follow it ("1e" reads as 1).
    if (p < last && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        bool negativeExponent = false;
        if (q < last && (*q == '+' || *q == '-')) {
            negativeExponent = *q == '-';
            ++q;
        }
        if (q < last && isDigit(*q)) {
            int64_t e = 0;
            for (; q < last && isDigit(*q); ++q)
                if (e < 100000) e = e * 10 + (*q - '0');
            exponent += negativeExponent ? -e : e;
            p = q;
        }
    }
    double value = 0.0;
    if (!tooManyDigits && mantissa <= (uint64_t{1} << 53) && exponent >= -22 && exponent <= 22) {
        value = static_cast<double>(mantissa);
        if (exponent < 0) value /= kExactPowersOfTen[-exponent];
        else value *= kExactPowersOfTen[exponent];
    } else {
        value = convertExactly(start, p, result.overflow);
    }
    result.value = negative ? -value : value;
    return p;
}

std::string formatC(const char* format, ...) {
    locale_t previous = uselocale(cLocale());
    char small[256];
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    std::string out;
    if (n < 0) {
        out.clear();
    } else if (static_cast<size_t>(n) < sizeof small) {
        out.assign(small, static_cast<size_t>(n));
    } else {
        out.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), format, copy);
        out.resize(static_cast<size_t>(n));
    }
    va_end(copy);
    uselocale(previous);
    return out;
}

std::string formatShortest(double value) {
    char buffer[64];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc()) return "0";
    return std::string(buffer, ptr);
}

} // namespace vellum
