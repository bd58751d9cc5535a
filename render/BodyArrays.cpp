#include "render/BodyArrays.h"

#include "render/GraphGeometry.h"

#include <algorithm>
#include <cmath>

namespace vellum {
namespace {

Point3 toPoint(const std::array<double, 3>& p) { return Point3{p[0], p[1], p[2]}; }

Point3 placed(const Point3& p, const BodyPlacement& placement) {
    return placement.projection ? Point3{p[0], p[1], placement.flatZ} : p;
}

// The height an element is drawn at by one of its nodes.
double elementHeight(const DataSet& d, const ElementRecord& element, uint32_t node, const BodyPlacement& placement) {
    if (placement.liftElements) return (element.t - 0.5) * placement.liftScale;
    return placement.projection ? placement.flatZ : d.nodes[node].position[2];
}

Point3 elementPoint(const DataSet& d, const ElementRecord& element, uint32_t node, const BodyPlacement& placement) {
    const auto& p = d.nodes[node].position;
    return Point3{p[0], p[1], elementHeight(d, element, node, placement)};
}

// A face as triangles. A quadrilateral is split along the diagonal from its first to its
// third corner, whatever the driver would do with a GL_QUADS: the face building picks
// the rotation whose first and third corners differ least in value for that diagonal.
struct FaceTriangles {
    std::array<uint8_t, 6> corners{};
    uint8_t count = 0;
    const uint8_t* begin() const { return corners.data(); }
    const uint8_t* end() const { return corners.data() + count; }
};
FaceTriangles trianglesOf(const FacePattern& face) {
    const auto& p = face.positions;
    if (face.count == 3) return FaceTriangles{{p[0], p[1], p[2]}, 3};
    return FaceTriangles{{p[0], p[1], p[2], p[0], p[2], p[3]}, 6};
}

// Which faces a piece is made of. Fills leave out the faces inside a solid: the faces
// around them hide every pixel of them. Drop lines and walls hang below every face, so
// they keep them all.
enum class Faces { all, seen };

// Calls visit(element, face) for every drawable face of every usable element.
template <class Visit>
void forEachFace(const DataSet& d, Faces which, Visit&& visit) {
    const bool skipCovered = which == Faces::seen && d.anyFaceCovered();
    for (size_t e = 0; e < d.elements.size(); ++e) {
        const ElementRecord& element = d.elements[e];
        if (!elementUsable(d, element)) continue;
        const unsigned covered = skipCovered ? d.coveredFacesOf(e) : 0u;
        for (size_t f = 0; f < element.faceCount; ++f)
            if ((covered >> f & 1u) == 0)
                if (const FacePattern* face = elementFace(element, f)) visit(element, *face);
    }
}

// The corners of every face visited, counted first so that the arrays of a million
// elements are allocated once rather than grown and copied.
size_t faceCorners(const DataSet& d, Faces which) {
    size_t corners = 0;
    forEachFace(d, which, [&](const ElementRecord&, const FacePattern& face) { corners += face.count; });
    return corners;
}
size_t triangleCorners(const DataSet& d, Faces which) {
    size_t corners = 0;
    forEachFace(d, which, [&](const ElementRecord&, const FacePattern& face) { corners += trianglesOf(face).count; });
    return corners;
}

// Calls visit(element) for every usable element, every fifth only when thinned.
template <class Visit>
void forEachOutlined(const DataSet& d, bool everyFifth, Visit&& visit) {
    for (size_t e = 0; e < d.elements.size(); ++e) {
        const ElementRecord& element = d.elements[e];
        if ((everyFifth && e % 5 != 0) || !elementUsable(d, element)) continue;
        visit(element);
    }
}

// A colour component as the eight bits of the picture, rounded to the nearest.
uint8_t toByte(float component) {
    const float clamped = std::clamp(component, 0.0f, 1.0f);
    return static_cast<uint8_t>(std::lround(clamped * 255.0f));
}

void addFloats(std::vector<float>& out, const Point3& p) {
    out.push_back(static_cast<float>(p[0]));
    out.push_back(static_cast<float>(p[1]));
    out.push_back(static_cast<float>(p[2]));
}

} // namespace

void ColouredVertices::add(const Point3& p, const Colour& c) {
    addFloats(positions, p);
    colours.push_back(c.red);
    colours.push_back(c.green);
    colours.push_back(c.blue);
}

void ColouredVertices::reserve(size_t vertices) {
    positions.reserve(vertices * 3);
    colours.reserve(vertices * 3);
}

bool elementUsable(const DataSet& d, const ElementRecord& element) {
    if (element.visible == 0.0) return false;
    const size_t nodeCount = d.nodes.size();
    for (uint8_t i = 0; i < element.nodeCount && i < kMaxElementNodes; ++i)
        if (element.nodes[i] >= nodeCount) return false;
    return true;
}

std::vector<float> nodePositions(const DataSet& d, const BodyPlacement& placement) {
    std::vector<float> out(d.nodes.size() * 3);
    float* p = out.data();
    for (const NodeRecord& n : d.nodes) {
        *p++ = static_cast<float>(n.position[0]);
        *p++ = static_cast<float>(n.position[1]);
        *p++ = static_cast<float>(placement.projection ? placement.flatZ : n.position[2]);
    }
    return out;
}

std::vector<float> nodeColours(const DataSet& d, const ColourMap& colours) {
    std::vector<float> out(d.nodes.size() * 3);
    float* p = out.data();
    for (const NodeRecord& n : d.nodes) {
        const Colour c = colours(n.t);
        *p++ = c.red;
        *p++ = c.green;
        *p++ = c.blue;
    }
    return out;
}

std::vector<uint32_t> faceTriangles(const DataSet& d) {
    std::vector<uint32_t> out;
    out.reserve(triangleCorners(d, Faces::seen));
    forEachFace(d, Faces::seen, [&](const ElementRecord& element, const FacePattern& face) {
        for (const uint8_t corner : trianglesOf(face)) out.push_back(element.nodes[corner]);
    });
    return out;
}

std::vector<uint32_t> outlineSegments(const DataSet& d, int shape, bool everyFifth) {
    std::vector<uint32_t> out;
    size_t ends = 0;
    forEachOutlined(d, everyFifth, [&](const ElementRecord& element) { ends += elementOutline(element, shape).count * 2; });
    out.reserve(ends);
    forEachOutlined(d, everyFifth, [&](const ElementRecord& element) {
        const Outline outline = elementOutline(element, shape);
        for (size_t s = 0; s < outline.count; ++s) {
            out.push_back(element.nodes[outline.segments[s][0]]);
            out.push_back(element.nodes[outline.segments[s][1]]);
        }
    });
    return out;
}

std::vector<uint32_t> visibleNodes(const DataSet& d) {
    std::vector<uint32_t> out;
    for (uint32_t i = 0; i < d.nodes.size(); ++i)
        if (d.nodes[i].visible != 0.0) out.push_back(i);
    return out;
}

ColouredVertices elementFaces(const DataSet& d, const ColourMap& colours, const BodyPlacement& placement) {
    ColouredVertices out;
    out.reserve(triangleCorners(d, Faces::seen));
    forEachFace(d, Faces::seen, [&](const ElementRecord& element, const FacePattern& face) {
        const Colour colour = colours(element.t);
        for (const uint8_t corner : trianglesOf(face))
            out.add(elementPoint(d, element, element.nodes[corner], placement), colour);
    });
    return out;
}

namespace {

// Builds one element-face batch after another. A node's latest vertex in the current scope
// (the batch, or the element when elements float at their own heights) is remembered by
// node index, stamped with the scope, so nothing is cleared between scopes.
class FaceBatchBuilder {
public:
    static constexpr size_t kMaxVertices = size_t{1} << 16; // what a 16-bit index reaches

