#pragma once
// Filled glyph shapes for outline text: a glyph's outline, with its curves flattened,
// tessellated into triangles on the CPU. Units are ems: a glyph one em high is 1.0 high.
#include <vector>

namespace vellum {

class FontFace;

struct GlyphShape {
    std::vector<float> triangles; // x, y pairs, three per triangle, counter-clockwise or not
    double advance = 0.0;         // the pen moves this far to the right after the glyph
};

// The shape of the glyph for `codePoint`; a face without that glyph gives its missing-
// glyph shape, and an unreadable glyph an empty shape with no advance.
GlyphShape buildGlyphShape(const FontFace& font, char32_t codePoint);

} // namespace vellum
