#include "vector/FaceRaster.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vellum {
namespace {

// Lines and dots on a face win over it, as OpenGL's polygon offset lets them.
constexpr float kOverFaceBias = 2e-3f;
constexpr float kOnEdge = 1e-5f;

uint32_t packed(const Colour& c) {
    auto channel = [](float v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
    return 0xFF000000u | channel(c.red) << 16 | channel(c.green) << 8 | channel(c.blue);
}

// Cuts the segment a-b to the rectangle [low, high] in both directions (Liang and
// Barsky); false when nothing of it is inside.
bool clipSegment(float& ax, float& ay, float& bx, float& by, float& t0, float& t1, float lowX, float lowY, float highX,
                 float highY) {
    t0 = 0.0f;
    t1 = 1.0f;
    const float dx = bx - ax, dy = by - ay;
    const float p[4] = {-dx, dx, -dy, dy};
    const float q[4] = {ax - lowX, highX - ax, ay - lowY, highY - ay};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0f) {
            if (q[i] < 0.0f) return false;
            continue;
        }
        const float r = q[i] / p[i];
        if (p[i] < 0.0f) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    const float x0 = ax + dx * t0, y0 = ay + dy * t0, x1 = ax + dx * t1, y1 = ay + dy * t1;
    ax = x0, ay = y0, bx = x1, by = y1;
    return true;
}

} // namespace

FaceRaster::FaceRaster(int width, int height, double scale)
    : width_(std::max(0, static_cast<int>(std::lround(width * scale)))),
      height_(std::max(0, static_cast<int>(std::lround(height * scale)))), scale_(static_cast<float>(scale)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0u),
      depth_(pixels_.size(), -std::numeric_limits<float>::infinity()) {}

void FaceRaster::plot(int x, int y, float z, const Colour& colour, float bias) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const size_t at = static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
    // Nearer is larger; equal depth lets the later piece win, as GL_LEQUAL does.
    if (z + bias < depth_[at]) return;
    depth_[at] = z;
    pixels_[at] = packed(colour);
}

void FaceRaster::triangle(const Vertex& a, const Vertex& b, const Vertex& c) {
    const float area = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    if (area == 0.0f || !std::isfinite(area)) return;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}) - 0.5f)));
    const int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(std::max({a.x, b.x, c.x}) - 0.5f)));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}) - 0.5f)));
    const int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(std::max({a.y, b.y, c.y}) - 0.5f)));
    const float inverse = 1.0f / area;
    const bool flat = a.colour.red == b.colour.red && a.colour.green == b.colour.green &&
                      a.colour.blue == b.colour.blue && a.colour.red == c.colour.red &&
                      a.colour.green == c.colour.green && a.colour.blue == c.colour.blue;
    for (int y = y0; y <= y1; ++y) {
        const float py = static_cast<float>(y) + 0.5f;
        for (int x = x0; x <= x1; ++x) {
            const float px = static_cast<float>(x) + 0.5f;
            // Barycentric weights at the pixel centre, whichever way the triangle turns.
            const float wa = ((b.x - px) * (c.y - py) - (b.y - py) * (c.x - px)) * inverse;
            const float wb = ((c.x - px) * (a.y - py) - (c.y - py) * (a.x - px)) * inverse;
            const float wc = 1.0f - wa - wb;
            // A pixel centre on an edge shared by two faces goes to both rather than, by
            // rounding, to neither.
            if (wa < -kOnEdge || wb < -kOnEdge || wc < -kOnEdge) continue;
            const float z = wa * a.z + wb * b.z + wc * c.z;
            if (flat) {
                plot(x, y, z, a.colour, 0.0f);
                continue;
            }
            const Colour colour{wa * a.colour.red + wb * b.colour.red + wc * c.colour.red,
                                wa * a.colour.green + wb * b.colour.green + wc * c.colour.green,
                                wa * a.colour.blue + wb * b.colour.blue + wc * c.colour.blue};
            plot(x, y, z, colour, 0.0f);
        }
    }
}

void FaceRaster::polygon(const PagePoint* corners, const Colour* colours, int count) {
    auto vertex = [&](int i) {
        return Vertex{corners[i].x * scale_, corners[i].y * scale_, corners[i].z, colours[i]};
    };
    const Vertex first = vertex(0);
    for (int i = 1; i + 1 < count; ++i) triangle(first, vertex(i), vertex(i + 1));
}

void FaceRaster::line(const PagePoint& from, const PagePoint& to, const Colour& colour, float width) {
    float ax = from.x * scale_, ay = from.y * scale_, bx = to.x * scale_, by = to.y * scale_;
    float t0 = 0.0f, t1 = 1.0f;
    if (!(std::isfinite(ax) && std::isfinite(ay) && std::isfinite(bx) && std::isfinite(by)) ||
        !clipSegment(ax, ay, bx, by, t0, t1, -4.0f, -4.0f, static_cast<float>(width_) + 4.0f,
                     static_cast<float>(height_) + 4.0f))
        return;
    const float z0 = from.z + (to.z - from.z) * t0, z1 = from.z + (to.z - from.z) * t1;
    const float steps = std::ceil(std::max(std::fabs(bx - ax), std::fabs(by - ay)));
    if (!std::isfinite(steps)) return;
    const int brush = std::max(1, static_cast<int>(std::lround((width > 0.0f ? width : 1.0f) * scale_)));
    const int n = static_cast<int>(steps);
    for (int i = 0; i <= n; ++i) {
        const float t = n == 0 ? 0.0f : static_cast<float>(i) / static_cast<float>(n);
        const int x = static_cast<int>(std::floor(ax + (bx - ax) * t)) - (brush - 1) / 2;
        const int y = static_cast<int>(std::floor(ay + (by - ay) * t)) - (brush - 1) / 2;
        const float z = z0 + (z1 - z0) * t;
        for (int dy = 0; dy < brush; ++dy)
            for (int dx = 0; dx < brush; ++dx) plot(x + dx, y + dy, z, colour, kOverFaceBias);
    }
}

void FaceRaster::dot(const PagePoint& at, const Colour& colour, float radius, bool square) {
    const float cx = at.x * scale_, cy = at.y * scale_, r = radius * scale_;
    if (!(r > 0.0f) || !std::isfinite(cx) || !std::isfinite(cy)) return;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::max(cx - r, -1.0f))));
    const int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(std::min(cx + r, static_cast<float>(width_)))));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::max(cy - r, -1.0f))));
    const int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(std::min(cy + r, static_cast<float>(height_)))));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const float dx = static_cast<float>(x) + 0.5f - cx, dy = static_cast<float>(y) + 0.5f - cy;
            const bool inside = square ? std::fabs(dx) <= r && std::fabs(dy) <= r : dx * dx + dy * dy <= r * r;
            if (inside) plot(x, y, at.z, colour, kOverFaceBias + (square ? 0.0f : r / scale_ / kPixelsPerWorldUnit));
        }
}

} // namespace vellum
