#include "settings/SheetFields.h"

#include "common/Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vellum {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<double> wholeInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> wholeNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) return std::nullopt;
    // Only decimal notation: from_chars would also take "inf", "nan" and hexadecimal.
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-')) return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::string boundText(const NumberRule& rule, double bound) {
    return rule.integer ? std::to_string(static_cast<int>(bound)) : formatC("%.15g", bound);
}

} // namespace

FieldRead readNumberField(const NumberRule& rule, std::string_view text) {
    text = trimmed(text);
    const std::optional<double> value = rule.integer ? wholeInteger(text) : wholeNumber(text);
    if (!value) return {std::nullopt, rule.integer ? "Please enter an integer." : "Please enter a number."};
    if (rule.bounded && (*value < rule.minimum || *value > rule.maximum)) {
        return {std::nullopt, std::string(rule.integer ? "Please enter an integer between " : "Please enter a number between ") +
                                  boundText(rule, rule.minimum) + " and " + boundText(rule, rule.maximum) + "."};
    }
    return {value, {}};
}

std::string numberFieldText(const NumberRule& rule, double value) {
    if (rule.integer) return std::to_string(static_cast<int64_t>(value));
    return formatShortest(value);
}

} // namespace vellum
