#pragma once
// A picture as 8-bit red, green, blue triples, top row first, rows packed without padding.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vellum {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels; // width * height * 3

    const uint8_t* at(int x, int y) const {
        return pixels.data() + (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
    }
};

} // namespace vellum
