// Probing the 1000 x 1000 node grid in an 800 x 600 view: the first probe after the
// camera moved (the screen grid of the faces is built) and a probe of a still view.
#include "bench/WavyGrid.h"
#include "render/ProbePicker.h"
#include "settings/ViewSettings.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vellum;

struct Grid {
    DataSet dataSet = vellum::bench::wavyGrid();
    ViewSettings look;
    Grid() { look.DIGREE = {1740, 1800, 1770}; }
};

Grid& grid() {
    static auto* instance = new Grid;
    return *instance;
}

void BM_FirstProbeAfterCameraTurn(benchmark::State& state) {
    Grid& g = grid();
    ProbePicker picker;
    int turn = 0;
    for (auto _ : state) {
        g.look.DIGREE[2] = 1770 + (++turn % 2);
        benchmark::DoNotOptimize(picker.pick(g.dataSet, g.look, SceneState{kNodeValues, 0}, 800, 600, 400, 300));
    }
}
BENCHMARK(BM_FirstProbeAfterCameraTurn)->Unit(benchmark::kMillisecond);

void BM_ProbeOfAStillView(benchmark::State& state) {
    Grid& g = grid();
    ProbePicker picker;
    picker.pick(g.dataSet, g.look, SceneState{kNodeValues, 0}, 800, 600, 0, 0);
    int x = 0;
    for (auto _ : state) {
        x = (x + 37) % 600;
        benchmark::DoNotOptimize(picker.pick(g.dataSet, g.look, SceneState{kNodeValues, 0}, 800, 600, 100 + x, 100 + x / 2));
    }
}
BENCHMARK(BM_ProbeOfAStillView)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
