// The whole load of the design-limit model: a 1000 x 1000 grid of nodes (1,000,000 nodes),
// 998,001 four-node elements and one data row of 3 values per node, once with an element
// file and once with the automatic mesh. Peak resident memory is reported as a counter;
// run one benchmark per process (--benchmark_filter) to read it for that load alone.
// bench/floor_scan and bench/floor_ratio.sh give the floor these times are measured against.
#include "common/Numbers.h"
#include "common/StreamUi.h"
#include "data/ParsedFiles.h"
#include "model/Document.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace vellum {
namespace {

constexpr int kSide = 1000;

// Writes generated lines through a buffer that never holds more than a few megabytes.
class LineWriter {
public:
    explicit LineWriter(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {}
    ~LineWriter() {
        flush();
        if (file_) std::fclose(file_);
    }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    LineWriter& operator<<(long value) { return append(value); }
    LineWriter& operator<<(double value) { return append(value); }
    LineWriter& operator<<(char c) {
        buffer_ += c;
        if (c == '\n' && buffer_.size() > (1u << 22)) flush();
        return *this;
    }

private:
    template <class T>
    LineWriter& append(T value) {
        char text[32];
        auto [end, ec] = std::to_chars(text, text + sizeof text, value);
        (void)ec;
        buffer_.append(text, end);
        return *this;
    }
    void flush() {
        if (file_) std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
        buffer_.clear();
    }
    std::FILE* file_;
    std::string buffer_;
};

struct GridFiles {
    std::string folder, nodes, elements, data;

    GridFiles() {
        folder = (std::filesystem::temp_directory_path() / ("vellum-bench-" + std::to_string(::getpid()))).string();
        std::filesystem::create_directories(folder);
        nodes = folder + "/grid-nodes.dat";
        elements = folder + "/grid-elements.dat";
        data = folder + "/grid-data.dat";
        const auto node = [](long i, long j) { return j * kSide + i + 1; };
        {
            LineWriter out(nodes);
            for (long j = 0; j < kSide; ++j)
                for (long i = 0; i < kSide; ++i)
                    out << node(i, j) << ' ' << i * 0.01 << ' ' << j * 0.01 << ' '
                        << std::sin(i * 0.01) * std::cos(j * 0.01) << '\n';
        }
        {
            LineWriter out(elements);
            long number = 1;
            for (long j = 0; j + 1 < kSide; ++j)
                for (long i = 0; i + 1 < kSide; ++i)
                    out << number++ << ' ' << node(i, j) << ' ' << node(i + 1, j) << ' ' << node(i + 1, j + 1)
                        << ' ' << node(i, j + 1) << '\n';
        }
        {
            LineWriter out(data);
            for (long j = 0; j < kSide; ++j)
                for (long i = 0; i < kSide; ++i)
                    out << node(i, j) << ' ' << (i + j) * 0.5 << ' ' << std::sin(i * 0.02) << ' '
                        << std::cos(j * 0.02) << '\n';
        }
    }
    ~GridFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

const GridFiles& gridFiles() {
    static GridFiles files;
    return files;
}

double peakResidentMegabytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void loadGrid(benchmark::State& state, bool autoMesh, bool parseAhead = true) {
    const GridFiles& files = gridFiles();
    StreamUi ui(std::cerr);
    for (auto _ : state) {
        auto document = std::make_unique<Document>();
        document->parseAhead = parseAhead;
        OpenChoice choice;
        choice.pointFilePath = files.nodes;
        choice.elementFilePath = autoMesh ? std::string() : files.elements;
        choice.dataFilePath = files.data;
        choice.autoMesh = autoMesh ? 1 : 0;
        if (document->Open(ui, choice) != 0) {
            state.SkipWithError("the load failed");
            break;
        }
        if (document->dataSet.elements.size() != 998'001u) {
            state.SkipWithError("wrong element count");
            break;
        }
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
    state.counters["peak_rss_MB"] = peakResidentMegabytes();
}

void BM_LoadWithElementFile(benchmark::State& state) { loadGrid(state, false); }
void BM_LoadWithAutomaticMesh(benchmark::State& state) { loadGrid(state, true); }
// Every file read in its own step, one after the other.
void BM_LoadWithElementFileSerially(benchmark::State& state) { loadGrid(state, false, false); }

// Where the time of a load goes, file by file: reading and parsing each file alone.
void BM_ReadNodeFile(benchmark::State& state) {
    StreamUi ui(std::cerr);
    for (auto _ : state) {
        DataSet dataSet;
        dataSet.files.pointFilePath = gridFiles().nodes;
        if (dataSet.ReadNodes(ui) != 0) state.SkipWithError("the node file failed");
    }
}
void BM_ParseElementFile(benchmark::State& state) {
    for (auto _ : state) {
        const ParsedElements parsed = parseElementFile(gridFiles().elements);
        if (parsed.elements.size() != 998'001u) state.SkipWithError("wrong element count");
    }
}
void BM_ParseDataFile(benchmark::State& state) {
    for (auto _ : state) {
        const ParsedDataRows parsed = parseDataFile(gridFiles().data);
        if (parsed.rows.size() != 1'000'000u) state.SkipWithError("wrong row count");
    }
}

// Converting numbers alone: short decimals as result files print them, which the scanner
// converts itself, and the shortest forms of arbitrary doubles (up to 17 digits), most of
// which need the full conversion.
void scanNumbers(benchmark::State& state, const std::vector<std::string>& texts) {
    size_t bytes = 0;
    for (const std::string& text : texts) bytes += text.size();
    for (auto _ : state) {
        double sum = 0.0;
        for (const std::string& text : texts) sum += parseRealPrefix(text).value;
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
std::vector<std::string> numberTexts(bool shortest) {
    std::vector<std::string> texts;
    for (int i = 0; i < 100000; ++i) {
        const double value = std::sin(i * 0.001) * 37.0;
        char text[32];
        const auto [end, ec] = shortest ? std::to_chars(text, text + sizeof text, value)
                                        : std::to_chars(text, text + sizeof text, value, std::chars_format::general, 9);
        (void)ec;
        texts.emplace_back(text, end);
    }
    return texts;
}
void BM_ScanShortDecimals(benchmark::State& state) { scanNumbers(state, numberTexts(false)); }
void BM_ScanShortestDoubles(benchmark::State& state) { scanNumbers(state, numberTexts(true)); }

BENCHMARK(BM_LoadWithElementFile)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_LoadWithAutomaticMesh)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_LoadWithElementFileSerially)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_ReadNodeFile)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_ParseElementFile)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_ParseDataFile)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_ScanShortDecimals)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScanShortestDoubles)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vellum

BENCHMARK_MAIN();
