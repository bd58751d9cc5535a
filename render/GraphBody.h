#pragma once
// The graph body of one pass (the graph or its flattened projection): surface, hidden-line
// fill, wireframe, drop lines and walls, points or balls, vectors. Each piece is built the
// first time a paint needs it and kept on the OpenGL side until the data set or a look
// setting it was made from changes; a camera move builds nothing, and a drag only the light
// wireframe of its first paint.
#include "common/RGBColor.h"
#include "common/SparePool.h"
#include "render/BodyArrays.h"
#include "render/DragOutline.h"
#include "render/GlBuffer.h"
#include "render/PrimitiveLists.h"
#include "settings/UserColours.h"

#include <cstdint>
#include <vector>

namespace vellum {

struct SceneContext;
struct GraphPass;

// Everything the kept arrays and lists of a pass are made of. Widths, line patterns and
// single line colours are not in it: they are set when drawing.
struct BodyKey {
    uint64_t revision = 0;
    int dataType = -1, shape = -1;
    BodyPlacement placement;
    double dropZ = 0.0;
    int colourCode = 0, column = 0;
    double legendMin = 0.0, legendMax = 0.0;
    UserColours colours;
    int wireMode = 0;
    int pointBall = 0, pointSizeData = 0, pointMode = 0;
    double pointSize = 0.0;
    RGBColor pointColour;
    int vectorZero = 0, vectorMode = 0;
    double vectorSize = 0.0;
    RGBColor vectorColour;
    double pixelRatio = 1.0; // point sizes compiled into the point list

    friend bool operator==(const BodyKey&, const BodyKey&) = default;
};
BodyKey bodyKeyOf(const SceneContext& scene, const GraphPass& pass);

// Which pieces a pass draws in this scene, in drawing order: those under the contours
// (surface, hidden-line fill, wireframe, element drop lines and walls), then those over
// them (node drop lines, points, vectors). Every output of the graph body asks here.
struct BodyPieces {
    bool surface = false, hiddenFill = false, wireframe = false, elementDropsAndWalls = false;
    bool nodeDrops = false, points = false, vectors = false;
};
BodyPieces bodyPiecesOf(const SceneContext& scene, const GraphPass& pass);
// Where the pass puts its points.
BodyPlacement bodyPlacementOf(const SceneContext& scene, const GraphPass& pass);

class GraphBody {
public:
    GraphBody() = default;
    GraphBody(const GraphBody&) = delete;
    GraphBody& operator=(const GraphBody&) = delete;

    // Builds whatever the pass draws in this scene that is not built yet. True when
    // anything was built.
    bool prepare(const SceneContext& scene, const GraphPass& pass);
    // What lies under the contours: surface, hidden-line fill, wireframe, element drop
    // lines and walls.
    void drawUnderContours(const SceneContext& scene, const GraphPass& pass);
    // What lies over them: node drop lines, points, vectors.
    void drawOverContours(const SceneContext& scene, const GraphPass& pass);

    // Whether the surface and the hidden-line fill leave out triangles that light no pixel
    // centre, where they are kept in memory; on by default. Off, every triangle is drawn
    // (the same picture, slower): for comparing the two.
    void setCulling(bool on) { culling_ = on; }

    // Deletes the buffers and lists; the context they were made in must be current.
    void release();
    size_t primitiveListCount() const { return shapes_.listCount(); }

private:
    struct Array { // node data or indices
        bool built = false;
        GlBuffer buffer;
        size_t count = 0;
    };
    struct Vertices { // positions, and colours when the piece has its own
        bool built = false;
        GlBuffer positions, colours;
        size_t count = 0;
    };
    struct List {
        bool built = false;
        unsigned id = 0;
    };
    struct FaceBatch { // element faces: float positions, byte colours, 16-bit indices
        GlBuffer positions, colours, indices;
        size_t count = 0; // indices
        ElementFaceBatch inMemory; // instead of the buffers, for a software rasteriser
    };
    struct FaceBatches {
        bool built = false;
        std::vector<FaceBatch> batches;
        std::vector<uint16_t> lit; // the triangles of one batch that can light a pixel
    };
    void drawElementFaces(FaceBatches& faces);

    void useKey(const SceneContext& scene, const GraphPass& pass);
    void underContours(const SceneContext& scene, const GraphPass& pass, bool draw);
    void overContours(const SceneContext& scene, const GraphPass& pass, bool draw);

    void surface(const SceneContext& scene, const GraphPass& pass, bool draw);
    void hiddenFill(const SceneContext& scene, bool draw);
    void wireframe(const SceneContext& scene, const GraphPass& pass, bool draw);
    void elementDropLinesAndWalls(const SceneContext& scene, const GraphPass& pass, bool draw);
    void nodeDropLines(const SceneContext& scene, bool draw);
    void points(const SceneContext& scene, const GraphPass& pass, bool draw);
    void vectors(const SceneContext& scene, const GraphPass& pass, bool draw);

    // `forCulling`: the surface or the hidden-line fill, which keep a copy in memory to cull.
    void ensurePositions(const SceneContext& scene, bool forCulling = false);
    void ensureColours(const SceneContext& scene, const GraphPass& pass);
    void ensureTriangles(const SceneContext& scene);
    void drawIndexed(unsigned mode, const Array& indices, bool withColours);
    // The surface's triangles, culled where they are kept in memory (a software rasteriser).
    void drawTriangles(bool withColours);
    // Culled triangles waiting to be drawn: enough to keep the drawing thread busy.
    static constexpr size_t kChunksCulledAhead = 2;

    bool keyed_ = false;
    BodyKey key_;
    int builds_ = 0; // pieces built under this renderer's life, to tell prepare() what happened

    Array nodePositions_, nodeColours_; // indexed pieces draw from these
    Array triangles_, outline_, visibleNodes_;
    FaceBatches elementFaces_;
    std::vector<float> cullingPositions_; // the node positions again, read by culling
    bool cullingCopied_ = false;
    SparePool<std::vector<uint32_t>> culled_; // the kept triangles of a chunk being drawn
    bool culling_ = true;
    Vertices elementOutline_, elementDrops_, walls_, nodeDrops_, shafts_;
    DragOutline dragOutline_;
    List pointShapes_, vectorHeads_;
    PrimitiveLists shapes_;
};

} // namespace vellum
