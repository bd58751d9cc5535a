#pragma once
// The two kinds of text of the picture, drawn with OpenGL: bitmap text for numbers at
// the raster position, and filled outline text for names, centred on the current origin.
// Each glyph becomes a display list the first time it is drawn and is replayed after
// that, so a Japanese title costs no glyph build on later paints.
#include "render/FontFace.h"

#include <memory>
#include <string_view>
#include <unordered_map>

namespace vellum {

// Bitmap text is this many pixels an em.
inline constexpr int kBitmapTextPixels = 12;

class TextRenderer {
public:
    // Draws nothing when `font` is null. The display lists live in the context that is
    // current when they are built; destroy the renderer while that context is current.
    explicit TextRenderer(std::unique_ptr<FontFace> font);
    // With the Japanese Gothic face of this machine.
    static std::unique_ptr<TextRenderer> withJapaneseGothic();
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    bool hasFont() const { return font_ != nullptr; }

    // Draws `text` from the current raster position in the current raster colour (set
    // the colour before glRasterPos). Nothing is drawn when the raster position is
    // outside the view.
    void drawBitmapText(std::string_view text);

    // Draws `text` as filled glyphs in the current colour, one em high, centred along its
    // advance on the current origin, its baseline on the origin.
    void drawCentredText(std::string_view text);
    // The advance of `text` in ems.
    double measure(std::string_view text);

    // How many outline glyphs have been built so far.
    size_t outlineGlyphCount() const { return outlines_.size(); }

private:
    struct OutlineGlyph {
        unsigned list;
        double advance;
    };
    const OutlineGlyph& outlineGlyph(char32_t codePoint);
    unsigned bitmapGlyph(char32_t codePoint);

    std::unique_ptr<FontFace> font_;
    std::unordered_map<char32_t, OutlineGlyph> outlines_;
    std::unordered_map<char32_t, unsigned> bitmaps_;
};

} // namespace vellum
