// One paint of a 1000 x 1000 node grid on the headless (software) context.
#include "data/DataSet.h"
#include "render/HeadlessGlContext.h"
#include "render/Renderer.h"
#include "settings/ViewSettings.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <cmath>
#include <memory>

namespace {

using namespace vellum;

constexpr int kSide = 1000; // nodes per side

DataSet makeGrid() {
    DataSet d;
    d.nodes.reserve(size_t(kSide) * kSide);
    for (int j = 0; j < kSide; ++j)
        for (int i = 0; i < kSide; ++i) {
            NodeRecord n;
            n.number = j * kSide + i + 1;
            const double x = -0.5 + double(i) / (kSide - 1), y = -0.5 + double(j) / (kSide - 1);
            const double t = 0.5 + 0.5 * std::sin(6 * x) * std::cos(5 * y);
            n.coordinates = {x, y, t};
            n.position = {x, y, (t - 0.5) * 0.5};
            n.t = t;
            d.nodes.push_back(n);
        }
    d.elements.reserve(size_t(kSide - 1) * (kSide - 1));
    for (int j = 0; j + 1 < kSide; ++j)
        for (int i = 0; i + 1 < kSide; ++i) {
            ElementRecord e;
            e.number = int32_t(d.elements.size()) + 1;
            const uint32_t a = uint32_t(j * kSide + i);
            e.nodes = {a, a + 1, a + kSide + 1, a + kSide};
            e.nodeCount = 4;
            e.faces[0] = 1;
            e.faceCount = 1;
            d.elements.push_back(e);
        }
    d.columnCount = 1;
    d.columnMinimum = {0.0};
    d.columnMaximum = {1.0};
    d.columnRange = {1.0};
    d.columnMiddle = {0.5};
    d.minimum = {-0.5, -0.5, 0.0};
    d.maximum = {0.5, 0.5, 1.0};
    d.extent = {1.0, 1.0, 1.0};
    d.overallExtent = 1.0;
    return d;
}

struct Scene {
    HeadlessGlContext context{800, 600};
    DataSet dataSet = makeGrid();
    DocumentLook look;
    ViewSettings settings{look};
    Renderer renderer;
    Scene() {
        look.MAX = 1.0;
        renderer.setFixedState();
        renderer.resize(800, 600);
        settings.DIGREE = {1740, 1800, 1770};
    }
};

Scene& scene() {
    static auto* instance = new Scene; // lives to the end: the context outlasts every run
    return *instance;
}

void paintOnce(benchmark::State& state, int mode, int wireMode = 2) {
    Scene& s = scene();
    if (!s.context.ok()) {
        state.SkipWithError("no headless OpenGL context");
        return;
    }
    s.settings.MODE = mode;
    s.settings.graph.WIREMODE = wireMode;
    for (auto _ : state) {
        s.renderer.paint(&s.dataSet, s.settings, SceneState{0, 0});
        glFinish();
    }
    state.counters["nodes"] = double(s.dataSet.nodes.size());
}

void BM_PaintGradientWithWireframe(benchmark::State& state) { paintOnce(state, 0); }
void BM_PaintPoints(benchmark::State& state) { paintOnce(state, 2, 0); }
// The pieces alone, to see where the time goes.
void BM_PaintGradientOnly(benchmark::State& state) { paintOnce(state, 0, 0); }
void BM_PaintWireframeOnly(benchmark::State& state) { paintOnce(state, 4); }

BENCHMARK(BM_PaintGradientWithWireframe)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PaintPoints)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PaintGradientOnly)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PaintWireframeOnly)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
