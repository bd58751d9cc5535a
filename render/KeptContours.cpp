#include "render/KeptContours.h"

#include "render/GlState.h"
#include "render/PixelCentres.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace vellum {
namespace {

// The same margin as PixelCentres: far wider than the float rounding of the transform
// and the rasteriser's snapping of vertices to 1/256 of a pixel.
constexpr double kMargin = 1.0 / 16.0;

// Vertices per chunk: few draw calls, and the partly filled last chunk of each band
// touches little memory.
constexpr size_t kChunkVertices = 3 * 65536;

void drawArrays(GLenum mode, const void* positions, const void* colours, GLsizei stride, size_t vertices,
                GLint positionFloats = 3) {
    if (vertices == 0) return;
    glVertexPointer(positionFloats, GL_FLOAT, stride, positions);
    if (colours) glColorPointer(3, GL_FLOAT, stride, colours);
    glDrawArrays(mode, 0, static_cast<GLsizei>(vertices));
}

} // namespace

// Which triangles may light a pixel centre. The general test of PixelCentres divides by w
// for every corner; the views of a graph are parallel projections, where window
// coordinates are an affine function of the position, so the same test runs here without
// the division and with the bounding box rejected first, which decides most triangles of
// a dense mesh. Any other transform goes to PixelCentres itself.
class KeptContours::Culling {
public:
    explicit Culling(const WindowMapping& view) : centres_(view.modelView, view.projection, view.viewport) {
        std::array<double, 16> m{};
        for (int column = 0; column < 4; ++column)
            for (int row = 0; row < 4; ++row)
                for (int k = 0; k < 4; ++k)
                    m[column * 4 + row] += view.projection[k * 4 + row] * view.modelView[column * 4 + k];
        if (m[3] != 0.0 || m[7] != 0.0 || m[11] != 0.0 || !(m[15] > 1e-12)) return;
        const double halfWidth = view.viewport[2] * 0.5, halfHeight = view.viewport[3] * 0.5;
        Affine a;
        for (int i = 0; i < 4; ++i) {
            a.x[i] = m[i * 4] * halfWidth / m[15];
            a.y[i] = m[i * 4 + 1] * halfHeight / m[15];
        }
        a.x[3] += view.viewport[0] + halfWidth;
        a.y[3] += view.viewport[1] + halfHeight;
        for (double v : {a.x[0], a.x[1], a.x[2], a.x[3], a.y[0], a.y[1], a.y[2], a.y[3]})
            if (!std::isfinite(v)) return;
        affine_ = a;
    }

    // The triangle of three positions of `floats` floats each, 2 (z is 0) or 3.
    bool mayLightPixel(const float* p, size_t floats) const {
        const auto z = [p, floats](size_t i) { return floats == 3 ? p[3 * i + 2] : 0.0f; };
        if (!affine_) {
            const float a[3] = {p[0], p[1], z(0)}, b[3] = {p[floats], p[floats + 1], z(1)},
                        c[3] = {p[2 * floats], p[2 * floats + 1], z(2)};
            return centres_.mayLightPixel(a, b, c);
        }
        const Affine& a = *affine_;
        // Across first: about half the triangles of a dense mesh end there.
        double x[3], y[3];
        for (size_t i = 0; i < 3; ++i)
            x[i] = a.x[0] * p[floats * i] + a.x[1] * p[floats * i + 1] + a.x[2] * z(i) + a.x[3];
        double firstX = 0.0, lastX = 0.0, firstY = 0.0, lastY = 0.0;
        const Span across = centresWithin(x, firstX, lastX);
        if (across == Span::none) return false;
        for (size_t i = 0; i < 3; ++i)
            y[i] = a.y[0] * p[floats * i] + a.y[1] * p[floats * i + 1] + a.y[2] * z(i) + a.y[3];
        const Span up = centresWithin(y, firstY, lastY);
        if (up == Span::none) return false;
        if (across == Span::unbounded || up == Span::unbounded) return true;
        if ((lastX - firstX + 1.0) * (lastY - firstY + 1.0) > 4.0) return true;
        const double area = (x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0]);
        if (!std::isfinite(area) || std::fabs(area) < 1e-9) return true; // too thin to have a direction
        const double orientation = area > 0.0 ? 1.0 : -1.0;
        double ex[3], ey[3], slack[3];
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3;
            ex[i] = x[j] - x[i];
            ey[i] = y[j] - y[i];
            slack[i] = kMargin * std::sqrt(ex[i] * ex[i] + ey[i] * ey[i]);
        }
        for (double cy = firstY + 0.5; cy <= lastY + 0.5; cy += 1.0)
            for (double cx = firstX + 0.5; cx <= lastX + 0.5; cx += 1.0) {
                bool inside = true;
                for (int i = 0; i < 3 && inside; ++i)
                    inside = orientation * (ex[i] * (cy - y[i]) - ey[i] * (cx - x[i])) >= -slack[i];
                if (inside) return true;
            }
        return false;
    }

