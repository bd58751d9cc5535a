#pragma once
// OpenGL state around the renderer's work: a scope that hands the state back as it found
// it, so a window's other painting is unaffected, and the small state setters every piece
// of the scene shares.
#include "render/PixelOutline.h"

#include <array>
#include <cstdint>

namespace vellum {

struct Colour;

// The transform the current context applies, as it holds it now.
WindowMapping currentWindowMapping();
// Whether the current context draws several samples a pixel.
bool multisampledContext();

// Saves every attribute, the client arrays, both matrices, the bound buffers and the
// shader program, and restores them when it ends. Inside it the fixed pipeline is in use.
class GlStateScope {
public:
    GlStateScope();
    ~GlStateScope();
    GlStateScope(const GlStateScope&) = delete;
    GlStateScope& operator=(const GlStateScope&) = delete;

private:
    std::array<double, 16> projection_{}, modelView_{};
    int arrayBuffer_ = 0, elementBuffer_ = 0, program_ = 0;
    bool buffers_ = false, programs_ = false;
};

void setColour(const Colour& colour);
// Widths and sizes are in logical pixels. A width of 0 is not a line width OpenGL accepts;
// such lines are drawn one pixel wide. The stipple stretches with the pixel ratio too.
void setLineStyle(double width, uint16_t pattern, double pixelRatio);
void setPointSize(double size, double pixelRatio);

// Vertex (and colour) arrays switched on for the life of one draw; the buffers bound for
// them are unbound again at its end.
class ClientArrays {
public:
    explicit ClientArrays(bool colours);
    ~ClientArrays();
    ClientArrays(const ClientArrays&) = delete;
    ClientArrays& operator=(const ClientArrays&) = delete;
};

} // namespace vellum
