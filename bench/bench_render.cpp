// Paints of a 1000 x 1000 node grid on the headless (software) context: a repaint with
// nothing changed, a paint after the camera turned (the kept geometry drawn again), a
// first paint that builds, the reduced picture of a drag, and the full paint that ends one.
#include "bench/WavyGrid.h"
#include "render/HeadlessGlContext.h"
#include "render/Renderer.h"
#include "settings/ViewSettings.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>

namespace {

using namespace vellum;

struct Scene {
    HeadlessGlContext context{800, 600};
    DataSet dataSet = vellum::bench::wavyGrid();
    ViewSettings settings;
    Renderer renderer;
    Scene() {
        settings.MAX = 1.0;
        renderer.resize(800, 600);
        settings.DIGREE = {1740, 1800, 1770};
    }
};

Scene& scene() {
    static auto* instance = new Scene; // lives to the end: the context outlasts every run
    return *instance;
}

enum class Paint { repaint, afterCameraTurn, firstPaint, whileDragging, afterDrag };

void paintGrid(benchmark::State& state, Paint kind, int mode, int wireMode = 2) {
    Scene& s = scene();
    if (!s.context.ok()) {
        state.SkipWithError("no headless OpenGL context");
        return;
    }
    s.settings.MODE = mode;
    s.settings.graph.WIREMODE = wireMode;
    s.settings.DIGREE = {1740, 1800, 1770};
    s.renderer.paint(&s.dataSet, s.settings, SceneState{kNodeValues, kSheetShape});
    if (kind == Paint::whileDragging || kind == Paint::afterDrag) {
        // The first step of a drag makes the light wireframe once; the steps are timed.
        s.settings.dragging = 1;
        s.renderer.paint(&s.dataSet, s.settings, SceneState{kNodeValues, kSheetShape});
        s.settings.dragging = 0;
    }
    glFinish();
    const int buildsBefore = s.renderer.stats().total();
    for (auto _ : state) {
        if (kind == Paint::afterCameraTurn) s.settings.DIGREE[2] += 1;
        if (kind == Paint::firstPaint) {
            state.PauseTiming();
            s.renderer.releaseGlResources();
            glFinish();
            state.ResumeTiming();
        }
        if (kind == Paint::whileDragging) {
            s.settings.dragging = 1;
            s.settings.DIGREE[1] += 1;
        }
        if (kind == Paint::afterDrag) {
            // A drag step turns the camera with the reduced picture; the release is timed.
            state.PauseTiming();
            s.settings.dragging = 1;
            s.settings.DIGREE[1] += 1;
            s.renderer.paint(&s.dataSet, s.settings, SceneState{kNodeValues, kSheetShape});
            glFinish();
            s.settings.dragging = 0;
            state.ResumeTiming();
        }
        s.renderer.paint(&s.dataSet, s.settings, SceneState{kNodeValues, kSheetShape});
        glFinish();
    }
    s.settings.dragging = 0;
    state.counters["nodes"] = double(s.dataSet.nodes.size());
    state.counters["builds"] = double(s.renderer.stats().total() - buildsBefore);
}

void BM_RepaintGradientWithWireframe(benchmark::State& state) { paintGrid(state, Paint::repaint, 0); }
void BM_PaintGradientWithWireframeAfterCameraTurn(benchmark::State& state) {
    paintGrid(state, Paint::afterCameraTurn, 0);
}
void BM_FirstPaintGradientWithWireframe(benchmark::State& state) { paintGrid(state, Paint::firstPaint, 0); }
// The reduced picture at every step of a drag, and the full one its release paints.
void BM_DragStepGradientWithWireframe(benchmark::State& state) { paintGrid(state, Paint::whileDragging, 0); }
void BM_PaintAfterDragGradientWithWireframe(benchmark::State& state) { paintGrid(state, Paint::afterDrag, 0); }
// The pieces alone, drawn again after a turn, to see where the time goes.
void BM_PaintPointsAfterCameraTurn(benchmark::State& state) { paintGrid(state, Paint::afterCameraTurn, 2, 0); }
void BM_PaintGradientOnlyAfterCameraTurn(benchmark::State& state) {
    paintGrid(state, Paint::afterCameraTurn, 0, 0);
}
void BM_PaintWireframeOnlyAfterCameraTurn(benchmark::State& state) { paintGrid(state, Paint::afterCameraTurn, 4); }

BENCHMARK(BM_RepaintGradientWithWireframe)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PaintGradientWithWireframeAfterCameraTurn)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FirstPaintGradientWithWireframe)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_DragStepGradientWithWireframe)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_PaintAfterDragGradientWithWireframe)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PaintPointsAfterCameraTurn)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PaintGradientOnlyAfterCameraTurn)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PaintWireframeOnlyAfterCameraTurn)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
