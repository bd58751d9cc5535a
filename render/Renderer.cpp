#include "render/Renderer.h"

#include "data/DataSet.h"
#include "render/Camera.h"
#include "render/DrawingBox.h"
#include "settings/ViewSettings.h"

#include <GL/gl.h>

namespace vellum {
namespace {

// Keeps one piece of the scene from disturbing the matrix of the next.
class MatrixScope {
public:
    explicit MatrixScope(const Matrix4& matrix) {
        glPushMatrix();
        glLoadMatrixd(matrix.data());
    }
    ~MatrixScope() { glPopMatrix(); }
    MatrixScope(const MatrixScope&) = delete;
    MatrixScope& operator=(const MatrixScope&) = delete;
};

// The white fill that hides lines behind the surface; contour bands hide them already.
bool wantsHiddenFill(const GraphPass& pass) {
    return pass.hide == 1 && pass.mode != 0 && !(pass.mode == 1 && pass.options->CONT == 1);
}

} // namespace

void Renderer::setFixedState() {
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1.0f, 1.0f);
    glEnable(GL_LINE_STIPPLE);
}

void Renderer::setBackground(const RGBColor& colour) {
    glClearColor(colour.red / 255.0f, colour.green / 255.0f, colour.blue / 255.0f, 1.0f);
}

void Renderer::resize(int width, int height) {
    width_ = width;
    height_ = height;
    const OrthoVolume o = orthoForWindow(width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(o.left, o.right, o.bottom, o.top, o.nearPlane, o.farPlane);
    glViewport(0, 0, width, height);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void Renderer::dataSetChanged() {
    lists_.release();
    scratch_ = GraphScratch{}; // a smaller model should not keep the old one's buffers
}

void Renderer::paint(const DataSet* dataSet, const ViewSettings& settings, SceneState state) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    if (!dataSet) return;
    const DrawingBox box = ComputeDrawingBox(*dataSet, settings, state.dataType);
    const SceneContext scene{*dataSet, settings, state, box, width_, height_};
    drawScene(scene);
}

void Renderer::drawScene(const SceneContext& scene) {
    SceneDecorations& decorations = decorations_ ? *decorations_ : noDecorations_;
    const ViewSettings& settings = scene.settings;
    const bool dragging = settings.dragging == 1;
    glMatrixMode(GL_MODELVIEW);

    // A wireframe without data has nothing for a legend to explain.
    if (settings.legendOn[0] == 1 && !(settings.MODE == 4 && scene.state.dataType == kNoDataFile)) {
        MatrixScope legend(lookAtMatrix());
        decorations.drawLegend(scene);
    }
    {
        MatrixScope graph(graphMatrix(settings.DIGREE, settings.POSITION, settings.SCALE123));
        if (settings.MODE2 != 5 && !dragging && scene.state.shape == 0) {
            const GraphPass projection{true, settings.MODE2, settings.colorMode2, settings.HIDE2, &settings.projection,
                                       scene.box.dropPlaneZ};
            drawGraphPass(scene, projection);
        }
        const GraphPass graphPass{false, settings.MODE, settings.colorMode, settings.HIDE, &settings.graph, 0.0};
        drawGraphPass(scene, graphPass);
        decorations.drawGrid(scene);
    }
    if (settings.axesOn == 1) {
        MatrixScope axes(lookAtMatrix());
        decorations.drawAxes(scene);
    }
    {
        MatrixScope texts(lookAtMatrix());
        decorations.drawTitleAndLabels(scene);
    }
}

void Renderer::drawGraphPass(const SceneContext& scene, const GraphPass& pass) {
    const ViewSettings& settings = scene.settings;
    const bool dragging = settings.dragging == 1;
    const int dataType = scene.state.dataType;
    GraphBody body(scene, pass, lists_, scratch_);

    if (pass.mode == 0 && !dragging) body.drawSurface();
    if (wantsHiddenFill(pass)) body.drawHiddenFill();
    if (pass.options->WIREMODE != 0) {
        body.drawWireframe();
        if (!pass.projection && dataType == kElementValues && !dragging) body.drawElementDropLinesAndWalls();
    }
    if (pass.mode == 1 && !dragging) {
        (decorations_ ? *decorations_ : noDecorations_).drawContours(scene, pass);
    }
    if (!pass.projection && settings.SUISEN1 == 1 && dataType != kElementValues) body.drawNodeDropLines();
    if (pass.mode == 2 && !dragging) body.drawPoints();
    if (pass.mode == 3 && dataType == kVectorData && !dragging) body.drawVectors();
}

} // namespace vellum