private:
    struct Affine {
        double x[4], y[4];
    };
    // floor() without a library call, for the range checked below.
    static double floorOf(double v) {
        const auto whole = static_cast<double>(static_cast<long long>(v));
        return whole > v ? whole - 1.0 : whole;
    }
    enum class Span { none, some, unbounded };
    // The pixel centres i + 0.5 within the corners' span widened by the margin: [first,
    // last]. A corner that is not finite, or a span beyond what floorOf handles, is
    // unbounded: the triangle is kept.
    static Span centresWithin(const double* v, double& first, double& last) {
        const double sum = v[0] + v[1] + v[2];
        if (sum - sum != 0.0) return Span::unbounded;
        const double low = std::min(std::min(v[0], v[1]), v[2]) - kMargin - 0.5;
        const double high = std::max(std::max(v[0], v[1]), v[2]) + kMargin - 0.5;
        if (low < -1e15 || high > 1e15) return Span::unbounded;
        first = -floorOf(-low);
        last = floorOf(high);
        return first <= last ? Span::some : Span::none;
    }

    PixelCentres centres_;
    std::optional<Affine> affine_;
};

KeptContours::KeptContours(ContourColours colours, bool toBuffers, bool allAtZeroHeight)
    : colours_(std::move(colours)), toBuffers_(toBuffers), positionFloats_(allAtZeroHeight ? 2 : 3),
      fills_(colours_.bands.size() + 1) {
    fills_[0].colour = Colour{1.0f, 1.0f, 1.0f};
    for (size_t band = 0; band < colours_.bands.size(); ++band) fills_[band + 1].colour = colours_.bands[band];
}

KeptContours::Chunk& KeptContours::open(std::vector<Chunk>& chunks, size_t floatsPerVertex) {
    if (chunks.empty() || chunks.back().vertices >= kChunkVertices) {
        if (!chunks.empty()) seal(chunks.back(), floatsPerVertex);
        // Reserved whole: pages are touched only as vertices arrive, and nothing is moved.
        chunks.emplace_back().data.reserve(kChunkVertices * floatsPerVertex);
    }
    return chunks.back();
}

void KeptContours::seal(Chunk& chunk, size_t floatsPerVertex) {
    if (!toBuffers_ || chunk.data.empty() || !chunk.buffer.empty()) return;
    chunk.buffer.store(GlBuffer::Kind::vertices, chunk.data.data(), chunk.vertices * floatsPerVertex * sizeof(float));
    std::vector<float>().swap(chunk.data);
}

void KeptContours::fill(const Point3* corners, int count, int band) {
    const size_t group = band == kWhiteBand ? 0 : static_cast<size_t>(band) + 1;
    if (group >= fills_.size() || count < 3) return;
    Chunk& chunk = open(fills_[group].chunks, positionFloats_);
    // A convex polygon as a fan of triangles, as the batched contours draw it. The chunk's
    // room is reserved: the floats go straight in.
    auto put = [&chunk, floats = positionFloats_](const Point3& p) {
        for (size_t k = 0; k < floats; ++k) chunk.data.push_back(static_cast<float>(p[k]));
    };
    for (int i = 1; i + 1 < count; ++i) {
        put(corners[0]);
        put(corners[i]);
        put(corners[i + 1]);
        chunk.vertices += 3;
    }
}

