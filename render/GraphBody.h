#pragma once
// Draws the graph body of one pass (the graph or its flattened projection): surface,
// hidden-line fill, wireframe, drop lines and walls, points or balls, vectors.
// Geometry is gathered into arrays and handed to OpenGL in a few calls.
#include "data/DataSet.h"
#include "render/Camera.h"
#include "render/ColourMap.h"
#include "render/SceneHooks.h"

#include <cstdint>
#include <vector>

namespace vellum {

class PrimitiveLists;

// Buffers reused from paint to paint so that a large model does not reallocate them.
struct GraphScratch {
    std::vector<uint32_t> triangles, lines, points;
    std::vector<float> nodeColours;
    std::vector<float> nodePositions; // packed: far less for OpenGL to convert and copy
    std::vector<float> batchPositions;
    std::vector<float> batchColours;
};

class GraphBody {
public:
    GraphBody(const SceneContext& scene, const GraphPass& pass, PrimitiveLists& lists, GraphScratch& scratch);

    void drawSurface();
    void drawHiddenFill();
    void drawWireframe();
    // Element values only: lines from the element nodes down to the drop plane and the
    // walls between them (graph only).
    void drawElementDropLinesAndWalls();
    // Node values, vector data and no data file: a line from every node down (graph only).
    void drawNodeDropLines();
    void drawPoints();
    void drawVectors();

private:
    const NodeRecord& node(uint32_t index) const { return scene_.dataSet.nodes[index]; }
    bool elementUsable(const ElementRecord& element) const;
    // The height an element of element values is drawn at: its own value with DIM 2.
    double elementHeight(const ElementRecord& element, uint32_t nodeIndex) const;
    bool liftsElements() const;
    Point3 placed(const Point3& p) const { return pass_.projection ? Point3{p[0], p[1], pass_.flatZ} : p; }
    Colour nodeColour(uint32_t index) const;
    Colour elementColour(const ElementRecord& element) const { return colourMap_(element.t); }

    // Calls visit(element, face) for every drawable face of every visible element.
    template <class Visit>
    void forEachFace(Visit&& visit) const;
    void buildFaceIndices();
    void ensureNodeColours();
    void bindNodePositions();
    void beginBatch();
    void addToBatch(const Point3& p, const Colour& c);
    void drawBatch(unsigned mode, bool withColours);

    const SceneContext& scene_;
    const GraphPass& pass_;
    const GraphOptionSet& options_;
    PrimitiveLists& lists_;
    GraphScratch& scratch_;
    ColourMap colourMap_;
    bool facesBuilt_ = false;
    bool coloursBuilt_ = false;
    bool positionsBuilt_ = false;
};

} // namespace vellum
