// A 100 x 100 x 100 node block of hexahedra: marking the faces inside it, the first paint
// of its surface and of its filled contours, and the first paint of a million-element
// sheet with element values.
#include "bench/WavyGrid.h"
#include "render/BodyArrays.h"
#include "render/HeadlessGlContext.h"
#include "render/Renderer.h"
#include "settings/ViewSettings.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>

namespace {

using namespace vellum;

constexpr uint32_t kSide = 100;

DataSet hexBlock() {
    DataSet d;
    const double step = 1.0 / (kSide - 1);
    d.nodes.resize(size_t(kSide) * kSide * kSide);
    for (uint32_t index = 0; index < d.nodes.size(); ++index) {
        NodeRecord& node = d.nodes[index];
        const double x = (index % kSide) * step - 0.5, y = (index / kSide % kSide) * step - 0.5,
                     z = (index / kSide / kSide) * step - 0.5;
        node.number = int32_t(index) + 1;
        node.coordinates = {x, y, z};
        node.position = node.coordinates;
        node.t = 0.5 + 0.5 * std::sin(6 * x) * std::cos(5 * y) * std::cos(4 * z);
    }
    const uint32_t cells = kSide - 1, layer = kSide * kSide;
    for (uint32_t k = 0; k < cells; ++k)
        for (uint32_t j = 0; j < cells; ++j)
            for (uint32_t i = 0; i < cells; ++i) {
                ElementRecord& e = d.elements.emplace_back();
                const uint32_t a = (k * kSide + j) * kSide + i;
                e.number = int32_t(d.elements.size());
                e.nodes = {a, a + 1, a + kSide + 1, a + kSide, a + layer, a + layer + 1, a + layer + kSide + 1,
                           a + layer + kSide};
                e.nodeCount = 8;
            }
    d.columnCount = 1;
    d.columnMinimum = {0.0};
    d.columnMaximum = {1.0};
    d.columnRange = {1.0};
    d.columnMiddle = {0.5};
    d.minimum = {-0.5, -0.5, -0.5};
    d.maximum = {0.5, 0.5, 0.5};
    d.extent = {1.0, 1.0, 1.0};
    d.overallExtent = 1.0;
    d.BuildFaces(kNodeValues, kSolidShape);
    return d;
}

struct Scene {
    HeadlessGlContext context{800, 600};
    DataSet solid = hexBlock();
    DataSet sheet = vellum::bench::wavyGrid();
    ViewSettings settings;
    Renderer renderer;
    Scene() {
        settings.MAX = 1.0;
        settings.DIGREE = {2100, 1800, 2130};
        settings.graph.WIREMODE = 0;
        renderer.resize(800, 600);
        for (size_t e = 0; e < sheet.elements.size(); ++e) sheet.elements[e].t = double(e % 997) / 996.0;
    }
};

Scene& scene() {
    static auto* instance = new Scene; // lives to the end: the context outlasts every run
    return *instance;
}

void BM_MarkCoveredFacesOfAMillionNodeBlock(benchmark::State& state) {
    DataSet& d = scene().solid;
    for (auto _ : state) d.MarkCoveredFaces();
    state.counters["faces"] = double(d.elements.size() * 6);
}

// The first paint, as the headless program makes it: everything built, drawn once.
void firstPaint(benchmark::State& state, DataSet& d, SceneState kind, int mode) {
    Scene& s = scene();
    if (!s.context.ok()) {
        state.SkipWithError("no headless OpenGL context");
        return;
    }
    s.settings.MODE = mode;
    for (auto _ : state) {
        s.renderer.releaseGlResources();
        s.renderer.paint(&d, s.settings, kind);
        glFinish();
    }
    state.counters["triangles"] = double(faceTriangles(d).size() / 3);
}

void BM_FirstPaintSolidSurface(benchmark::State& state) {
    firstPaint(state, scene().solid, SceneState{kNodeValues, kSolidShape}, kGraphGradation);
}
void BM_FirstPaintSolidFilledContours(benchmark::State& state) {
    firstPaint(state, scene().solid, SceneState{kNodeValues, kSolidShape}, kGraphContour);
}
void BM_FirstPaintElementValueSheet(benchmark::State& state) {
    firstPaint(state, scene().sheet, SceneState{kElementValues, kSheetShape}, kGraphGradation);
}

BENCHMARK(BM_MarkCoveredFacesOfAMillionNodeBlock)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FirstPaintSolidSurface)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FirstPaintSolidFilledContours)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FirstPaintElementValueSheet)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
