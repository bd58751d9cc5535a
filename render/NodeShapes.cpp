#include "render/NodeShapes.h"

#include "data/DataSet.h"
#include "render/BodyArrays.h"
#include "render/ColourMap.h"
#include "render/GlState.h"
#include "render/GraphGeometry.h"
#include "render/PrimitiveLists.h"
#include "render/SceneContext.h"
#include "settings/ViewSettings.h"

#include <GL/gl.h>

#include <algorithm>

namespace vellum {
namespace {

Point3 placed(const std::array<double, 3>& p, const BodyPlacement& placement) {
    return Point3{p[0], p[1], placement.projection ? placement.flatZ : p[2]};
}

// Compiles what `emit` draws into a new list.
template <class Emit>
unsigned compileList(Emit&& emit) {
    const GLuint list = glGenLists(1);
    if (list == 0) return 0;
    glNewList(list, GL_COMPILE);
    emit();
    glEndList();
    return list;
}

} // namespace

unsigned compilePointShapes(const SceneContext& scene, const GraphPass& pass, const BodyPlacement& placement,
                            const ColourMap& colours, PrimitiveLists& shapes) {
    const GraphOptionSet& o = *pass.options;
    const auto& nodes = scene.dataSet.nodes;
    const bool balls = o.POINTBALL == 1;
    if (balls)
        for (const NodeRecord& n : nodes)
            if (n.visible != 0.0) shapes.sphere(ballRadiusFor(pointSizeFor(o.POINTSIZE, o.POINTSIZEDATA, n.t)));

    const bool graphColours = o.POINTMODE == 0;
    const Colour single = colourOf(o.POINTCOLOR);
    return compileList([&] {
        for (const NodeRecord& n : nodes) {
            if (n.visible == 0.0) continue;
            setColour(graphColours ? colours(n.t) : single);
            const double size = pointSizeFor(o.POINTSIZE, o.POINTSIZEDATA, n.t);
            const Point3 at = placed(n.position, placement);
            if (balls) {
                glPushMatrix();
                glTranslated(at[0], at[1], at[2]);
                if (const unsigned sphere = shapes.sphere(ballRadiusFor(size))) glCallList(sphere);
                glPopMatrix();
            } else if (size > 0.0) {
                setPointSize(size, scene.pixelRatio);
                glBegin(GL_POINTS);
                glVertex3d(at[0], at[1], at[2]);
                glEnd();
            }
        }
    });
}

unsigned compileVectorHeads(const SceneContext& scene, const GraphPass& pass, const BodyPlacement& placement,
                            const ColourMap& colours, PrimitiveLists& shapes) {
    const GraphOptionSet& o = *pass.options;
    const auto& nodes = scene.dataSet.nodes;
    const auto& arrows = scene.dataSet.arrows;
    const size_t count = std::min(nodes.size(), arrows.size());
    auto shown = [&](size_t i) { return nodes[i].visible != 0.0 && (arrows[i].magnitude != 0.0 || o.VEC0 == 1); };
    const ConeSize head = vectorHeadSize(o.VECSIZE);
    unsigned cone = 0, ball = 0;
    for (size_t i = 0; i < count; ++i) {
        if (!shown(i)) continue;
        if (arrows[i].magnitude != 0.0 && cone == 0) cone = shapes.cone(head.baseRadius, head.height);
        if (arrows[i].magnitude == 0.0 && ball == 0) ball = shapes.sphere(zeroVectorBallRadius(o.VECSIZE));
    }

    const bool graphColours = o.VECMODE == 0;
    const Colour single = colourOf(o.VECCOLOR);
    return compileList([&] {
        for (size_t i = 0; i < count; ++i) {
            if (!shown(i)) continue;
            const NodeArrow& arrow = arrows[i];
            setColour(graphColours ? colours(nodes[i].t) : single);
            const Point3 tip = placed(arrow.tip, placement);
            glPushMatrix();
            glTranslated(tip[0], tip[1], tip[2]);
            if (arrow.magnitude != 0.0) {
                const Point3 axis = coneTurnAxis(arrow, placement.projection);
                glRotated(180.0, axis[0], axis[1], axis[2]);
                if (cone != 0) glCallList(cone);
            } else if (ball != 0) {
                glCallList(ball);
            }
            glPopMatrix();
        }
    });
}

} // namespace vellum
