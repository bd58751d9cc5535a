#include "render/ContourDraw.h"

#include "data/DataSet.h"
#include "render/ContourArrays.h"
#include "render/ContourMesh.h"
#include "render/CulledDraw.h"
#include "render/GlBuffer.h"
#include "render/GlState.h"
#include "render/PixelCentres.h"
#include "render/SceneContext.h"
#include "common/HandOff.h"
#include "common/HandOffUi.h"
#include "common/SilentUi.h"
#include "common/SparePool.h"
#include "settings/ViewSettings.h"

#include <GL/gl.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace vellum {
namespace {

// Vertices per batch of a picture drawn once: large enough for few draw calls, small
// enough that a million-node contour graph never holds all its vertices at once.
constexpr size_t kBatchVertices = size_t{1} << 20;

// Below this a second thread costs more than it saves.
constexpr size_t kElementsTracedInTwo = 20000;

// Batches traced but not drawn yet: enough to keep the drawing thread busy, and for a trace
// started early to run on while the legend is drawn.
constexpr size_t kBatchesAhead = 4;

struct TracedBatch {
    std::vector<float> fills, lines;
};

// Positions and colours interleaved, from memory.
void drawInterleaved(GLenum mode, const void* positions, const void* colours, size_t vertices) {
    if (vertices == 0) return;
    constexpr GLsizei stride = ContourBatcher::kFloatsPerVertex * sizeof(float);
    glVertexPointer(3, GL_FLOAT, stride, positions);
    glColorPointer(3, GL_FLOAT, stride, colours);
    glDrawArrays(mode, 0, static_cast<GLsizei>(vertices));
}

void drawFromMemory(GLenum mode, const std::vector<float>& vertices) {
    if (vertices.empty()) return;
    drawInterleaved(mode, vertices.data(), vertices.data() + 3, vertices.size() / ContourBatcher::kFloatsPerVertex);
}

// Whether every corner the contours are traced from lies at z = 0.
bool allAtZeroHeight(const DataSet& dataSet, const ContourRun& run) {
    if (run.flat) return run.flatZ == 0.0;
    return std::all_of(dataSet.nodes.begin(), dataSet.nodes.end(),
                       [](const NodeRecord& node) { return node.position[2] == 0.0; });
}

} // namespace

ContourRun contourRunOf(const ContourKey& key) {
    ContourRun run;
    run.divisions = key.divisions;
    run.fill = key.fill;
    run.column = key.column;
    run.legendMin = key.legendMin;
    run.legendMax = key.legendMax;
    run.flat = key.flat;
    run.flatZ = key.flatZ;
    return run;
}

ContourColours contourColoursOf(const ContourLevels& levels, const ContourKey& key) {
    return contourColoursOf(levels, key.colourCode, key.lineMode, key.lineColour, key.colours);
}

ContourKey contourKeyOf(const SceneContext& scene, const GraphPass& pass) {
    const ViewSettings& s = scene.settings;
    const GraphOptionSet& o = *pass.options;
    ContourKey k;
    k.revision = scene.dataSet.revision();
    k.divisions = o.CONTNUM;
    k.fill = contourFillOf(o.CONT, pass.hide);
    k.colourCode = pass.colourCode;
    k.column = s.selectedColumn;
    k.legendMin = s.MIN;
    k.legendMax = s.MAX;
    k.colours = s.userColours;
    k.lineMode = o.CONTMODE;
    k.lineColour = o.CONTCOLOR;
    k.flat = pass.projection;
    k.flatZ = pass.flatZ;
    return k;
}

bool ContourLayer::prepare(const SceneContext& scene, const GraphPass& pass, Ui& ui) {
    const ContourKey key = contourKeyOf(scene, pass);
    if (keyed_ && key == key_) return false;
    release();
    key_ = key;
    keyed_ = true;

    const ContourRun run = contourRunOf(key);
    const ContourLevels levels(run.divisions);
    if (levels.empty()) return true;
    // A software rasteriser reads client memory as fast as its own buffers, which would
    // only zero-fill and copy the contours once more.
    const bool toBuffers = !softwareRasteriser();
    const bool flat = allAtZeroHeight(scene.dataSet, run);
    // In client memory whole triangles are drawn from the nodes, where they already lie.
    kept_ = std::make_unique<KeptContours>(contourColoursOf(levels, key), toBuffers, flat, !toBuffers);
    // Kept in client memory, the two halves of a large mesh are traced at once; buffer
    // objects can only be filled on the thread whose context is current.
    if (!toBuffers && scene.dataSet.elements.size() >= kElementsTracedInTwo) {
        KeptContours later(contourColoursOf(levels, key), false, flat, true);
        traceContoursInTwo(scene.dataSet, ui, run, *kept_, later);
        kept_->append(std::move(later));
    } else {
        traceContours(scene.dataSet, ui, run, *kept_);
    }
    kept_->keepNodePositions(scene.dataSet.nodes);
    kept_->finish();
    return true;
}

