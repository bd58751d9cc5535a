#pragma once
// The contours a window keeps between paints, laid out for a software rasteriser: fills
// as bare positions grouped by band (each band one colour, set once per draw), lines as
// positions with colours, all in fixed-size chunks in client memory so that nothing is
// copied into buffer objects and no array doubles while it grows. On a hardware context
// each finished chunk goes into a buffer object instead and leaves memory.
//
// A paint on the software rasteriser leaves out fill triangles that light no pixel centre
// in the current view (most of a million-node mesh drawn into a window), which keeps the
// picture the same while the rasteriser handles a fraction of the triangles.
#include "render/ContourArrays.h"
#include "render/ContourGeometry.h"
#include "render/CulledDraw.h"
#include "render/GlBuffer.h"
#include "render/PixelOutline.h"
#include "common/SparePool.h"

#include <memory>
#include <vector>

namespace vellum {

class PixelCentres;
struct NodeRecord;

class KeptContours : public ContourSink {
public:
    // `toBuffers`: finished chunks go into buffer objects (a context that draws in
    // hardware); the context must be current while the sink is fed. `allAtZeroHeight`:
    // every corner the sink will get has z = 0 (a flat sheet), so fills keep x and y
    // alone and OpenGL supplies the 0, a third less memory for the same vertices.
    // `fromNodes`: whole triangles traced at their nodes' own positions are kept as the
    // three node indices, drawn from the nodes' positions kept once (keepNodePositions),
    // a half or a third of the memory of their corners: most nodes are corners of six
    // triangles. In client memory only (not with `toBuffers`).
    KeptContours(ContourColours colours, bool toBuffers, bool allAtZeroHeight = false, bool fromNodes = false);
    KeptContours(const KeptContours&) = delete;
    KeptContours& operator=(const KeptContours&) = delete;

    void fill(const Point3* corners, int count, int band) override;
    void line(const Point3& from, const Point3& to, int level) override;
    void fillNodes(const Point3* corners, const std::array<uint32_t, 3>& nodes, int band) override;
    // Keeps the positions of the nodes the triangles kept as node indices stand on, from
    // the data set they were traced from; until then those triangles are not drawn.
    void keepNodePositions(const std::vector<NodeRecord>& nodes);
    // Stores what is left in the partly filled chunks. Context current.
    void finish();
    // Takes the pieces of `later`, made with the same colours and layout, as if they had
    // come to this sink after its own: each band's fills and the lines follow this sink's.
    void append(KeptContours&& later);

    // Draws the fills band by band and then the lines. With `view`, fill triangles of
    // chunks kept in memory that light no pixel centre in it are left out; from
    // `cullOnHelperFrom` fill triangles on, a helper thread culls them. Context current.
    void draw(const WindowMapping* view, size_t cullOnHelperFrom = kCullOnHelperFrom);
    // Deletes the buffer objects; the context they were made in must be current.
    void release();

    size_t fillTriangles() const;
    size_t lineVertices() const;

private:
    struct Chunk {
        std::vector<float> data;
        GlBuffer buffer;
        size_t vertices = 0;
    };
    struct Group {
        Colour colour;
        std::vector<Chunk> chunks;
        std::vector<std::vector<uint32_t>> nodeChunks; // three node indices a triangle
    };
    static constexpr size_t kFloatsPerLineVertex = 6;
    // Culled chunks waiting to be drawn: enough to keep the drawing thread busy.
    static constexpr size_t kChunksCulledAhead = 2;

    // Moves a full (or the last) chunk into its buffer object when there is one to use.
    void seal(Chunk& chunk, size_t floatsPerVertex);
    Chunk& open(std::vector<Chunk>& chunks, size_t floatsPerVertex);
    // Calls `step` with each OpenGL step of drawing the fills, in order, to be run on the
    // context's thread; with `culling`, each chunk in memory is culled first, here.
    template <class Step>
    void visitFills(const PixelCentres* culling, const Step& step);
    void cullCorners(const Chunk& chunk, const PixelCentres& culling, std::vector<float>& kept) const;
    void drawCorners(const float* positions, size_t vertices) const;
    void drawNodeIndices(const uint32_t* indices, size_t count) const;

    ContourColours colours_;
    bool toBuffers_;
    size_t positionFloats_; // of a fill vertex: 2 or 3
    std::vector<Group> fills_; // [0] the white hiding fill, [band + 1] the bands
    std::vector<Chunk> lines_;
    bool fromNodes_;
    uint32_t nodesUsed_ = 0; // one past the highest node index kept
    std::vector<float> nodePositions_; // positionFloats_ a node, as OpenGL gets them
    // The culled triangles of a chunk, for one draw call: corners, or node indices. A few
    // are in use at once while a helper culls ahead.
    SparePool<std::vector<float>> keptCorners_;
    SparePool<std::vector<uint32_t>> keptNodes_;
};

} // namespace vellum
