#include "render/GraphBody.h"

#include "data/DataSet.h"
#include "render/ColourMap.h"
#include "render/CulledDraw.h"
#include "render/GlBuffer.h"
#include "render/GlState.h"
#include "render/NodeShapes.h"
#include "render/PixelCentres.h"
#include "render/SceneContext.h"
#include "settings/ViewSettings.h"

#include <GL/gl.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>

namespace vellum {
namespace {

bool dragging(const SceneContext& scene) { return scene.settings.dragging == 1; }

// The white fill that hides lines behind the surface; contour bands hide them already.
bool wantsHiddenFill(const GraphPass& pass) {
    return pass.hide == 1 && pass.mode != kGraphGradation &&
           !(pass.mode == kGraphContour && pass.options->CONT == 1);
}

ColourMap colourMapOf(const SceneContext& scene, const GraphPass& pass) {
    return ColourMap(pass.colourCode, scene.settings.selectedColumn, scene.dataSet, scene.settings);
}

// Triangles of element faces per OpenGL buffer and draw call: few calls, yet small enough
// that a software renderer, flushed after each, never holds a million faces at once
// (Mesa's llvmpipe needs about 8 MB for this many; three times as many needed 26 MB).
constexpr size_t kFaceBatchTriangles = 21845;

// Element faces take their colour from the last vertex of each triangle.
class FlatShading {
public:
    FlatShading() {
        glGetIntegerv(GL_SHADE_MODEL, &before_);
        glShadeModel(GL_FLAT);
    }
    ~FlatShading() { glShadeModel(static_cast<GLenum>(before_)); }
    FlatShading(const FlatShading&) = delete;
    FlatShading& operator=(const FlatShading&) = delete;

private:
    GLint before_ = GL_SMOOTH;
};

template <class T>
void storeArray(GlBuffer& buffer, size_t& count, GlBuffer::Kind kind, const std::vector<T>& data, size_t perItem) {
    buffer.store(kind, data);
    count = data.size() / perItem;
}

// The same, in memory here where a software rasteriser culls what the program reads.
template <class T>
void keepArray(GlBuffer& buffer, size_t& count, GlBuffer::Kind kind, const std::vector<T>& data, size_t perItem) {
    if (softwareRasteriser()) buffer.storeInMemory(kind, data);
    else buffer.store(kind, data);
    count = data.size() / perItem;
}

} // namespace

BodyPlacement bodyPlacementOf(const SceneContext& scene, const GraphPass& pass) {
    BodyPlacement p;
    p.projection = pass.projection;
    p.flatZ = pass.flatZ;
    p.liftElements = !pass.projection && scene.state.dataType == kElementValues &&
                     scene.settings.DIM == kDimDataValue;
    p.liftScale = p.liftElements ? scene.settings.SCALE[2] : 1.0;
    return p;
}

BodyPieces bodyPiecesOf(const SceneContext& scene, const GraphPass& pass) {
    const int dataType = scene.state.dataType;
    BodyPieces p;
    p.surface = pass.mode == kGraphGradation && !dragging(scene);
    p.hiddenFill = wantsHiddenFill(pass);
    p.wireframe = pass.options->WIREMODE != 0;
    p.elementDropsAndWalls = p.wireframe && !pass.projection && dataType == kElementValues && !dragging(scene);
    p.nodeDrops = !pass.projection && scene.settings.SUISEN1 == 1 && dataType != kElementValues;
    p.points = pass.mode == kGraphPoints && !dragging(scene);
    p.vectors = pass.mode == kGraphVectors && dataType == kVectorData && !dragging(scene);
    return p;
}

BodyKey bodyKeyOf(const SceneContext& scene, const GraphPass& pass) {
    const ViewSettings& s = scene.settings;
    const GraphOptionSet& o = *pass.options;
    BodyKey k;
    k.revision = scene.dataSet.revision();
    k.dataType = scene.state.dataType;
    k.shape = scene.state.shape;
    k.placement = bodyPlacementOf(scene, pass);
    k.dropZ = scene.box.dropPlaneZ;
    k.colourCode = pass.colourCode;
    k.column = s.selectedColumn;
    k.legendMin = s.MIN;
    k.legendMax = s.MAX;
    k.colours = s.userColours;
    k.wireMode = o.WIREMODE;
    k.pointBall = o.POINTBALL;
    k.pointSizeData = o.POINTSIZEDATA;
    k.pointMode = o.POINTMODE;
    k.pointSize = o.POINTSIZE;
    k.pointColour = o.POINTCOLOR;
    k.vectorZero = o.VEC0;
    k.vectorMode = o.VECMODE;
    k.vectorSize = o.VECSIZE;
    k.vectorColour = o.VECCOLOR;
    k.pixelRatio = scene.pixelRatio;
    return k;
}

void GraphBody::useKey(const SceneContext& scene, const GraphPass& pass) {
    BodyKey key = bodyKeyOf(scene, pass);
    if (keyed_ && key == key_) return;
    release();
    key_ = key;
    keyed_ = true;
}

bool GraphBody::prepare(const SceneContext& scene, const GraphPass& pass) {
    const int before = builds_;
    useKey(scene, pass);
    underContours(scene, pass, false);
    overContours(scene, pass, false);
    return builds_ != before;
}

void GraphBody::drawUnderContours(const SceneContext& scene, const GraphPass& pass) {
    useKey(scene, pass);
    underContours(scene, pass, true);
}

void GraphBody::drawOverContours(const SceneContext& scene, const GraphPass& pass) {
    useKey(scene, pass);
    overContours(scene, pass, true);
}

void GraphBody::underContours(const SceneContext& scene, const GraphPass& pass, bool draw) {
    const BodyPieces pieces = bodyPiecesOf(scene, pass);
    if (pieces.surface) surface(scene, pass, draw);
    if (pieces.hiddenFill) hiddenFill(scene, draw);
    if (pieces.wireframe) wireframe(scene, pass, draw);
    if (pieces.elementDropsAndWalls) elementDropLinesAndWalls(scene, pass, draw);
}

void GraphBody::overContours(const SceneContext& scene, const GraphPass& pass, bool draw) {
    const BodyPieces pieces = bodyPiecesOf(scene, pass);
    if (pieces.nodeDrops) nodeDropLines(scene, draw);
    if (pieces.points) points(scene, pass, draw);
    if (pieces.vectors) vectors(scene, pass, draw);
}

void GraphBody::release() {
    for (Array* a : {&nodePositions_, &nodeColours_, &triangles_, &outline_, &visibleNodes_}) {
        a->buffer.release();
        a->built = false;
        a->count = 0;
    }
    for (FaceBatch& batch : elementFaces_.batches) {
        batch.positions.release();
        batch.colours.release();
        batch.indices.release();
    }
    elementFaces_ = FaceBatches{};
    culled_.clear();
    std::vector<float>().swap(cullingPositions_);
    cullingCopied_ = false;
    for (Vertices* v : {&elementOutline_, &elementDrops_, &walls_, &nodeDrops_, &shafts_}) {
        v->positions.release();
        v->colours.release();
        v->built = false;
        v->count = 0;
    }
    for (List* l : {&pointShapes_, &vectorHeads_}) {
        if (l->id != 0) glDeleteLists(l->id, 1);
        *l = List{};
    }
    shapes_.release();
    dragOutline_.release();
    keyed_ = false;
}

void GraphBody::ensurePositions(const SceneContext& scene, bool forCulling) {
    // The surface and the hidden-line fill cull with a copy in memory; positions built
    // without one for another piece are built again.
    if (nodePositions_.built && (!forCulling || cullingCopied_ || !culling_)) return;
    const bool copy = forCulling && culling_ && softwareRasteriser();
    if (nodePositions_.built && !copy) return;
    nodePositions_.built = true;
    ++builds_;
    std::vector<float> positions = nodePositions(scene.dataSet, key_.placement);
    storeArray(nodePositions_.buffer, nodePositions_.count, GlBuffer::Kind::vertices, positions, 3);
    if (!copy) return;
    cullingPositions_ = std::move(positions);
    cullingCopied_ = true;
}

void GraphBody::ensureColours(const SceneContext& scene, const GraphPass& pass) {
    if (nodeColours_.built) return;
    nodeColours_.built = true;
    ++builds_;
    storeArray(nodeColours_.buffer, nodeColours_.count, GlBuffer::Kind::vertices,
               nodeColours(scene.dataSet, colourMapOf(scene, pass)), 3);
}

void GraphBody::ensureTriangles(const SceneContext& scene) {
    if (triangles_.built) return;
    triangles_.built = true;
    ++builds_;
    keepArray(triangles_.buffer, triangles_.count, GlBuffer::Kind::indices, faceTriangles(scene.dataSet), 1);
}

namespace {

void storeVertices(bool& built, int& builds, GlBuffer& positions, GlBuffer* colours, size_t& count,
                   const std::vector<float>& p, const std::vector<float>* c) {
    built = true;
    ++builds;
    positions.store(GlBuffer::Kind::vertices, p);
    if (colours && c) colours->store(GlBuffer::Kind::vertices, *c);
    count = p.size() / 3;
}

void drawVertices(GLenum mode, const GlBuffer& positions, const GlBuffer* colours, size_t count) {
    if (count == 0) return;
    ClientArrays arrays(colours != nullptr);
    glVertexPointer(3, GL_FLOAT, 0, positions.bind());
    if (colours) glColorPointer(3, GL_FLOAT, 0, colours->bind());
    glDrawArrays(mode, 0, static_cast<GLsizei>(count));
}

} // namespace

void GraphBody::drawIndexed(unsigned mode, const Array& indices, bool withColours) {
    if (indices.count == 0) return;
    ClientArrays arrays(withColours);
    glVertexPointer(3, GL_FLOAT, 0, nodePositions_.buffer.bind());
    if (withColours) glColorPointer(3, GL_FLOAT, 0, nodeColours_.buffer.bind());
    glDrawElements(mode, static_cast<GLsizei>(indices.count), GL_UNSIGNED_INT, indices.buffer.bind());
}

void GraphBody::drawTriangles(bool withColours) {
    const float* positions = cullingPositions_.data();
    const auto* indices = static_cast<const uint32_t*>(triangles_.buffer.memory());
    const std::optional<PixelCentres> centres = culling_ ? singleSampledPixelCentres() : std::nullopt;
    if (!cullingCopied_ || !indices || !centres) {
        drawIndexed(GL_TRIANGLES, triangles_, withColours);
        return;
    }
    if (triangles_.count == 0) return;
    // The vertices stay in their buffers, which a draw from memory would copy whole each
    // time; only the kept indices come from memory.
    ClientArrays arrays(withColours);
    glVertexPointer(3, GL_FLOAT, 0, nodePositions_.buffer.bind());
    if (withColours) glColorPointer(3, GL_FLOAT, 0, nodeColours_.buffer.bind());
    unbindGlBuffers();
    const size_t count = triangles_.count;
    drawCullingAhead(count / 3 >= kCullOnHelperFrom, kChunksCulledAhead, [&](const auto& step) {
        for (size_t first = 0; first < count; first += 3 * kCulledChunkTriangles) {
            auto kept = std::make_shared<std::vector<uint32_t>>(culled_.take());
            cullIndexedTriangles(positions, 3, indices + first, std::min(count - first, 3 * kCulledChunkTriangles),
                                 *centres, *kept);
            // No flush between the chunks: what is left of them is small, and a scene of
            // its own for each left the rasteriser holding more memory, not less.
            step([kept, this] {
                if (!kept->empty())
                    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(kept->size()), GL_UNSIGNED_INT, kept->data());
                culled_.give(std::move(*kept));
            });
        }
    });
}

