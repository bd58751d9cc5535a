#include "render/Renderer.h"

#include "data/DataSet.h"
#include "render/AxesDraw.h"
#include "render/Camera.h"
#include "render/ContourDraw.h"
#include "render/DrawingBox.h"
#include "render/FrameCache.h"
#include "render/ProbeMarksDraw.h"
#include "render/GlState.h"
#include "render/GraphBody.h"
#include "render/GridDraw.h"
#include "render/LegendDraw.h"
#include "render/PrimitiveLists.h"
#include "render/SceneContext.h"
#include "common/SilentUi.h"
#include "render/TextRenderer.h"
#include "render/TitleDraw.h"
#include "settings/ViewSettings.h"

#include <GL/gl.h>

#include <cmath>

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

int devicePixels(int logical, double ratio) { return static_cast<int>(std::lround(logical * ratio)); }

// Whether a tile of a picture this large can be drawn through the whole picture's viewport
// shifted to the tile. That keeps every vertex at the very window position it has in the
// untiled picture, so tiles join without a seam; only pictures beyond the largest viewport
// need the volume narrowed to each tile.
bool tileByViewport(int deviceWidth, int deviceHeight) {
    GLint largest[2] = {0, 0};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, largest);
    return deviceWidth <= largest[0] && deviceHeight <= largest[1];
}

// Elements from which keeping the contours costs a new picture a noticeable wait.
constexpr size_t kLargeContourMesh = 20000;

} // namespace

// What the renderer keeps between paints.
struct Renderer::Layers {
    GraphBody graphBody, projectionBody;
    ContourLayer graphContours, projectionContours;
    GridLayer grid;
    PrimitiveLists axesCones;
    FrameCache lastFrame;
};

// One paint's view of the data and the look.
struct Renderer::Scene {
    Scene(const DataSet& dataSet, const ViewSettings& settings, SceneState state, double pixelRatio)
        : box(ComputeDrawingBox(dataSet, settings, state.dataType)),
          context{dataSet, settings, state, box, pixelRatio}, graph(graphPassOf(settings)),
          projection(projectionPassOf(settings, box)), withProjection(projectionShown(context)) {}
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    const DrawingBox box;
    const SceneContext context;
    const GraphPass graph, projection;
    const bool withProjection;
};

Renderer::Renderer(std::unique_ptr<TextRenderer> text)
    : text_(std::move(text)), layers_(std::make_unique<Layers>()) {}

Renderer::~Renderer() = default;

void Renderer::resize(int logicalWidth, int logicalHeight, double devicePixelRatio) {
    width_ = logicalWidth;
    height_ = logicalHeight;
    pixelRatio_ = devicePixelRatio > 0.0 && std::isfinite(devicePixelRatio) ? devicePixelRatio : 1.0;
}

void Renderer::setTile(int x, int y, int width, int height) {
    tile_ = Tile{true, x, y, width, height};
}

void Renderer::prepare(const DataSet* dataSet, const ViewSettings& settings, SceneState state, Ui& ui,
                       LargeContours large) {
    if (!dataSet) return;
    GlStateScope saved; // uploads bind buffers
    const Scene scene(*dataSet, settings, state, pixelRatio_);
    contoursLeftForLater_ = large == LargeContours::afterPaint && dataSet->elements.size() >= kLargeContourMesh &&
                            !contoursKept(scene);
    build(scene, ui, contoursLeftForLater_);
}

bool Renderer::contoursKept(const Scene& scene) const {
    const SceneContext& c = scene.context;
    const Layers& l = *layers_;
    if (scene.withProjection && contoursShown(c, scene.projection) && !l.projectionContours.keptFor(c, scene.projection))
        return false;
    return !contoursShown(c, scene.graph) || l.graphContours.keptFor(c, scene.graph);
}