    FaceBatchBuilder(const DataSet& d, const BodyPlacement& placement, size_t batchTriangles,
                     const std::function<void(ElementFaceBatch&)>& emit)
        : d_(d), placement_(placement), maxTriangles_(std::clamp<size_t>(batchTriangles, kMaxFaceTriangles, kMostTriangles)),
          emit_(emit), stampOf_(d.nodes.size(), 0), vertexOf_(d.nodes.size(), 0) {
        reserve();
    }

    void face(const ElementRecord& element, const FacePattern& face, const std::array<uint8_t, 3>& colour) {
        // Every corner adds at most one vertex: the last corner of a triangle is new only
        // when its node's vertex has another colour, and is reused as that node's vertex.
        const FaceTriangles corners = trianglesOf(face);
        if (batch_.vertexCount() + face.count > kMaxVertices ||
            batch_.triangleCount() + corners.count / 3 > maxTriangles_)
            flush();
        // Floating elements share no vertex: each lies at its own height.
        if (placement_.liftElements && &element != lastElement_) newScope();
        lastElement_ = &element;
        for (size_t i = 0; i < corners.count; i += 3) {
            batch_.indices.push_back(vertexAt(element, element.nodes[corners.corners[i]]));
            batch_.indices.push_back(vertexAt(element, element.nodes[corners.corners[i + 1]]));
            batch_.indices.push_back(colouredVertexAt(element, element.nodes[corners.corners[i + 2]], colour));
        }
    }

