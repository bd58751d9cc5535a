#pragma once
// The light wireframe a drag shows: the outline of every fifth element, fitted afresh to
// the pixels at every paint (PixelOutline.h). It is made on the first paint of a drag and
// kept with the rest of the graph body, so a drag's end builds nothing; the headless
// program, which never drags, never makes it.
#include "render/BodyArrays.h"
#include "render/GlBuffer.h"
#include "render/PixelOutline.h"

#include <cstdint>
#include <vector>

namespace vellum {

class DragOutline {
public:
    DragOutline() = default;
    DragOutline(const DragOutline&) = delete;
    DragOutline& operator=(const DragOutline&) = delete;

    bool built() const { return built_; }
    // An outline drawn from the node arrays: every node's drawing position (x, y, z, as
    // the node buffers hold them) and the node pairs of the segments.
    void keepNodeOutline(std::vector<float> nodePositions, std::vector<uint32_t> segments);
    // An outline whose vertices have colours of their own (element values): two vertices
    // a segment. Context current.
    void keepOwnVertices(const ColouredVertices& lines);

    // Draws with the matrices, viewport, line width and pattern current. A node outline
    // draws from `nodePositions` (and `nodeColours` unless null); an outline with its own
    // vertices ignores both.
    void draw(const GlBuffer* nodePositions, const GlBuffer* nodeColours, uint16_t linePattern);

    // Deletes the buffers; the context they were made in must be current.
    void release();

private:
    bool built_ = false;
    bool ownVertices_ = false;
    std::vector<float> positions_;   // what the window positions are computed from
    std::vector<uint32_t> segments_; // node pairs; empty for own vertices
    GlBuffer ownPositions_, ownColours_;
    // Scratch of every paint, kept to spare the allocations.
    std::vector<float> windowXy_;
    std::vector<uint8_t> cells_;
    PixelOutline fitted_;
};

} // namespace vellum