void Renderer::paint(const DataSet* dataSet, const ViewSettings& settings, SceneState state) {
    GlStateScope saved;
    setFrameState(settings);
    if (!dataSet || width_ <= 0 || height_ <= 0) return;
    const FrameKey frame{dataSet,
                         dataSet->revision(),
                         settings,
                         state,
                         devicePixels(width_, pixelRatio_),
                         devicePixels(height_, pixelRatio_),
                         pixelRatio_,
                         FrameCache::boundFramebuffer(),
                         pins_};
    if (layers_->lastFrame.restore(frame)) {
        ++stats_.framesReused;
        return;
    }
    if (text_) {
        text_->setPixelRatio(pixelRatio_);
        text_->setTile({});
    }
    const Scene scene(*dataSet, settings, state, pixelRatio_);
    SilentUi silent; // a window cannot show a progress bar while it paints
    build(scene, silent, contoursLeftForLater_);
    if (contoursLeftForLater_) drawSceneWithContoursOnce(scene, silent);
    else drawScene(scene);
    layers_->lastFrame.keep(frame);
}

void Renderer::paintOnce(const DataSet* dataSet, const ViewSettings& settings, SceneState state, Ui& ui) {
    GlStateScope saved;
    setFrameState(settings);
    if (!dataSet || width_ <= 0 || height_ <= 0) return;
    if (text_) {
        text_->setPixelRatio(pixelRatio_);
        PictureTile tile;
        if (tile_.active && !tileByViewport(devicePixels(width_, pixelRatio_), devicePixels(height_, pixelRatio_)))
            tile = PictureTile{true, orthoForWindow(width_, height_), devicePixels(width_, pixelRatio_),
                               devicePixels(height_, pixelRatio_), tile_.x, tile_.y};
        text_->setTile(tile);
    }
    const Scene scene(*dataSet, settings, state, pixelRatio_);
    build(scene, ui, true);
    drawSceneWithContoursOnce(scene, ui);
    // Whatever a kept frame held belongs to an older picture now.
    layers_->lastFrame.forget();
}

void Renderer::drawSceneWithContoursOnce(const Scene& scene, Ui& ui) {
    startFirstContoursOnce(scene, ui);
    // A trace started for contours the paint never reached ends here, however the paint
    // ends, and not later, when the data set it reads may have changed.
    struct DropUnusedTraces {
        Layers& layers;
        ~DropUnusedTraces() {
            layers.graphContours.dropStartedTrace();
            layers.projectionContours.dropStartedTrace();
        }
    } dropUnused{*layers_};
    drawScene(scene, &ui);
}

// The contours drawn first start tracing on a helper thread now, under the matrix they are
// drawn with, so that the tracing goes on while the legend and what lies under them are drawn.
void Renderer::startFirstContoursOnce(const Scene& scene, Ui& ui) {
    const SceneContext& c = scene.context;
    const ViewSettings& s = c.settings;
    Layers& l = *layers_;
    MatrixScope graph(graphMatrix(s.DIGREE, s.POSITION, s.SCALE123));
    if (scene.withProjection && contoursShown(c, scene.projection))
        l.projectionContours.startOnce(c, scene.projection, ui);
    else if (contoursShown(c, scene.graph))
        l.graphContours.startOnce(c, scene.graph, ui);
}

void Renderer::build(const Scene& scene, Ui& ui, bool contoursOnce) {
    const SceneContext& c = scene.context;
    Layers& l = *layers_;
    if (scene.withProjection) {
        if (l.projectionBody.prepare(c, scene.projection)) ++stats_.projectionBuilds;
        if (!contoursOnce && contoursShown(c, scene.projection) && l.projectionContours.prepare(c, scene.projection, ui))
            ++stats_.projectionContourBuilds;
    }
    if (l.graphBody.prepare(c, scene.graph)) ++stats_.graphBuilds;
    if (!contoursOnce && contoursShown(c, scene.graph) && l.graphContours.prepare(c, scene.graph, ui))
        ++stats_.graphContourBuilds;
    if (l.grid.prepare(c)) ++stats_.gridBuilds;
}

