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

// A picture that may leave its background transparent: the colours, not premultiplied,
// and beside them width * height coverages, 0 where only the background shows and 255 on
// the graph. An empty alpha plane is an opaque picture.
struct RgbaImage {
    RgbImage colour;
    std::vector<uint8_t> alpha;

    bool hasAlpha() const { return !alpha.empty(); }
    uint8_t alphaAt(int x, int y) const {
        return alpha.empty() ? 255
                             : alpha[static_cast<size_t>(y) * static_cast<size_t>(colour.width) + static_cast<size_t>(x)];
    }
};

} // namespace vellum
