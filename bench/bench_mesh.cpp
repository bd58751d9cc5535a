// The automatic mesh, the normalisation and the face building on the design limit:
// a 1000 x 1000 grid of nodes with one data row of three values per node.
#include "tests/support/RecordingUi.h"
#include "data/DataSet.h"
#include "data/Normalise.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace vellum {
namespace {

constexpr int kSide = 1000;

std::vector<NodeRecord> gridNodes(bool shuffled) {
    std::vector<NodeRecord> nodes;
    nodes.reserve(size_t(kSide) * kSide);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            NodeRecord node;
            node.number = y * kSide + x + 1;
            node.coordinates = {x * 0.01, y * 0.01, std::sin(x * 0.01) * std::cos(y * 0.01)};
            nodes.push_back(node);
        }
    if (shuffled) std::shuffle(nodes.begin(), nodes.end(), std::mt19937(7));
    return nodes;
}

void reportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024.0;
}

void buildMesh(benchmark::State& state, bool shuffled) {
    const std::vector<NodeRecord> input = gridNodes(shuffled);
    DataSet dataSet;
    RecordingUi ui;
    for (auto _ : state) {
        state.PauseTiming();
        dataSet.nodes = input;
        dataSet.nodeMap.build(dataSet.nodes, [](const NodeRecord& node) { return node.number; });
        state.ResumeTiming();
        if (dataSet.BuildMesh(ui) != 0 || dataSet.elements.size() != size_t(kSide - 1) * (kSide - 1))
            state.SkipWithError("wrong mesh");
    }
    reportPeakMemory(state);
}

void BM_BuildMeshGridInRowOrder(benchmark::State& state) { buildMesh(state, false); }
void BM_BuildMeshGridShuffled(benchmark::State& state) { buildMesh(state, true); }

// The loaded grid: meshed, extents computed, rows with their statistics and map.
DataSet loadedGrid(int dataType) {
    DataSet dataSet;
    dataSet.nodes = gridNodes(false);
    dataSet.nodeMap.build(dataSet.nodes, [](const NodeRecord& node) { return node.number; });
    RecordingUi ui;
    dataSet.BuildMesh(ui);
    dataSet.ComputeExtents(ui);
    const size_t columns = dataType == 2 ? 4 : 3;
    dataSet.columnMinimum.assign(columns, 0.0);
    dataSet.columnMaximum.assign(columns, 0.0);
    for (size_t i = 0; i < dataSet.nodes.size(); ++i) {
        const double x = double(i % kSide), y = double(i / kSide);
        const double values[4] = {x, y, x * y, std::sqrt(x * x + y * y + x * y * x * y)};
        dataSet.rows.append(int32_t(i + 1), values, columns);
        for (size_t c = 0; c < columns; ++c) {
            dataSet.columnMinimum[c] = std::min(dataSet.columnMinimum[c], values[c]);
            dataSet.columnMaximum[c] = std::max(dataSet.columnMaximum[c], values[c]);
        }
    }
    for (size_t c = 0; c < columns; ++c) {
        dataSet.columnRange.push_back(dataSet.columnMaximum[c] - dataSet.columnMinimum[c]);
        dataSet.columnMiddle.push_back((dataSet.columnMaximum[c] + dataSet.columnMinimum[c]) * 0.5);
    }
    dataSet.columnCount = 3;
    dataSet.dataMap.build(dataSet.rows.numbers(), [](int32_t number) { return number; });
    return dataSet;
}

void normalise(benchmark::State& state, int dataType) {
    DataSet dataSet = loadedGrid(dataType);
    RecordingUi ui;
    NormaliseInputs in;
    in.dataType = dataType;
    in.column = dataType == 2 ? 3 : 0;
    in.DIM = 2;
    for (auto _ : state)
        if (Normalise(dataSet, ui, in) != 0) state.SkipWithError("normalisation failed");
    reportPeakMemory(state);
}

void BM_NormaliseNodeValues(benchmark::State& state) { normalise(state, 0); }
void BM_NormaliseVectorData(benchmark::State& state) { normalise(state, 2); }

void BM_BuildFacesNodeValues(benchmark::State& state) {
    DataSet dataSet = loadedGrid(0);
    RecordingUi ui;
    Normalise(dataSet, ui, NormaliseInputs{});
    for (auto _ : state) dataSet.BuildFaces(0, 0);
    reportPeakMemory(state);
}

BENCHMARK(BM_BuildMeshGridInRowOrder)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_BuildMeshGridShuffled)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_NormaliseNodeValues)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NormaliseVectorData)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildFacesNodeValues)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vellum

BENCHMARK_MAIN();
