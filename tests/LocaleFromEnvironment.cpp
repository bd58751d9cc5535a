// The test program takes its locale from the environment, as the Qt application does, so
// that running the tests under LC_ALL=de_DE.UTF-8 checks every reader and writer with a
// comma as the decimal separator. Without this the C library stays in the "C" locale.
#include <clocale>

namespace {
[[maybe_unused]] const bool kLocaleTakenFromEnvironment = std::setlocale(LC_ALL, "") != nullptr;
} // namespace
