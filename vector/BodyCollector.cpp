#include "vector/SceneCollector.h"

#include "data/DataSet.h"
#include "render/BodyArrays.h"
#include "render/ContourDraw.h"
#include "render/GraphBody.h"
#include "render/GraphGeometry.h"
#include "settings/ViewSettings.h"

#include <algorithm>

namespace vellum {
namespace {

ColourMap colourMapOf(const SceneContext& scene, const GraphPass& pass) {
    return ColourMap(pass.colourCode, scene.settings.selectedColumn, scene.dataSet, scene.settings);
}

Point3 floatsAt(const std::vector<float>& xyz, size_t vertex) {
    return Point3{xyz[vertex * 3], xyz[vertex * 3 + 1], xyz[vertex * 3 + 2]};
}

Colour colourAt(const std::vector<float>& rgb, size_t vertex) {
    return Colour{rgb[vertex * 3], rgb[vertex * 3 + 1], rgb[vertex * 3 + 2]};
}

LineStyle styleOf(double width, uint16_t pattern) { return LineStyle{static_cast<float>(width), pattern}; }

// Node-indexed triangles, in the nodes' own colours or in one.
void addIndexedTriangles(const PageProjection& page, const std::vector<float>& positions,
                         const std::vector<float>* colours, const Colour& single, const std::vector<uint32_t>& triangles,
                         VectorScene& out) {
    PagePoint corners[3];
    Colour tints[3];
    for (size_t t = 0; t + 2 < triangles.size(); t += 3) {
        for (size_t k = 0; k < 3; ++k) {
            corners[k] = page(floatsAt(positions, triangles[t + k]));
            tints[k] = colours ? colourAt(*colours, triangles[t + k]) : single;
        }
        out.polygon(corners, tints, 3);
    }
}

// Faces of `corners` vertices each, one after another, each vertex with its colour.
void addVertexFaces(const PageProjection& page, const ColouredVertices& faces, size_t corners, VectorScene& out) {
    PagePoint points[4];
    Colour tints[4];
    for (size_t v = 0; v + corners <= faces.count(); v += corners) {
        for (size_t k = 0; k < corners; ++k) {
            points[k] = page(floatsAt(faces.positions, v + k));
            tints[k] = colourAt(faces.colours, v + k);
        }
        out.polygon(points, tints, static_cast<int>(corners));
    }
}

// Lines with a colour at each end are shaded from one to the other; on the page each
// half takes the colour of its end.
void addShadedLine(const PagePoint& a, const PagePoint& b, const Colour& ca, const Colour& cb, const LineStyle& style,
                   VectorScene& out) {
    if (ca.red == cb.red && ca.green == cb.green && ca.blue == cb.blue) {
        out.line(a, b, ca, style);
        return;
    }
    const PagePoint middle{(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2};
    out.line(a, middle, ca, style);
    out.line(middle, b, cb, style);
}

void addVertexLines(const PageProjection& page, const ColouredVertices& lines, const Colour* single,
                    const LineStyle& style, VectorScene& out) {
    for (size_t v = 0; v + 1 < lines.count(); v += 2) {
        const PagePoint a = page(floatsAt(lines.positions, v)), b = page(floatsAt(lines.positions, v + 1));
        if (single) out.line(a, b, *single, style);
        else addShadedLine(a, b, colourAt(lines.colours, v), colourAt(lines.colours, v + 1), style, out);
    }
}

void addPlainLines(const PageProjection& page, const std::vector<float>& xyzPairs, const Colour& colour,
                   const LineStyle& style, VectorScene& out) {
    for (size_t v = 0; v + 1 < xyzPairs.size() / 3; v += 2)
        out.line(page(floatsAt(xyzPairs, v)), page(floatsAt(xyzPairs, v + 1)), colour, style);
}

void surface(const SceneContext& scene, const GraphPass& pass, const BodyPlacement& placement,
             const PageProjection& page, VectorScene& out) {
    const ColourMap colours = colourMapOf(scene, pass);
    if (scene.state.dataType == kElementValues) {
        addVertexFaces(page, elementFaces(scene.dataSet, colours, placement), 3, out);
        return;
    }
    const std::vector<float> positions = nodePositions(scene.dataSet, placement);
    const std::vector<float> nodeTints = nodeColours(scene.dataSet, colours);
    addIndexedTriangles(page, positions, &nodeTints, Colour{}, faceTriangles(scene.dataSet), out);
}

void hiddenFill(const SceneContext& scene, const BodyPlacement& placement, const PageProjection& page,
                VectorScene& out) {
    const Colour white = colourForCode(kWhiteColourCode, 0.0, scene.settings.userColours);
    addIndexedTriangles(page, nodePositions(scene.dataSet, placement), nullptr, white, faceTriangles(scene.dataSet), out);
}

void wireframe(const SceneContext& scene, const GraphPass& pass, const BodyPlacement& placement,
               const PageProjection& page, VectorScene& out) {
    const GraphOptionSet& o = *pass.options;
    const int dataType = scene.state.dataType;
    const bool graphColours = o.WIREMODE == 1;
    const bool perElement = graphColours && dataType == kElementValues;
    const bool perNode = graphColours && (dataType == kNodeValues || dataType == kVectorData);
    const LineStyle style = styleOf(o.WIREWID, o.wirePattern());
    const ColourMap colours = colourMapOf(scene, pass);
    if (perElement) {
        addVertexLines(page, elementOutlines(scene.dataSet, scene.state.shape, colours, placement, false), nullptr,
                       style, out);
        return;
    }
    // No data gives nothing to colour by: red.
    const Colour single = graphColours ? Colour{1.0f, 0.0f, 0.0f} : colourOf(o.WIRECOLOR);
    const std::vector<float> positions = nodePositions(scene.dataSet, placement);
    const std::vector<float> tints = perNode ? nodeColours(scene.dataSet, colours) : std::vector<float>{};
    const std::vector<uint32_t> segments = outlineSegments(scene.dataSet, scene.state.shape, false);
    for (size_t s = 0; s + 1 < segments.size(); s += 2) {
        const PagePoint a = page(floatsAt(positions, segments[s])), b = page(floatsAt(positions, segments[s + 1]));
        if (perNode) addShadedLine(a, b, colourAt(tints, segments[s]), colourAt(tints, segments[s + 1]), style, out);
        else out.line(a, b, single, style);
    }
}

void elementDropsAndWalls(const SceneContext& scene, const GraphPass& pass, const BodyPlacement& placement,
                          const PageProjection& page, VectorScene& out) {
    const ViewSettings& s = scene.settings;
    const double dropZ = scene.box.dropPlaneZ;
    if (s.SUISEN1 == 1)
        addPlainLines(page, elementDropLines(scene.dataSet, placement, dropZ), colourOf(s.SUISENCOLOR),
                      styleOf(s.SUISENWIDTH, s.suisenPattern()), out);
    if (s.SUISEN2 == 1)
        addVertexFaces(page, elementWalls(scene.dataSet, colourMapOf(scene, pass), placement, dropZ), 4, out);
}

Point3 placed(const std::array<double, 3>& p, const BodyPlacement& placement) {
    return Point3{p[0], p[1], placement.projection ? placement.flatZ : p[2]};
}

void points(const SceneContext& scene, const GraphPass& pass, const BodyPlacement& placement,
            const PageProjection& page, VectorScene& out) {
    const GraphOptionSet& o = *pass.options;
    const bool balls = o.POINTBALL == 1;
    if (!balls && o.POINTSIZEDATA != 1 && o.POINTSIZE <= 0.0) return;
    const bool graphColours = o.POINTMODE == 0;
    const ColourMap colours = colourMapOf(scene, pass);
    const Colour single = colourOf(o.POINTCOLOR);
    const double unit = page.pixelsPerUnit();
    for (const NodeRecord& n : scene.dataSet.nodes) {
        if (n.visible == 0.0) continue;
        const double size = pointSizeFor(o.POINTSIZE, o.POINTSIZEDATA, n.t);
        const Colour colour = graphColours ? colours(n.t) : single;
        if (balls) out.dot(page(placed(n.position, placement)), colour, static_cast<float>(ballRadiusFor(size) * unit), false);
        else if (size > 0.0) out.dot(page(placed(n.position, placement)), colour, static_cast<float>(size / 2.0), true);
    }
}

void vectors(const SceneContext& scene, const GraphPass& pass, const BodyPlacement& placement,
             const PageProjection& page, VectorScene& out) {
    const GraphOptionSet& o = *pass.options;
    const bool graphColours = o.VECMODE == 0;
    const ColourMap colours = colourMapOf(scene, pass);
    const Colour single = colourOf(o.VECCOLOR);
    const ColouredVertices shafts =
        vectorShafts(scene.dataSet, graphColours ? &colours : nullptr, single, placement);
    addVertexLines(page, shafts, nullptr, styleOf(o.VECWID, 0xFFFF), out);

    const auto& nodes = scene.dataSet.nodes;
    const auto& arrows = scene.dataSet.arrows;
    const ConeSize head = vectorHeadSize(o.VECSIZE);
    const double ballRadius = zeroVectorBallRadius(o.VECSIZE) * page.pixelsPerUnit();
    for (size_t i = 0; i < std::min(nodes.size(), arrows.size()); ++i) {
        const NodeArrow& arrow = arrows[i];
        if (nodes[i].visible == 0.0 || (arrow.magnitude == 0.0 && o.VEC0 != 1)) continue;
        const Colour colour = graphColours ? colours(nodes[i].t) : single;
        const Point3 tip = placed(arrow.tip, placement);
        if (arrow.magnitude == 0.0) {
            out.dot(page(tip), colour, static_cast<float>(ballRadius), false);
            continue;
        }
        const Matrix4 frame = multiply(multiply(page.modelView(), translationMatrix(tip)),
                                       rotationMatrix(180.0, coneTurnAxis(arrow, placement.projection)));
        collectCone(page, frame, head.baseRadius, head.height, colour, out);
    }
}

} // namespace

void collectBodyUnderContours(const SceneContext& scene, const GraphPass& pass, const PageProjection& page,
                              VectorScene& out) {
    const BodyPieces pieces = bodyPiecesOf(scene, pass);
    const BodyPlacement placement = bodyPlacementOf(scene, pass);
    if (pieces.surface) surface(scene, pass, placement, page, out);
    if (pieces.hiddenFill) hiddenFill(scene, placement, page, out);
    if (pieces.wireframe) wireframe(scene, pass, placement, page, out);
    if (pieces.elementDropsAndWalls) elementDropsAndWalls(scene, pass, placement, page, out);
}

void collectBodyOverContours(const SceneContext& scene, const GraphPass& pass, const PageProjection& page,
                             VectorScene& out) {
    const BodyPieces pieces = bodyPiecesOf(scene, pass);
    const BodyPlacement placement = bodyPlacementOf(scene, pass);
    const ViewSettings& s = scene.settings;
    if (pieces.nodeDrops)
        addPlainLines(page, nodeDropLines(scene.dataSet, scene.box.dropPlaneZ), colourOf(s.SUISENCOLOR),
                      styleOf(s.SUISENWIDTH, s.suisenPattern()), out);
    if (pieces.points) points(scene, pass, placement, page, out);
    if (pieces.vectors) vectors(scene, pass, placement, page, out);
}

namespace {

// Contour pieces straight onto the page, in the colours the renderer gives them.
class PageContourSink : public ContourSink {
public:
    PageContourSink(const PageProjection& page, ContourColours colours, const LineStyle& style, VectorScene& out)
        : page_(page), colours_(std::move(colours)), style_(style), out_(out) {}
    void fill(const Point3* corners, int count, int band) override {
        static constexpr Colour kWhite{1.0f, 1.0f, 1.0f};
        const Colour colour = band == kWhiteBand ? kWhite : colours_.bands[static_cast<size_t>(band)];
        PagePoint points[5];
        Colour tints[5];
        const int n = std::min(count, 5);
        for (int i = 0; i < n; ++i) {
            points[i] = page_(corners[i]);
            tints[i] = colour;
        }
        out_.polygon(points, tints, n);
    }
    void line(const Point3& from, const Point3& to, int level) override {
        out_.line(page_(from), page_(to), colours_.levels[static_cast<size_t>(level)], style_);
    }

private:
    const PageProjection& page_;
    ContourColours colours_;
    LineStyle style_;
    VectorScene& out_;
};

} // namespace

void collectContours(const SceneContext& scene, const GraphPass& pass, const PageProjection& page, VectorScene& out,
                     Ui& ui) {
    const ContourKey key = contourKeyOf(scene, pass);
    const ContourRun run = contourRunOf(key);
    const ContourLevels levels(run.divisions);
    if (levels.empty()) return;
    const GraphOptionSet& o = *pass.options;
    PageContourSink sink(page, contourColoursOf(levels, key), styleOf(o.CONTWID, o.contPattern()), out);
    traceContours(scene.dataSet, ui, run, sink);
}

} // namespace vellum
