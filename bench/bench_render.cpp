// One paint of a 1000 x 1000 node grid on the headless (software) context.
#include "bench/WavyGrid.h"
#include "render/HeadlessGlContext.h"
#include "render/Renderer.h"
#include "settings/ViewSettings.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <memory>

namespace {

using namespace vellum;

struct Scene {
    HeadlessGlContext context{800, 600};
    DataSet dataSet = vellum::bench::wavyGrid();
    ViewSettings settings;
    Renderer renderer;
    Scene() {
        settings.MAX = 1.0;
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
