#pragma once
// The light wireframe of a drag fitted to the pixels it lands on, computed without OpenGL.
//
// A software renderer pays for every line it sets up, whether or not the line lights a
// pixel, and the outline of every fifth element of a large model is mostly segments
// shorter than a pixel: on a 1000 x 1000 grid some 800,000 of them fall on 40,000 pixels.
// Segments a pixel long or longer stay lines. Of the shorter ones, the first to land on a
// pixel is drawn there as a point at its first end, and the others on that pixel are left
// out: the pixel shows the outline's colour either way.
#include "render/Camera.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vellum {

// What OpenGL does to a point it draws: the matrices and the viewport (x, y, width,
// height in device pixels).
struct WindowMapping {
    Matrix4 modelView{};
    Matrix4 projection{};
    std::array<int, 4> viewport{};

    friend bool operator==(const WindowMapping&, const WindowMapping&) = default;
};

// Window x and y (device pixels from the viewport's lower left corner) of each point given
// as x, y, z.
void toWindow(const std::vector<float>& positions, const WindowMapping& mapping, std::vector<float>& windowXy);

struct PixelOutline {
    std::vector<uint32_t> lines;  // vertex pairs drawn as lines
    std::vector<uint32_t> points; // vertices drawn as points, at most one per pixel
};

struct PixelFitting {
    int width = 0, height = 0; // the viewport, in device pixels
    // Half the line width in pixels: a line lying this far outside the viewport on one
    // side lights nothing and is left out.
    float margin = 0.5f;
    // False when the line pattern starts with a gap: a segment shorter than a pixel then
    // lights nothing, since the pattern starts again with every segment.
    bool shortSegmentsShow = true;
};

// The segments are vertex pairs (`pairs`), or with empty `pairs` the vertices 0-1, 2-3, ...
// `cells` is scratch memory kept between calls.
void fitOutlineToPixels(const std::vector<float>& windowXy, const std::vector<uint32_t>& pairs,
                        const PixelFitting& fitting, PixelOutline& out, std::vector<uint8_t>& cells);

} // namespace vellum
