#include "vector/CairoPainter.h"

#include "render/TextCodePoints.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace vellum {
namespace {

// Neighbouring faces meet without a hairline of background between them when each is
// drawn this much larger than it is, away from its own middle.
constexpr float kSeamCover = 0.3f;
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

void outline(cairo_t* cr, const PagePoint* p, int count);

void fillPolygon(cairo_t* cr, const PagePoint* p, int count, const Colour& colour) {
    outline(cr, p, count);
    setColour(cr, colour);
    cairo_fill(cr);
}

// The polygon moved out by kSeamCover along each edge's normal, so that neighbours
// overlap by a little rather than meet on a line that smoothing lets the background
// through. Corners keep at most a few times that much, so slivers do not grow spikes.
void outline(cairo_t* cr, const PagePoint* p, int count) {
    float mx = 0.0f, my = 0.0f;
    for (int i = 0; i < count; ++i) mx += p[i].x / count, my += p[i].y / count;
    auto outward = [&](int i, float& nx, float& ny) {
        const PagePoint& a = p[i];
        const PagePoint& b = p[(i + 1) % count];
        const float dx = b.x - a.x, dy = b.y - a.y, length = std::hypot(dx, dy);
        if (length == 0.0f) return false;
        nx = dy / length;
        ny = -dx / length;
        if (nx * ((a.x + b.x) / 2 - mx) + ny * ((a.y + b.y) / 2 - my) < 0.0f) nx = -nx, ny = -ny;
        return true;
    };
    for (int i = 0; i < count; ++i) {
        float ax = 0.0f, ay = 0.0f, bx = 0.0f, by = 0.0f;
        const bool before = outward((i + count - 1) % count, ax, ay), after = outward(i, bx, by);
        float ox = 0.0f, oy = 0.0f;
        if (before && after) {
            const float k = 1.0f + ax * bx + ay * by;
            if (k > 1e-3f) ox = (ax + bx) / k * kSeamCover, oy = (ay + by) / k * kSeamCover;
        } else if (before || after) {
            ox = (before ? ax : bx) * kSeamCover, oy = (before ? ay : by) * kSeamCover;
        }
        const float length = std::hypot(ox, oy), most = 3.0f * kSeamCover;
        if (length > most) ox *= most / length, oy *= most / length;
        if (i == 0) cairo_move_to(cr, p[i].x + ox, p[i].y + oy);
        else cairo_line_to(cr, p[i].x + ox, p[i].y + oy);
    }
    cairo_close_path(cr);
}

// A triangle blended from its corners' colours as a linear gradient, which SVG has:
// exact when the three colours lie on one line in colour space (one stretch of a colour
// map), and exact at the corners and along the middle corner's level line otherwise.
void gradientTriangle(cairo_t* cr, const PagePoint* p, const Colour* c) {
    auto distance = [&](int i, int j) {
        return std::hypot(c[j].red - c[i].red, c[j].green - c[i].green, c[j].blue - c[i].blue);
    };
    int from = 0, to = 1;
    for (const auto& [i, j] : {std::pair{0, 2}, std::pair{1, 2}})
        if (distance(i, j) > distance(from, to)) from = i, to = j;
    const float length = distance(from, to);
    const Colour mean{(c[0].red + c[1].red + c[2].red) / 3, (c[0].green + c[1].green + c[2].green) / 3,
                      (c[0].blue + c[1].blue + c[2].blue) / 3};
    // Where each corner lies along the strongest change of colour.
    double level[3];
    for (int k = 0; k < 3; ++k)
        level[k] = ((c[k].red - c[from].red) * (c[to].red - c[from].red) +
                    (c[k].green - c[from].green) * (c[to].green - c[from].green) +
                    (c[k].blue - c[from].blue) * (c[to].blue - c[from].blue)) /
                   (length > 0.0f ? length : 1.0f);
    // The level as an affine function a x + b y of the page.
    const double x1 = p[1].x - p[0].x, y1 = p[1].y - p[0].y, x2 = p[2].x - p[0].x, y2 = p[2].y - p[0].y;
    const double det = x1 * y2 - x2 * y1;
    outline(cr, p, 3);
    if (length <= 0.0f || std::fabs(det) < 1e-9) {
        setColour(cr, mean);
        cairo_fill(cr);
        return;
    }
    const double s1 = level[1] - level[0], s2 = level[2] - level[0];
    const double a = (s1 * y2 - s2 * y1) / det, b = (x1 * s2 - x2 * s1) / det;
    const double g2 = a * a + b * b;
    if (!(g2 > 0.0) || !std::isfinite(g2)) {
        setColour(cr, mean);
        cairo_fill(cr);
        return;
    }
    const double low = std::min({level[0], level[1], level[2]}), high = std::max({level[0], level[1], level[2]});
    auto pointAt = [&](double value, double& x, double& y) {
        x = p[0].x + (value - level[0]) * a / g2;
        y = p[0].y + (value - level[0]) * b / g2;
    };
    double ax, ay, bx, by;
    pointAt(low, ax, ay);
    pointAt(high, bx, by);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(ax, ay, bx, by);
    int order[3] = {0, 1, 2};
    std::sort(order, order + 3, [&](int i, int j) { return level[i] < level[j]; });
    for (const int k : order)
        cairo_pattern_add_color_stop_rgb(gradient, high > low ? (level[k] - low) / (high - low) : 0.0, c[k].red,
                                         c[k].green, c[k].blue);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
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
    for (int i = 1; i + 1 < polygon.count; ++i) {
        const PagePoint p[3] = {polygon.corners[0], polygon.corners[i], polygon.corners[i + 1]};
        const Colour c[3] = {polygon.colours[0], polygon.colours[i], polygon.colours[i + 1]};
        gradientTriangle(cr, p, c);
    }
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

// Cairo refuses text that is not valid UTF-8 and then draws nothing more at all; the
// renderer shows a broken byte as U+FFFD, and so does the file.
std::string repairedUtf8(std::string_view text) {
    std::string out;
    for (const char32_t c : decodeUtf8(text)) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

void paintText(cairo_t* cr, const PageText& text, cairo_font_face_t* font, std::vector<PlacedText>* placed) {
    const std::string utf8 = repairedUtf8(text.text);
    cairo_save(cr);
    cairo_set_font_face(cr, font);
    cairo_matrix_t frame;
    cairo_matrix_init(&frame, text.across[0], text.across[1], -text.up[0], -text.up[1], text.anchor.x, text.anchor.y);
    cairo_transform(cr, &frame);
    cairo_set_font_size(cr, 1.0);
    double x = 0.0;
    if (text.centred) {
        cairo_text_extents_t extents;
        cairo_text_extents(cr, utf8.c_str(), &extents);
        x = -extents.x_advance / 2.0;
    }
    cairo_move_to(cr, x, 0.0);
    setColour(cr, text.colour);
    cairo_show_text(cr, utf8.c_str());
    if (placed) {
        cairo_matrix_t m;
        cairo_get_matrix(cr, &m);
        placed->push_back(PlacedText{utf8, {m.xx, m.yx, m.xy, m.yy, m.x0, m.y0}, x});
    }
    cairo_restore(cr);
}

} // namespace

void paintScene(cairo_t* cr, const VectorScene& scene, cairo_font_face_t* font, Shading shading,
                const PaintRange& range, std::vector<PlacedText>* placed) {
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
            if (font) paintText(cr, scene.textAt(item.index), font, placed);
            break;
        }
    }
}

} // namespace vellum
