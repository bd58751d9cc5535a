#pragma once
// What tests read from a PNG file's header without decoding it.
#include <cstdint>
#include <string>
#include <utility>

namespace vellum::test {

// Width and height from a PNG file's header; {0, 0} when it is no PNG.
inline std::pair<int, int> pngSize(const std::string& bytes) {
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return {0, 0};
    auto word = [&](size_t at) {
        uint32_t value = 0;
        for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        return static_cast<int>(value);
    };
    return {word(16), word(20)};
}

// The colour type byte (2 truecolour, 6 truecolour with alpha); -1 when it is no PNG.
inline int pngColourType(const std::string& bytes) {
    return pngSize(bytes).first == 0 || bytes.size() < 26 ? -1 : static_cast<uint8_t>(bytes[25]);
}

} // namespace vellum::test
