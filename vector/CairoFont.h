#pragma once
// The picture's text face for cairo: the same Japanese Gothic face the renderer draws
// with, handed to cairo through FreeType so that a PDF embeds the glyphs it uses.
#include "render/FontFace.h"

#include <string>

typedef struct _cairo_font_face cairo_font_face_t;

namespace vellum {

// A cairo font face that owns its FreeType face; released with the object (cairo frees
// the face once nothing of its own holds it any more). Null when the face cannot be read.
class CairoFont {
public:
    explicit CairoFont(const FontLocation& location);
    ~CairoFont();
    CairoFont(const CairoFont&) = delete;
    CairoFont& operator=(const CairoFont&) = delete;
    cairo_font_face_t* face() const { return face_; }
    // The face's family name, e.g. "IPAGothic"; empty without a face.
    const std::string& familyName() const { return family_; }

private:
    cairo_font_face_t* face_ = nullptr;
    std::string family_;
};

} // namespace vellum
