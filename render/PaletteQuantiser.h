#pragma once
// Reducing an RGB picture to a palette of at most 256 colours, for GIF frames.
#include "render/RgbImage.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vellum {

// A picture with at most 256 colours (flat colour bands, lines, text) keeps them exactly.
// Any other gets a palette cut from its own colours, a variance-driven median cut over a
// histogram of 6 bits a channel, and Floyd-Steinberg dithering, so that smooth shading
// reads as smooth rather than as bands. The buffers are kept between pictures of one size.
class PaletteQuantiser {
public:
    using Colour = std::array<uint8_t, 3>;

    // Fills `indices` (one per pixel, top row first) and `palette` (1 to 256 colours).
    void quantise(const RgbImage& image, std::vector<uint8_t>& indices, std::vector<Colour>& palette);

private:
    struct Bin {
        uint64_t count = 0;
        uint64_t sum[3] = {0, 0, 0};
    };

    bool exactColours(const RgbImage& image, std::vector<uint8_t>& indices, std::vector<Colour>& palette);
    void cutPalette(const RgbImage& image, std::vector<Colour>& palette);
    void dither(const RgbImage& image, const std::vector<Colour>& palette, std::vector<uint8_t>& indices);
    uint8_t nearest(int r, int g, int b, const std::vector<Colour>& palette);

    std::vector<Bin> bins_; // cleared only where a picture used them
    std::vector<uint32_t> occupied_;
    std::vector<std::pair<int, uint8_t>> byGreen_; // palette entries sorted by green, for the search
    std::vector<uint64_t> nearestCache_;           // colour + 1 in the high bits, index in the low byte
    std::vector<int> errors_;                       // two rows of diffused error, 3 channels each
};

} // namespace vellum
