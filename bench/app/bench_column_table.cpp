// Opening the data-column dialog on a data file of 1,000,000 rows: the dialog is built
// and drawn once, table included.
#include "app/DataColumnDialog.h"
#include "common/Codes.h"
#include "common/StreamUi.h"
#include "data/DataSet.h"

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>

namespace vellum {
namespace {

void BM_OpenColumnDialog(benchmark::State& state) {
    DataSet d;
    d.columnCount = 3;
    for (size_t i = 0; i < 1'000'000; ++i) {
        const double values[3] = {i * 0.5, -double(i), 1.0 / double(i + 1)};
        d.rows.append(int32_t(i + 1), values, 3);
    }
    StreamUi ui(std::cerr);
    for (auto _ : state) {
        DataColumnDialog dialog(ColumnChoiceForm(d, kNodeValues, {1, -1, -1}), ui);
        benchmark::DoNotOptimize(dialog.grab());
    }
}

BENCHMARK(BM_OpenColumnDialog)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace vellum

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