void GraphBody::surface(const SceneContext& scene, const GraphPass& pass, bool draw) {
    if (scene.state.dataType == kElementValues) {
        // One colour per element; with DIM 2 each element floats at its own value.
        FaceBatches& faces = elementFaces_;
        if (!faces.built) {
            faces.built = true;
            ++builds_;
            const bool inMemory = softwareRasteriser();
            elementFaceBatches(scene.dataSet, colourMapOf(scene, pass), key_.placement, kFaceBatchTriangles,
                               [&faces, inMemory](ElementFaceBatch& made) {
                                   FaceBatch& batch = faces.batches.emplace_back();
                                   batch.count = made.indices.size();
                                   if (inMemory) {
                                       std::swap(batch.inMemory, made);
                                       return;
                                   }
                                   batch.positions.store(GlBuffer::Kind::vertices, made.positions);
                                   batch.colours.store(GlBuffer::Kind::vertices, made.colours);
                                   batch.indices.store(GlBuffer::Kind::indices, made.indices);
                               });
        }
        if (draw) drawElementFaces(faces);
        return;
    }
    // Per-vertex colours: OpenGL's smooth shading blends them across each face.
    ensureTriangles(scene);
    ensurePositions(scene, true);
    ensureColours(scene, pass);
    if (draw) drawTriangles(true);
}

