#pragma once
// The drawing of one view into whatever OpenGL context is current: the legend, the graph
// and its projection, contours, grid, axes symbol, title and labels. The headless program
// and the Qt view drive it alike.
//
// Geometry is kept on the OpenGL side between paints and rebuilt only when the data set
// (its revision) or a look setting it was made from changes; moving the camera rebuilds
// nothing, the first paint of a drag makes the light wireframe once and the paint after a
// drag nothing, and a paint with nothing changed at all puts the last picture back.
// Every paint hands the OpenGL state back as it found it.
//
// The kept objects belong to the context that was current when they were built. Call
// releaseGlResources() with that context current before it goes (a QOpenGLWidget does so
// from its context's aboutToBeDestroyed); the destructor makes no OpenGL call.
#include "render/ProbeMarks.h"
#include "render/RenderStats.h"
#include "render/SceneState.h"
#include "render/TextRenderer.h"

#include <memory>

namespace vellum {

class DataSet;
class Ui;
class ViewSettings;

class Renderer {
public:
    // Without a text renderer no text is drawn; everything else is.
    explicit Renderer(std::unique_ptr<TextRenderer> text = nullptr);
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // The drawing area: its size in logical pixels, which fixes how much of the world it
    // shows (560 / 3 logical pixels per world unit), and the device pixels per logical
    // pixel, which sets the viewport, line widths, point sizes and bitmap text. Needs no
    // current context.
    void resize(int logicalWidth, int logicalHeight, double devicePixelRatio = 1.0);

    // When prepare() builds the contours of a large mesh: before the next paint, or after
    // it, so that a new picture shows without waiting for what only later paints need.
    enum class LargeContours { beforePaint, afterPaint };

    // Builds whatever kept geometry the next paint with these arguments needs, showing the
    // progress bar "等高線描画中" through `ui` while contours are built. With `afterPaint`
    // the contours of a large mesh that are not kept yet are left out: paints draw them
    // as paintOnce() does, the same picture, until a prepare() with `beforePaint` keeps
    // them. Context current.
    void prepare(const DataSet* dataSet, const ViewSettings& settings, SceneState state, Ui& ui,
                 LargeContours large = LargeContours::beforePaint);
    // Whether paints draw contours once because prepare() left them for later.
    bool contoursLeftForLater() const { return contoursLeftForLater_; }
    // Clears colour, depth and stencil to BACKCOLOR and, when `dataSet` is given (something
    // is loaded), draws the scene. Builds silently what prepare() has not. Context current.
    void paint(const DataSet* dataSet, const ViewSettings& settings, SceneState state);
    // Paints a picture that is read back once and never painted again, as the headless
    // program does: contours go to OpenGL as they are made, showing "等高線描画中"
    // through `ui`, and none of them is kept, so a million-element graph never holds its
    // contour geometry in memory. The picture is the one paint() draws. Context current.
    void paintOnce(const DataSet* dataSet, const ViewSettings& settings, SceneState state, Ui& ui);

    // Deletes every OpenGL object the renderer, its text renderer and its sphere and cone
    // lists own; the context they were made in must be current. The next paint builds
    // them again, in whatever context is current then.
    void releaseGlResources();
    // A new data set was loaded: its predecessor's geometry goes now rather than at the
    // next paint. Context current.
    void dataSetChanged();

    // Report pictures (paintOnce only). A tile: the next paints draw only the part of the
    // picture from device pixel (x, y) (lower left corner) of the given size, into a
    // viewport of that size, as pieces of a picture larger than one buffer can hold.
    void setTile(int x, int y, int width, int height);
    void drawWhole() { tile_ = {}; }
    // Clears to BACKCOLOR with alpha 0, so that the alpha read back is the graph's coverage.
    void setTransparentBackground(bool transparent) { transparent_ = transparent; }

    // The pinned probes drawn over the graph from the next paint on (none at first).
    void setPins(std::vector<ProbeMark> pins) { pins_ = std::move(pins); }
    const std::vector<ProbeMark>& pins() const { return pins_; }

    const RenderStats& stats() const { return stats_; }
    TextRenderer* text() const { return text_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    double devicePixelRatio() const { return pixelRatio_; }
    // Sphere and cone lists kept for the balls and vector heads of the graph and the
    // projection.
    size_t primitiveListCount() const;

private:
    struct Layers;
    struct Scene;

    // `contoursOnce` (paintOnce) builds no contours here; drawScene draws them as it goes.
    void build(const Scene& scene, Ui& ui, bool contoursOnce = false);
    void setFrameState(const ViewSettings& settings) const;
    void drawScene(const Scene& scene, Ui* contoursOnce = nullptr);
    // drawScene with the contours drawn once, the first of them traced from the start.
    void drawSceneWithContoursOnce(const Scene& scene, Ui& ui);
    void startFirstContoursOnce(const Scene& scene, Ui& ui);
    // Whether the contours the scene shows are kept for it.
    bool contoursKept(const Scene& scene) const;

    std::unique_ptr<TextRenderer> text_;
    std::unique_ptr<Layers> layers_;
    std::vector<ProbeMark> pins_;
    RenderStats stats_;
    int width_ = 0, height_ = 0;
    double pixelRatio_ = 1.0;
    struct Tile {
        bool active = false;
        int x = 0, y = 0, width = 0, height = 0;
    } tile_;
    bool transparent_ = false;
    bool contoursLeftForLater_ = false;
};

} // namespace vellum
