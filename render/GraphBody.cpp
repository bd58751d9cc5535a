#include "render/GraphBody.h"

#include "data/DataSet.h"
#include "render/GraphGeometry.h"
#include "render/PrimitiveLists.h"
#include "settings/ViewSettings.h"

#include <GL/gl.h>

namespace vellum {
namespace {

void setColour(const Colour& c) { glColor3f(c.red, c.green, c.blue); }

// A width of 0 is not a line width OpenGL accepts; such lines are drawn one pixel wide.
void setLineStyle(double width, uint16_t pattern) {
    glLineWidth(width > 0.0 ? static_cast<GLfloat>(width) : 1.0f);
    glLineStipple(1, pattern);
}

void drawIndexed(GLenum mode, const std::vector<uint32_t>& indices) {
    if (!indices.empty())
        glDrawElements(mode, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_INT, indices.data());
}

// Vertex (and colour) arrays switched on for the life of one draw.
class ClientArrays {
public:
    explicit ClientArrays(bool colours) {
        glEnableClientState(GL_VERTEX_ARRAY);
        if (colours) glEnableClientState(GL_COLOR_ARRAY);
    }
    ~ClientArrays() {
        glDisableClientState(GL_COLOR_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
    }
    ClientArrays(const ClientArrays&) = delete;
    ClientArrays& operator=(const ClientArrays&) = delete;
};

Point3 toPoint(const std::array<double, 3>& p) { return Point3{p[0], p[1], p[2]}; }

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

} // namespace

GraphBody::GraphBody(const SceneContext& scene, const GraphPass& pass, PrimitiveLists& lists, GraphScratch& scratch)
    : scene_(scene), pass_(pass), options_(*pass.options), lists_(lists), scratch_(scratch),
      colourMap_(pass.colourCode, scene.settings.selectedColumn, scene.dataSet, scene.settings) {}

bool GraphBody::elementUsable(const ElementRecord& element) const {
    if (element.visible == 0.0) return false;
    const size_t nodeCount = scene_.dataSet.nodes.size();
    for (uint8_t i = 0; i < element.nodeCount && i < kMaxElementNodes; ++i)
        if (element.nodes[i] >= nodeCount) return false;
    return true;
}

bool GraphBody::liftsElements() const {
    return !pass_.projection && scene_.state.dataType == kElementValues && scene_.settings.DIM == 2;
}

double GraphBody::elementHeight(const ElementRecord& element, uint32_t nodeIndex) const {
    if (liftsElements()) return (element.t - 0.5) * scene_.settings.SCALE[2];
    return pass_.projection ? pass_.flatZ : node(nodeIndex).position[2];
}

Colour GraphBody::nodeColour(uint32_t index) const { return colourMap_(node(index).t); }

template <class Visit>
void GraphBody::forEachFace(Visit&& visit) const {
    for (const ElementRecord& element : scene_.dataSet.elements) {
        if (!elementUsable(element)) continue;
        for (size_t f = 0; f < element.faceCount; ++f)
            if (const FacePattern* face = elementFace(element, f)) visit(element, *face);
    }
}

void GraphBody::buildFaceIndices() {
    if (facesBuilt_) return;
    facesBuilt_ = true;
    scratch_.triangles.clear();
    forEachFace([this](const ElementRecord& element, const FacePattern& face) {
        for (const uint8_t corner : trianglesOf(face)) scratch_.triangles.push_back(element.nodes[corner]);
    });
}

void GraphBody::ensureNodeColours() {
    if (coloursBuilt_) return;
    coloursBuilt_ = true;
    const auto& nodes = scene_.dataSet.nodes;
    scratch_.nodeColours.resize(nodes.size() * 3);
    float* out = scratch_.nodeColours.data();
    for (const NodeRecord& n : nodes) {
        const Colour c = colourMap_(n.t);
        *out++ = c.red;
        *out++ = c.green;
        *out++ = c.blue;
    }
}

void GraphBody::bindNodePositions() {
    if (!positionsBuilt_) {
        positionsBuilt_ = true;
        const auto& nodes = scene_.dataSet.nodes;
        scratch_.nodePositions.resize(nodes.size() * 3);
        float* out = scratch_.nodePositions.data();
        for (const NodeRecord& n : nodes) {
            *out++ = static_cast<float>(n.position[0]);
            *out++ = static_cast<float>(n.position[1]);
            *out++ = static_cast<float>(pass_.projection ? pass_.flatZ : n.position[2]);
        }
    }
    glVertexPointer(3, GL_FLOAT, 0, scratch_.nodePositions.data());
}

void GraphBody::beginBatch() {
    scratch_.batchPositions.clear();
    scratch_.batchColours.clear();
}

void GraphBody::addToBatch(const Point3& p, const Colour& c) {
    scratch_.batchPositions.insert(scratch_.batchPositions.end(),
                                   {static_cast<float>(p[0]), static_cast<float>(p[1]), static_cast<float>(p[2])});
    scratch_.batchColours.insert(scratch_.batchColours.end(), {c.red, c.green, c.blue});
}

void GraphBody::drawBatch(unsigned mode, bool withColours) {
    if (scratch_.batchPositions.empty()) return;
    ClientArrays arrays(withColours);
    glVertexPointer(3, GL_FLOAT, 0, scratch_.batchPositions.data());
    if (withColours) glColorPointer(3, GL_FLOAT, 0, scratch_.batchColours.data());
    glDrawArrays(mode, 0, static_cast<GLsizei>(scratch_.batchPositions.size() / 3));
}

void GraphBody::drawSurface() {
    if (scene_.state.dataType == kElementValues) {
        // One colour per element; with DIM 2 each element floats at its own value.
        beginBatch();
        forEachFace([&](const ElementRecord& element, const FacePattern& face) {
            const Colour colour = elementColour(element);
            for (const uint8_t corner : trianglesOf(face)) {
                const uint32_t n = element.nodes[corner];
                const auto& p = node(n).position;
                addToBatch(Point3{p[0], p[1], elementHeight(element, n)}, colour);
            }
        });
        drawBatch(GL_TRIANGLES, true);
        return;
    }
    // Per-vertex colours: OpenGL's smooth shading blends them across each face.
    buildFaceIndices();
    ensureNodeColours();
    ClientArrays arrays(true);
    bindNodePositions();
    glColorPointer(3, GL_FLOAT, 0, scratch_.nodeColours.data());
    drawIndexed(GL_TRIANGLES, scratch_.triangles);
}

void GraphBody::drawHiddenFill() {
    // White whatever the background: the polygon offset lets the lines drawn next win on
    // front faces while the fill hides what lies behind.
    buildFaceIndices();
    setColour(colourForCode(kWhiteColourCode, 0.0, scene_.settings.userColours));
    ClientArrays arrays(false);
    bindNodePositions();
    drawIndexed(GL_TRIANGLES, scratch_.triangles);
}

void GraphBody::drawWireframe() {
    setLineStyle(options_.WIREWID, options_.wirePattern());
    const int dataType = scene_.state.dataType;
    const bool graphColours = options_.WIREMODE == 1;
    const bool perElement = graphColours && dataType == kElementValues;
    const bool perNode = graphColours && (dataType == kNodeValues || dataType == kVectorData);
    const auto& elements = scene_.dataSet.elements;
    const bool thinned = scene_.settings.dragging == 1;

    if (perElement) {
        beginBatch();
        for (size_t e = 0; e < elements.size(); ++e) {
            const ElementRecord& element = elements[e];
            if ((thinned && e % 5 != 0) || !elementUsable(element)) continue;
            const Colour colour = elementColour(element);
            const Outline outline = elementOutline(element, scene_.state.shape);
            for (size_t s = 0; s < outline.count; ++s)
                for (const uint8_t position : outline.segments[s]) {
                    const uint32_t n = element.nodes[position];
                    const auto& p = node(n).position;
                    addToBatch(Point3{p[0], p[1], elementHeight(element, n)}, colour);
                }
        }
        drawBatch(GL_LINES, true);
        return;
    }

    scratch_.lines.clear();
    for (size_t e = 0; e < elements.size(); ++e) {
        const ElementRecord& element = elements[e];
        if ((thinned && e % 5 != 0) || !elementUsable(element)) continue;
        const Outline outline = elementOutline(element, scene_.state.shape);
        for (size_t s = 0; s < outline.count; ++s) {
            scratch_.lines.push_back(element.nodes[outline.segments[s][0]]);
            scratch_.lines.push_back(element.nodes[outline.segments[s][1]]);
        }
    }
    if (perNode) ensureNodeColours();
    else if (graphColours) setColour(Colour{1.0f, 0.0f, 0.0f}); // no data: nothing to colour by
    else setColour(colourOf(options_.WIRECOLOR));
    ClientArrays arrays(perNode);
    bindNodePositions();
    if (perNode) glColorPointer(3, GL_FLOAT, 0, scratch_.nodeColours.data());
    drawIndexed(GL_LINES, scratch_.lines);
}

void GraphBody::drawElementDropLinesAndWalls() {
    const ViewSettings& settings = scene_.settings;
    const double z0 = scene_.box.dropPlaneZ;
    if (settings.SUISEN1 == 1) {
        setLineStyle(settings.SUISENWIDTH, settings.suisenPattern());
        setColour(colourOf(settings.SUISENCOLOR));
        beginBatch();
        forEachFace([&](const ElementRecord& element, const FacePattern& face) {
            for (uint8_t i = 0; i < face.count; ++i) {
                const uint32_t n = element.nodes[face.positions[i]];
                const auto& p = node(n).position;
                addToBatch(Point3{p[0], p[1], elementHeight(element, n)}, Colour{});
                addToBatch(Point3{p[0], p[1], z0}, Colour{});
            }
        });
        drawBatch(GL_LINES, false);
    }
    if (settings.SUISEN2 == 1) {
        beginBatch();
        forEachFace([&](const ElementRecord& element, const FacePattern& face) {
            const Colour colour = elementColour(element);
            for (uint8_t i = 0; i < face.count; ++i) {
                const uint32_t a = element.nodes[face.positions[i]];
                const uint32_t b = element.nodes[face.positions[(i + 1) % face.count]];
                const auto& pa = node(a).position;
                const auto& pb = node(b).position;
                addToBatch(Point3{pa[0], pa[1], elementHeight(element, a)}, colour);
                addToBatch(Point3{pb[0], pb[1], elementHeight(element, b)}, colour);
                addToBatch(Point3{pb[0], pb[1], z0}, colour);
                addToBatch(Point3{pa[0], pa[1], z0}, colour);
            }
        });
        drawBatch(GL_QUADS, true);
    }
}

void GraphBody::drawNodeDropLines() {
    const ViewSettings& settings = scene_.settings;
    const double z0 = scene_.box.dropPlaneZ;
    setLineStyle(settings.SUISENWIDTH, settings.suisenPattern());
    setColour(colourOf(settings.SUISENCOLOR));
    beginBatch();
    for (const NodeRecord& n : scene_.dataSet.nodes) {
        if (n.visible == 0.0) continue;
        addToBatch(toPoint(n.position), Colour{});
        addToBatch(Point3{n.position[0], n.position[1], z0}, Colour{});
    }
    drawBatch(GL_LINES, false);
}

void GraphBody::drawPoints() {
    const auto& nodes = scene_.dataSet.nodes;
    const bool graphColours = options_.POINTMODE == 0;
    const Colour single = colourOf(options_.POINTCOLOR);
    if (options_.POINTBALL == 1 || options_.POINTSIZEDATA == 1) {
        // Each node has its own size (or is a sphere), so each is drawn on its own.
        for (uint32_t i = 0; i < nodes.size(); ++i) {
            const NodeRecord& n = nodes[i];
            if (n.visible == 0.0) continue;
            setColour(graphColours ? nodeColour(i) : single);
            const double size = pointSizeFor(options_.POINTSIZE, options_.POINTSIZEDATA, n.t);
            const Point3 at = placed(toPoint(n.position));
            if (options_.POINTBALL == 1) {
                glPushMatrix();
                glTranslated(at[0], at[1], at[2]);
                lists_.drawSphere(ballRadiusFor(size));
                glPopMatrix();
            } else if (size > 0.0) {
                glPointSize(static_cast<GLfloat>(size));
                glBegin(GL_POINTS);
                glVertex3d(at[0], at[1], at[2]);
                glEnd();
            }
        }
        return;
    }
    if (options_.POINTSIZE <= 0.0) return;
    glPointSize(static_cast<GLfloat>(options_.POINTSIZE));
    scratch_.points.clear();
    for (uint32_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].visible != 0.0) scratch_.points.push_back(i);
    if (graphColours) ensureNodeColours();
    else setColour(single);
    ClientArrays arrays(graphColours);
    bindNodePositions();
    if (graphColours) glColorPointer(3, GL_FLOAT, 0, scratch_.nodeColours.data());
    drawIndexed(GL_POINTS, scratch_.points);
}

void GraphBody::drawVectors() {
    const auto& nodes = scene_.dataSet.nodes;
    const bool graphColours = options_.VECMODE == 0;
    const Colour single = colourOf(options_.VECCOLOR);
    setLineStyle(options_.VECWID, 0xFFFF);
    beginBatch();
    for (uint32_t i = 0; i < nodes.size(); ++i) {
        const NodeRecord& n = nodes[i];
        if (n.visible == 0.0) continue;
        const Colour colour = graphColours ? nodeColour(i) : single;
        addToBatch(placed(toPoint(n.position)), colour);
        addToBatch(placed(toPoint(n.tip)), colour);
    }
    drawBatch(GL_LINES, true);

    const ConeSize head = vectorHeadSize(options_.VECSIZE);
    for (uint32_t i = 0; i < nodes.size(); ++i) {
        const NodeRecord& n = nodes[i];
        if (n.visible == 0.0 || (n.magnitude == 0.0 && options_.VEC0 != 1)) continue;
        setColour(graphColours ? nodeColour(i) : single);
        const Point3 tip = placed(toPoint(n.tip));
        glPushMatrix();
        glTranslated(tip[0], tip[1], tip[2]);
        if (n.magnitude != 0.0) {
            const Point3 axis = coneTurnAxis(n, pass_.projection);
            glRotated(180.0, axis[0], axis[1], axis[2]);
            lists_.drawCone(head.baseRadius, head.height);
        } else {
            lists_.drawSphere(zeroVectorBallRadius(options_.VECSIZE));
        }
        glPopMatrix();
    }
}

} // namespace vellum
