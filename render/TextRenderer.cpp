#include "render/TextRenderer.h"

#include "render/FontOutline.h"
#include "render/TextCodePoints.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace vellum {

TextRenderer::TextRenderer(std::unique_ptr<FontFace> font) : font_(std::move(font)) {
    if (font_ && FT_Set_Pixel_Sizes(font_->face(), 0, kBitmapTextPixels) != 0) font_.reset();
}

std::unique_ptr<TextRenderer> TextRenderer::withJapaneseGothic() {
    return std::make_unique<TextRenderer>(FontFace::openJapaneseGothic());
}

void TextRenderer::setPixelRatio(double ratio) {
    const int pixels = std::max(1, static_cast<int>(std::lround(kBitmapTextPixels * ratio)));
    if (!font_ || pixels == bitmapPixels_) return;
    if (FT_Set_Pixel_Sizes(font_->face(), 0, static_cast<FT_UInt>(pixels)) != 0) return;
    bitmapPixels_ = pixels;
    deleteBitmapGlyphs();
}

void TextRenderer::deleteBitmapGlyphs() {
    for (const auto& [code, list] : bitmaps_)
        if (list != 0) glDeleteLists(list, 1);
    bitmaps_.clear();
}

void TextRenderer::releaseGlResources() {
    for (const auto& [code, glyph] : outlines_)
        if (glyph.list != 0) glDeleteLists(glyph.list, 1);
    outlines_.clear();
    deleteBitmapGlyphs();
}

const TextRenderer::OutlineGlyph& TextRenderer::outlineGlyph(char32_t codePoint) {
    if (auto found = outlines_.find(codePoint); found != outlines_.end()) return found->second;
    const GlyphShape shape = buildGlyphShape(*font_, codePoint);
    const GLuint list = glGenLists(1);
    if (list != 0) {
        glNewList(list, GL_COMPILE);
        glBegin(GL_TRIANGLES);
        for (size_t i = 0; i + 1 < shape.triangles.size(); i += 2) glVertex2f(shape.triangles[i], shape.triangles[i + 1]);
        glEnd();
        glTranslated(shape.advance, 0.0, 0.0);
        glEndList();
    }
    return outlines_.emplace(codePoint, OutlineGlyph{list, shape.advance}).first->second;
}

unsigned TextRenderer::bitmapGlyph(char32_t codePoint) {
    if (auto found = bitmaps_.find(codePoint); found != bitmaps_.end()) return found->second;
    const GLuint list = glGenLists(1);
    bitmaps_.emplace(codePoint, list);
    if (list == 0) return 0;

    FT_Face face = font_->face();
    const bool rendered =
        FT_Load_Char(face, codePoint, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0 &&
        face->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    const FT_Bitmap empty{};
    const FT_Bitmap& bitmap = rendered ? face->glyph->bitmap : empty;
    const int width = static_cast<int>(bitmap.width);
    const int rows = static_cast<int>(bitmap.rows);
    const int rowBytes = (width + 7) / 8;
    // OpenGL takes the rows bottom first; FreeType gives them top first.
    std::vector<GLubyte> flipped(static_cast<size_t>(rowBytes) * static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        const unsigned char* source = bitmap.buffer + static_cast<ptrdiff_t>(r) * bitmap.pitch;
        std::copy(source, source + rowBytes, flipped.begin() + static_cast<ptrdiff_t>(rows - 1 - r) * rowBytes);
    }
    const float advance = rendered ? static_cast<float>(face->glyph->advance.x) / 64.0f : 0.0f;
    const float left = rendered ? static_cast<float>(face->glyph->bitmap_left) : 0.0f;
    const float top = rendered ? static_cast<float>(face->glyph->bitmap_top) : 0.0f;

    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    glNewList(list, GL_COMPILE);
    glBitmap(width, rows, -left, static_cast<float>(rows) - top, advance, 0.0f,
             flipped.empty() ? nullptr : flipped.data());
    glEndList();
    glPopClientAttrib();
    return list;
}

void TextRenderer::setRasterPosition(double x, double y, double z) {
    if (!tile_.active) {
        glRasterPos3d(x, y, z);
        return;
    }
    // The point in the whole picture's normalised coordinates; the projection is
    // orthographic, so the eye point's w stays 1.
    std::array<double, 16> m{};
    glGetDoublev(GL_MODELVIEW_MATRIX, m.data());
    const Point3 eye = transformPoint(m, Point3{x, y, z});
    const OrthoVolume& o = tile_.whole;
    const double nx = (2.0 * eye[0] - (o.right + o.left)) / (o.right - o.left);
    const double ny = (2.0 * eye[1] - (o.top + o.bottom)) / (o.top - o.bottom);
    const double nz = (-2.0 * eye[2] - (o.farPlane + o.nearPlane)) / (o.farPlane - o.nearPlane);
    if (std::abs(nx) > 1.0 || std::abs(ny) > 1.0 || std::abs(nz) > 1.0) {
        // Outside the whole picture, so outside the tile as well: OpenGL drops it, as it
        // does in a picture drawn whole.
        glRasterPos3d(x, y, z);
        return;
    }
    glWindowPos3d((nx + 1.0) / 2.0 * tile_.wholeWidth - tile_.x, (ny + 1.0) / 2.0 * tile_.wholeHeight - tile_.y,
                  (nz + 1.0) / 2.0);
}

void TextRenderer::drawBitmapText(std::string_view text) {
    if (!font_) return;
    for (char32_t code : decodeUtf8(text)) {
        const unsigned list = bitmapGlyph(code);
        if (list != 0) glCallList(list);
    }
}

double TextRenderer::measure(std::string_view text) {
    if (!font_) return 0.0;
    double width = 0.0;
    for (char32_t code : decodeUtf8(text)) width += outlineGlyph(code).advance;
    return width;
}

void TextRenderer::drawCentredText(std::string_view text) {
    if (!font_ || text.empty()) return;
    const std::u32string codes = decodeUtf8(text);
    double width = 0.0;
    for (char32_t code : codes) width += outlineGlyph(code).advance;
    glPushAttrib(GL_POLYGON_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDisable(GL_CULL_FACE);
    glPushMatrix();
    glTranslated(-width / 2.0, 0.0, 0.0);
    for (char32_t code : codes) {
        const OutlineGlyph& glyph = outlineGlyph(code);
        if (glyph.list != 0) glCallList(glyph.list);
        else glTranslated(glyph.advance, 0.0, 0.0);
    }
    glPopMatrix();
    glPopAttrib();
}

} // namespace vellum
