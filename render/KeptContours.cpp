#include "render/KeptContours.h"

#include "data/DataSet.h"
#include "render/GlState.h"
#include "render/PixelCentres.h"

#include <GL/gl.h>

#include <algorithm>
#include <optional>

namespace vellum {
namespace {

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

KeptContours::KeptContours(ContourColours colours, bool toBuffers, bool allAtZeroHeight, bool fromNodes)
    : colours_(std::move(colours)), toBuffers_(toBuffers), positionFloats_(allAtZeroHeight ? 2 : 3),
      fills_(colours_.bands.size() + 1), fromNodes_(fromNodes && !toBuffers) {
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

void KeptContours::fillNodes(const Point3* corners, const std::array<uint32_t, 3>& nodes, int band) {
    const size_t group = band == kWhiteBand ? 0 : static_cast<size_t>(band) + 1;
    if (!fromNodes_ || group >= fills_.size()) {
        fill(corners, 3, band);
        return;
    }
    std::vector<std::vector<uint32_t>>& chunks = fills_[group].nodeChunks;
    // Reserved whole, as the chunks of corners are.
    if (chunks.empty() || chunks.back().size() >= kChunkVertices) chunks.emplace_back().reserve(kChunkVertices);
    chunks.back().insert(chunks.back().end(), nodes.begin(), nodes.end());
    nodesUsed_ = std::max({nodesUsed_, nodes[0] + 1, nodes[1] + 1, nodes[2] + 1});
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

void KeptContours::append(KeptContours&& later) {
    const auto moveChunks = [](auto& to, auto& from) {
        to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
        from.clear();
    };
    for (size_t group = 0; group < fills_.size() && group < later.fills_.size(); ++group) {
        moveChunks(fills_[group].chunks, later.fills_[group].chunks);
        moveChunks(fills_[group].nodeChunks, later.fills_[group].nodeChunks);
    }
    moveChunks(lines_, later.lines_);
    nodesUsed_ = std::max(nodesUsed_, later.nodesUsed_);
}

void KeptContours::drawFills(const Chunk& chunk, const PixelCentres* culling) {
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

void KeptContours::keepNodePositions(const std::vector<NodeRecord>& nodes) {
    nodePositions_.clear();
    if (nodesUsed_ == 0 || nodes.size() < nodesUsed_) return;
    const size_t floats = positionFloats_;
    nodePositions_.resize(nodesUsed_ * floats);
    float* out = nodePositions_.data();
    for (size_t n = 0; n < nodesUsed_; ++n, out += floats)
        for (size_t axis = 0; axis < floats; ++axis) out[axis] = static_cast<float>(nodes[n].position[axis]);
}

void KeptContours::drawNodeFills(const std::vector<uint32_t>& indices, const PixelCentres* culling) {
    const size_t floats = positionFloats_;
    const float* positions = nodePositions_.data();
    const uint32_t* drawn = indices.data();
    size_t count = indices.size();
    if (culling) {
        visibleNodes_.resize(indices.size());
        uint32_t* kept = visibleNodes_.data();
        for (size_t i = 0; i < indices.size(); i += 3) {
            const uint32_t* t = indices.data() + i;
            if (culling->mayLightPixel(positions + t[0] * floats, positions + t[1] * floats, positions + t[2] * floats,
                                       floats))
                kept = std::copy_n(t, 3, kept);
        }
        drawn = visibleNodes_.data();
        count = static_cast<size_t>(kept - visibleNodes_.data());
    }
    if (count == 0) return;
    glVertexPointer(static_cast<GLint>(floats), GL_FLOAT, 0, positions);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(count), GL_UNSIGNED_INT, drawn);
    glFlush(); // as for the chunks of corners
}

void KeptContours::draw(const WindowMapping* view) {
    std::optional<PixelCentres> culling;
    if (view) culling.emplace(view->modelView, view->projection, view->viewport);
    const PixelCentres* cull = culling ? &*culling : nullptr;
    {
        ClientArrays arrays(false);
        // Triangles kept as node indices are drawn once their nodes' positions are kept.
        const bool nodesKept = !nodePositions_.empty();
        for (const Group& group : fills_) {
            if (group.chunks.empty() && group.nodeChunks.empty()) continue;
            setColour(group.colour);
            for (const Chunk& chunk : group.chunks) drawFills(chunk, cull);
            if (group.nodeChunks.empty() || !nodesKept) continue;
            unbindGlBuffers();
            for (const std::vector<uint32_t>& indices : group.nodeChunks) drawNodeFills(indices, cull);
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
        group.nodeChunks.clear();
    }
    for (Chunk& chunk : lines_) chunk.buffer.release();
    lines_.clear();
    nodesUsed_ = 0;
    std::vector<float>().swap(nodePositions_);
    std::vector<float>().swap(visible_);
    std::vector<uint32_t>().swap(visibleNodes_);
}

size_t KeptContours::fillTriangles() const {
    size_t triangles = 0;
    for (const Group& group : fills_) {
        for (const Chunk& chunk : group.chunks) triangles += chunk.vertices / 3;
        for (const std::vector<uint32_t>& indices : group.nodeChunks) triangles += indices.size() / 3;
    }
    return triangles;
}

size_t KeptContours::lineVertices() const {
    size_t vertices = 0;
    for (const Chunk& chunk : lines_) vertices += chunk.vertices;
    return vertices;
}

} // namespace vellum
