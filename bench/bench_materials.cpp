// Reading a material file for 1,000,000 elements: every line looks its element up by
// number. The element numbers are dense (1, 2, 3, ...) or spread out (3, 10, 17, ...),
// which takes the binary search instead of the direct table.
#include "common/StreamUi.h"
#include "data/DataSet.h"
#include "data/Materials.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <unistd.h>

namespace vellum {
namespace {

constexpr int32_t kElements = 1'000'000;

int32_t elementNumber(int32_t index, int32_t step) { return index * step + 3; }

DataSet elementsNumberedBy(int32_t step) {
    DataSet d;
    d.elements.resize(kElements);
    for (int32_t i = 0; i < kElements; ++i) d.elements[size_t(i)].number = elementNumber(i, step);
    return d;
}

// One line per element, last element first, with one of 16 materials.
std::string writeMaterialFile(int32_t step) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("vellum-bench-materials-" + std::to_string(::getpid()) + "-" + std::to_string(step)))
                                 .string();
    std::string text;
    text.reserve(size_t(kElements) * 12);
    for (int32_t i = kElements - 1; i >= 0; --i) {
        text += std::to_string(elementNumber(i, step));
        text += ' ';
        text += std::to_string(i % 16 + 1);
        text += '\n';
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    return path;
}

void BM_ReadMaterialFile(benchmark::State& state) {
    const auto step = static_cast<int32_t>(state.range(0));
    DataSet d = elementsNumberedBy(step);
    const std::string path = writeMaterialFile(step);
    StreamUi ui(std::cerr);
    std::vector<MaterialCount> listed;
    for (auto _ : state) {
        if (ReadMaterialFile(d, ui, path, listed) != 0 || listed.size() != 16 || listed[0].elements != kElements / 16) {
            state.SkipWithError("the material file was not read whole");
            break;
        }
    }
    std::filesystem::remove(path);
}

BENCHMARK(BM_ReadMaterialFile)->Arg(1)->Arg(7)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace vellum

BENCHMARK_MAIN();
