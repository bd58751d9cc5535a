#include "render/KeptContours.h"

#include "data/DataSet.h"
#include "render/CulledDraw.h"
#include "render/GlState.h"
#include "render/PixelCentres.h"

#include <GL/gl.h>

#include <algorithm>
#include <functional>
#include <memory>
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

void KeptContours::cullCorners(const Chunk& chunk, const PixelCentres& culling, std::vector<float>& kept) const {
    const size_t floats = positionFloats_;
    const float* p = chunk.data.data();
    const float* end = p + chunk.vertices * floats;
    // Reserved, not sized: only the pages the kept triangles reach are touched.
    kept.clear();
    kept.reserve(chunk.vertices * floats);
    for (; p != end; p += 3 * floats)
        if (culling.mayLightPixel(p, floats)) kept.insert(kept.end(), p, p + 3 * floats);
}

void KeptContours::drawCorners(const float* positions, size_t vertices) const {
    drawArrays(GL_TRIANGLES, positions, nullptr, 0, vertices, static_cast<GLint>(positionFloats_));
    // The software rasteriser bins what it is given until a flush: drawing each chunk at
    // once keeps its working memory to one chunk rather than the whole graph.
    glFlush();
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

void KeptContours::drawNodeIndices(const uint32_t* indices, size_t count) const {
    if (count == 0) return;
    glVertexPointer(static_cast<GLint>(positionFloats_), GL_FLOAT, 0, nodePositions_.data());
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(count), GL_UNSIGNED_INT, indices);
    glFlush(); // as for the chunks of corners
}

template <class Step>
void KeptContours::visitFills(const PixelCentres* culling, const Step& step) {
    // Triangles kept as node indices are drawn once their nodes' positions are kept.
    const bool nodesKept = !nodePositions_.empty();
    for (const Group& group : fills_) {
        if (group.chunks.empty() && group.nodeChunks.empty()) continue;
        step([colour = group.colour] { setColour(colour); });
        for (const Chunk& chunk : group.chunks) {
            if (!chunk.buffer.empty()) {
                step([&chunk, this] {
                    drawArrays(GL_TRIANGLES, chunk.buffer.bind(), nullptr, 0, chunk.vertices,
                               static_cast<GLint>(positionFloats_));
                });
            } else if (!culling) {
                step([&chunk, this] {
                    unbindGlBuffers();
                    drawCorners(chunk.data.data(), chunk.vertices);
                });
            } else {
                auto kept = std::make_shared<std::vector<float>>(keptCorners_.take());
                cullCorners(chunk, *culling, *kept);
                step([kept, this] {
                    unbindGlBuffers();
                    drawCorners(kept->data(), kept->size() / positionFloats_);
                    keptCorners_.give(std::move(*kept));
                });
            }
        }
        if (group.nodeChunks.empty() || !nodesKept) continue;
        step([] { unbindGlBuffers(); });
        for (const std::vector<uint32_t>& indices : group.nodeChunks) {
            if (!culling) {
                step([&indices, this] { drawNodeIndices(indices.data(), indices.size()); });
                continue;
            }
            auto kept = std::make_shared<std::vector<uint32_t>>(keptNodes_.take());
            cullIndexedTriangles(nodePositions_.data(), positionFloats_, indices.data(), indices.size(), *culling,
                                 *kept);
            step([kept, this] {
                drawNodeIndices(kept->data(), kept->size());
                keptNodes_.give(std::move(*kept));
            });
        }
    }
}

void KeptContours::draw(const WindowMapping* view, size_t cullOnHelperFrom) {
    std::optional<PixelCentres> culling;
    if (view) culling.emplace(view->modelView, view->projection, view->viewport);
    const PixelCentres* cull = culling ? &*culling : nullptr;
    {
        ClientArrays arrays(false);
        drawCullingAhead(cull && fillTriangles() >= cullOnHelperFrom, kChunksCulledAhead,
                         [&](const auto& step) { visitFills(cull, step); });
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
    keptCorners_.clear();
    keptNodes_.clear();
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