void ContourLayer::draw(const SceneContext& scene, const GraphPass& pass) {
    SilentUi silent;
    prepare(scene, pass, silent);
    if (!kept_) return;
    const GraphOptionSet& o = *pass.options;
    // Drawing from colour arrays leaves the current colour undefined: keep it.
    glPushAttrib(GL_LINE_BIT | GL_CURRENT_BIT);
    setLineStyle(o.CONTWID, o.contPattern(), scene.pixelRatio);
    const std::optional<WindowMapping> view = cullingTransformNow();
    kept_->draw(view ? &*view : nullptr);
    glPopAttrib();
}

// A trace for a picture drawn once: what it is traced for, and the helper tracing it.
struct ContourLayer::OnceTrace {
    OnceTrace(const ContourKey& traced, const std::optional<WindowMapping>& culledFor, const Ui& shownOn)
        : key(traced), run(contourRunOf(traced)), levels(run.divisions), mapping(culledFor), ui(&shownOn) {
        if (mapping) centres.emplace(mapping->modelView, mapping->projection, mapping->viewport);
    }
    bool tracedFor(const ContourKey& other, const std::optional<WindowMapping>& otherMapping, const Ui& otherUi) const {
        return key == other && mapping == otherMapping && ui == &otherUi;
    }

    ContourKey key;
    ContourRun run;
    ContourLevels levels;
    std::optional<WindowMapping> mapping; // none when multisampled: every fill is drawn
    const Ui* ui;
    std::optional<PixelCentres> centres;
    // Drawn batches' vectors, filled again by the tracing thread.
    SparePool<TracedBatch> spares;
    // Last, so that it is destroyed first: its helper ends before what the helper uses.
    HandOff handOff{kBatchesAhead};
};

namespace {

// The transform fills are culled for, or none when every fill is drawn.
std::optional<WindowMapping> cullingTransform() {
    if (multisampledContext()) return std::nullopt;
    return currentWindowMapping();
}

} // namespace

ContourLayer::ContourLayer() = default;
ContourLayer::~ContourLayer() = default;

void ContourLayer::startOnce(const SceneContext& scene, const GraphPass& pass, Ui& ui) {
    once_.reset();
    auto trace = std::make_unique<OnceTrace>(contourKeyOf(scene, pass), cullingTransform(), ui);
    if (trace->levels.empty()) return;
    OnceTrace& t = *trace;
    const DataSet& dataSet = scene.dataSet;
    // A helper thread traces the faces while the thread that owns the context draws each
    // batch as it comes, in the order traced; the progress bar is shown from there.
    t.handOff.start([&t, &dataSet, &ui] {
        HandOffUi relayed(t.handOff, ui);
        ContourBatcher batcher(contourColoursOf(t.levels, t.key), kBatchVertices,
                               [&t](std::vector<float>& fills, std::vector<float>& lines) {
                                   auto batch = std::make_shared<TracedBatch>(t.spares.take());
                                   batch->fills.swap(fills);
                                   batch->lines.swap(lines);
                                   t.handOff.push([batch, &spares = t.spares] {
                                       drawFromMemory(GL_TRIANGLES, batch->fills);
                                       drawFromMemory(GL_LINES, batch->lines);
                                       // Lets a software rasteriser draw what it has
                                       // gathered and reuse that memory rather than
                                       // grow it all frame.
                                       glFlush();
                                       batch->fills.clear();
                                       batch->lines.clear();
                                       spares.give(std::move(*batch));
                                   });
                               });
        batcher.skipFillsBetweenPixels(t.centres ? &*t.centres : nullptr);
        traceContours(dataSet, relayed, t.run, batcher);
        batcher.finish();
    });
    once_ = std::move(trace);
}

void ContourLayer::dropStartedTrace() { once_.reset(); }

void ContourLayer::drawOnce(const SceneContext& scene, const GraphPass& pass, Ui& ui) {
    std::unique_ptr<OnceTrace> started = std::move(once_);
    release();
    if (!started || !started->tracedFor(contourKeyOf(scene, pass), cullingTransform(), ui)) {
        started.reset(); // a trace for something else is dropped
        startOnce(scene, pass, ui);
        started = std::move(once_);
    }
    if (!started) return; // nothing to trace
    const GraphOptionSet& o = *pass.options;
    glPushAttrib(GL_LINE_BIT | GL_CURRENT_BIT);
    setLineStyle(o.CONTWID, o.contPattern(), scene.pixelRatio);
    {
        ClientArrays arrays(true);
        unbindGlBuffers();
        started->handOff.finish();
    }
    glPopAttrib();
}

void ContourLayer::release() {
    once_.reset();
    if (kept_) kept_->release();
    kept_.reset();
    keyed_ = false;
}

} // namespace vellum