void Renderer::setFrameState(const ViewSettings& settings) const {
    const int deviceWidth = devicePixels(width_, pixelRatio_), deviceHeight = devicePixels(height_, pixelRatio_);
    const bool narrowed = tile_.active && !tileByViewport(deviceWidth, deviceHeight);
    if (narrowed) glViewport(0, 0, tile_.width, tile_.height);
    else if (tile_.active) glViewport(-tile_.x, -tile_.y, deviceWidth, deviceHeight);
    else glViewport(0, 0, deviceWidth, deviceHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (width_ > 0 && height_ > 0) {
        OrthoVolume o = orthoForWindow(width_, height_);
        if (narrowed && deviceWidth > 0 && deviceHeight > 0) {
            // The volume narrowed to the tile: each device pixel keeps its world position.
            const double perX = (o.right - o.left) / deviceWidth, perY = (o.top - o.bottom) / deviceHeight;
            const double left = o.left, bottom = o.bottom;
            o.left = left + perX * tile_.x;
            o.right = left + perX * (tile_.x + tile_.width);
            o.bottom = bottom + perY * tile_.y;
            o.top = bottom + perY * (tile_.y + tile_.height);
        }
        glOrtho(o.left, o.right, o.bottom, o.top, o.nearPlane, o.farPlane);
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    // Whatever the window left behind, the picture is drawn on the fixed pipeline with
    // these; the scope around the paint puts the window's own state back afterwards.
    for (const GLenum off : {GL_BLEND, GL_LIGHTING, GL_TEXTURE_2D, GL_CULL_FACE, GL_SCISSOR_TEST, GL_STENCIL_TEST,
                             GL_ALPHA_TEST, GL_FOG, GL_POLYGON_OFFSET_LINE, GL_POLYGON_OFFSET_POINT})
        glDisable(off);
    glShadeModel(GL_SMOOTH);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glStencilMask(~0u);
    // The fixed state: depth test with GL_LEQUAL, filled polygons pushed back by one unit
    // so that lines on them stay visible, stippled lines.
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1.0f, 1.0f);
    glEnable(GL_LINE_STIPPLE);

    const RGBColor& back = settings.BACKCOLOR;
    glClearColor(back.red / 255.0f, back.green / 255.0f, back.blue / 255.0f, transparent_ ? 0.0f : 1.0f);
    glClearDepth(1.0);
    glClearStencil(0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

void Renderer::drawScene(const Scene& scene, Ui* contoursOnce) {
    const SceneContext& c = scene.context;
    const ViewSettings& s = c.settings;
    Layers& l = *layers_;
    TextRenderer* text = text_.get();

    // A wireframe without data has nothing for a legend to explain.
    if (s.legendOn[0] == 1 && !(s.MODE == kGraphWireframe && c.state.dataType == kNoDataFile)) {
        MatrixScope legend(lookAtMatrix());
        drawLegendBar(s, text, c.pixelRatio);
    }
    {
        MatrixScope graph(graphMatrix(s.DIGREE, s.POSITION, s.SCALE123));
        auto drawPass = [&](GraphBody& body, ContourLayer& contours, const GraphPass& pass) {
            body.drawUnderContours(c, pass);
            if (contoursShown(c, pass)) {
                if (contoursOnce) contours.drawOnce(c, pass, *contoursOnce);
                else contours.draw(c, pass);
            }
            body.drawOverContours(c, pass);
        };
        if (scene.withProjection) drawPass(l.projectionBody, l.projectionContours, scene.projection);
        drawPass(l.graphBody, l.graphContours, scene.graph);
        l.grid.draw(c, text);
        drawProbeMarks(c, pins_, text);
    }
    if (s.axesOn == 1) {
        MatrixScope axes(lookAtMatrix());
        drawAxesSymbol(s, text, l.axesCones, c.pixelRatio);
    }
    if (text) {
        MatrixScope texts(lookAtMatrix());
        drawTitleAndAxisLabels(s, *text, scene.box.minimum[0], scene.box.minimum[1]);
    }
}

void Renderer::releaseGlResources() {
    dataSetChanged();
    layers_->lastFrame.release();
    layers_->axesCones.release();
    if (text_) text_->releaseGlResources();
}

void Renderer::dataSetChanged() {
    Layers& l = *layers_;
    l.graphBody.release();
    l.projectionBody.release();
    l.graphContours.release();
    l.projectionContours.release();
    l.grid.forget();
    l.lastFrame.forget();
}

size_t Renderer::primitiveListCount() const {
    return layers_->graphBody.primitiveListCount() + layers_->projectionBody.primitiveListCount();
}

} // namespace vellum
