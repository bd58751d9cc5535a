#include "vector/CairoFont.h"

#include <cairo-ft.h>

#include <memory>

namespace vellum {
namespace {

const cairo_user_data_key_t kOwnedFace{};

void deleteFace(void* face) { delete static_cast<FontFace*>(face); }

} // namespace

CairoFont::CairoFont(const FontLocation& location) {
    if (location.path.empty()) return;
    std::unique_ptr<FontFace> font = FontFace::open(location);
    if (!font) return;
    cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(font->face(), 0);
    if (cairo_font_face_status(face) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(face);
        return;
    }
    // Cairo may keep the face in its caches after we let go; it frees the FreeType face
    // itself when it drops the last reference.
    if (cairo_font_face_set_user_data(face, &kOwnedFace, font.get(), deleteFace) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(face);
        return;
    }
    family_ = font->familyName();
    font.release();
    face_ = face;
}

CairoFont::~CairoFont() {
    if (face_) cairo_font_face_destroy(face_);
}

} // namespace vellum