void KeptContours::line(const Point3& from, const Point3& to, int level) {
    const Colour& c = colours_.levels[static_cast<size_t>(level)];
    Chunk& chunk = open(lines_, kFloatsPerLineVertex);
    for (const Point3* p : {&from, &to})
        chunk.data.insert(chunk.data.end(), {static_cast<float>((*p)[0]), static_cast<float>((*p)[1]),
                                             static_cast<float>((*p)[2]), c.red, c.green, c.blue});
    chunk.vertices += 2;
}

void KeptContours::finish() {
    for (Group& group : fills_)
        if (!group.chunks.empty()) seal(group.chunks.back(), positionFloats_);
    if (!lines_.empty()) seal(lines_.back(), kFloatsPerLineVertex);
}

void KeptContours::drawFills(const Chunk& chunk, const Culling* culling) {
    const size_t floats = positionFloats_;
    const auto size = static_cast<GLint>(floats);
    if (!chunk.buffer.empty()) {
        drawArrays(GL_TRIANGLES, chunk.buffer.bind(), nullptr, 0, chunk.vertices, size);
        return;
    }
    unbindGlBuffers();
    if (!culling) {
        drawArrays(GL_TRIANGLES, chunk.data.data(), nullptr, 0, chunk.vertices, size);
        // The software rasteriser bins what it is given until a flush: drawing each
        // chunk at once keeps its working memory to one chunk rather than the whole graph.
        glFlush();
        return;
    }
    const float* p = chunk.data.data();
    const float* end = p + chunk.vertices * floats;
    visible_.resize(chunk.vertices * floats);
    float* kept = visible_.data();
    for (; p != end; p += 3 * floats)
        if (culling->mayLightPixel(p, floats)) kept = std::copy(p, p + 3 * floats, kept);
    const auto keptFloats = static_cast<size_t>(kept - visible_.data());
    drawArrays(GL_TRIANGLES, visible_.data(), nullptr, 0, keptFloats / floats, size);
    glFlush(); // as above
}

void KeptContours::draw(const WindowMapping* view) {
    std::optional<Culling> culling;
    if (view) culling.emplace(*view);
    const Culling* cull = culling ? &*culling : nullptr;
    {
        ClientArrays arrays(false);
        for (const Group& group : fills_) {
            if (group.chunks.empty()) continue;
            setColour(group.colour);
            for (const Chunk& chunk : group.chunks) drawFills(chunk, cull);
        }
    }
    ClientArrays arrays(true);
    constexpr auto stride = static_cast<GLsizei>(kFloatsPerLineVertex * sizeof(float));
    for (const Chunk& chunk : lines_) {
        if (!chunk.buffer.empty()) {
            drawArrays(GL_LINES, chunk.buffer.bind(), chunk.buffer.bind(3 * sizeof(float)), stride, chunk.vertices);
        } else {
            unbindGlBuffers();
            drawArrays(GL_LINES, chunk.data.data(), chunk.data.data() + 3, stride, chunk.vertices);
        }
    }
}

void KeptContours::release() {
    for (Group& group : fills_) {
        for (Chunk& chunk : group.chunks) chunk.buffer.release();
        group.chunks.clear();
    }
    for (Chunk& chunk : lines_) chunk.buffer.release();
    lines_.clear();
    std::vector<float>().swap(visible_);
}

size_t KeptContours::fillTriangles() const {
    size_t triangles = 0;
    for (const Group& group : fills_)
        for (const Chunk& chunk : group.chunks) triangles += chunk.vertices / 3;
    return triangles;
}

size_t KeptContours::lineVertices() const {
    size_t vertices = 0;
    for (const Chunk& chunk : lines_) vertices += chunk.vertices;
    return vertices;
}

} // namespace vellum
