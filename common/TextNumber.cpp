#include "common/TextNumber.h"

#include "common/Numbers.h"

namespace vellum {
namespace {

constexpr int kMaxDigits = 40;

struct ParsedFormat {
    int digits = 3;
    char conversion = 'G';
};

ParsedFormat parseValueFormat(std::string_view format) {
    const ParsedFormat fallback;
    if (format.size() < 4 || format[0] != '%' || format[1] != '.') return fallback;
    const char conversion = format.back();
    if (conversion != 'G' && conversion != 'f' && conversion != 'E') return fallback;
    const std::string_view digitText = format.substr(2, format.size() - 3);
    if (digitText.empty() || digitText.size() > 2) return fallback;
    int digits = 0;
    for (char c : digitText) {
        if (c < '0' || c > '9') return fallback;
        digits = digits * 10 + (c - '0');
    }
    if (digits > kMaxDigits) return fallback;
    return ParsedFormat{digits, conversion};
}

} // namespace

std::string formatValueText(std::string_view format, double value) {
    const ParsedFormat parsed = parseValueFormat(format);
    switch (parsed.conversion) {
    case 'f': return formatC("%.*f", parsed.digits, value);
    case 'E': return formatC("%.*E", parsed.digits, value);
    default: return formatC("%.*G", parsed.digits, value);
    }
}

} // namespace vellum
