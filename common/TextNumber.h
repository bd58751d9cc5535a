#pragma once
// The texts of legend and grid values, independent of the process locale.
#include <string>
#include <string_view>

namespace vellum {

// Formats `value` with a value format of the settings ("%.3G", "%.0f", "%.2f", "%.4E":
// automatic, integer, decimal, exponent). The format comes from a settings file, so it is
// never handed to printf as it is: anything but those four forms, or more than 40 digits,
// is read as "%.3G".
std::string formatValueText(std::string_view format, double value);

} // namespace vellum
