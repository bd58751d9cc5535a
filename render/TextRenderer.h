#pragma once
// The two kinds of text of the picture, drawn with OpenGL: bitmap text for numbers at
// the raster position, and filled outline text for names, centred on the current origin.
// Each glyph becomes a display list the first time it is drawn and is replayed after
// that, so a Japanese title costs no glyph build on later paints. The lists live in the
// context current when they are built: releaseGlResources() there before it goes.
#include "render/Camera.h"
#include "render/FontFace.h"

#include <memory>
#include <string_view>
#include <unordered_map>

namespace vellum {

// Bitmap text is this many logical pixels an em.
inline constexpr int kBitmapTextPixels = 12;

// The part of a larger picture one paint draws, for pictures larger than a context's
// largest buffer: the whole picture's projection and size, and the tile's lower left
// corner in it, in device pixels.
struct PictureTile {
    bool active = false;
    OrthoVolume whole{};
    int wholeWidth = 0, wholeHeight = 0;
    int x = 0, y = 0;
};

class TextRenderer {
public:
    // Draws nothing when `font` is null.
    explicit TextRenderer(std::unique_ptr<FontFace> font);
    // With the Japanese Gothic face of this machine.
    static std::unique_ptr<TextRenderer> withJapaneseGothic();
    // Makes no OpenGL call: the context may already be gone, and the lists with it.
    ~TextRenderer() = default;
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    bool hasFont() const { return font_ != nullptr; }

    // Device pixels per logical pixel: bitmap glyphs are rendered this much larger, so
    // numbers on a HiDPI window are as large as on a normal one, only sharper. A change
    // rebuilds the bitmap glyphs; the context must be current.
    void setPixelRatio(double ratio);
    // Deletes every glyph list; the context they were built in must be current.
    void releaseGlResources();

    // The part of the picture the next paints draw (inactive: the whole picture).
    void setTile(const PictureTile& tile) { tile_ = tile; }
    // Where the next bitmap text starts: glRasterPos3d of the point. OpenGL drops a raster
    // position outside the viewport, so in a tile a point that lies in the whole picture
    // but outside the tile is placed by window position instead, and text crossing a tile
    // edge is drawn on both sides. Set the raster colour first.
    void setRasterPosition(double x, double y, double z);

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

    void deleteBitmapGlyphs();

    std::unique_ptr<FontFace> font_;
    PictureTile tile_;
    int bitmapPixels_ = kBitmapTextPixels;
    std::unordered_map<char32_t, OutlineGlyph> outlines_;
    std::unordered_map<char32_t, unsigned> bitmaps_;
};

} // namespace vellum
