#pragma once
// The drawing of one view: the fixed OpenGL state, the projection on resize and the
// paint of the whole scene. The headless program and the Qt view both drive it with
// their own current context.
#include "common/RGBColor.h"
#include "render/GraphBody.h"
#include "render/PrimitiveLists.h"
#include "render/SceneHooks.h"

namespace vellum {

class DataSet;
class ViewSettings;

class Renderer {
public:
    Renderer() = default;
    // Releases the display lists: the context must still be current.
    ~Renderer() = default;
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // Set once after the context is made current: white clear colour, depth test with
    // GL_LEQUAL, filled polygons pushed back by one unit so lines on them stay visible,
    // stippled lines.
    void setFixedState();
    // The clear colour, whenever BACKCOLOR is applied.
    void setBackground(const RGBColor& colour);
    // The drawing area changed size: a fixed number of pixels per world unit.
    void resize(int width, int height);

    // Clears the frame and, when `dataSet` is given (something is loaded), draws the scene.
    void paint(const DataSet* dataSet, const ViewSettings& settings, SceneState state);

    // A new data set was loaded: the sphere and cone lists and the vertex buffers of the
    // old one go.
    void dataSetChanged();

    // Where the legend, contours, grid, axes and texts join the scene; not owned.
    void setDecorations(SceneDecorations* decorations) { decorations_ = decorations; }

    const PrimitiveLists& primitiveLists() const { return lists_; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    void drawScene(const SceneContext& scene);
    void drawGraphPass(const SceneContext& scene, const GraphPass& pass);

    SceneDecorations* decorations_ = nullptr;
    SceneDecorations noDecorations_;
    PrimitiveLists lists_;
    GraphScratch scratch_;
    int width_ = 0, height_ = 0;
};

} // namespace vellum
