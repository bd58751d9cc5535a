// Contours of a 1000 x 1000 node grid with 16 levels, filled: the geometry alone, a first
// paint that builds them on the headless (software) context, a paint of the kept contours
// after the camera turned and after the drawing area changed size, and the same paint of
// the graded surface beside them.
#include "tests/support/RecordingUi.h"
#include "bench/WavyGrid.h"
#include "render/ContourMesh.h"
#include "render/HeadlessGlContext.h"
#include "render/Renderer.h"
#include "settings/ViewSettings.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>

namespace {

using namespace vellum;

const DataSet& sheet() {
    static const DataSet* instance = new DataSet(vellum::bench::wavyGrid());
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
    ViewSettings settings;
    Renderer renderer{TextRenderer::withJapaneseGothic()};
    PaintScene() {
        settings.MAX = 1.0;
        renderer.resize(800, 600);
        settings.DIGREE = {1740, 1800, 1770};
    }
};

PaintScene& paintScene() {
    static auto* instance = new PaintScene; // lives to the end: the context outlasts every run
    return *instance;
}

enum class Paint { afterCameraTurn, firstPaint, afterResize };

void paintOnce(benchmark::State& state, int mode, Paint kind) {
    PaintScene& s = paintScene();
    if (!s.context.ok()) {
        state.SkipWithError("no headless OpenGL context");
        return;
    }
    s.settings.MODE = mode;
    s.settings.graph.CONTNUM = 16;
    s.settings.graph.CONT = 1;
    s.settings.graph.WIREMODE = 0;
    s.renderer.paint(&sheet(), s.settings, SceneState{kNodeValues, kSheetShape});
    glFinish();
    bool narrow = false;
    for (auto _ : state) {
        if (kind == Paint::afterResize) {
            // A window's edge dragged back and forth: the same graph in another area.
            narrow = !narrow;
            s.renderer.resize(narrow ? 780 : 800, narrow ? 560 : 600);
        } else {
            s.settings.DIGREE[2] += 1;
        }
        if (kind == Paint::firstPaint) {
            state.PauseTiming();
            s.renderer.releaseGlResources();
            glFinish();
            state.ResumeTiming();
        }
        s.renderer.paint(&sheet(), s.settings, SceneState{kNodeValues, kSheetShape});
        glFinish();
    }
    s.renderer.resize(800, 600);
}

void BM_FirstPaintContours16Filled(benchmark::State& state) { paintOnce(state, 1, Paint::firstPaint); }
void BM_PaintContours16FilledAfterCameraTurn(benchmark::State& state) {
    paintOnce(state, 1, Paint::afterCameraTurn);
}
void BM_PaintContours16FilledAfterResize(benchmark::State& state) { paintOnce(state, 1, Paint::afterResize); }
void BM_PaintGradientAfterCameraTurn(benchmark::State& state) { paintOnce(state, 0, Paint::afterCameraTurn); }

BENCHMARK(BM_ContourGeometry16Filled)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FirstPaintContours16Filled)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PaintContours16FilledAfterCameraTurn)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PaintContours16FilledAfterResize)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_PaintGradientAfterCameraTurn)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
