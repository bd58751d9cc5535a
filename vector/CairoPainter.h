#pragma once
// Puts an ordered VectorScene onto a cairo context whose user units are drawing-area
// pixels.
#include "vector/VectorScene.h"

#include <array>
#include <string>
#include <vector>

typedef struct _cairo cairo_t;
typedef struct _cairo_font_face cairo_font_face_t;

namespace vellum {

enum class Shading {
    Mesh,       // colour blended across each face (PDF's triangle gradients)
    Gradients   // a linear gradient across each triangle (SVG has no triangle gradients)
};

// `font` may be null: texts are then left out. Items of layers before `firstLayer` and
// from `endLayer` on are left out too (the graph's own layer may go in as an image).
struct PaintRange {
    uint32_t firstLayer = 0;
    uint32_t endLayer = UINT32_MAX;
};
// A text as it was placed on the page (valid UTF-8): its baseline starts at (x, 0) of the frame
// `matrix` (cairo's xx, yx, xy, yy, x0, y0, in device units) at one unit an em.
struct PlacedText {
    std::string text;
    std::array<double, 6> matrix{};
    double x = 0.0;
};
// `placed`, when given, receives every text painted.
void paintScene(cairo_t* cr, const VectorScene& scene, cairo_font_face_t* font, Shading shading,
                const PaintRange& range = {}, std::vector<PlacedText>* placed = nullptr);

} // namespace vellum
