// Contours of a 1000 x 1000 node grid with 16 levels, filled: the geometry alone, and one
// whole paint on the headless (software) context next to the gradient paint of the same
// grid.
#include "common/RecordingUi.h"
#include "data/DataSet.h"
#include "render/ContourMesh.h"
#include "render/HeadlessGlContext.h"
#include "render/Renderer.h"
#include "render/TextDecorations.h"
#include "settings/ViewSettings.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <cmath>

namespace {

using namespace vellum;

constexpr uint32_t kNodesPerSide = 1000;

// A wavy sheet whose values cross every level many times.
DataSet wavySheet() {
    DataSet sheet;
    const double step = 1.0 / (kNodesPerSide - 1);
    sheet.nodes.resize(size_t(kNodesPerSide) * kNodesPerSide);
    for (uint32_t index = 0; index < sheet.nodes.size(); ++index) {
        NodeRecord& node = sheet.nodes[index];
        const double x = -0.5 + (index % kNodesPerSide) * step;
        const double y = -0.5 + (index / kNodesPerSide) * step;
        node.number = int32_t(index) + 1;
        node.t = 0.5 + 0.5 * std::sin(6 * x) * std::cos(5 * y);
        node.coordinates = {x, y, node.t};
        node.position = {x, y, (node.t - 0.5) * 0.5};
    }
    sheet.elements.resize(size_t(kNodesPerSide - 1) * (kNodesPerSide - 1));
    for (uint32_t index = 0; index < sheet.elements.size(); ++index) {
        ElementRecord& element = sheet.elements[index];
        const uint32_t corner = index + index / (kNodesPerSide - 1);
        element.number = int32_t(index) + 1;
        element.nodes = {corner, corner + 1, corner + kNodesPerSide + 1, corner + kNodesPerSide};
        element.nodeCount = 4;
        element.faces[0] = 1; // the 4-node quadrilateral
        element.faceCount = 1;
    }
    sheet.columnCount = 1;
    sheet.columnMinimum = {0.0};
    sheet.columnMaximum = {1.0};
    sheet.columnRange = {1.0};
    sheet.columnMiddle = {0.5};
    sheet.minimum = {-0.5, -0.5, 0.0};
    sheet.maximum = {0.5, 0.5, 1.0};
    sheet.extent = {1.0, 1.0, 1.0};
    sheet.overallExtent = 1.0;
    return sheet;
}

const DataSet& sheet() {
    static const DataSet* instance = new DataSet(wavySheet());
    return *instance;
}

class CountingSink : public ContourSink {
public:
    void fill(const Point3*, int count, int) override { corners += size_t(count); }
    void line(const Point3&, const Point3&, int) override { ++lines; }
    size_t corners = 0, lines = 0;
};

void BM_ContourGeometry16Filled(benchmark::State& state) {
    RecordingUi ui;
    ContourRun run;
    run.divisions = 16;
    for (auto _ : state) {
        CountingSink sink;
        traceContours(sheet(), ui, run, sink);
        benchmark::DoNotOptimize(sink.corners);
        state.counters["lines"] = double(sink.lines);
    }
}

struct PaintScene {
    HeadlessGlContext context{800, 600};
    DocumentLook look;
    ViewSettings settings{look};
    RecordingUi ui;
    Renderer renderer;
    TextDecorations decorations{ui};
    PaintScene() {
        look.MAX = 1.0;
        renderer.setFixedState();
        renderer.resize(800, 600);
        renderer.setDecorations(&decorations);
        settings.DIGREE = {1740, 1800, 1770};
    }
};

PaintScene& paintScene() {
    static auto* instance = new PaintScene; // lives to the end: the context outlasts every run
    return *instance;
}

void paintOnce(benchmark::State& state, int mode) {
    PaintScene& s = paintScene();
    if (!s.context.ok()) {
        state.SkipWithError("no headless OpenGL context");
        return;
    }
    s.settings.MODE = mode;
    s.settings.graph.CONTNUM = 16;
    s.settings.graph.CONT = 1;
    s.settings.graph.WIREMODE = 0;
    for (auto _ : state) {
        s.renderer.paint(&sheet(), s.settings, SceneState{0, 0});
        glFinish();
    }
}

void BM_PaintContours16Filled(benchmark::State& state) { paintOnce(state, 1); }
void BM_PaintGradient(benchmark::State& state) { paintOnce(state, 0); }

BENCHMARK(BM_ContourGeometry16Filled)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PaintContours16Filled)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PaintGradient)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