    void flush() {
        if (!batch_.indices.empty()) emit_(batch_);
        if (batch_.indices.capacity() == 0) reserve(); // taken by emit
        batch_.positions.clear();
        batch_.colours.clear();
        batch_.indices.clear();
        taken_.clear();
        newScope();
    }

private:
    static constexpr size_t kMaxFaceTriangles = 2;
    static constexpr size_t kMostTriangles = size_t{1} << 20;

    void newScope() { ++stamp_; }

    // Untouched pages of a reservation cost address space only.
    void reserve() {
        const size_t vertices = std::min(kMaxVertices, maxTriangles_ * 3);
        batch_.positions.reserve(vertices * 3);
        batch_.colours.reserve(vertices * 3);
        batch_.indices.reserve(maxTriangles_ * 3);
    }

    uint16_t addVertex(const ElementRecord& element, uint32_t node, const std::array<uint8_t, 3>& colour, bool taken) {
        const auto vertex = static_cast<uint16_t>(batch_.vertexCount());
        addFloats(batch_.positions, elementPoint(d_, element, node, placement_));
        batch_.colours.insert(batch_.colours.end(), colour.begin(), colour.end());
        taken_.push_back(taken);
        stampOf_[node] = stamp_;
        vertexOf_[node] = vertex;
        return vertex;
    }

    // Any vertex at the node's place: its colour is not seen.
    uint16_t vertexAt(const ElementRecord& element, uint32_t node) {
        if (stampOf_[node] == stamp_) return vertexOf_[node];
        return addVertex(element, node, {0, 0, 0}, false);
    }

    // A vertex at the node's place in this colour: the node's own while no triangle has
    // coloured it otherwise.
    uint16_t colouredVertexAt(const ElementRecord& element, uint32_t node, const std::array<uint8_t, 3>& colour) {
        if (stampOf_[node] == stamp_) {
            const uint16_t vertex = vertexOf_[node];
            uint8_t* c = batch_.colours.data() + size_t{vertex} * 3;
            if (!taken_[vertex]) {
                std::copy(colour.begin(), colour.end(), c);
                taken_[vertex] = true;
                return vertex;
            }
            if (std::equal(colour.begin(), colour.end(), c)) return vertex;
        }
        return addVertex(element, node, colour, true);
    }

