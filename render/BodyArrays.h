#pragma once
// The graph body of one pass as plain arrays, computed without OpenGL: node positions and
// colours, face triangles, outlines, drop lines and walls, vector shafts. The drawing
// layer hands them to OpenGL once and replays them on every paint.
#include "data/DataSet.h"
#include "render/Camera.h"
#include "render/ColourMap.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace vellum {

// Where a pass puts its points.
struct BodyPlacement {
    bool projection = false; // every point flat at flatZ
    double flatZ = 0.0;
    // Element values with DIM 2 (graph only): each element floats at its own value.
    bool liftElements = false;
    double liftScale = 1.0; // SCALE along axis 3

    friend bool operator==(const BodyPlacement&, const BodyPlacement&) = default;
};

// One colour per vertex, three floats each for position and colour.
struct ColouredVertices {
    std::vector<float> positions;
    std::vector<float> colours;
    size_t count() const { return positions.size() / 3; }
    void add(const Point3& p, const Colour& c);
    void reserve(size_t vertices);
};

// An element is drawn only when it is visible and every node it names exists.
bool elementUsable(const DataSet& dataSet, const ElementRecord& element);

// x, y, z of every node as placed by the pass, indexed like DataSet::nodes.
std::vector<float> nodePositions(const DataSet& dataSet, const BodyPlacement& placement);
// The colour of every node's value, indexed like DataSet::nodes.
std::vector<float> nodeColours(const DataSet& dataSet, const ColourMap& colours);
// Node indices of the triangles of every drawable face of every usable element, less the
// faces inside a solid that its other faces hide (DataSet::MarkCoveredFaces).
std::vector<uint32_t> faceTriangles(const DataSet& dataSet);
// Node index pairs of the element outlines. With `everyFifth` only elements 0, 5, 10, ...
// are outlined: the light wireframe shown while dragging.
std::vector<uint32_t> outlineSegments(const DataSet& dataSet, int shape, bool everyFifth);
std::vector<uint32_t> visibleNodes(const DataSet& dataSet);

// Element values: each face in its element's colour, less the hidden faces inside a solid.
ColouredVertices elementFaces(const DataSet& dataSet, const ColourMap& colours, const BodyPlacement& placement);
// The same faces as elementFaces, as indexed triangles for flat shading, handed to `emit`
// in batches of at most `batchTriangles` triangles and 65,536 vertices. Flat shading
// colours a triangle by its last vertex, so only that vertex carries the element's colour
// (three bytes, what the picture holds); the other corners reuse any vertex of the batch at
// the same place. A sheet of quadrilaterals then holds about two vertices an element rather
// than six, and each batch goes to OpenGL and is flushed before the next is made. The
// corners of every triangle keep elementFaces' order, so each falls on the same pixels.
struct ElementFaceBatch {
    std::vector<float> positions;  // x, y, z of every vertex
    std::vector<uint8_t> colours;  // red, green, blue of every vertex
    std::vector<uint16_t> indices; // three a triangle, its colour on the last
    size_t vertexCount() const { return positions.size() / 3; }
    size_t triangleCount() const { return indices.size() / 3; }
};
// `emit` may take the batch's arrays (swap them out); each batch is reserved whole, so a
// kept batch holds memory only for what was written.
void elementFaceBatches(const DataSet& dataSet, const ColourMap& colours, const BodyPlacement& placement,
                        size_t batchTriangles, const std::function<void(ElementFaceBatch&)>& emit);
// Element values: each outline in its element's colour.
ColouredVertices elementOutlines(const DataSet& dataSet, int shape, const ColourMap& colours,
                                 const BodyPlacement& placement, bool everyFifth);
// Element values: a line from every face corner down to the drop plane (x, y, z pairs).
std::vector<float> elementDropLines(const DataSet& dataSet, const BodyPlacement& placement, double dropZ);
// Element values: a wall under every face edge, four corners each, in the element's colour.
ColouredVertices elementWalls(const DataSet& dataSet, const ColourMap& colours, const BodyPlacement& placement,
                              double dropZ);
// A line from every visible node down to the drop plane (x, y, z pairs).
std::vector<float> nodeDropLines(const DataSet& dataSet, double dropZ);
// A line from every visible node to its vector's tip, in its own colour or in `single`.
ColouredVertices vectorShafts(const DataSet& dataSet, const ColourMap* colours, const Colour& single,
                              const BodyPlacement& placement);

} // namespace vellum
