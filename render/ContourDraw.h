#pragma once
// The contour lines and bands of the graph or the projection, built once and kept on the
// OpenGL side until the data set or a setting they are made of changes.
#include "common/RGBColor.h"
#include "render/ContourArrays.h"
#include "render/ContourGeometry.h"
#include "render/ContourMesh.h"
#include "render/GlBuffer.h"
#include "render/KeptContours.h"
#include "settings/UserColours.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vellum {

struct SceneContext;
struct GraphPass;
class Ui;

// Everything the kept contours are made of; the line width and pattern are set when drawing.
struct ContourKey {
    uint64_t revision = 0;
    int divisions = 0;
    ContourFill fill = ContourFill::none;
    int colourCode = 0, column = 0;
    double legendMin = 0.0, legendMax = 0.0;
    UserColours colours;
    int lineMode = 0;
    RGBColor lineColour;
    bool flat = false;
    double flatZ = 0.0;

    friend bool operator==(const ContourKey&, const ContourKey&) = default;
};
ContourKey contourKeyOf(const SceneContext& scene, const GraphPass& pass);
// The contour run and the colours the key asks for, shared by every output of contours.
ContourRun contourRunOf(const ContourKey& key);
ContourColours contourColoursOf(const ContourLevels& levels, const ContourKey& key);

class ContourLayer {
public:
    ContourLayer();
    ~ContourLayer();
    ContourLayer(const ContourLayer&) = delete;
    ContourLayer& operator=(const ContourLayer&) = delete;

    // Builds the contours of the pass when they are not built for these settings yet,
    // showing "等高線描画中" through `ui` while it runs. True when it built.
    bool prepare(const SceneContext& scene, const GraphPass& pass, Ui& ui);
    // Whether the contours of the pass are built for these settings.
    bool keptFor(const SceneContext& scene, const GraphPass& pass) const {
        return keyed_ && key_ == contourKeyOf(scene, pass);
    }
    // Lines in the colour of their level (or CONTCOLOR), bands in the colour of their
    // upper level, or white under the lines when only hiding; the projection lies flat on
    // the drop plane. Builds silently what is missing.
    void draw(const SceneContext& scene, const GraphPass& pass);
    // Draws the contours of a picture that is painted once and never again: each batch
    // goes to OpenGL as it is made and is gone after it, fill triangles that light no
    // pixel are left out, and nothing is kept. Shows "等高線描画中" through `ui`.
    void drawOnce(const SceneContext& scene, const GraphPass& pass, Ui& ui);
    // Starts tracing what drawOnce will draw on a helper thread, so that the tracing overlaps
    // whatever is drawn before the contours. Call it with the matrices and viewport drawOnce
    // will find; drawOnce with another transform, scene or ui traces afresh. `ui` must live
    // until drawOnce.
    void startOnce(const SceneContext& scene, const GraphPass& pass, Ui& ui);
    // Ends a trace startOnce began that drawOnce did not take (the paint failed on the
    // way), while the data set it reads is still there.
    void dropStartedTrace();
    // Deletes the buffers; the context they were made in must be current.
    void release();

    // What is kept: fill triangles and line vertices (none before a build).
    size_t keptFillTriangles() const { return kept_ ? kept_->fillTriangles() : 0; }
    size_t keptLineVertices() const { return kept_ ? kept_->lineVertices() : 0; }

private:
    struct OnceTrace;
    bool keyed_ = false;
    ContourKey key_;
    std::unique_ptr<KeptContours> kept_;
    std::unique_ptr<OnceTrace> once_; // started by startOnce, drawn by drawOnce
};

} // namespace vellum