namespace {

void drawFaceBatch(const ElementFaceBatch& batch, const std::vector<uint16_t>& indices) {
    unbindGlBuffers();
    glVertexPointer(3, GL_FLOAT, 0, batch.positions.data());
    glColorPointer(3, GL_UNSIGNED_BYTE, 0, batch.colours.data());
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_SHORT, indices.data());
    // Lets a software rasteriser draw what it has gathered and reuse that memory for the
    // next batch rather than grow it over all of them.
    glFlush();
}

} // namespace

void GraphBody::drawElementFaces(FaceBatches& faces) {
    ClientArrays arrays(true);
    FlatShading flat;
    const std::optional<PixelCentres> centres = singleSampledPixelCentres();
    for (const FaceBatch& batch : faces.batches) {
        const ElementFaceBatch& kept = batch.inMemory;
        if (kept.indices.empty()) {
            glVertexPointer(3, GL_FLOAT, 0, batch.positions.bind());
            glColorPointer(3, GL_UNSIGNED_BYTE, 0, batch.colours.bind());
            glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(batch.count), GL_UNSIGNED_SHORT, batch.indices.bind());
            glFlush(); // as in drawFaceBatch
        } else if (!centres) {
            drawFaceBatch(kept, kept.indices);
        } else {
            // A million faces in a few hundred thousand pixels: most light no pixel centre,
            // and leaving those out changes no pixel. Culled here, not on a helper as the
            // surface is: each batch is flushed as a scene of its own, and with a helper the
            // software rasteriser held about 40 MB more at the peak of a million element
            // values with their mesh lines, for no time gained.
            cullIndexedTriangles(kept.positions.data(), 3, kept.indices.data(), kept.indices.size(), *centres,
                                 faces.lit);
            if (!faces.lit.empty()) drawFaceBatch(kept, faces.lit);
        }
    }
}

