#pragma once
// Puts an ordered VectorScene onto a cairo context whose user units are drawing-area
// pixels.
#include "vector/VectorScene.h"

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
    bool skipTexts = false;
};
void paintScene(cairo_t* cr, const VectorScene& scene, cairo_font_face_t* font, Shading shading,
                const PaintRange& range = {});

} // namespace vellum
