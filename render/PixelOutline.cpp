#include "render/PixelOutline.h"

#include <algorithm>
#include <cmath>

namespace vellum {

void toWindow(const std::vector<float>& positions, const WindowMapping& mapping, std::vector<float>& windowXy) {
    const Matrix4 clip = multiply(mapping.projection, mapping.modelView);
    float m[16];
    for (size_t i = 0; i < 16; ++i) m[i] = static_cast<float>(clip[i]);
    const float halfWidth = 0.5f * static_cast<float>(mapping.viewport[2]);
    const float halfHeight = 0.5f * static_cast<float>(mapping.viewport[3]);
    const size_t count = positions.size() / 3;
    windowXy.resize(count * 2);
    const float* p = positions.data();
    float* out = windowXy.data();
    for (size_t i = 0; i < count; ++i, p += 3, out += 2) {
        const float x = m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12];
        const float y = m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13];
        const float w = m[3] * p[0] + m[7] * p[1] + m[11] * p[2] + m[15];
        const float inverse = w != 0.0f ? 1.0f / w : 0.0f;
        out[0] = (x * inverse + 1.0f) * halfWidth;
        out[1] = (y * inverse + 1.0f) * halfHeight;
    }
}

void fitOutlineToPixels(const std::vector<float>& windowXy, const std::vector<uint32_t>& pairs,
                        const PixelFitting& fitting, PixelOutline& out, std::vector<uint8_t>& cells) {
    out.lines.clear();
    out.points.clear();
    const int width = std::max(fitting.width, 0), height = std::max(fitting.height, 0);
    cells.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    const size_t vertexCount = windowXy.size() / 2;
    const size_t segmentCount = pairs.empty() ? vertexCount / 2 : pairs.size() / 2;
    const float low = -fitting.margin;
    const float highX = static_cast<float>(width) + fitting.margin;
    const float highY = static_cast<float>(height) + fitting.margin;
    for (size_t s = 0; s < segmentCount; ++s) {
        const uint32_t a = pairs.empty() ? static_cast<uint32_t>(2 * s) : pairs[2 * s];
        const uint32_t b = pairs.empty() ? static_cast<uint32_t>(2 * s + 1) : pairs[2 * s + 1];
        if (a >= vertexCount || b >= vertexCount) continue;
        const float ax = windowXy[2 * a], ay = windowXy[2 * a + 1];
        const float bx = windowXy[2 * b], by = windowXy[2 * b + 1];
        // Not a number (a degenerate matrix) fails every comparison below and is left out.
        if (!(ax == ax && ay == ay && bx == bx && by == by)) continue;
        if ((ax < low && bx < low) || (ay < low && by < low) || (ax > highX && bx > highX) ||
            (ay > highY && by > highY))
            continue;
        if (std::fabs(bx - ax) >= 1.0f || std::fabs(by - ay) >= 1.0f) {
            out.lines.push_back(a);
            out.lines.push_back(b);
            continue;
        }
        if (!fitting.shortSegmentsShow || !(ax >= 0.0f && ax < static_cast<float>(width)) ||
            !(ay >= 0.0f && ay < static_cast<float>(height)))
            continue;
        const auto column = std::min(static_cast<size_t>(ax), static_cast<size_t>(width) - 1);
        const auto row = std::min(static_cast<size_t>(ay), static_cast<size_t>(height) - 1);
        uint8_t& cell = cells[row * static_cast<size_t>(width) + column];
        if (cell != 0) continue;
        cell = 1;
        out.points.push_back(a);
    }
}

} // namespace vellum