    const DataSet& d_;
    const BodyPlacement& placement_;
    const size_t maxTriangles_;
    const std::function<void(ElementFaceBatch&)>& emit_;
    ElementFaceBatch batch_;
    std::vector<bool> taken_; // whether a vertex of the batch carries a triangle's colour
    std::vector<uint32_t> stampOf_;
    std::vector<uint16_t> vertexOf_;
    uint32_t stamp_ = 1;
    const ElementRecord* lastElement_ = nullptr;
};

} // namespace

void elementFaceBatches(const DataSet& d, const ColourMap& colours, const BodyPlacement& placement,
                        size_t batchTriangles, const std::function<void(ElementFaceBatch&)>& emit) {
    FaceBatchBuilder builder(d, placement, batchTriangles, emit);
    forEachFace(d, Faces::seen, [&](const ElementRecord& element, const FacePattern& face) {
        const Colour c = colours(element.t);
        builder.face(element, face, {toByte(c.red), toByte(c.green), toByte(c.blue)});
    });
    builder.flush();
}

ColouredVertices elementOutlines(const DataSet& d, int shape, const ColourMap& colours,
                                 const BodyPlacement& placement, bool everyFifth) {
    ColouredVertices out;
    size_t corners = 0;
    forEachOutlined(d, everyFifth, [&](const ElementRecord& element) { corners += elementOutline(element, shape).count * 2; });
    out.reserve(corners);
    forEachOutlined(d, everyFifth, [&](const ElementRecord& element) {
        const Colour colour = colours(element.t);
        const Outline outline = elementOutline(element, shape);
        for (size_t s = 0; s < outline.count; ++s)
            for (const uint8_t position : outline.segments[s])
                out.add(elementPoint(d, element, element.nodes[position], placement), colour);
    });
    return out;
}

std::vector<float> elementDropLines(const DataSet& d, const BodyPlacement& placement, double dropZ) {
    std::vector<float> out;
    out.reserve(faceCorners(d, Faces::all) * 6);
    forEachFace(d, Faces::all, [&](const ElementRecord& element, const FacePattern& face) {
        for (uint8_t i = 0; i < face.count; ++i) {
            const Point3 top = elementPoint(d, element, element.nodes[face.positions[i]], placement);
            addFloats(out, top);
            addFloats(out, Point3{top[0], top[1], dropZ});
        }
    });
    return out;
}

ColouredVertices elementWalls(const DataSet& d, const ColourMap& colours, const BodyPlacement& placement,
                              double dropZ) {
    ColouredVertices out;
    out.reserve(faceCorners(d, Faces::all) * 4);
    forEachFace(d, Faces::all, [&](const ElementRecord& element, const FacePattern& face) {
        const Colour colour = colours(element.t);
        for (uint8_t i = 0; i < face.count; ++i) {
            const Point3 a = elementPoint(d, element, element.nodes[face.positions[i]], placement);
            const Point3 b = elementPoint(d, element, element.nodes[face.positions[(i + 1) % face.count]], placement);
            out.add(a, colour);
            out.add(b, colour);
            out.add(Point3{b[0], b[1], dropZ}, colour);
            out.add(Point3{a[0], a[1], dropZ}, colour);
        }
    });
    return out;
}

std::vector<float> nodeDropLines(const DataSet& d, double dropZ) {
    std::vector<float> out;
    for (const NodeRecord& n : d.nodes) {
        if (n.visible == 0.0) continue;
        addFloats(out, toPoint(n.position));
        addFloats(out, Point3{n.position[0], n.position[1], dropZ});
    }
    return out;
}

ColouredVertices vectorShafts(const DataSet& d, const ColourMap* colours, const Colour& single,
                              const BodyPlacement& placement) {
    ColouredVertices out;
    for (size_t i = 0; i < d.nodes.size() && i < d.arrows.size(); ++i) {
        const NodeRecord& n = d.nodes[i];
        if (n.visible == 0.0) continue;
        const Colour colour = colours ? (*colours)(n.t) : single;
        out.add(placed(toPoint(n.position), placement), colour);
        out.add(placed(toPoint(d.arrows[i].tip), placement), colour);
    }
    return out;
}

} // namespace vellum
