#pragma once
// The graph body of a very large model as one picture: its faces, lines and dots drawn
// into pixels with a depth buffer, as OpenGL would, for a vector file to carry as an
// image. A million faces as vector paths would make a file no viewer opens quickly.
#include "vector/VectorScene.h"

#include <cstdint>
#include <limits>
#include <vector>

namespace vellum {

class FaceRaster {
public:
    // `width` x `height` page pixels drawn at `scale` device pixels each.
    FaceRaster(int width, int height, double scale);

    void polygon(const PagePoint* corners, const Colour* colours, int count);
    void line(const PagePoint& from, const PagePoint& to, const Colour& colour, float width);
    void dot(const PagePoint& at, const Colour& colour, float radius, bool square);

    // The depth of the nearest face at a pixel; minus infinity where there is none.
    float depthAt(int x, int y) const {
        return x < 0 || y < 0 || x >= width_ || y >= height_
                   ? -std::numeric_limits<float>::infinity()
                   : depth_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
    }
    double scale() const { return scale_; }

    int width() const { return width_; }
    int height() const { return height_; }
    // Premultiplied 32-bit ARGB, one word a pixel, rows top first; transparent where
    // nothing was drawn.
    const std::vector<uint32_t>& pixels() const { return pixels_; }
    std::vector<uint32_t>& pixels() { return pixels_; }

private:
    struct Vertex {
        float x, y, z;
        Colour colour;
    };
    void triangle(const Vertex& a, const Vertex& b, const Vertex& c);
    void plot(int x, int y, float z, const Colour& colour, float bias);

    int width_, height_;
    float scale_;
    std::vector<uint32_t> pixels_;
    std::vector<float> depth_;
};

} // namespace vellum
