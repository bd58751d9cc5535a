#pragma once
// Text inside the program is UTF-8; the files it reads and writes are CP932.
#include <string>
#include <string_view>

namespace vellum {

// Converts CP932 bytes to UTF-8. Bytes that are not valid CP932 become U+FFFD, so a
// damaged file never stops a reader.
std::string cp932ToUtf8(std::string_view cp932);

// Converts UTF-8 to CP932. Characters CP932 cannot hold become "?".
std::string utf8ToCp932(std::string_view utf8);

// True when `bytes` start with a UTF-8 byte-order mark.
bool hasUtf8Bom(std::string_view bytes);

// True when `bytes` are valid UTF-8 and hold at least one multi-byte character: such a
// file is taken as UTF-8 rather than CP932 (plain ASCII reads the same either way).
bool isMultibyteUtf8(std::string_view bytes);

// Decodes the text of a file: UTF-8 when it has a byte-order mark (which is dropped) or
// is multi-byte UTF-8, CP932 otherwise. The result is UTF-8.
std::string decodeFileText(std::string_view bytes);

// True when `c` can start a CP932 double-byte character.
inline bool isCp932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

} // namespace vellum