void GraphBody::hiddenFill(const SceneContext& scene, bool draw) {
    ensureTriangles(scene);
    ensurePositions(scene, true);
    if (!draw) return;
    // White whatever the background: the polygon offset lets the lines drawn next win on
    // front faces while the fill hides what lies behind.
    setColour(colourForCode(kWhiteColourCode, 0.0, scene.settings.userColours));
    drawTriangles(false);
}

void GraphBody::wireframe(const SceneContext& scene, const GraphPass& pass, bool draw) {
    const GraphOptionSet& o = *pass.options;
    const int dataType = scene.state.dataType;
    const bool graphColours = o.WIREMODE == 1;
    const bool perElement = graphColours && dataType == kElementValues;
    const bool perNode = graphColours && (dataType == kNodeValues || dataType == kVectorData);
    // A drag shows the outline of every fifth element only; it is made on the first paint
    // of a drag and kept with the full one.
    const bool thin = dragging(scene);
    if (perElement) {
        Vertices& v = elementOutline_;
        if (thin && !dragOutline_.built()) {
            ++builds_;
            dragOutline_.keepOwnVertices(
                elementOutlines(scene.dataSet, scene.state.shape, colourMapOf(scene, pass), key_.placement, true));
        } else if (!thin && !v.built) {
            const ColouredVertices lines =
                elementOutlines(scene.dataSet, scene.state.shape, colourMapOf(scene, pass), key_.placement, false);
            storeVertices(v.built, builds_, v.positions, &v.colours, v.count, lines.positions, &lines.colours);
        }
    } else {
        if (thin && !dragOutline_.built()) {
            ++builds_;
            dragOutline_.keepNodeOutline(nodePositions(scene.dataSet, key_.placement),
                                         outlineSegments(scene.dataSet, scene.state.shape, true));
        } else if (!thin && !outline_.built) {
            outline_.built = true;
            ++builds_;
            storeArray(outline_.buffer, outline_.count, GlBuffer::Kind::indices,
                       outlineSegments(scene.dataSet, scene.state.shape, false), 1);
        }
        ensurePositions(scene);
        if (perNode) ensureColours(scene, pass);
    }
    if (!draw) return;

    setLineStyle(o.WIREWID, o.wirePattern(), scene.pixelRatio);
    if (graphColours && !perNode && !perElement) setColour(Colour{1.0f, 0.0f, 0.0f}); // no data: nothing to colour by
    else if (!graphColours) setColour(colourOf(o.WIRECOLOR));
    if (thin) {
        dragOutline_.draw(&nodePositions_.buffer, perNode ? &nodeColours_.buffer : nullptr, o.wirePattern());
        return;
    }
    if (perElement) {
        drawVertices(GL_LINES, elementOutline_.positions, &elementOutline_.colours, elementOutline_.count);
        return;
    }
    drawIndexed(GL_LINES, outline_, perNode);
}

