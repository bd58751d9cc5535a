#pragma once
// Text inside the program is UTF-8; glyphs are looked up by code point.
#include <string>
#include <string_view>

namespace vellum {

// The code points of a UTF-8 text. A byte that does not start a valid sequence (a stray
// continuation byte, an overlong form, a surrogate, a cut-off end) becomes U+FFFD and the
// reading goes on with the next byte, so damaged text never stops a paint.
std::u32string decodeUtf8(std::string_view text);

} // namespace vellum
