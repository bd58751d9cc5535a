#include "render/FontOutline.h"

#include "render/FontFace.h"

#include <GL/glu.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <array>
#include <deque>
#include <memory>

namespace vellum {
namespace {

// Segments per curve: plenty at the sizes names are drawn (about 40 pixels an em).
constexpr int kConicSteps = 6;
constexpr int kCubicSteps = 8;

using Point = std::array<double, 3>;

// Closed polylines of a glyph, in font units.
struct Contours {
    std::vector<std::vector<Point>> loops;
    Point pen{};

    void moveTo(double x, double y) {
        loops.emplace_back();
        pen = {x, y, 0.0};
        loops.back().push_back(pen);
    }
    void lineTo(double x, double y) {
        if (loops.empty()) loops.emplace_back();
        pen = {x, y, 0.0};
        loops.back().push_back(pen);
    }
};

Contours& contoursOf(void* user) { return *static_cast<Contours*>(user); }

int moveTo(const FT_Vector* to, void* user) {
    contoursOf(user).moveTo(static_cast<double>(to->x), static_cast<double>(to->y));
    return 0;
}

int lineTo(const FT_Vector* to, void* user) {
    contoursOf(user).lineTo(static_cast<double>(to->x), static_cast<double>(to->y));
    return 0;
}

int conicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    Contours& c = contoursOf(user);
    const Point p0 = c.pen;
    for (int i = 1; i <= kConicSteps; ++i) {
        const double t = static_cast<double>(i) / kConicSteps;
        const double a = (1 - t) * (1 - t), b = 2 * (1 - t) * t, d = t * t;
        c.lineTo(a * p0[0] + b * static_cast<double>(control->x) + d * static_cast<double>(to->x),
                 a * p0[1] + b * static_cast<double>(control->y) + d * static_cast<double>(to->y));
    }
    return 0;
}

int cubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    Contours& c = contoursOf(user);
    const Point p0 = c.pen;
    for (int i = 1; i <= kCubicSteps; ++i) {
        const double t = static_cast<double>(i) / kCubicSteps;
        const double s = 1 - t;
        const double a = s * s * s, b = 3 * s * s * t, d = 3 * s * t * t, e = t * t * t;
        c.lineTo(a * p0[0] + b * static_cast<double>(c1->x) + d * static_cast<double>(c2->x) +
                     e * static_cast<double>(to->x),
                 a * p0[1] + b * static_cast<double>(c1->y) + d * static_cast<double>(c2->y) +
                     e * static_cast<double>(to->y));
    }
    return 0;
}

// What the tessellator's callbacks write into.
struct Tessellation {
    std::vector<float>* triangles;
    double scale;
    std::deque<Point> extraVertices; // points the tessellator makes where contours cross
    bool failed = false;
};

void GLAPIENTRY onBegin(GLenum, void*) {}
void GLAPIENTRY onEnd(void*) {}
// Asking for edge flags makes the tessellator hand over plain triangles only.
void GLAPIENTRY onEdgeFlag(GLboolean, void*) {}
void GLAPIENTRY onVertex(void* vertex, void* user) {
    auto* t = static_cast<Tessellation*>(user);
    const auto* p = static_cast<const Point*>(vertex);
    t->triangles->push_back(static_cast<float>((*p)[0] * t->scale));
    t->triangles->push_back(static_cast<float>((*p)[1] * t->scale));
}
void GLAPIENTRY onCombine(GLdouble coords[3], void*[4], GLfloat[4], void** out, void* user) {
    auto* t = static_cast<Tessellation*>(user);
    t->extraVertices.push_back({coords[0], coords[1], coords[2]});
    *out = &t->extraVertices.back();
}
void GLAPIENTRY onError(GLenum, void* user) { static_cast<Tessellation*>(user)->failed = true; }

struct TessDeleter {
    void operator()(GLUtesselator* t) const { gluDeleteTess(t); }
};

template <class Callback>
_GLUfuncptr asGluCallback(Callback callback) {
    return reinterpret_cast<_GLUfuncptr>(callback);
}

void tessellate(Contours& contours, double scale, std::vector<float>& triangles) {
    std::unique_ptr<GLUtesselator, TessDeleter> tess(gluNewTess());
    if (!tess) return;
    Tessellation state{&triangles, scale, {}, false};
    gluTessCallback(tess.get(), GLU_TESS_BEGIN_DATA, asGluCallback(&onBegin));
    gluTessCallback(tess.get(), GLU_TESS_END_DATA, asGluCallback(&onEnd));
    gluTessCallback(tess.get(), GLU_TESS_EDGE_FLAG_DATA, asGluCallback(&onEdgeFlag));
    gluTessCallback(tess.get(), GLU_TESS_VERTEX_DATA, asGluCallback(&onVertex));
    gluTessCallback(tess.get(), GLU_TESS_COMBINE_DATA, asGluCallback(&onCombine));
    gluTessCallback(tess.get(), GLU_TESS_ERROR_DATA, asGluCallback(&onError));
    // Glyph contours may overlap; every part wound at least once is ink.
    gluTessProperty(tess.get(), GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
    gluTessNormal(tess.get(), 0.0, 0.0, 1.0);
    gluTessBeginPolygon(tess.get(), &state);
    for (auto& loop : contours.loops) {
        if (loop.size() < 3) continue;
        gluTessBeginContour(tess.get());
        for (Point& p : loop) gluTessVertex(tess.get(), p.data(), &p);
        gluTessEndContour(tess.get());
    }
    gluTessEndPolygon(tess.get());
    if (state.failed || triangles.size() % 6 != 0) triangles.clear();
}

} // namespace

GlyphShape buildGlyphShape(const FontFace& font, char32_t codePoint) {
    GlyphShape shape;
    FT_Face face = font.face();
    if (!face || face->units_per_EM == 0) return shape;
    const FT_UInt index = FT_Get_Char_Index(face, codePoint);
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING) != 0) return shape;
    const double scale = 1.0 / face->units_per_EM;
    shape.advance = static_cast<double>(face->glyph->advance.x) * scale;
    if (face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) return shape;

    Contours contours;
    FT_Outline_Funcs funcs{};
    funcs.move_to = &moveTo;
    funcs.line_to = &lineTo;
    funcs.conic_to = &conicTo;
    funcs.cubic_to = &cubicTo;
    if (FT_Outline_Decompose(&face->glyph->outline, &funcs, &contours) != 0) return shape;
    tessellate(contours, scale, shape.triangles);
    return shape;
}

} // namespace vellum
