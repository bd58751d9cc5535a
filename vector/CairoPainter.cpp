#include "vector/CairoPainter.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace vellum {
namespace {

// Neighbouring faces meet without a hairline of background between them when each is
// drawn this much larger than it is, away from its own middle.
constexpr float kSeamCover = 0.3f;
// A face of the flat-pieces shading is cut in four until its corners differ by less
// than this in every channel, its pieces are this small on the page, or it has been cut
// this often.
constexpr float kFlatColourStep = 1.0f / 24.0f;
constexpr float kSmallestPiece = 3.0f;
constexpr int kMaxCuts = 3;

void setColour(cairo_t* cr, const Colour& c) { cairo_set_source_rgb(cr, c.red, c.green, c.blue); }

bool sameColour(const Colour& a, const Colour& b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; }

// OpenGL's stipple, bit 0 first, as dashes starting with a drawn run.
std::vector<double> dashesOf(uint16_t pattern, double& offset) {
    std::vector<double> dashes;
    offset = 0.0;
    if (pattern == 0xFFFF || pattern == 0) return dashes;
    int start = 0;
    while (!(pattern >> start & 1)) ++start; // the first drawn bit
    bool on = true;
    int run = 0;
    for (int i = 0; i < 16; ++i) {
        const bool bit = (pattern >> ((start + i) % 16)) & 1;
        if (bit == on) {
            ++run;
            continue;
        }
        dashes.push_back(run);
        on = bit;
        run = 1;
    }
    dashes.push_back(run);
    if (dashes.size() % 2) dashes.push_back(0.0);
    offset = 16 - start; // the pattern starts `start` bits before its first drawn bit
    return dashes;
}

void fillPolygon(cairo_t* cr, const PagePoint* p, int count, const Colour& colour) {
    float mx = 0.0f, my = 0.0f;
    for (int i = 0; i < count; ++i) mx += p[i].x / count, my += p[i].y / count;
    for (int i = 0; i < count; ++i) {
        const float dx = p[i].x - mx, dy = p[i].y - my, d = std::hypot(dx, dy);
        const float grow = d > 0.0f ? (d + kSeamCover) / d : 1.0f;
        const double x = mx + dx * grow, y = my + dy * grow;
        if (i == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    setColour(cr, colour);
    cairo_fill(cr);
}

struct ColouredCorner {
    PagePoint at;
    Colour colour;
};

ColouredCorner midway(const ColouredCorner& a, const ColouredCorner& b) {
    return ColouredCorner{PagePoint{(a.at.x + b.at.x) / 2, (a.at.y + b.at.y) / 2, (a.at.z + b.at.z) / 2},
                          Colour{(a.colour.red + b.colour.red) / 2, (a.colour.green + b.colour.green) / 2,
                                 (a.colour.blue + b.colour.blue) / 2}};
}

float spread(const ColouredCorner& a, const ColouredCorner& b, const ColouredCorner& c) {
    auto channel = [](float x, float y, float z) { return std::max({x, y, z}) - std::min({x, y, z}); };
    return std::max({channel(a.colour.red, b.colour.red, c.colour.red),
                     channel(a.colour.green, b.colour.green, c.colour.green),
                     channel(a.colour.blue, b.colour.blue, c.colour.blue)});
}

void flatTriangle(cairo_t* cr, const ColouredCorner& a, const ColouredCorner& b, const ColouredCorner& c, int cuts) {
    const float size = std::max({std::fabs(a.at.x - b.at.x), std::fabs(a.at.y - b.at.y), std::fabs(b.at.x - c.at.x),
                                 std::fabs(b.at.y - c.at.y), std::fabs(c.at.x - a.at.x), std::fabs(c.at.y - a.at.y)});
    if (cuts < kMaxCuts && size > kSmallestPiece && spread(a, b, c) > kFlatColourStep) {
        const ColouredCorner ab = midway(a, b), bc = midway(b, c), ca = midway(c, a);
        flatTriangle(cr, a, ab, ca, cuts + 1);
        flatTriangle(cr, ab, b, bc, cuts + 1);
        flatTriangle(cr, ca, bc, c, cuts + 1);
        flatTriangle(cr, ab, bc, ca, cuts + 1);
        return;
    }
    const PagePoint p[3] = {a.at, b.at, c.at};
    const Colour mean{(a.colour.red + b.colour.red + c.colour.red) / 3, (a.colour.green + b.colour.green + c.colour.green) / 3,
                      (a.colour.blue + b.colour.blue + c.colour.blue) / 3};
    fillPolygon(cr, p, 3, mean);
}

void meshPatch(cairo_pattern_t* mesh, const PagePoint* p, const Colour* c, int count) {
    cairo_mesh_pattern_begin_patch(mesh);
    cairo_mesh_pattern_move_to(mesh, p[0].x, p[0].y);
    for (int i = 1; i < count; ++i) cairo_mesh_pattern_line_to(mesh, p[i].x, p[i].y);
    for (int i = 0; i < count; ++i)
        cairo_mesh_pattern_set_corner_color_rgb(mesh, static_cast<unsigned>(i), c[i].red, c[i].green, c[i].blue);
    cairo_mesh_pattern_end_patch(mesh);
}

// Consecutive blended faces go into one mesh, which a viewer draws as one shading.
class MeshRun {
public:
    explicit MeshRun(cairo_t* cr) : cr_(cr) {}
    ~MeshRun() { flush(); }
    MeshRun(const MeshRun&) = delete;
    MeshRun& operator=(const MeshRun&) = delete;

    void add(const VectorScene::Polygon& polygon) {
        if (!mesh_) mesh_ = cairo_pattern_create_mesh();
        const PagePoint* p = polygon.corners;
        const Colour* c = polygon.colours;
        if (polygon.count <= 4) {
            meshPatch(mesh_, p, c, polygon.count);
            return;
        }
        for (int i = 1; i + 1 < polygon.count; ++i) {
            const PagePoint tp[3] = {p[0], p[i], p[i + 1]};
            const Colour tc[3] = {c[0], c[i], c[i + 1]};
            meshPatch(mesh_, tp, tc, 3);
        }
    }
    void flush() {
        if (!mesh_) return;
        cairo_set_source(cr_, mesh_);
        cairo_paint(cr_);
        cairo_pattern_destroy(mesh_);
        mesh_ = nullptr;
    }

private:
    cairo_t* cr_;
    cairo_pattern_t* mesh_ = nullptr;
};

void paintPolygon(cairo_t* cr, const VectorScene::Polygon& polygon, Shading shading, MeshRun& mesh) {
    if (!polygon.smooth) {
        mesh.flush();
        fillPolygon(cr, polygon.corners, polygon.count, polygon.colours[0]);
        return;
    }
    if (shading == Shading::Mesh) {
        mesh.add(polygon);
        return;
    }
    mesh.flush();
    for (int i = 1; i + 1 < polygon.count; ++i)
        flatTriangle(cr, ColouredCorner{polygon.corners[0], polygon.colours[0]},
                     ColouredCorner{polygon.corners[i], polygon.colours[i]},
                     ColouredCorner{polygon.corners[i + 1], polygon.colours[i + 1]}, 0);
}

// Lines of one colour and style that follow each other are stroked as one path.
class LineRun {
public:
    explicit LineRun(cairo_t* cr) : cr_(cr) {}
    ~LineRun() { flush(); }
    LineRun(const LineRun&) = delete;
    LineRun& operator=(const LineRun&) = delete;

    void add(const VectorScene::Line& line) {
        const bool solid = line.style.pattern == 0xFFFF;
        if (open_ && !(solid && sameColour(line.colour, colour_) && line.style.width == style_.width &&
                       line.style.pattern == style_.pattern))
            flush();
        if (!open_) {
            open_ = true;
            colour_ = line.colour;
            style_ = line.style;
            dashOffset_ = line.dashOffset;
        }
        if (!(hasEnd_ && end_.x == line.from.x && end_.y == line.from.y)) cairo_move_to(cr_, line.from.x, line.from.y);
        cairo_line_to(cr_, line.to.x, line.to.y);
        end_ = line.to;
        hasEnd_ = true;
        if (!solid) flush();
    }
    void flush() {
        if (!open_) return;
        setColour(cr_, colour_);
        cairo_set_line_width(cr_, style_.width > 0.0f ? style_.width : 1.0);
        cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
        cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
        double offset = 0.0;
        const std::vector<double> dashes = dashesOf(style_.pattern, offset);
        cairo_set_dash(cr_, dashes.empty() ? nullptr : dashes.data(), static_cast<int>(dashes.size()),
                       std::fmod(offset + dashOffset_, 16.0));
        cairo_stroke(cr_);
        open_ = false;
        hasEnd_ = false;
    }

private:
    cairo_t* cr_;
    bool open_ = false, hasEnd_ = false;
    Colour colour_;
    LineStyle style_;
    float dashOffset_ = 0.0f;
    PagePoint end_;
};

void paintDot(cairo_t* cr, const VectorScene::Dot& dot) {
    if (dot.radius <= 0.0f) return;
    if (dot.square) cairo_rectangle(cr, dot.at.x - dot.radius, dot.at.y - dot.radius, dot.radius * 2, dot.radius * 2);
    else cairo_arc(cr, dot.at.x, dot.at.y, dot.radius, 0.0, 2.0 * M_PI);
    setColour(cr, dot.colour);
    cairo_fill(cr);
}

void paintText(cairo_t* cr, const PageText& text, cairo_font_face_t* font) {
    cairo_save(cr);
    cairo_set_font_face(cr, font);
    cairo_matrix_t frame;
    cairo_matrix_init(&frame, text.across[0], text.across[1], -text.up[0], -text.up[1], text.anchor.x, text.anchor.y);
    cairo_transform(cr, &frame);
    cairo_set_font_size(cr, 1.0);
    double x = 0.0;
    if (text.centred) {
        cairo_text_extents_t extents;
        cairo_text_extents(cr, text.text.c_str(), &extents);
        x = -extents.x_advance / 2.0;
    }
    cairo_move_to(cr, x, 0.0);
    setColour(cr, text.colour);
    cairo_show_text(cr, text.text.c_str());
    cairo_restore(cr);
}

} // namespace

void paintScene(cairo_t* cr, const VectorScene& scene, cairo_font_face_t* font, Shading shading,
                const PaintRange& range) {
    if (font) {
        // Glyphs placed exactly, not moved to whole pixels of some screen.
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        cairo_set_font_options(cr, options);
        cairo_font_options_destroy(options);
    }
    MeshRun mesh(cr);
    LineRun lines(cr);
    for (const VectorScene::Item& item : scene.items()) {
        if (item.layer < range.firstLayer || item.layer >= range.endLayer) continue;
        if (item.kind != VectorScene::Kind::Line) lines.flush();
        if (item.kind != VectorScene::Kind::Polygon) mesh.flush();
        switch (item.kind) {
        case VectorScene::Kind::Polygon: paintPolygon(cr, scene.polygonAt(item.index), shading, mesh); break;
        case VectorScene::Kind::Line: lines.add(scene.lineAt(item.index)); break;
        case VectorScene::Kind::Dot: paintDot(cr, scene.dotAt(item.index)); break;
        case VectorScene::Kind::Text:
            if (font && !range.skipTexts) paintText(cr, scene.textAt(item.index), font);
            break;
        }
    }
}

} // namespace vellum