void GraphBody::elementDropLinesAndWalls(const SceneContext& scene, const GraphPass& pass, bool draw) {
    const ViewSettings& s = scene.settings;
    if (s.SUISEN1 == 1) {
        Vertices& v = elementDrops_;
        if (!v.built)
            storeVertices(v.built, builds_, v.positions, nullptr, v.count,
                          elementDropLines(scene.dataSet, key_.placement, key_.dropZ), nullptr);
        if (draw) {
            setLineStyle(s.SUISENWIDTH, s.suisenPattern(), scene.pixelRatio);
            setColour(colourOf(s.SUISENCOLOR));
            drawVertices(GL_LINES, v.positions, nullptr, v.count);
        }
    }
    if (s.SUISEN2 == 1) {
        Vertices& v = walls_;
        if (!v.built) {
            const ColouredVertices walls =
                elementWalls(scene.dataSet, colourMapOf(scene, pass), key_.placement, key_.dropZ);
            storeVertices(v.built, builds_, v.positions, &v.colours, v.count, walls.positions, &walls.colours);
        }
        if (draw) drawVertices(GL_QUADS, v.positions, &v.colours, v.count);
    }
}

void GraphBody::nodeDropLines(const SceneContext& scene, bool draw) {
    Vertices& v = nodeDrops_;
    if (!v.built)
        storeVertices(v.built, builds_, v.positions, nullptr, v.count, vellum::nodeDropLines(scene.dataSet, key_.dropZ),
                      nullptr);
    if (!draw) return;
    const ViewSettings& s = scene.settings;
    setLineStyle(s.SUISENWIDTH, s.suisenPattern(), scene.pixelRatio);
    setColour(colourOf(s.SUISENCOLOR));
    drawVertices(GL_LINES, v.positions, nullptr, v.count);
}

void GraphBody::points(const SceneContext& scene, const GraphPass& pass, bool draw) {
    const GraphOptionSet& o = *pass.options;
    if (o.POINTBALL == 1 || o.POINTSIZEDATA == 1) {
        // Each node has its own size (or is a sphere), so each is drawn on its own.
        if (!pointShapes_.built) {
            pointShapes_.built = true;
            ++builds_;
            pointShapes_.id = compilePointShapes(scene, pass, key_.placement, colourMapOf(scene, pass), shapes_);
        }
        if (draw && pointShapes_.id != 0) glCallList(pointShapes_.id);
        return;
    }
    if (o.POINTSIZE <= 0.0) return;
    const bool graphColours = o.POINTMODE == 0;
    if (!visibleNodes_.built) {
        visibleNodes_.built = true;
        ++builds_;
        storeArray(visibleNodes_.buffer, visibleNodes_.count, GlBuffer::Kind::indices, visibleNodes(scene.dataSet), 1);
    }
    ensurePositions(scene);
    if (graphColours) ensureColours(scene, pass);
    if (!draw) return;
    setPointSize(o.POINTSIZE, scene.pixelRatio);
    if (!graphColours) setColour(colourOf(o.POINTCOLOR));
    drawIndexed(GL_POINTS, visibleNodes_, graphColours);
}

void GraphBody::vectors(const SceneContext& scene, const GraphPass& pass, bool draw) {
    const GraphOptionSet& o = *pass.options;
    const bool graphColours = o.VECMODE == 0;
    if (!shafts_.built) {
        const ColourMap colours = colourMapOf(scene, pass);
        const ColouredVertices shafts =
            vectorShafts(scene.dataSet, graphColours ? &colours : nullptr, colourOf(o.VECCOLOR), key_.placement);
        Vertices& v = shafts_;
        storeVertices(v.built, builds_, v.positions, &v.colours, v.count, shafts.positions, &shafts.colours);
    }
    if (!vectorHeads_.built) {
        vectorHeads_.built = true;
        ++builds_;
        vectorHeads_.id = compileVectorHeads(scene, pass, key_.placement, colourMapOf(scene, pass), shapes_);
    }
    if (!draw) return;
    setLineStyle(o.VECWID, 0xFFFF, scene.pixelRatio);
    drawVertices(GL_LINES, shafts_.positions, &shafts_.colours, shafts_.count);
    if (vectorHeads_.id != 0) glCallList(vectorHeads_.id);
}

} // namespace vellum
