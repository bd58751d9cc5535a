#include "render/ReportPixels.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vellum {

void pasteTile(RgbaImage& picture, const RgbaImage& tile, int x, int y) {
    RgbImage& to = picture.colour;
    const RgbImage& from = tile.colour;
    const int width = std::min(from.width, to.width - x);
    if (width <= 0 || x < 0 || y < 0) return;
    const bool alpha = picture.hasAlpha() && tile.hasAlpha();
    for (int row = 0; row < from.height && y + row < to.height; ++row) {
        const size_t at = static_cast<size_t>(y + row) * static_cast<size_t>(to.width) + static_cast<size_t>(x);
        const size_t source = static_cast<size_t>(row) * static_cast<size_t>(from.width);
        std::memcpy(to.pixels.data() + at * 3, from.pixels.data() + source * 3, static_cast<size_t>(width) * 3);
        if (alpha) std::memcpy(picture.alpha.data() + at, tile.alpha.data() + source, static_cast<size_t>(width));
    }
}

RgbaImage reduceByFactor(const RgbaImage& image, int factor) {
    if (factor <= 1) return image;
    const RgbImage& from = image.colour;
    RgbaImage reduced;
    RgbImage& to = reduced.colour;
    to.width = from.width / factor;
    to.height = from.height / factor;
    const size_t count = static_cast<size_t>(to.width) * static_cast<size_t>(to.height);
    to.pixels.resize(count * 3);
    if (image.hasAlpha()) reduced.alpha.resize(count);
    const unsigned area = static_cast<unsigned>(factor * factor);
    for (int y = 0; y < to.height; ++y)
        for (int x = 0; x < to.width; ++x) {
            unsigned sum[4] = {0, 0, 0, 0};
            for (int dy = 0; dy < factor; ++dy)
                for (int dx = 0; dx < factor; ++dx) {
                    const int sx = x * factor + dx, sy = y * factor + dy;
                    const uint8_t* p = from.at(sx, sy);
                    sum[0] += p[0], sum[1] += p[1], sum[2] += p[2];
                    sum[3] += image.alphaAt(sx, sy);
                }
            const size_t i = static_cast<size_t>(y) * static_cast<size_t>(to.width) + static_cast<size_t>(x);
            for (int c = 0; c < 3; ++c) to.pixels[i * 3 + c] = static_cast<uint8_t>((sum[c] + area / 2) / area);
            if (image.hasAlpha()) reduced.alpha[i] = static_cast<uint8_t>((sum[3] + area / 2) / area);
        }
    return reduced;
}

void separateFromBackground(RgbaImage& image, const RGBColor& background) {
    const int back[3] = {background.red, background.green, background.blue};
    for (size_t i = 0; i < image.alpha.size(); ++i) {
        const int a = image.alpha[i];
        uint8_t* p = image.colour.pixels.data() + i * 3;
        for (int c = 0; c < 3; ++c) {
            if (a == 0) {
                p[c] = static_cast<uint8_t>(std::clamp(back[c], 0, 255));
                continue;
            }
            const double own = (p[c] * 255.0 - (255.0 - a) * back[c]) / a;
            p[c] = static_cast<uint8_t>(std::clamp(std::lround(own), 0L, 255L));
        }
    }
}

} // namespace vellum
