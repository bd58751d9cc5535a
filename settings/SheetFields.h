#pragma once
// The number edits of the settings sheet: what each accepts, how a value is shown, and the
// messages a refused text gets. The messages are the standard English ones every number
// field of the program's dialogs shows.
#include <optional>
#include <string>
#include <string_view>

namespace vellum {

struct NumberRule {
    bool integer = false;
    bool bounded = false; // false: any number
    double minimum = 0.0;
    double maximum = 0.0;
};

// The kinds of number field the pages have.
inline constexpr NumberRule kAnyNumber{false, false, 0.0, 0.0};
inline constexpr NumberRule kLineWidth{false, true, 0.0, 10.0};    // widths, sizes, lengths
inline constexpr NumberRule kTranslation{false, true, -5.0, 5.0};  // positions and displacements
inline constexpr NumberRule kGraphScale{false, true, 0.0, 100.0};  // overall and per-axis scales
inline constexpr NumberRule kRotationAngle{true, true, 0.0, 359.0}; // the camera's angles
inline constexpr NumberRule kLabelAngle{true, true, 0.0, 360.0};    // a label's turn about axis 3
inline constexpr NumberRule kContourCount{true, true, 2.0, 256.0};
inline constexpr NumberRule kDivisionCount{true, true, 0.0, 256.0};
inline constexpr NumberRule kDigits{true, true, 0.0, 10.0};
inline constexpr NumberRule kLegendValueCount{true, true, 0.0, 32.0};

struct FieldRead {
    std::optional<double> value; // set when the text is accepted
    std::string message;         // why it was refused, otherwise empty
};

// The whole text must be one number (blanks around it allowed): a decimal integer for an
// integer rule, a finite decimal number otherwise, inside the bounds when there are any.
FieldRead readNumberField(const NumberRule& rule, std::string_view text);

// The text an edit starts with: the integer, or the shortest text that reads back as the
// value.
std::string numberFieldText(const NumberRule& rule, double value);

} // namespace vellum
